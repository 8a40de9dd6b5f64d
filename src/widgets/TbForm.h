#pragma once
// The base of every window of the program. It turns the toolkit's events
// into the forms' own handlers (FormShow, FormActivate, FormHide,
// FormResize, FormCloseQuery), each run through RunHandler, and carries the
// hand-over between forms:
//
// - An opener shows a form with ShowFor(opener). The form's FormActivate
//   runs once for that showing, whether or not the window system grants the
//   activation.
// - A form that gives a result sets its hidden OkPressed box and calls
//   HideToOpener(). The opener's FormActivate then runs once, after the form
//   is hidden, and takes the result with TakeResultFrom(form).
// - Afterwards FormActivate runs only when the user moves from another
//   visible window of the program to this one: not when coming back from
//   another application, not when a message box or dialog of ours closes.

#include "widgets/Handlers.h"
#include "widgets/Placement.h"

#include <QMainWindow>
#include <QPointer>

#include <string>
#include <utility>

class QAbstractButton;
#include <QLineEdit>
class QTimer;

namespace tb {

// The data files live in the working folder.
inline constexpr const char* DataDir = ".";

// The frame of a fixed dialog: a title with the system menu and the close
// box, no maximise or minimise box. Without CustomizeWindowHint X11 window
// managers add every box.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;

// Hand-overs queued and not yet delivered.
int PendingHandOvers();
// The window the program last asked to be the active one.
QWidget* WindowAskedToBeActive();

class TbForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TbForm(QWidget* parent = nullptr);
    ~TbForm() override;

    // Shows this form modelessly for `opener` and asks for it to be active.
    // When its FormShow fails, the error is shown and the form stays hidden.
    void ShowFor(TbForm* opener);
    // Shows this form again for `opener` holding everything it holds:
    // FormShow does not run, so nothing is reset (a result that could not be
    // stored goes back to the user as typed).
    void ReopenFor(TbForm* opener);
    // Hides this form and hands over to its opener.
    void HideToOpener();
    // Raises the window and asks for it to be active; no hand-over.
    void BringForward();
    TbForm* Opener() const { return opener_; }

    // True when this form holds an accepted result for `opener`: its
    // OkPressed reads "1" and `opener` is the form that opened it.
    bool HasResultFor(const TbForm* opener) const;
    // Resets OkPressed to "0".
    void ClearResult();

    // Asked before the program ends: false keeps the program running (the
    // user cancelled, or saving failed). Windows with unsaved work ask.
    virtual bool QueryEnd() { return true; }
    // The window that holds the scores of the golfer `shortName` open on
    // behalf of this one (this window, or the score form holding a round
    // typed here), or null. Their score file is not renamed or deleted then.
    virtual TbForm* HoldsScoresOf(const std::string& shortName) {
        (void)shortName;
        return nullptr;
    }
    // Writes the placement now if a move or resize has not been written yet.
    void FlushPlacement();

    // The page of the user guide about this window ("ScoreForm.html").
    virtual const char* HelpPage() const { return "index.html"; }
    // Opens the user guide at this window's page: F1 anywhere in the window,
    // and Help > Help where the window has that menu.
    void OpenHelp();
    // A window the user works in: moving from it to another one runs that
    // one's FormActivate. The help window is only read beside them.
    virtual bool IsWorkWindow() const { return true; }

    // Builds the controls of a form that builds them late (a long-lived
    // form reached through a FormRef), once; showing the form builds them too.
    void EnsureBuilt();
    void setVisible(bool visible) override;

    // Order of creation, oldest first.
    quint64 SerialNumber() const { return serial_; }

    // Opens the window centred on its screen (forms without placement).
    void CentreOnScreen();
    // A window made anew for each request: deleted when closed, and however
    // it is closed (a button, Escape, the close box) its opener becomes
    // active again.
    void HandBackWhenClosed();

protected:
    // The controls of a form made at start-up: built at its first use rather
    // than at start-up, which then pays only for the main window.
    virtual void BuildControls() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormHide() {}
    virtual void FormResize() {}
    // Return false to keep the window open.
    virtual bool FormCloseQuery() { return true; }

