#pragma once
// Backups of the data files. Before a save replaces a data file, or a
// golfer's score file is deleted, the version it replaces is kept in the data
// folder's backups/ folder, one folder per file, one file per version:
//
//     backups/SMITH.vxp/20261208-142233-417
//
// A version is named after the moment it was kept (UTC, to the millisecond,
// "-2", "-3", ... added when that name is taken), so the names sort by time
// and never collide. The scan of *.vxp does not look into subfolders, so
// nothing here is taken for a golfer. A save keeps at least the 10 newest
// versions of the file and the newest of each of the last 30 days (local
// calendar days), and removes the others.

#include "TextFile.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

inline constexpr const char* BackupFolderName = "backups";
inline constexpr std::size_t KeptNewestVersions = 10;
inline constexpr int KeptDailyVersionDays = 30;

using BackupTime = std::chrono::system_clock::time_point;

// The clock backups are named and pruned by; tests set one of their own.
BackupTime BackupNow();
class ScopedBackupClock {
public:
    explicit ScopedBackupClock(std::function<BackupTime()> clock);
    ~ScopedBackupClock();
    ScopedBackupClock(const ScopedBackupClock&) = delete;
    ScopedBackupClock& operator=(const ScopedBackupClock&) = delete;

private:
    std::function<BackupTime()> previous_;
};

// Whether the name is that of a data file that is backed up: a score file
// (a short name followed by ".vxp" in any letter case) or one of the lists
// (golfers.vxc, courses.vxc, strokeidx.vxc). Report files, exports and the
// settings file are not; neither is anything holding a folder.
bool IsBackedUpFileName(std::string_view name);

struct BackupVersion {
    std::string id;    // the version's file name in its folder
    BackupTime keptAt; // when it was kept, i.e. when a save replaced it
    std::uintmax_t size = 0;
};

// The names of the files with at least one kept version, in byte order.
// Reads only: a folder without backups gives none.
std::vector<std::string> FilesWithBackups(const std::filesystem::path& dir);

// The name under which `name`'s versions are kept: `name` itself, or for a
// score file the kept name equal to it ignoring case; "" when there is none.
std::string BackedUpName(const std::filesystem::path& dir, const std::string& name);

// The kept versions of the file `name` (as BackedUpName gives it), newest
// first. Reads only.
std::vector<BackupVersion> ListBackups(const std::filesystem::path& dir, const std::string& name);

std::filesystem::path BackupVersionPath(const std::filesystem::path& dir, const std::string& name,
                                        const std::string& id);

// "YYYY-MM-DD HH:MM:SS" in local time.
std::string FormatBackupTime(BackupTime time);

// What the save was to do, for the message when no backup can be kept.
enum class BackupFor { Save, Delete, Restore };

// Keeps the version of `file` (a data file in the data folder, by the name it
// has there) that a save is about to replace; nothing when there is none.
// Pass it to SaveBytes/SaveLines. When the version cannot be kept the save
// stops with an InOutError naming the file, the file untouched.
class KeepReplacedVersion : public ReplacedVersion {
public:
    KeepReplacedVersion(std::filesystem::path file, BackupFor purpose);
    void Keep() override;
    void Undo() override;
    void Done() override;

private:
    std::filesystem::path file_;
    BackupFor purpose_;
    std::filesystem::path kept_;
    std::vector<std::filesystem::path> madeFolders_;
};

// A file to delete once the save it belongs to has gone through. It is kept
// as a backup at once (InOutError when it cannot be, so that the save stops
// before anything changed; nothing is kept for a missing file); then either
// Delete deletes it (false when it could not be deleted: its backup is taken
// back), or Cancel takes its backup back.
class PendingDeletion {
public:
    explicit PendingDeletion(std::filesystem::path file);
    bool Delete();
    void Cancel();

private:
    std::filesystem::path file_;
    KeepReplacedVersion kept_;
};

// Puts the kept version `id` of `name` back, byte for byte, through the safe
// save, keeping the current version first. InOutError ("File not found" for an
// unknown version).
void RestoreBackup(const std::filesystem::path& dir, const std::string& name,
                   const std::string& id);

// Removes the versions of `name` the retention rule does not keep, as of `now`.
void PruneBackups(const std::filesystem::path& dir, const std::string& name, BackupTime now);

} // namespace tb
