#include "TbForm.h"

#include "data/ScoreFile.h"
#include "widgets/Activation.h"
#include "widgets/Controls.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Help.h"
#include "widgets/Latin1.h"
#include "widgets/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace tb {

namespace {
quint64 formsMade = 0;
int handOversPending = 0;
QPointer<QWidget> askedToBeActive;
// How long a window must stay still before its placement is written.
constexpr int PlacementSettleMs = 400;
} // namespace

int PendingHandOvers() {
    return handOversPending;
}

QWidget* WindowAskedToBeActive() {
    return askedToBeActive;
}

TbForm::TbForm(QWidget* parent) : QMainWindow(parent), serial_(++formsMade) {
    WatchActivations();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    Connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
}

void TbForm::OpenHelp() {
    ShowHelp(this, HelpPage());
}

void TbForm::EnsureBuilt() {
    if (built_) return;
    built_ = true;
    BuildControls();
}

void TbForm::setVisible(bool visible) {
    if (visible) EnsureBuilt();
    QMainWindow::setVisible(visible);
}

TbForm::~TbForm() {
    // A hand-over to a window that is gone is never delivered.
    if (handOverPending_) --handOversPending;
}

void TbForm::ShowFor(TbForm* opener) {
    opener_ = opener;
    // Before showing: the window system may activate the window at once.
    HandOver();
    show();
    // A showing whose FormShow failed (its error has been shown) opens
    // nothing: the window would stand empty for what could not be read.
    if (showFailed_) {
        hide();
        if (opener) opener->BringForward();
        return;
    }
    BringForward();
}

void TbForm::ReopenFor(TbForm* opener) {
    reopening_ = true;
    ShowFor(opener);
    reopening_ = false;
}

void TbForm::HideToOpener() {
    // Hidden first: the window manager may then give the focus to a window
    // of its own choice, but the opener's request comes after and wins.
    hide();
    if (opener_ && opener_->isVisible()) {
        opener_->HandOver();
        opener_->BringForward();
    }
}

void TbForm::BringForward() {
    raise();
    activateWindow();
    askedToBeActive = this;
}

void TbForm::HandOver() {
    if (!handOverPending_) ++handOversPending;
    handOverPending_ = true;
    expectingActivation_ = true;
    QMetaObject::invokeMethod(this, &TbForm::DeliverHandOver, Qt::QueuedConnection);
}

void TbForm::DeliverHandOver() {
    if (!handOverPending_) return;
    handOverPending_ = false;
    --handOversPending;
    // A window that was active already gets no activation to wait for.
    if (QApplication::activeWindow() == this) expectingActivation_ = false;
    if (isVisible()) RunHandler(this, [this] { FormActivate(); });
}

bool TbForm::HasResultFor(const TbForm* opener) const {
    return opener && opener_ == opener && okPressed_ && okPressed_->text() == "1";
}

void TbForm::ClearResult() {
    if (okPressed_) okPressed_->setText("0");
}

void TbForm::ShowAfreshFor(TbForm* opener) {
    ClearResult();
    ShowFor(opener);
}

bool TbForm::TakeResultFrom(TbForm* from) {
    if (!from || !from->HasResultFor(this)) return false;
    from->ClearResult();
    return true;
}

void TbForm::WindowActivated() {
    if (!isVisible()) return;
    if (expectingActivation_) {
        // The activation a hand-over asked for: its FormActivate has run, or
        // is about to.
        expectingActivation_ = false;
        return;
    }
    if (!ActivatedFromOwnWindow(this)) return;
    ForgetExpectedActivationsExcept(this);
    RunHandler(this, [this] { FormActivate(); });
}

void TbForm::ForgetExpectedActivationsExcept(const TbForm* form) {
    // The user has moved on: an activation another window asked for and
    // never got is no longer coming.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* other = qobject_cast<TbForm*>(window); other && other != form)
            other->expectingActivation_ = false;
}

