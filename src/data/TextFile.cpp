#include "TextFile.h"

#include "Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {
namespace fs = std::filesystem;

namespace {
// Larger than any data file can be (300 golfers, 200 courses or 200 rounds of
// a few hundred bytes each): such a file is refused, not read into memory.
constexpr off_t MaxDataFileSize = 64 * 1024 * 1024;

[[noreturn]] void RefuseSpecialFile(const fs::path& path, const struct stat& st) {
    // A folder, a FIFO or a device where a data file should be: refused at
    // once (never waited on, never read endlessly), in words the user knows.
    throw InOutError(IoErrorText(EACCES), S_ISDIR(st.st_mode) ? EISDIR : EACCES, path);
}

[[noreturn]] void RefuseLargeFile(const fs::path& path) {
    throw InOutError("File too large", EFBIG, path);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};
} // namespace

std::string ReadFileBytes(const fs::path& path) {
    // Non-blocking, so that opening a FIFO does not wait for a writer; the
    // file type is checked before anything is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) ThrowIoError(errno, path);
    Descriptor file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) ThrowIoError(errno, path);
    if (!S_ISREG(st.st_mode)) RefuseSpecialFile(path, st);
    if (st.st_size > MaxDataFileSize) RefuseLargeFile(path);
    // Read straight into the text, one byte more than the file's size so
    // that the read finding its end needs no more room. The file may grow
    // while it is read: the room grows too, to one byte past the limit.
    constexpr std::size_t limit = MaxDataFileSize;
    std::string content(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == content.size()) {
            if (size > limit) RefuseLargeFile(path);
            content.resize(std::min(size + 65536, limit + 1));
        }
        const ssize_t n = ::read(fd, content.data() + size, content.size() - size);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowIoError(errno, path);
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    if (size > limit) RefuseLargeFile(path);
    content.resize(size);
    return content;
}

namespace {
// The position of `c` at or after `from`, or `size` when there is none.
std::size_t NextOf(const char* data, std::size_t size, std::size_t from, char c) {
    const void* found = std::memchr(data + from, c, size - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : size;
}
} // namespace

std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    const char* data = content.data();
    const std::size_t size = content.size();
    // The next CR and the next LF, each searched for again only once the
    // lines have passed it, so every byte is looked at about twice in all.
    std::size_t nextCr = NextOf(data, size, 0, '\r'), nextLf = NextOf(data, size, 0, '\n');
    std::size_t start = 0;
    while (start < size) {
        if (nextCr < start) nextCr = NextOf(data, size, start, '\r');
        if (nextLf < start) nextLf = NextOf(data, size, start, '\n');
        const std::size_t end = std::min(nextCr, nextLf);
        lines.push_back(content.substr(start, end - start));
        if (end == size) break;
        // CR LF is one line end; a lone CR or a lone LF is one too.
        const bool crLf = data[end] == '\r' && end + 1 < size && data[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> ReadLines(const fs::path& path) {
    const std::string content = ReadFileBytes(path);
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(content))
        lines.emplace_back(line);
    return lines;
}

long FileOps::Write(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}
int FileOps::Fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::Close(int fd) {
    return ::close(fd);
}
int FileOps::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

namespace {
FileOps defaultOps;
FileOps* currentOps = &defaultOps;

// The mode a new file gets from the process's umask.
mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncDirectory(const fs::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // the file itself is already safe; a failure here changes nothing
    ::close(fd);
}
} // namespace

FileOps& CurrentFileOps() {
    return *currentOps;
}

ScopedFileOps::ScopedFileOps(FileOps& ops) : previous_(currentOps) {
    currentOps = &ops;
}
ScopedFileOps::~ScopedFileOps() {
    currentOps = previous_;
}

namespace {
// Where a save of `path` lands: the file itself, or the file a symbolic link
// leads to, so that the link stays a link and its target gets the new
// content. An existing target must be a regular file the user may write;
// `mode` becomes its mode (the new file keeps it), or a new file's.
fs::path SaveTarget(const fs::path& path, mode_t& mode) {
    fs::path target = path;
    struct stat st;
    // Followed link by link, so that a link whose target is not there yet
    // leads to where that target will be. A loop ends as the system's own
    // lookups do.
    for (int links = 0; ::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++links) {
        if (links == 40) ThrowIoError(ELOOP, path);
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) ThrowIoError(ec.value(), path);
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) ThrowIoError(errno, path);
        mode = NewFileMode();
        return target;
    }
    if (!S_ISREG(st.st_mode)) RefuseSpecialFile(path, st);
    // The rename below would replace a file whatever its mode says.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) ThrowIoError(errno, path);
    mode = st.st_mode & 07777;
    return target;
}
} // namespace

