#pragma once
// The two kinds of failure the program leaves to its general error handler:
// file input/output errors and text-to-number conversion errors. Both carry
// the exact text the user is shown.

#include <stdexcept>
#include <string>

namespace tb {

class InOutError : public std::runtime_error {
public:
    // `errnoValue` is the system's error number when there is one, so a
    // reader can tell a missing file from one it may not open.
    explicit InOutError(const std::string& text, int errnoValue = 0)
        : std::runtime_error(text), errno_(errnoValue) {}
    int ErrnoValue() const { return errno_; }

private:
    int errno_;
};

class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform text for an errno value: "File not found", "File access
// denied", "Disk full" or "I/O error %d".
std::string IoErrorText(int errnoValue);

[[noreturn]] void ThrowIoError(int errnoValue);

// Whether an input/output error says that the file is not there at all (as
// opposed to there but not to be opened).
bool IsMissingFileError(const InOutError& error);

// The text with every NUL byte shown as "\0", so that a message never ends
// early at one.
std::string ShowNuls(const std::string& text);

} // namespace tb
