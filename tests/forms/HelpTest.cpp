// F1 in any window, and Help > Help where a window has that menu, open
// "Tarnbeck Help" at the window's own page; Escape there brings the window
// back.

#include "ScoreEntryFixture.h"

#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferScoresWindow.h"
#include "forms/HelpWindow.h"

#include <QTextBrowser>

#include <functional>

namespace tbtest {
namespace {

using tb::GPickForm;
using tb::MainForm;

class HelpTest : public ScoreEntryTest {
protected:
    // Opens the guide from `window` with `ask`, checks the page shown and
    // closes it with Escape, back to `window`.
    void ExpectGuideAt(QWidget* window, const char* page, const std::function<void()>& ask) {
        ask();
        Settle();
        ASSERT_TRUE(tb::HelpForm && tb::HelpForm->isVisible());
        EXPECT_EQ(tb::HelpForm->windowTitle(), "Tarnbeck Help");
        EXPECT_EQ(tb::HelpForm->PageBrowser->source().toString(), tb::HelpPageUrl(page).toString());
        Press(tb::HelpForm, Qt::Key_Escape);
        Settle();
        EXPECT_FALSE(tb::HelpForm->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Opens a window as the user would; gives the window opened.
    static QWidget* Open(QAbstractButton* button) {
        EXPECT_TRUE(Activate(button->window()));
        Click(button);
        Settle();
        return tb::WindowAskedToBeActive();
    }
    static QWidget* Open(QAction* item) {
        item->trigger();
        Settle();
        return tb::WindowAskedToBeActive();
    }
};

TEST_F(HelpTest, F1AndHelpMenuOpenTheGuideAtTheWindowsOwnPage) {
    WriteGolfers(Rounds(20), Rounds(20));
    dir.Write("courses.vxc", ScoreCourses);
    struct Case {
        const char* page;
        std::function<QWidget*()> open;
        bool helpMenu;
    };
    const Case cases[] = {
        {"MainWindow.html", [] { return static_cast<QWidget*>(MainForm); }, true},
        {"GolferMaintenanceWindow.html", [] { return Open(MainForm->EditGolferButton); }, false},
        {"GolferNameDialog.html", [] { return Open(tb::GMaintForm->AddButton); }, false},
        {"CourseMaintenanceWindow.html", [] { return Open(MainForm->EditCoursesButton); }, false},
        {"CourseEditWindow.html", [] { return Open(tb::CMaintForm->AddButton); }, false},
        {"RestoreBackupWindow.html", [] { return Open(MainForm->RestoreFromBackup1); }, false},
        {"GolferListWindow.html", [] { return Open(MainForm->EnterScoresButton); }, false},
        {"GolferScoresWindow.html", [] { return Open(GPickForm->EditScoresButton); }, false},
        {"CurrentIndexWindow.html", [] { return Open(GPickForm->IndexButton); }, false},
        {"WhsIndexWindow.html", [] { return Open(GPickForm->WhsIndex1); }, false},
        {"CourseHandicapWindow.html", [] { return Open(GPickForm->HandicapButton); }, true},
        {"PrintHandicapsDialog.html", [] { return Open(GPickForm->PrintHandicapButton); }, false},
        {"ProgressWindow.html", [] { return Open(GPickForm->Progress1); }, false},
        {"GroupOfScoresWindow.html", [] { return Open(GPickForm->AddGroupButton); }, false},
        {"ScoreForm.html",
         [] {
             tb::GolferForm->close(); // a round for its golfer would be added there
             return Open(GPickForm->AddAScoreButton);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        QWidget* window = c.open();
        ASSERT_TRUE(window && Activate(window));
        ExpectGuideAt(window, c.page, [&] { Press(Focus() ? Focus() : window, Qt::Key_F1); });
        if (c.helpMenu)
            ExpectGuideAt(window, c.page, [&] { ChooseMenu(window, Qt::Key_H, Qt::Key_H); });
    }
    EXPECT_EQ(Shown(), std::vector<QString>{});
}

} // namespace
} // namespace tbtest
