// Every window as a keyboard and screen reader user meets it: each control
// that takes the focus has a name, no two accelerators of one window or one
// menu share a letter, and F1 (and Help > Help where the window has that
// menu) opens "Tarnbeck Help" at the window's own page, Escape there bringing
// the window back.

#include "ScoreEntryFixture.h"
#include "forms/AboutBox.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferScoresWindow.h"
#include "forms/HelpWindow.h"
#include "forms/TwoChoiceDialog.h"

#include <QAccessible>
#include <QMenuBar>
#include <QTextBrowser>

#include <functional>

namespace tbtest {
namespace {

using tb::GPickForm;
using tb::MainForm;

void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    const QAccessible::State state = node->state();
    if (state.focusable && !state.invisible && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << (node->object() ? node->object()->metaObject()->className() : "item");
    for (int i = 0; i < node->childCount(); ++i)
        CollectUnnamed(node->child(i), unnamed);
}

// The texts, the actions' among them, that share their accelerator letter.
QString Clashes(const QList<QAction*>& actions, QStringList texts = {}) {
    for (const QAction* action : actions)
        texts << action->text();
    std::map<QKeySequence, QStringList> byKey;
    for (const QString& text : texts)
        byKey[QKeySequence::mnemonic(text)] << text;
    QStringList clashes;
    for (const auto& [key, sharing] : byKey)
        if (!key.isEmpty() && sharing.size() > 1) clashes << sharing.join(" / ");
    return clashes.join("; ");
}

void ExpectNamedWithAcceleratorsApart(QWidget* window) {
    SCOPED_TRACE(window->windowTitle().toStdString());
    QStringList unnamed, inWindow;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    EXPECT_EQ(unnamed.join(", "), QString());
    // Alt and a letter reaches buttons, labels naming a control, and menus.
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible()) inWindow << button->text();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && label->buddy()) inWindow << label->text();
    const QMenuBar* bar = window->findChild<QMenuBar*>();
    EXPECT_EQ(Clashes(bar ? bar->actions() : QList<QAction*>(), inWindow), QString());
    for (const QMenu* menu : window->findChildren<QMenu*>())
        EXPECT_EQ(Clashes(menu->actions()), QString()) << menu->title().toStdString();
}

class AccessibilityTest : public ScoreEntryTest {
protected:
    // Opens the guide from `window` with `ask`, checks the page shown and the
    // help window itself, and closes it with Escape, back to `window`.
    void ExpectGuideAt(QWidget* window, const char* page, const std::function<void()>& ask) {
        ask();
        Settle();
        ASSERT_TRUE(tb::HelpForm && tb::HelpForm->isVisible());
        EXPECT_EQ(tb::HelpForm->windowTitle(), "Tarnbeck Help");
        EXPECT_EQ(tb::HelpForm->PageBrowser->source().toString(), tb::HelpPageUrl(page).toString());
        ExpectNamedWithAcceleratorsApart(tb::HelpForm);
        Press(tb::HelpForm, Qt::Key_Escape);
        Settle();
        EXPECT_FALSE(tb::HelpForm->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Opens a window as the user would, by a button or a menu item; gives
    // the window opened.
    static QWidget* Open(QObject* command) {
        if (auto* button = qobject_cast<QAbstractButton*>(command)) {
            EXPECT_TRUE(Activate(button->window()));
            Click(button);
        } else {
            static_cast<QAction*>(command)->trigger();
        }
        Settle();
        return tb::WindowAskedToBeActive();
    }
    // The boxes that wait for an answer, shown without waiting.
    template <class Box> static QWidget* Show(Box* box) {
        box->show();
        Settle();
        return box;
    }
};

TEST_F(AccessibilityTest, EveryWindowNamesItsControlsKeepsItsAcceleratorsApartAndOpensItsPage) {
    WriteGolfers(Rounds(20), Rounds(20));
    dir.Write("courses.vxc", ScoreCourses);
    struct Case {
        const char* page; // null: no F1 (a box that waits for an answer)
        std::function<QWidget*()> open;
        bool helpMenu = false;
    };
    const Case cases[] = {
        {"MainWindow.html", [] { return static_cast<QWidget*>(MainForm); }, true},
        {"GolferMaintenanceWindow.html", [] { return Open(MainForm->EditGolferButton); }},
        {"GolferNameDialog.html", [] { return Open(tb::GMaintForm->AddButton); }},
        {"CourseMaintenanceWindow.html", [] { return Open(MainForm->EditCoursesButton); }},
        {"CourseEditWindow.html", [] { return Open(tb::CMaintForm->AddButton); }},
        {"RestoreBackupWindow.html", [] { return Open(MainForm->RestoreFromBackup1); }},
        {"GolferListWindow.html", [] { return Open(MainForm->EnterScoresButton); }},
        {"GolferScoresWindow.html", [] { return Open(GPickForm->EditScoresButton); }},
        {"CurrentIndexWindow.html", [] { return Open(GPickForm->IndexButton); }},
        {"WhsIndexWindow.html", [] { return Open(GPickForm->WhsIndex1); }},
        {"CourseHandicapWindow.html", [] { return Open(GPickForm->HandicapButton); }, true},
        {"PrintHandicapsDialog.html", [] { return Open(GPickForm->PrintHandicapButton); }},
        {"ProgressWindow.html", [] { return Open(GPickForm->Progress1); }},
        {"GroupOfScoresWindow.html", [] { return Open(GPickForm->AddGroupButton); }},
        {"ScoreForm.html",
         [] {
             tb::GolferForm->close(); // a round for its golfer would be added there
             return Open(GPickForm->AddAScoreButton);
         },
         true},
        {nullptr, [] { return Show(new tb::TAboutBox(MainForm)); }},
        {nullptr,
         [] {
             auto* question = new tb::TTwoChoiceDlg(MainForm);
             question->Button1->setText("Printer");
             question->Button2->setText("File");
             return Show(question);
         }},
    };
    for (const Case& c : cases) {
        QWidget* window = c.open();
        ASSERT_TRUE(window);
        ExpectNamedWithAcceleratorsApart(window);
        if (!c.page) continue;
        SCOPED_TRACE(c.page);
        ASSERT_TRUE(Activate(window));
        ExpectGuideAt(window, c.page, [&] { Press(Focus() ? Focus() : window, Qt::Key_F1); });
        if (c.helpMenu)
            ExpectGuideAt(window, c.page, [&] { ChooseMenu(window, Qt::Key_H, Qt::Key_H); });
    }
    EXPECT_EQ(Shown(), std::vector<QString>{});
}

// A golfer added by another window meanwhile is in the list come back to
// through the guide, as it is when coming straight from the main window.
TEST_F(AccessibilityTest, TheWindowComeBackToThroughTheGuideTakesUpChanges) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub && Activate(MainForm));
    dir.Write("golfers.vxc", "John Smith~SMITH~0~\r\nAnn Adams~ADAMS~1~\r\nBo Berg~BERG~0~\r\n");
    Press(MainForm, Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tb::HelpForm));
    ASSERT_TRUE(Activate(hub));
    EXPECT_EQ(hub->GolferListBox->count(), 3);
}

} // namespace
} // namespace tbtest
