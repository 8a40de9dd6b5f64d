#include "Backups.h"

#include "CourseFile.h"
#include "Errors.h"
#include "GolferFile.h"
#include "ShortNames.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {
namespace fs = std::filesystem;
using namespace std::chrono;

namespace {
// The lists that are backed up besides the score files.
constexpr std::array<const char*, 3> BackedUpLists = {GolferFileName, CourseFileName,
                                                      "strokeidx.vxc"};
constexpr std::string_view ScoreFileEnding = ".vxp";

std::function<BackupTime()>& Clock() {
    static std::function<BackupTime()> clock = [] { return system_clock::now(); };
    return clock;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), text.end() - ending.size(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

fs::path FolderOf(const fs::path& dir, const std::string& name) {
    return dir / BackupFolderName / name;
}

// "20261208-142233-417" for the moment, then "-2", "-3", ... for a second
// version kept in the same millisecond.
std::string VersionId(BackupTime time, int n) {
    const auto ms = time_point_cast<milliseconds>(time);
    const auto day = floor<days>(ms);
    const year_month_day date{day};
    const hh_mm_ss clock{ms - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02ld%02ld%02lld-%03lld",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<long>(clock.hours().count()),
                  static_cast<long>(clock.minutes().count()),
                  static_cast<long long>(clock.seconds().count()),
                  static_cast<long long>(clock.subseconds().count()));
    std::string id = text;
    if (n > 1) id.append("-").append(std::to_string(n));
    return id;
}

// The time and the collision number of a version's name; false for any other
// name (a temporary file, something the user put there).
bool ParseVersionId(const std::string& id, BackupTime& time, int& n) {
    if (id.size() < 19 || id[8] != '-' || id[15] != '-') return false;
    const std::string_view text = id;
    if (!AllDigits(text.substr(0, 8)) || !AllDigits(text.substr(9, 6)) ||
        !AllDigits(text.substr(16, 3)))
        return false;
    n = 1;
    if (id.size() > 19) {
        if (id[19] != '-' || !AllDigits(text.substr(20)) || id.size() > 26) return false;
        n = std::stoi(id.substr(20));
    }
    auto number = [&](std::size_t at, std::size_t length) {
        return std::stoi(id.substr(at, length));
    };
    const year_month_day date{year{number(0, 4)}, month{static_cast<unsigned>(number(4, 2))},
                              day{static_cast<unsigned>(number(6, 2))}};
    if (!date.ok()) return false;
    time = sys_days{date} + hours{number(9, 2)} + minutes{number(11, 2)} + seconds{number(13, 2)} +
           milliseconds{number(16, 3)};
    return true;
}

struct ParsedVersion {
    BackupVersion version;
    int n = 1;
};

std::vector<ParsedVersion> ReadVersions(const fs::path& folder) {
    std::vector<ParsedVersion> versions;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        ParsedVersion parsed;
        parsed.version.id = it->path().filename().string();
        if (!ParseVersionId(parsed.version.id, parsed.version.keptAt, parsed.n)) continue;
        std::error_code sizeError;
        if (!it->is_regular_file(sizeError)) continue;
        parsed.version.size = it->file_size(sizeError);
        versions.push_back(std::move(parsed));
    }
    std::sort(versions.begin(), versions.end(), [](const ParsedVersion& a, const ParsedVersion& b) {
        if (a.version.keptAt != b.version.keptAt) return a.version.keptAt > b.version.keptAt;
        return a.n > b.n;
    });
    return versions;
}

// The local calendar day of a moment, as a day number.
int LocalDay(BackupTime time) {
    const std::time_t t = system_clock::to_time_t(time);
    std::tm local{};
    ::localtime_r(&t, &local);
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return static_cast<int>(sys_days{date}.time_since_epoch().count());
}

std::string BackupErrorText(const std::string& name, BackupFor purpose, const std::string& cause) {
    const char* what = purpose == BackupFor::Save     ? "saved"
                       : purpose == BackupFor::Delete ? "deleted"
                                                      : "restored";
    return "\"" + name + "\" was not " + what + ": no backup of it could be kept (" + cause + ").";
}

// Makes the folder unless it is there; remembers the folders it made.
void MakeFolder(const fs::path& folder, std::vector<fs::path>& made) {
    if (::mkdir(folder.c_str(), 0777) == 0) {
        made.push_back(folder);
        return;
    }
    if (errno != EEXIST) ThrowIoError(errno);
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) ThrowIoError(errno);
    if (!S_ISDIR(st.st_mode)) ThrowIoError(ENOTDIR);
}

// Moves the written temporary file to the version's name without ever
// replacing a version; false when that name is taken.
bool MoveToFreeName(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST) return false;
    if (errno != EINVAL && errno != ENOSYS) ThrowIoError(errno);
    // A file system without the no-replace rename.
    if (FileExists(to)) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) ThrowIoError(errno);
    return true;
}

