#pragma once
// One program per data folder: the program holds a lock file in its data
// folder for as long as it runs, so that a second copy started on the same
// folder (a second login, a shared or synced folder) cannot overwrite what
// the first one saves. A lock left by a program that died on this host is
// taken over without a question. The command-line tool never takes it.

#include <QLockFile>
#include <QString>

namespace tb {

// The lock file (FolderLockFileName, which the command-line tool reads) of
// the data folder `dir`, as an absolute path.
QString DataFolderLockPath(const QString& dir);

// Takes `lock`, the data folder's lock file. When another program holds it,
// says so on stderr and in a message box and gives false: the program then
// ends. A folder in which no lock file can be made (one that cannot be
// written, where nothing can be saved either) is used without the lock,
// with a word on stderr.
bool LockDataFolder(QLockFile& lock);

// "Tarnbeck is already running on this data folder (process 4711 on host
// club-pc, since 10:42)." for the lock file that `lock` found held; without
// the details in brackets when they cannot be read.
QString HeldMessage(const QLockFile& lock);

} // namespace tb
