#include "FolderLock.h"

#include "Errors.h"
#include "TextFile.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tb {
namespace fs = std::filesystem;

namespace {
struct LockContent {
    FolderLockHolder holder;
    std::string machineId;
    std::string bootId;
};

bool ParseLock(const std::string& bytes, LockContent& content) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(bytes))
        lines.emplace_back(line);
    lines.resize(5);
    try {
        std::size_t used = 0;
        content.holder.pid = std::stoll(lines[0], &used);
        if (used != lines[0].size() || content.holder.pid <= 0) return false;
    } catch (const std::exception&) {
        return false;
    }
    content.holder.program = lines[1];
    content.holder.host = lines[2];
    content.machineId = lines[3];
    content.bootId = lines[4];
    return true;
}

// The first line of a small system file, or "".
std::string FirstLineOf(const char* path) {
    try {
        const std::vector<std::string> lines = ReadLines(path);
        return lines.empty() ? std::string() : lines[0];
    } catch (const InOutError&) {
        return {};
    }
}

std::string MachineId() {
    std::string id = FirstLineOf("/etc/machine-id");
    return id.empty() ? FirstLineOf("/var/lib/dbus/machine-id") : id;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

bool OnThisHost(const LockContent& lock) {
    if (!lock.machineId.empty()) {
        const std::string ours = MachineId();
        if (!ours.empty()) return lock.machineId == ours;
    }
    return lock.holder.host.empty() || lock.holder.host == HostName();
}

// Whether the process still runs as the program that took the lock (a
// process id may have been given to another program since).
bool StillRunning(const FolderLockHolder& holder) {
    const pid_t pid = static_cast<pid_t>(holder.pid);
    if (::kill(pid, 0) != 0 && errno == ESRCH) return false;
    if (holder.program.empty()) return true;
    std::error_code ec;
    std::string exe = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", ec).string();
    if (ec) return true; // another user's process: taken as the program
    // The program's file may have been replaced (an update) while it runs.
    constexpr std::string_view deleted = " (deleted)";
    if (exe.ends_with(deleted)) exe.resize(exe.size() - deleted.size());
    return fs::path(exe).filename().string() == holder.program;
}

bool HoldsTheLock(const LockContent& lock) {
    if (!OnThisHost(lock)) return true;
    if (!lock.bootId.empty() && lock.bootId != FirstLineOf("/proc/sys/kernel/random/boot_id"))
        return false;
    return StillRunning(lock.holder);
}
} // namespace

std::optional<FolderLockHolder> FolderLockHolderOf(const fs::path& dir) {
    const fs::path file = dir / FolderLockFileName;
    struct stat st;
    if (::lstat(file.c_str(), &st) != 0) return std::nullopt;
    LockContent lock;
    lock.holder.since = std::chrono::system_clock::from_time_t(st.st_mtime);
    try {
        if (!ParseLock(ReadFileBytes(file), lock)) return lock.holder;
    } catch (const InOutError&) {
        return lock.holder;
    }
    if (!HoldsTheLock(lock)) return std::nullopt;
    return lock.holder;
}

std::string DescribeLockHolder(const FolderLockHolder& holder) {
    std::string text =
        holder.pid > 0 ? "process " + std::to_string(holder.pid) : std::string("a process");
    if (!holder.host.empty()) text += " on host " + holder.host;
    const std::time_t since = std::chrono::system_clock::to_time_t(holder.since);
    const std::time_t now = std::time(nullptr);
    std::tm sinceTm{}, nowTm{};
    ::localtime_r(&since, &sinceTm);
    ::localtime_r(&now, &nowTm);
    const bool today = sinceTm.tm_year == nowTm.tm_year && sinceTm.tm_yday == nowTm.tm_yday;
    char time[32];
    std::strftime(time, sizeof time, today ? "%H:%M" : "%Y-%m-%d %H:%M", &sinceTm);
    return text + ", since " + time;
}

} // namespace tb
