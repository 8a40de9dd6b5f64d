#include "DataFolderLock.h"

#include "data/FolderLock.h"
#include "widgets/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace tb {

QString DataFolderLockPath(const QString& dir) {
    return QDir(dir).absoluteFilePath(FolderLockFileName);
}

QString HeldMessage(const QLockFile& lock) {
    const QString running = "Tarnbeck is already running on this data folder";
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application)) return running + ".";
    // The file is written once, when the holder took the folder.
    const QString since = QFileInfo(lock.fileName()).lastModified().toString("HH:mm");
    return running + QString(" (process %1 on host %2, since %3).").arg(pid).arg(host, since);
}

namespace {
void SayOnStderr(const QString& text) {
    std::fprintf(stderr, "tarnbeck: %s\n", text.toLocal8Bit().constData());
}
} // namespace

bool LockDataFolder(QLockFile& lock) {
    // QLockFile writes the holder's process id, program and host name into
    // the file and keeps the file locked while the holder runs. A lock is
    // stale, and is then removed and taken here, only when its holder ran on
    // this host and its process is gone (or the id now names another
    // program). Its age plays no part: a program may run for days. A lock
    // from another host (a shared folder) is never stale here; when that
    // program died, the user removes the file once sure none runs there.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) return true;
    if (lock.error() != QLockFile::LockFailedError) {
        SayOnStderr("the data folder cannot be locked; a second copy of Tarnbeck started on it "
                    "would not be stopped.");
        return true;
    }
    const QString message = HeldMessage(lock);
    SayOnStderr(message);
    // Started from the desktop menu, the box is all the user sees.
    Dialogs::Warning(nullptr, message);
    return false;
}

} // namespace tb
