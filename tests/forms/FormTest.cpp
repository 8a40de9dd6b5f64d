#include "FormTest.h"

#include "forms/Placement.h"
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
    tb::MainForm = new tb::TMainForm();
    tb::ScoreForm = new tb::TScoreForm();
    tb::CourseForm = new tb::TCourseForm();
    tb::GNameForm = new tb::TGNameForm();
    tb::MainForm->show();
    Activate(tb::MainForm);
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
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void FormTest::Activate(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    Settle();
}

void FormTest::Tab() {
    QWidget* focus = QApplication::focusWidget();
    if (focus) QTest::keyClick(focus, Qt::Key_Tab);
}

} // namespace tbtest
