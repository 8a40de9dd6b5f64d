// The program started straight on a data folder, without the launcher.

#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// A new folder gets the starter course list; --help needs no display.
TEST(StartUp, ANewFolderGetsTheStarterCoursesAndHelpNeedsNoDisplay) {
    tbtest::TempDir temp;
    QProcess program;
    program.setWorkingDirectory(QString::fromStdString(temp.path().string()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TARNBECK_QUIT_WHEN_SHOWN", "1"); // once a window is drawn
    program.setProcessEnvironment(env);
    program.start(TARNBECK_PROGRAM_PATH, {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    QFile starter(TARNBECK_SOURCE_DIR "/resources/sample.vxc");
    ASSERT_TRUE(starter.open(QIODevice::ReadOnly));
    EXPECT_EQ(temp.Read("courses.vxc"), starter.readAll().toStdString()) << "read at start-up";

    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(TARNBECK_PROGRAM_PATH, {"--help"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("usage: tarnbeck\n"));
}
