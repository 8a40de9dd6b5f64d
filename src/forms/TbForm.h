#pragma once
// The base of every window of the program. It turns the toolkit's events
// into the forms' own handlers (FormShow, FormActivate, FormHide,
// FormResize, FormClose) and carries the hand-over between forms: a form
// opened by another remembers its opener and, when it hides with a result,
// makes the opener active again so the opener's FormActivate takes it.

#include <QMainWindow>
#include <QPointer>

namespace tb {

// The data files live in the working folder.
inline constexpr const char* DataDir = ".";

class TbForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TbForm(QWidget* parent = nullptr);

    // Shows this form modelessly for `opener` and makes it the active window.
    void ShowFor(TbForm* opener);
    // Hides this form and makes its opener the active window again.
    void HideToOpener();
    TbForm* Opener() const { return opener_; }

    // Centres the window on the screen (forms without stored placement).
    void CentreOnScreen();
    // A fixed dialog border: the window keeps the size its contents need.
    void MakeFixedSize();
    // A central widget with a white background, for the windows that have one.
    QWidget* MakeWhiteCentralWidget();

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormHide() {}
    virtual void FormResize() {}
    // Return false to keep the window open.
    virtual bool FormCloseQuery() { return true; }

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<TbForm> opener_;
    // Set while a modal box of ours blocks the window: its closing makes the
    // window active again, which is not an activation the handlers see.
    bool deactivatedByModal_ = false;
};

} // namespace tb
