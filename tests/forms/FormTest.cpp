#include "FormTest.h"

#include "widgets/Placement.h"
#include "widgets/Program.h"
#include "widgets/TbForm.h"
#include "forms/Tbcourse.h"
#include "forms/Tbgname.h"
#include "forms/Tbmain.h"
#include "forms/Tbscore.h"

#include <QPointer>

namespace tbtest {

void FormTest::SetUp() {
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    tb::SetIniFilePath(QString::fromStdString((dir / "tarnbeck.ini").string()));
    tb::Dialogs::ClearShown();
    programTerminated = false;
    tb::Exiting = false;
    tb::MainForm = new tb::TMainForm();
    tb::ScoreForm = new tb::TScoreForm();
    tb::CourseForm = new tb::TCourseForm();
    tb::GNameForm = new tb::TGNameForm();
    tb::MainForm->show();
    EXPECT_TRUE(Activate(tb::MainForm));
    // The score form reads the course list when it is made; in the empty
    // folder that gives a message no test is about.
    tb::Dialogs::ClearShown();
}

void FormTest::TearDown() {
    QList<QPointer<QWidget>> doomed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() || window == tb::MainForm || window == tb::CourseForm ||
            window == tb::GNameForm || window == tb::ScoreForm)
            continue;
        doomed << window;
    }
    // Collected first: deleting a window deletes its menus, which are
    // top-level widgets of their own further on in the list.
    for (const QPointer<QWidget>& window : doomed) {
        if (!window) continue;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        delete window.data();
    }
    delete tb::GNameForm;
    tb::GNameForm = nullptr;
    delete tb::ScoreForm;
    tb::ScoreForm = nullptr;
    delete tb::CourseForm;
    tb::CourseForm = nullptr;
    delete tb::MainForm;
    tb::MainForm = nullptr;
    QDir::setCurrent(previousDir_);
}

void FormTest::Settle() {
    // Every hand-over delivered, and the window the program asked for active
    // (unless the window manager keeps it from being so).
    auto delivered = [] { return tb::PendingHandOvers() == 0; };
    EXPECT_TRUE(QTest::qWaitFor(delivered, 5000)) << "a hand-over was never delivered";
    QWidget* wanted = tb::WindowAskedToBeActive();
    if (wanted && wanted->isVisible() && !QTest::qWaitForWindowActive(wanted, 2000)) return;
    EXPECT_TRUE(QTest::qWaitFor(delivered, 5000)) << "a hand-over was never delivered";
}

bool FormTest::Activate(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    const bool active = QTest::qWaitForWindowActive(window);
    Settle();
    return active;
}

void FormTest::Tab() {
    QWidget* focus = QApplication::focusWidget();
    if (focus) QTest::keyClick(focus, Qt::Key_Tab);
}

} // namespace tbtest
