#pragma once
// Whole-file text reading and the safe whole-file save every data file uses.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// The lines of a file, each without its line end. CR LF, a lone LF and a
// lone CR (old editors) each end a line. A last line without a line end is
// read. Throws InOutError when the file can't be read; a folder, FIFO or
// device, and a file over 64 MiB (larger than any data file), are refused
// without being read.
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// The same in two steps, for readers that go through large files: the file's
// bytes, then views of its lines (into `content`, split as ReadLines does).
std::string ReadFileBytes(const std::filesystem::path& path);
std::vector<std::string_view> SplitLines(std::string_view content);

// The low-level calls a save makes, so tests can make any one of them fail.
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual long Write(int fd, const char* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
};

// The calls saves use now; tests swap in a failing set with ScopedFileOps.
FileOps& CurrentFileOps();

class ScopedFileOps {
public:
    explicit ScopedFileOps(FileOps& ops);
    ~ScopedFileOps();
    ScopedFileOps(const ScopedFileOps&) = delete;
    ScopedFileOps& operator=(const ScopedFileOps&) = delete;

private:
    FileOps* previous_;
};

// What a save does with the version it replaces: `Keep` runs once the new
// content is safely written beside the file and just before it replaces it
// (an exception stops the save, the old file untouched); `Undo` takes back
// what `Keep` did when the replacing then fails; `Done` follows a save that
// replaced the file.
class ReplacedVersion {
public:
    virtual ~ReplacedVersion() = default;
    virtual void Keep() = 0;
    virtual void Undo() = 0;
    virtual void Done() = 0;
};

// Replaces the file with exactly these bytes. The content is written in full
// to a temporary file beside it, synced and closed, and only then renamed
// over the old file. A symbolic link stays a link: its target gets the new
// content. An existing file that is not a regular file, or that the user may
// not write, is refused ("File access denied"); the new file keeps the old
// one's mode. On any failure the old file is untouched, the temporary file is
// removed and InOutError is thrown.
void SaveBytes(const std::filesystem::path& path, std::string_view bytes,
               ReplacedVersion* replaced = nullptr);

// The same with the given lines, each ended by CR LF.
void SaveLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
               ReplacedVersion* replaced = nullptr);

bool FileExists(const std::filesystem::path& path);

// The file in `dir` named `name` whatever the case of its letters: the exact
// name when it exists, otherwise the entry equal to it ignoring ASCII case
// that keeps the case of the longest start of the name (the first in byte
// order among equals), otherwise dir/name itself.
std::filesystem::path FindFileNoCase(const std::filesystem::path& dir, const std::string& name);
// The bytes of `file`, found as FindFileNoCase finds it. The name as given is
// tried first: it is nearly always the file's, and then no folder is read.
std::string ReadFileBytesNoCase(const std::filesystem::path& file);

// Creates an empty file (the new golfer's score file). Throws InOutError.
void CreateEmptyFile(const std::filesystem::path& path);

} // namespace tb
