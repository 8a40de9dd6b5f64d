// The program started straight on a new data folder, without the launcher.
#include "support/TempDir.h"
#include <QProcess>
#include <gtest/gtest.h>

TEST(StartUp, ANewFolderGetsTheStarterCoursesAndHelpNeedsNoDisplay) {
    tbtest::TempDir temp;
    QProcess program;
    program.setWorkingDirectory(QString::fromStdString(temp.path().string()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TARNBECK_QUIT_WHEN_SHOWN", "1"); // once a window is drawn
    for (const QStringList& arguments : {QStringList{}, QStringList{"--help"}}) {
        program.setProcessEnvironment(env);
        program.start(TARNBECK_PROGRAM_PATH, arguments);
        ASSERT_TRUE(program.waitForFinished(30000) && program.exitCode() == 0);
        EXPECT_EQ(temp.Read("courses.vxc").substr(0, 8), "BRACKEN ") << "read at start-up";
        env.remove("DISPLAY"), env.remove("QT_QPA_PLATFORM");
    }
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("usage: tarnbeck\n"));
}
