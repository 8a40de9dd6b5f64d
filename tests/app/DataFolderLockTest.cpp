// The program as separate processes on one data folder: a second one is
// refused while the first runs; a killed program's lock is taken over.

#include "support/TempDir.h"

#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The program in `dir`, ended once a window is drawn unless it is to stay.
void RunProgram(QProcess& program, const tbtest::TempDir& dir, bool stays = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!stays) env.insert("TARNBECK_QUIT_WHEN_SHOWN", "1");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    program.start(TARNBECK_PROGRAM_PATH, {});
    EXPECT_TRUE(stays || program.waitForFinished(30000));
}

TEST(DataFolderLock, ASecondProgramIsRefusedAndADeadProgramsLockTakenOver) {
    tbtest::TempDir dir;
    const QString lock = QString::fromStdString((dir / "tarnbeck.lock").string());
    QProcess first, second, third;
    RunProgram(first, dir, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(lock).size() > 0; }, 30000));
    RunProgram(second, dir);
    EXPECT_EQ(second.exitCode(), 1);
    const QString held =
        "Tarnbeck is already running on this data folder (process %1 on host %2, since %3).";
    EXPECT_TRUE(QString(second.readAllStandardError())
                    .contains(held.arg(first.processId())
                                  .arg(QSysInfo::machineHostName(),
                                       QFileInfo(lock).lastModified().toString("HH:mm"))));
    first.kill();
    ASSERT_TRUE(first.waitForFinished(30000) && QFileInfo::exists(lock));
    RunProgram(third, dir);
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(lock));
}

} // namespace
