// Programs on one data folder: a second is refused while the first runs; the
// lock a killed one leaves is taken over, and given up when the program ends.

#include "support/TempDir.h"

#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <gtest/gtest.h>

TEST(DataFolderLock, ASecondProgramIsRefusedAndADeadProgramsLockTakenOver) {
    tbtest::TempDir temp;
    const QString dir = QString::fromStdString(temp.path().string()), lock = dir + "/tarnbeck.lock";
    const auto start = [&](QProcess& program, bool quitWhenShown) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (quitWhenShown) env.insert("TARNBECK_QUIT_WHEN_SHOWN", "1"); // once a window is drawn
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir);
        program.start(TARNBECK_PROGRAM_PATH, {});
        return !quitWhenShown || program.waitForFinished(30000);
    };
    QProcess first, second, third;
    start(first, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(lock).size() > 0; }, 30000));
    EXPECT_TRUE(start(second, true) && second.exitCode() == 1);
    const QString held =
        QString("(process %1 on host %2, since %3).")
            .arg(first.processId())
            .arg(QSysInfo::machineHostName(), QFileInfo(lock).lastModified().toString("HH:mm"));
    EXPECT_TRUE(QString(second.readAllStandardError())
                    .contains("Tarnbeck is already running on this data folder " + held));
    first.kill();
    ASSERT_TRUE(first.waitForFinished(30000) && QFileInfo::exists(lock));
    EXPECT_TRUE(start(third, true) && third.exitCode() == 0 && !QFileInfo::exists(lock));
}