// Writes the bytes as a new version in `folder`, synced, with the given mode;
// its path.
fs::path WriteVersion(const fs::path& folder, std::string_view bytes, mode_t mode) {
    std::string pattern = (folder / ".new-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) ThrowIoError(errno);
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && !error;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? ENOSPC : errno;
    }
    ::fchmod(fd, mode);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    try {
        if (error) ThrowIoError(error);
        const BackupTime now = BackupNow();
        for (int n = 1;; ++n) {
            const fs::path version = folder / VersionId(now, n);
            if (MoveToFreeName(pattern, version)) return version;
        }
    } catch (const InOutError&) {
        ::unlink(pattern.c_str());
        throw;
    }
}
} // namespace

BackupTime BackupNow() {
    return Clock()();
}

ScopedBackupClock::ScopedBackupClock(std::function<BackupTime()> clock)
    : previous_(std::move(Clock())) {
    Clock() = std::move(clock);
}
ScopedBackupClock::~ScopedBackupClock() {
    Clock() = std::move(previous_);
}

bool IsBackedUpFileName(std::string_view name) {
    for (const char* list : BackedUpLists)
        if (name == list) return true;
    if (!EndsWithNoCase(name, ScoreFileEnding)) return false;
    return IsPlainShortName(name.substr(0, name.size() - ScoreFileEnding.size()));
}

std::vector<std::string> FilesWithBackups(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir / BackupFolderName, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (IsBackedUpFileName(name) && !ReadVersions(it->path()).empty()) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string BackedUpName(const fs::path& dir, const std::string& name) {
    if (!IsBackedUpFileName(name)) return {};
    const fs::path folder = FindFileNoCase(dir / BackupFolderName, name);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return {};
    const std::string found = folder.filename().string();
    return found == name || EndsWithNoCase(name, ScoreFileEnding) ? found : std::string();
}

std::vector<BackupVersion> ListBackups(const fs::path& dir, const std::string& name) {
    std::vector<BackupVersion> versions;
    if (!IsBackedUpFileName(name)) return versions;
    for (ParsedVersion& parsed : ReadVersions(FolderOf(dir, name)))
        versions.push_back(std::move(parsed.version));
    return versions;
}

fs::path BackupVersionPath(const fs::path& dir, const std::string& name, const std::string& id) {
    return FolderOf(dir, name) / id;
}

std::string FormatBackupTime(BackupTime time) {
    const std::time_t t = system_clock::to_time_t(time);
    std::tm local{};
    ::localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

KeepReplacedVersion::KeepReplacedVersion(fs::path file, BackupFor purpose)
    : file_(std::move(file)), purpose_(purpose) {}

void KeepReplacedVersion::Keep() {
    const std::string name = file_.filename().string();
    try {
        struct stat st;
        if (::stat(file_.c_str(), &st) != 0) {
            if (errno == ENOENT) return; // nothing to keep
            ThrowIoError(errno);
        }
        const std::string bytes = ReadFileBytes(file_);
        const fs::path folder = FolderOf(file_.parent_path(), name);
        MakeFolder(folder.parent_path(), madeFolders_);
        MakeFolder(folder, madeFolders_);
        kept_ = WriteVersion(folder, bytes, st.st_mode & 0666);
    } catch (const InOutError& error) {
        Undo();
        // The file named below is the one that failed, when it is known.
        throw InOutError(BackupErrorText(name, purpose_, error.Text()), error.ErrnoValue(),
                         error.File());
    }
}

void KeepReplacedVersion::Undo() {
    if (!kept_.empty()) ::unlink(kept_.c_str());
    kept_.clear();
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        ::rmdir(folder->c_str());
    madeFolders_.clear();
}

void KeepReplacedVersion::Done() {
    if (kept_.empty()) return;
    PruneBackups(file_.parent_path(), file_.filename().string(), BackupNow());
}

PendingDeletion::PendingDeletion(fs::path file)
    : file_(std::move(file)), kept_(file_, BackupFor::Delete) {
    kept_.Keep();
}

bool PendingDeletion::Delete() {
    if (::unlink(file_.c_str()) != 0) {
        kept_.Undo();
        return false;
    }
    kept_.Done();
    return true;
}

void PendingDeletion::Cancel() {
    kept_.Undo();
}

void RestoreBackup(const fs::path& dir, const std::string& name, const std::string& id) {
    if (!IsBackedUpFileName(name)) ThrowIoError(ENOENT);
    const std::string bytes = ReadFileBytes(BackupVersionPath(dir, name, id));
    // A score file is the golfer's whatever the case of its name; the lists
    // have one name.
    const fs::path target =
        EndsWithNoCase(name, ScoreFileEnding) ? FindFileNoCase(dir, name) : dir / name;
    KeepReplacedVersion keep(target, BackupFor::Restore);
    SaveBytes(target, bytes, &keep);
}

void PruneBackups(const fs::path& dir, const std::string& name, BackupTime now) {
    const fs::path folder = FolderOf(dir, name);
    const int today = LocalDay(now);
    std::set<int> daysSeen;
    std::size_t position = 0;
    for (const ParsedVersion& parsed : ReadVersions(folder)) {
        const int day = LocalDay(parsed.version.keptAt);
        const bool newestOfItsDay = daysSeen.insert(day).second;
        const bool keep = position++ < KeptNewestVersions ||
                          (newestOfItsDay && today - day < KeptDailyVersionDays);
        // A version that cannot be removed does no harm: it is removed at a
        // later save.
        if (!keep) ::unlink((folder / parsed.version.id).c_str());
    }
}

} // namespace tb
