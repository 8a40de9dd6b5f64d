#pragma once
// The two kinds of failure the program leaves to its general error handler:
// file input/output errors and text-to-number conversion errors. Both carry
// the exact text the user is shown.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tb {

class InOutError : public std::runtime_error {
public:
    // `errnoValue` is the system's error number when there is one, so a
    // reader can tell a missing file from one it may not open. An error about
    // a file names it: the text shown is the program's own words, then on a
    // second line the file's name and the system's reason
    // ("Disk full\nSMITH.vxp: No space left on device").
    explicit InOutError(const std::string& text, int errnoValue = 0,
                        const std::filesystem::path& file = {})
        : std::runtime_error(ShownText(text, errnoValue, file)), text_(text), errno_(errnoValue),
          file_(file) {}
    int ErrnoValue() const { return errno_; }
    // The program's own words, without the file and the reason.
    const std::string& Text() const { return text_; }
    const std::filesystem::path& File() const { return file_; }

private:
    static std::string ShownText(const std::string& text, int errnoValue,
                                 const std::filesystem::path& file);
    std::string text_;
    int errno_;
    std::filesystem::path file_;
};

class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform text for an errno value: "File not found", "File access
// denied", "Disk full" or "I/O error %d".
std::string IoErrorText(int errnoValue);

[[noreturn]] void ThrowIoError(int errnoValue);
// The same for an error about `file`, which the message names.
[[noreturn]] void ThrowIoError(int errnoValue, const std::filesystem::path& file);

// Whether an input/output error says that the file is not there at all (as
// opposed to there but not to be opened).
bool IsMissingFileError(const InOutError& error);

// The text with every NUL byte shown as "\0", so that a message never ends
// early at one.
std::string ShowNuls(const std::string& text);

} // namespace tb
