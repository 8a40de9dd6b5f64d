// Restore from Backup, opened from the main window's File menu and driven by
// the keys: the files with backups, a score file's version shown as the
// golfer's scores list shows it, No changing nothing and Yes restoring.

#include "FormTest.h"

#include "data/Backups.h"
#include "data/CourseFile.h"
#include "data/ScoreFile.h"
#include "forms/MainWindow.h"
#include "forms/RestoreBackupWindow.h"
#include "handicap/ScoreListLine.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPointer>

namespace tbtest {
namespace {

using tb::Dialogs::Answer;

class RestoreBackupTest : public FormTest {};

TEST_F(RestoreBackupTest, ShowsAVersionAndRestoresItOnYesOnly) {
    const std::string twoRounds = "20260102~OAK~85~71.2~121~~\r\n20251230~ELM~90~70.1~118~~\r\n";
    dir.Write("SMITH.vxp", twoRounds);
    tb::ScoreList none;
    tb::SaveGolferScores(dir.path(), "SMITH", none);
    dir.Write("courses.vxc", "OAK~71.2~121~72~4~\r\n");
    tb::SaveCourseList(dir.path(), {});

    tb::MainForm->RestoreFromBackup1->trigger();
    Settle();
    QPointer<tb::TRestoreForm> window =
        qobject_cast<tb::TRestoreForm*>(QApplication::activeWindow());
    ASSERT_TRUE(window);
    ASSERT_EQ(window->FilesListBox->count(), 2);
    EXPECT_EQ(window->FilesListBox->item(1)->text(), "courses.vxc");
    EXPECT_EQ(window->focusWidget(), window->FilesListBox);

    Press(window->FilesListBox, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->focusWidget() == window->VersionsListBox; }));
    EXPECT_EQ(window->VersionsListBox->count(), 1);
    const QStringList shown = window->ContentsMemo->toPlainText().split('\n');
    ASSERT_EQ(shown.size(), 4) << window->ContentsMemo->toPlainText().toStdString();
    EXPECT_EQ(shown[0], QString(6, QChar(' ')) + tb::ScoreListHeader);
    EXPECT_TRUE(shown[1].contains("01/02/2026   85") && shown[1].contains("OAK"))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[2].contains("12/30/2025   90")) << shown[2].toStdString();
    EXPECT_EQ(shown[3], tb::ScoreListLegend);

    tb::Dialogs::QueueAnswer(Answer::No);
    Press(window->VersionsListBox, Qt::Key_Return);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(Shown()[0].startsWith("Put back SMITH.vxp as it was kept at "))
        << Shown()[0].toStdString();
    EXPECT_EQ(dir.Read("SMITH.vxp"), "");

    tb::Dialogs::QueueAnswer(Answer::Yes);
    Press(window->VersionsListBox, Qt::Key_Return);
    EXPECT_EQ(Shown().back(), "SMITH.vxp restored.");
    EXPECT_EQ(dir.Read("SMITH.vxp"), twoRounds);
    EXPECT_EQ(window->VersionsListBox->count(), 2) << "the emptied file is kept in turn";

    Press(window->VersionsListBox, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

} // namespace
} // namespace tbtest