void TbForm::FocusControl(QWidget* target) {
    QWidget* edited = focusWidget();
    if (edited && edited != target) LeaveBox(edited); // an error stops the move here
    target->setFocus();
}

void TbForm::LeaveEditedBox() {
    if (QWidget* edited = focusWidget()) LeaveBox(edited);
}

void TbForm::SetCancelButton(QAbstractButton* cancel) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cancel, &QAbstractButton::click);
}

void TbForm::SetEscapeCommand(std::function<void()> command) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    Connect(escape, &QShortcut::activated, this, std::move(command));
}

void TbForm::FinishFixedDialog(QLineEdit* okPressed, QAbstractButton* cancel) {
    MakeFixedSize();
    if (cancel) SetCancelButton(cancel);
    SetResultBox(okPressed);
    CentreOnScreen();
}

void TbForm::HandBackWhenClosed() {
    setAttribute(Qt::WA_DeleteOnClose);
    handsBackWhenClosed_ = true;
}

void TbForm::CentreOnScreen() {
    CentreWhenShown(this, CentreAt::FirstShowing);
}

QWidget* TbForm::MakeWhiteCentralWidget() {
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    setCentralWidget(central);
    return central;
}

void TbForm::MakeFixedSize() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// ---- Placement ------------------------------------------------------------

void TbForm::UsePlacement(const char* section, const PlacementDefaults& defaults,
                          bool alwaysWrite) {
    placementSection_ = section;
    placementAlwaysWritten_ = alwaysWrite;
    ReadPlacement(this, section, defaults);
    placementTimer_ = new QTimer(this);
    placementTimer_->setSingleShot(true);
    placementTimer_->setInterval(PlacementSettleMs);
    connect(placementTimer_, &QTimer::timeout, this, &TbForm::WritePlacementNow);
}

void TbForm::PlacementChanged() {
    if (placementTimer_ && isVisible()) placementTimer_->start();
}

void TbForm::FlushPlacement() {
    if (!placementTimer_ || !placementTimer_->isActive()) return;
    placementTimer_->stop();
    WritePlacementNow();
}

void TbForm::WritePlacementNow() {
    if (Exiting && !placementAlwaysWritten_) return;
    RunHandler(this, [this] { WritePlacement(this, placementSection_); });
}

// ---- Events ------------------------------------------------------------

bool TbForm::event(QEvent* event) {
    if (event->type() != QEvent::WindowActivate) return QMainWindow::event(event);
    const bool result = QMainWindow::event(event);
    WindowActivated();
    return result;
}

void TbForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !reopening_)
        showFailed_ = !RunHandler(this, [this] { FormShow(); });
    QMainWindow::showEvent(event);
}

void TbForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    FlushPlacement();
    RunHandler(this, [this] { FormHide(); });
    // The box that had the focus is not being edited any more: the next
    // showing starts afresh and leaves no box of this one.
    if (QWidget* box = focusWidget()) box->clearFocus();
}

void TbForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlacementChanged();
    RunHandler(this, [this] { FormResize(); });
}

void TbForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    PlacementChanged();
}

void TbForm::closeEvent(QCloseEvent* event) {
    // Refused unless FormCloseQuery agrees: a handler that fails part way
    // leaves the window open.
    event->ignore();
    bool mayClose = false;
    RunHandler(this, [&] { mayClose = FormCloseQuery(); });
    if (!mayClose) return;
    FlushPlacement();
    event->accept();
    if (handsBackWhenClosed_) HideToOpener();
}

bool ScoresOpenElsewhere(QWidget* parent, const std::string& shortName) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<TbForm*>(widget);
        TbForm* holder = form && form->isVisible() ? form->HoldsScoresOf(shortName) : nullptr;
        if (!holder) continue;
        Dialogs::Message(
            parent,
            ToQt("The scores in \"" + ScoreFileName(shortName) + "\" are open in the window \"") +
                holder->windowTitle() + "\".  Finish with them there first, then try again.");
        holder->BringForward();
        return true;
    }
    return false;
}

} // namespace tb
