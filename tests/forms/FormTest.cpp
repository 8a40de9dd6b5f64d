#include "FormTest.h"

#include "forms/CourseEditWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/GolferScoresWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"
#include "print/PrintSetupMemory.h"
#include "widgets/Placement.h"
#include "widgets/Program.h"
#include "widgets/TbForm.h"

#include <QPointer>
#include <QProcess>
#include <qpa/qwindowsysteminterface.h>

namespace tbtest {

namespace {
QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000)) << program.toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}
} // namespace

void FormTest::SetUp() {
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    tb::SetIniFilePath(QString::fromStdString((dir / "tarnbeck.ini").string()));
    tb::ForgetPrintSetupOfThisRun();
    tb::Dialogs::ClearShown();
    tb::MessageNotifier::ForgetPartlyReadFiles();
    programTerminated = false;
    tb::Exiting = false;
    tb::MainForm = new tb::TMainForm();
    tb::ScoreForm = new tb::TScoreForm();
    tb::GolferForm = new tb::TGolferForm();
    tb::CourseForm = new tb::TCourseForm();
    tb::GNameForm = new tb::TGNameForm();
    tb::MainForm->show();
    EXPECT_TRUE(Activate(tb::MainForm));
    // The score form reads the course list when it is made; in the empty
    // folder that gives a message no test is about.
    tb::Dialogs::ClearShown();
}

void FormTest::TearDown() {
    // The windows the program opened on request and a test left open. Any
    // other window still here has leaked: it is left for the leak checker.
    QList<QPointer<QWidget>> doomed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<tb::TbForm*>(window) || window == tb::MainForm ||
            window == tb::CourseForm.Get() || window == tb::GNameForm.Get() ||
            window == tb::ScoreForm.Get() || window == tb::GolferForm.Get())
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
    delete tb::GNameForm.Take();
    delete tb::GolferForm.Take();
    delete tb::ScoreForm.Take();
    delete tb::CourseForm.Take();
    delete tb::MainForm;
    tb::MainForm = nullptr;
    QDir::setCurrent(previousDir_);
}

void FormTest::WaitForHandOvers() {
    EXPECT_TRUE(QTest::qWaitFor([] { return tb::PendingHandOvers() == 0; }, 5000))
        << "a hand-over was never delivered";
}

void FormTest::Settle() {
    // Every hand-over delivered, and the window the program asked for active
    // (unless the window manager keeps it from being so).
    WaitForHandOvers();
    QWidget* wanted = tb::WindowAskedToBeActive();
    if (wanted && wanted->isVisible() && !QTest::qWaitForWindowActive(wanted, 2000)) return;
    WaitForHandOvers();
}

bool FormTest::Activate(QWidget* window) {
    window->show();
    if (QGuiApplication::platformName() == "xcb") {
        // As a click would: through the window manager, which has handled
        // every earlier request when this returns. A window that has the X
        // focus already is not asked for again; the wait below is enough.
        const QString id = QString::number(window->winId());
        if (RunTool("xdotool", {"getwindowfocus"}) != id)
            RunTool("xdotool", {"windowactivate", "--sync", id});
    } else {
        window->activateWindow();
    }
    const bool active = QTest::qWaitForWindowActive(window);
    WaitForHandOvers();
    return active;
}

void FormTest::LeaveAndComeBack(QWidget* window) {
    auto noneActive = [] { return !QApplication::activeWindow(); };
    if (QGuiApplication::platformName() != "xcb") {
        // As the window system reports it: no window of ours is active,
        // then `window` is again.
        QWindowSystemInterface::handleWindowActivated(nullptr, Qt::ActiveWindowFocusReason);
        EXPECT_TRUE(QTest::qWaitFor(noneActive));
        QWindowSystemInterface::handleWindowActivated(window->windowHandle(),
                                                      Qt::ActiveWindowFocusReason);
    } else {
        // A window of another program takes the focus, as a click on it
        // would, and then the user clicks `window`.
        QProcess other;
        other.start("xmessage", {"-title", "TarnbeckTestOther", "another application"});
        const QString id = RunTool("xdotool", {"search", "--sync", "--name", "TarnbeckTestOther"});
        RunTool("xdotool", {"windowactivate", "--sync", id.section('\n', 0, 0)});
        EXPECT_TRUE(QTest::qWaitFor(noneActive));
        RunTool("xdotool", {"windowactivate", "--sync", QString::number(window->winId())});
        other.kill();
        other.waitForFinished();
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    Settle();
}

void FormTest::Tab() {
    QWidget* focus = QApplication::focusWidget();
    if (focus) QTest::keyClick(focus, Qt::Key_Tab);
}

} // namespace tbtest