namespace {
// Writes all of `bytes` to `fd`, going on after short and interrupted writes.
// Returns 0, or the errno of the write that failed.
int WriteAll(FileOps& ops, int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        long n = ops.Write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}
} // namespace

void SaveBytes(const fs::path& path, std::string_view bytes, ReplacedVersion* replaced) {
    FileOps& ops = CurrentFileOps();
    mode_t mode = 0;
    const fs::path target = SaveTarget(path, mode);
    fs::path dir = target.parent_path();
    // Built by appending: GCC 12 warns (-Wrestrict) at "." + name.
    std::string tempName = ".";
    tempName += target.filename().string();
    tempName += ".tmp-XXXXXX";
    std::string pattern = (dir / tempName).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) ThrowIoError(errno, path);
    const std::string tempPath = pattern;
    bool open = true;
    auto removeTemporary = [&] {
        if (open) ::close(fd);
        ::unlink(tempPath.c_str());
    };
    auto fail = [&](int error) {
        removeTemporary();
        ThrowIoError(error, path);
    };
    ::fchmod(fd, mode);

    if (const int error = WriteAll(ops, fd, bytes)) fail(error);
    if (ops.Fsync(fd) != 0) fail(errno);
    open = false;
    if (ops.Close(fd) != 0) fail(errno);
    if (replaced) {
        try {
            replaced->Keep();
        } catch (...) {
            removeTemporary();
            throw;
        }
    }
    if (ops.Rename(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        if (replaced) replaced->Undo();
        fail(error);
    }
    SyncDirectory(dir);
    if (replaced) replaced->Done();
}

void SaveLines(const fs::path& path, const std::vector<std::string>& lines,
               ReplacedVersion* replaced) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    SaveBytes(path, bytes, replaced);
}

bool FileExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

namespace {
bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}
} // namespace

namespace {
std::size_t CommonPrefixLength(const std::string& a, const std::string& b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}
} // namespace

fs::path FindFileNoCase(const fs::path& dir, const std::string& name) {
    fs::path exact = dir / name;
    if (FileExists(exact)) return exact;
    // Among the entries equal to the name ignoring case, the one that keeps
    // the case of the longest start of the name (so "Smith.vxp" finds
    // "Smith.VXP" before "SMITH.vxp"), then the first in byte order: the same
    // file every time, whatever order the folder lists them in.
    std::string best;
    std::size_t bestPrefix = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (!EqualNoCase(entry, name)) continue;
        const std::size_t prefix = CommonPrefixLength(entry, name);
        if (best.empty() || prefix > bestPrefix || (prefix == bestPrefix && entry < best)) {
            best = entry;
            bestPrefix = prefix;
        }
    }
    return best.empty() ? exact : dir / best;
}

std::string ReadFileBytesNoCase(const fs::path& file) {
    try {
        return ReadFileBytes(file);
    } catch (const InOutError& error) {
        if (!IsMissingFileError(error)) throw;
        const fs::path found = FindFileNoCase(file.parent_path(), file.filename().string());
        if (found == file) throw;
        return ReadFileBytes(found);
    }
}

void CreateEmptyFile(const fs::path& path) {
    // Non-blocking: a FIFO in the file's place must not stop the program.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) ThrowIoError(errno, path);
    if (::close(fd) != 0) ThrowIoError(errno, path);
}

} // namespace tb
