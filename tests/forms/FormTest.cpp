#include "FormTest.h"

#include "forms/Placement.h"
#include "forms/Tbcourse.h"
#include "forms/Tbmain.h"

namespace tbtest {

void FormTest::SetUp() {
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    tb::SetIniFilePath(QString::fromStdString((dir / "tarnbeck.ini").string()));
    tb::Dialogs::ClearShown();
    programTerminated = false;
    tb::MainForm = new tb::TMainForm();
    tb::CourseForm = new tb::TCourseForm();
    tb::MainForm->show();
    Activate(tb::MainForm);
}

void FormTest::TearDown() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() || window == tb::MainForm || window == tb::CourseForm) continue;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        delete window;
    }
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
