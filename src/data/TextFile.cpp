#include "TextFile.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {
namespace fs = std::filesystem;

std::string ReadFileBytes(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) ThrowIoError(errno);
    std::string content;
    struct stat st;
    if (::fstat(fd, &st) == 0 && st.st_size > 0)
        content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            ThrowIoError(error);
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return content;
}

std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        // CR LF is one line end; a lone CR or a lone LF is one too.
        const bool crLf =
            content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
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

mode_t NewFileMode(const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
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

void SaveLines(const fs::path& path, const std::vector<std::string>& lines) {
    FileOps& ops = CurrentFileOps();
    fs::path dir = path.parent_path();
    std::string pattern = (dir / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
    mode_t mode = NewFileMode(path);
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) ThrowIoError(errno);
    const std::string tempPath = pattern;
    bool open = true;
    auto fail = [&](int error) {
        if (open) ::close(fd);
        ::unlink(tempPath.c_str());
        ThrowIoError(error);
    };
    ::fchmod(fd, mode);

    std::string buffer;
    for (const std::string& line : lines) {
        buffer.assign(line);
        buffer += "\r\n";
        const char* data = buffer.data();
        std::size_t left = buffer.size();
        while (left > 0) {
            long n = ops.Write(fd, data, left);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail(errno);
            }
            if (n == 0) fail(ENOSPC);
            data += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    if (ops.Fsync(fd) != 0) fail(errno);
    open = false;
    if (ops.Close(fd) != 0) fail(errno);
    if (ops.Rename(tempPath.c_str(), path.c_str()) != 0) fail(errno);
    SyncDirectory(dir);
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

fs::path FindFileNoCase(const fs::path& dir, const std::string& name) {
    fs::path exact = dir / name;
    if (FileExists(exact)) return exact;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualNoCase(entry, name)) return dir / entry;
    }
    return exact;
}

void CreateEmptyFile(const fs::path& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) ThrowIoError(errno);
    if (::close(fd) != 0) ThrowIoError(errno);
}

} // namespace tb
