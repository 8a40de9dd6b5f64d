// Every window as a screen reader and a keyboard user meet it: each control
// that takes the focus has a name, and no two accelerators of one window or
// one menu share a letter.

#include "ScoreEntryFixture.h"
#include "forms/AboutBox.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/TwoChoiceDialog.h"

#include <QAccessible>
#include <QMenuBar>

namespace tbtest {
namespace {

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
    static void Run(std::initializer_list<QObject*> commands) {
        for (QObject* command : commands) {
            QMetaObject::invokeMethod(command,
                                      qobject_cast<QAction*>(command) ? "trigger" : "click");
            Settle();
        }
    }
};

TEST_F(AccessibilityTest, EveryWindowNamesItsFocusableControlsAndKeepsItsAcceleratorsApart) {
    WriteGolfers(Rounds(3), Rounds(3));
    dir.Write("courses.vxc", ScoreCourses);
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    // Every window as the user opens it: John Smith's scores, Ann Adams's
    // round and her other activities, the main window's, and the boxes.
    hub->GolferListBox->setCurrentRow(1);
    Run({hub->EditScoresButton});
    AddAScore(hub, 0);
    Run({hub->AddGroupButton, hub->IndexButton, hub->WhsIndex1, hub->HandicapButton,
         hub->PrintHandicapButton, hub->Progress1, tb::MainForm->EditGolferButton,
         tb::MainForm->EditCoursesButton, tb::MainForm->RestoreFromBackup1, tb::MainForm->Help2});
    Run({tb::GMaintForm->AddButton, tb::CMaintForm->AddButton});
    (new tb::TAboutBox(tb::MainForm))->show();
    auto* question = new tb::TTwoChoiceDlg(tb::MainForm);
    question->Button1->setText("Printer");
    question->Button2->setText("File");
    question->show();
    QStringList titles;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<QMenu*>(window)) {
            titles << window->windowTitle();
            ExpectNamedWithAcceleratorsApart(window);
        }
    EXPECT_EQ(titles.size(), 18) << titles.join(", ").toStdString();
}

} // namespace
} // namespace tbtest
