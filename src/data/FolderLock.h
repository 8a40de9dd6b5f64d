#pragma once
// Reading the lock a running program holds on its data folder. The program
// takes the lock with Qt's QLockFile, which writes the file as lines: the
// process id, the program's name, the host name, the machine's id and the
// boot's id (the last two since Qt 5.10). The core only reads it: whether a
// program holds the folder, and which.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace tb {

inline constexpr const char* FolderLockFileName = "tarnbeck.lock";

struct FolderLockHolder {
    long long pid = 0; // 0 when the lock file could not be read
    std::string program;
    std::string host;
    std::chrono::system_clock::time_point since; // when the lock was taken
};

// The holder of the data folder's lock, or nothing when no program holds it:
// no lock file, or one left by a process that no longer runs on this host
// (or ran before this host last started). A lock file that cannot be read is
// taken as held. A lock from another host is held: its process cannot be
// looked at from here.
std::optional<FolderLockHolder> FolderLockHolderOf(const std::filesystem::path& dir);

// "process 4711 on host club-pc, since 10:42" (the date before the time when
// the lock is not from today).
std::string DescribeLockHolder(const FolderLockHolder& holder);

} // namespace tb
