// What a screen reader and a keyboard user meet in every window: each control
// that takes the focus has a name, and no two accelerators of one window or
// one menu share a letter.

#include "ScoreEntryFixture.h"

#include "forms/AboutBox.h"
#include "forms/CourseEditWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/GolferScoresWindow.h"
#include "forms/RestoreBackupWindow.h"
#include "forms/TwoChoiceDialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>

#include <functional>
#include <map>

namespace tbtest {
namespace {

class AccessibilityTest;

struct Window {
    const char* name;
    // Opens the window as the user would reach it, and gives it.
    std::function<QWidget*(AccessibilityTest&)> open;
};

void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}

class AccessibilityTest : public ScoreEntryTest, public ::testing::WithParamInterface<Window> {
public:
    QWidget* OpenBy(QAbstractButton* button) {
        Click(button);
        return Opened();
    }
    QWidget* OpenBy(QAction* action) {
        action->trigger();
        return Opened();
    }
    tb::TGPickForm* Hub() {
        tb::TGPickForm* hub = OpenHub();
        if (hub) hub->GolferListBox->setCurrentRow(1);
        return hub;
    }
    QWidget* Opened() {
        Settle();
        return QApplication::activeWindow();
    }
    static QWidget* ShowModeless(QWidget* window) {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return window;
    }
};

// The focusable, visible controls under `node` that have no name.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    const QAccessible::State state = node->state();
    if (state.focusable && !state.invisible && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = node->object();
        unnamed << QString("%1 %2 at %3,%4")
                       .arg(object ? object->metaObject()->className() : "item",
                            object ? object->objectName() : QString())
                       .arg(node->rect().x())
                       .arg(node->rect().y());
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) CollectUnnamed(child, unnamed);
}

// The texts of `texts` that share their accelerator letter with another.
QStringList Clashing(const QStringList& texts) {
    std::map<int, QStringList> byKey;
    for (const QString& text : texts)
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            byKey[key[0].toCombined()] << text;
    QStringList clashes;
    for (const auto& [key, sharing] : byKey)
        if (sharing.size() > 1) clashes << sharing.join(" / ");
    return clashes;
}

QStringList ActionTexts(const QWidget* holder) {
    QStringList texts;
    for (const QAction* action : holder->actions())
        if (action->isVisible() && !action->isSeparator()) texts << action->text();
    return texts;
}

// What Alt and a letter reaches in the window: buttons, labels naming a
// control, and the menus of its menu bar.
QStringList WindowAccelerators(QWidget* window) {
    QStringList texts;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible()) texts << button->text();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && label->buddy()) texts << label->text();
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        texts << ActionTexts(bar);
    return texts;
}

TEST_P(AccessibilityTest, EveryFocusableControlIsNamedAndNoAcceleratorsClash) {
    WriteGolfers(Rounds(3));
    dir.Write("courses.vxc", ScoreCourses);
    QWidget* window = GetParam().open(*this);
    ASSERT_TRUE(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << "unnamed: " << unnamed.join("; ").toStdString();

    EXPECT_TRUE(Clashing(WindowAccelerators(window)).isEmpty())
        << Clashing(WindowAccelerators(window)).join("; ").toStdString();
    for (const QMenu* menu : window->findChildren<QMenu*>())
        EXPECT_TRUE(Clashing(ActionTexts(menu)).isEmpty())
            << menu->title().toStdString() << ": "
            << Clashing(ActionTexts(menu)).join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, AccessibilityTest,
    ::testing::Values(
        Window{"Main", [](AccessibilityTest&) -> QWidget* { return tb::MainForm; }},
        Window{"GolferList", [](AccessibilityTest& t) -> QWidget* { return t.Hub(); }},
        Window{"GolferScores",
               [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->EditScoresButton); }},
        Window{"ScoreForm",
               [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->AddAScoreButton); }},
        Window{"GroupOfScores",
               [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->AddGroupButton); }},
        Window{"IndexDetails", [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->IndexButton); }},
        Window{"WhsIndex", [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->WhsIndex1); }},
        Window{"CourseHandicap",
               [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->HandicapButton); }},
        Window{"PrintHandicaps",
               [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->PrintHandicapButton); }},
        Window{"Progress", [](AccessibilityTest& t) { return t.OpenBy(t.Hub()->Progress1); }},
        Window{"GolferMaintenance",
               [](AccessibilityTest& t) { return t.OpenBy(tb::MainForm->EditGolferButton); }},
        Window{"GolferName",
               [](AccessibilityTest& t) {
                   t.OpenBy(tb::MainForm->EditGolferButton);
                   tb::GNameForm->OpenToAdd(tb::GMaintForm);
                   return t.Opened();
               }},
        Window{"CourseMaintenance",
               [](AccessibilityTest& t) { return t.OpenBy(tb::MainForm->EditCoursesButton); }},
        Window{"CourseEditor",
               [](AccessibilityTest& t) {
                   t.OpenBy(tb::MainForm->EditCoursesButton);
                   tb::CourseForm->OpenForNewCourse(tb::CMaintForm);
                   return t.Opened();
               }},
        Window{"RestoreFromBackup",
               [](AccessibilityTest& t) { return t.OpenBy(tb::MainForm->RestoreFromBackup1); }},
        Window{"TwoChoice",
               [](AccessibilityTest&) {
                   auto* dialog = new tb::TTwoChoiceDlg(tb::MainForm);
                   dialog->Button1->setText("Printer");
                   dialog->Button2->setText("File");
                   return AccessibilityTest::ShowModeless(dialog);
               }},
        Window{"About",
               [](AccessibilityTest&) {
                   return AccessibilityTest::ShowModeless(new tb::TAboutBox(tb::MainForm));
               }}),
    [](const ::testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tbtest
