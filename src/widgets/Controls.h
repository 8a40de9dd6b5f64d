#pragma once
// The edit boxes, buttons and multi-line edits every form builds on, with the
// events the forms' handlers hang on: leaving a box (its exit handler), a key
// pressed in it (which the handler may swallow), and whole-text selection
// whenever an edit box gets the focus other than by a click.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace tb {

// Refuses text the data files cannot hold: "~" (their field separator), line
// breaks, and characters beyond Latin-1. Optionally turns letters to upper
// case as they are typed.
class FileTextValidator : public QValidator {
public:
    explicit FileTextValidator(bool upperCase, QObject* parent = nullptr)
        : QValidator(parent), upperCase_(upperCase) {}
    State validate(QString& input, int& pos) const override;
    static bool IsStorable(QChar c);

private:
    bool upperCase_;
};

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr, const QString& text = QString());

    // Runs when the focus moves from this box to another control of its
    // window (not when another window becomes active or a menu opens).
    std::function<void()> OnExit;
    // Runs for each key; returning true swallows the key. A key whose
    // handler fails is swallowed too.
    std::function<bool(QKeyEvent*)> OnKeyPress;

    // Runs the exit handler now, as leaving the box would; the focus move
    // that follows does not run it again. Errors reach the caller.
    void Leave();

    // Keyboard focus without a tab stop: reachable by mouse and program only.
    void SetTabStop(bool tabStop);
    void SetReadOnlyGrey();
    // Turns letters to upper case and refuses "~", line breaks and
    // characters the files cannot hold.
    void RefuseUnstorable(bool upperCase = false);

    // Pastes `pasted` at the caret as the files can hold it (Paste.h).
    void PasteText(const QString& pasted);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Every way of pasting goes through PasteText: the keys, the context
    // menu, the middle button, a drop from elsewhere.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool left_ = false;
};

// A hidden edit box that carries a value from one form to another.
class THiddenEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit THiddenEdit(QWidget* parent, const QString& text = QString());
};

// A button that Enter clicks while it has the focus, as Space does.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A multi-line edit holding at most `maxLength` characters, in which Enter
// does not start a new line and "~" and characters the files cannot hold are
// refused, typed or pasted.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    TMemo(int maxLength, QWidget* parent = nullptr);
    std::function<void()> OnExit;
    std::function<bool(QKeyEvent*)> OnKeyPress;
    void Leave(); // as TEdit::Leave

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int maxLength_;
    bool left_ = false;
};

// Closes the drop-down list of `combo` when Escape is released rather than
// pressed. Closed while the key is still down, the list hands the keyboard
// back in a way the window manager takes for the window losing the focus: it
// activates another window of ours, which then gets the next key (an Enter
// meant for the combo box would press that window's button).
void CloseListOnEscapeRelease(QComboBox* combo);

// Lets the mouse select the text of `label` from the moment the mouse first
// comes over it. A label whose text can be selected lays that text out as a
// document, which takes longer than the rest of a window's labels together;
// it draws the same, and until the mouse is over it nothing can tell the
// two apart.
void SelectableOncePointedAt(QLabel* label);

// Runs the exit handler of `box` (a TEdit or TMemo) as leaving it would.
void LeaveBox(QWidget* box);

// The texts of boxes `from` to `to` (1-based) of a row of 18, as 8-bit text.
std::vector<std::string> TextsOf(const std::array<TEdit*, 18>& edits, int from, int to);

// A picture that runs OnClick when clicked.
class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Shows `lines` in `list`, one item each, added in one step. A list already
// showing exactly these lines keeps its items (and where it is scrolled to):
// windows that refill their list at every activation then only compare.
// The caller sets the selection afterwards either way.
void ShowLines(QListWidget* list, const QStringList& lines);

// Replaces the items of `box` with `items`, added in one step, and leaves no
// item chosen.
void ShowItems(QComboBox* box, const QStringList& items);

} // namespace tb