    // What a form's entry point ends with: ShowFor(opener) for a new request,
    // after clearing a result this form may still hold for an opener that
    // went away, which is not this request's to take.
    void ShowAfreshFor(TbForm* opener);
    // When `from` holds an accepted result for this form, resets its
    // OkPressed and returns true: the caller takes the result now.
    bool TakeResultFrom(TbForm* from);
    // The hidden box through which this form reports its result.
    void SetResultBox(QLineEdit* okPressed) { okPressed_ = okPressed; }
    // Reads the placement from `section` of the settings file now, and
    // writes it when the user has stopped moving or resizing the window and
    // when it hides or closes. Unless `alwaysWrite`, nothing is written once
    // the program is exiting.
    void UsePlacement(const char* section, const PlacementDefaults& defaults,
                      bool alwaysWrite = false);
    // Binds the command `handler` of this form to the controls that give it
    // (a button, a menu item, a list's double-click; any may be null), each
    // run through RunHandler.
    template <class Form>
    void Bind(void (Form::*handler)(), QAbstractButton* button, QAction* item = nullptr,
              QListWidget* doubleClickedList = nullptr) {
        auto* form = static_cast<Form*>(this);
        BindCommand(
            this, [form, handler] { (form->*handler)(); }, button, item, doubleClickedList);
    }
    // Escape clicks `cancel`.
    void SetCancelButton(QAbstractButton* cancel);
    // Escape runs `command` (through RunHandler).
    void SetEscapeCommand(std::function<void()> command);
    // Finishes a fixed dialog that reports through `okPressed`: fixed size,
    // Escape as `cancel` (a null `cancel` leaves Escape to the form),
    // centred on the screen.
    void FinishFixedDialog(QLineEdit* okPressed, QAbstractButton* cancel);
    // Moves the focus to `target`. The box being edited runs its exit
    // handler first; an error there stops the move.
    void FocusControl(QWidget* target);
    // Runs the exit handler of the box being edited, as leaving it would.
    void LeaveEditedBox();
    // A fixed dialog border: the window keeps the size its contents need.
    void MakeFixedSize();
    // A central widget with a white background, for the windows that have one.
    QWidget* MakeWhiteCentralWidget();

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void HandOver();
    void DeliverHandOver();
    void WindowActivated();
    void ForgetExpectedActivationsExcept(const TbForm* form);
    void PlacementChanged();
    void WritePlacementNow();

    QPointer<TbForm> opener_;
    QPointer<QLineEdit> okPressed_;
    quint64 serial_;
    bool reopening_ = false;
    bool showFailed_ = false; // the last FormShow threw
    // A hand-over FormActivate is due (delivered by a queued call).
    bool handOverPending_ = false;
    // The activation this form asked for is still to come; when it comes it
    // is the same hand-over, not a move of the user's.
    bool expectingActivation_ = false;

    const char* placementSection_ = nullptr;
    bool placementAlwaysWritten_ = false;
    bool handsBackWhenClosed_ = false;
    QTimer* placementTimer_ = nullptr;
    bool built_ = false;
};

// True (after saying which window holds them and bringing it forward) while
// the scores of the golfer `shortName` are open in a window of the program.
bool ScoresOpenElsewhere(QWidget* parent, const std::string& shortName);

// The one reference through which the program reaches a long-lived form made
// at start-up. The form is made then, with everything it reads at creation;
// its controls are built at its first showing, or by Built(). Reaching the
// form through the reference builds nothing: the form's entry points build
// what they write into, and what needs no control (whether it is open, whose
// result it holds) works on a form not built yet.
template <class Form> class FormRef {
public:
    FormRef& operator=(Form* form) {
        form_ = form;
        return *this;
    }
    // The form with its controls built.
    Form* Built() const {
        if (form_) form_->EnsureBuilt();
        return form_;
    }
    // The form as it is: its controls may not be built yet (then they are
    // null).
    Form* Get() const { return form_; }
    Form* operator->() const { return form_; }
    // Gives up the form, built or not, leaving no form here:
    // `delete ref.Take()` deletes it without building it.
    Form* Take() { return std::exchange(form_, nullptr); }
    // Whether there is a form, without building it.
    explicit operator bool() const { return form_ != nullptr; }

private:
    Form* form_ = nullptr;
};

} // namespace tb
