#include "GuiProgram.h"

#include "app/TarnbeckApplication.h"
#include "forms/CourseEditWindow.h"
#include "forms/GolferListWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/GolferScoresWindow.h"
#include "forms/MainWindow.h"
#include "forms/PrintHandicapsDialog.h"
#include "forms/ScoreForm.h"
#include "widgets/TbForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QTest>

namespace tbbench {

namespace {

bool Settled() {
    return tb::PendingHandOvers() == 0;
}

void Activate(QWidget* window) {
    window->activateWindow();
    WaitUntil([window] { return QApplication::activeWindow() == window && Settled(); });
}

QPointer<tb::TPrintHandicapsDlg> handicapsDialog;

} // namespace

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void EnsureForms() {
    if (!tb::MainForm) {
        Painting().RunUntilPainted(tb::StartForms, IsWindowOf<tb::TMainForm>());
        tb::MainForm->MakeWaitingForms();
    }
    Activate(tb::MainForm);
}

void DeleteForms() {
    QList<QPointer<QWidget>> doomed;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<tb::TbForm*>(window) && window != tb::MainForm &&
            window != tb::CourseForm.Get() && window != tb::GNameForm.Get() &&
            window != tb::ScoreForm.Get() && window != tb::GolferForm.Get())
            doomed << window;
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
    WaitUntil(Settled);
}

void CloseWindow(QWidget* window) {
    if (!window) return;
    QPointer<QWidget> guard(window);
    window->close();
    WaitUntil([&guard] { return (!guard || !guard->isVisible()) && Settled(); });
}

tb::TGPickForm* Hub(int row) {
    EnsureForms();
    if (!tb::GPickForm) {
        Click(tb::MainForm->EnterScoresButton);
        WaitUntil([] { return tb::GPickForm && tb::GPickForm->isVisible() && Settled(); });
    }
    // Chosen once the window is active: its activation chooses the golfer of
    // its last activity again.
    Activate(tb::GPickForm);
    tb::GPickForm->GolferListBox->setCurrentRow(row);
    return tb::GPickForm;
}

tb::TPrintHandicapsDlg* HandicapsDialog() {
    if (handicapsDialog) return handicapsDialog;
    Click(Hub()->PrintHandicapButton);
    WaitUntil([] {
        return qobject_cast<tb::TPrintHandicapsDlg*>(QApplication::activeWindow()) && Settled();
    });
    handicapsDialog = qobject_cast<tb::TPrintHandicapsDlg*>(QApplication::activeWindow());
    if (!handicapsDialog) return nullptr;
    handicapsDialog->CourseField->setFocus();
    QTest::keyClick(handicapsDialog->CourseField, Qt::Key_Down);
    Click(handicapsDialog->IncAllBtn);
    return handicapsDialog;
}

} // namespace tbbench
