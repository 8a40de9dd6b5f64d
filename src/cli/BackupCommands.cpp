// The commands on the kept versions of the data files: listing them, and
// putting one back. Listing only reads; restoring writes the data file and
// keeps the version it replaces, and only while no program holds the folder.

#include "Cli.h"
#include "data/Backups.h"
#include "data/FolderLock.h"

#include <algorithm>

namespace tbcli {

namespace {

// The name the versions of FILE are kept under, or the exit status (told on
// stderr) when FILE cannot be a data file or has no kept versions.
int FindBackedUpFile(const Context& ctx, const std::string& file, std::string& name) {
    if (!tb::IsBackedUpFileName(file))
        return UsageError("not a data file: " + file +
                          " (a score file SHORT.vxp, golfers.vxc, courses.vxc or strokeidx.vxc)");
    name = tb::BackedUpName(ctx.dir, file);
    if (!name.empty() && !tb::ListBackups(ctx.dir, name).empty()) return 0;
    std::cerr << "no backups of " << file << '\n';
    return ExitUnknown;
}

int ListVersions(Context& ctx, const std::string& file) {
    std::string name;
    if (int code = FindBackedUpFile(ctx, file, name)) return code;
    for (const tb::BackupVersion& version : tb::ListBackups(ctx.dir, name))
        std::cout << version.id << '\t' << tb::FormatBackupTime(version.keptAt) << '\t'
                  << version.size << '\n';
    return 0;
}

int Restore(Context& ctx, const std::string& file, const std::string& id) {
    std::string name;
    if (int code = FindBackedUpFile(ctx, file, name)) return code;
    const std::vector<tb::BackupVersion> versions = tb::ListBackups(ctx.dir, name);
    const bool known = std::any_of(versions.begin(), versions.end(),
                                   [&](const tb::BackupVersion& v) { return v.id == id; });
    if (!known) return Unknown("backup of " + name, id);
    // The running program would write its own copy over what is put back.
    if (const auto holder = tb::FolderLockHolderOf(ctx.dir)) {
        std::cerr << "tarnbeck-cli: Tarnbeck is running on this data folder ("
                  << tb::DescribeLockHolder(*holder)
                  << "); restore from its File menu, or close it first\n";
        return ExitFolderInUse;
    }
    tb::RestoreBackup(ctx.dir, name, id);
    std::cout << name << " restored from " << id << '\n';
    return 0;
}

} // namespace

bool IsBackupCommand(const std::string& command) {
    return command == "backups" || command == "restore";
}

int RunBackupCommand(Context& ctx, const std::string& command,
                     const std::vector<std::string>& words) {
    if (command == "backups") {
        if (words.size() != 1) return UsageError("backups takes one file name");
        return ListVersions(ctx, words[0]);
    }
    if (words.size() != 2) return UsageError("restore takes a file name and a backup's identifier");
    return Restore(ctx, words[0], words[1]);
}

} // namespace tbcli
