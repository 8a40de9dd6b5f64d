#include "widgets/Controls.h"

#include "widgets/Handlers.h"
#include "widgets/Latin1.h"
#include "widgets/Paste.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>

namespace tb {

bool FileTextValidator::IsStorable(QChar c) {
    return c.unicode() <= 0xFF && c != QChar('~') && c != QChar('\n') && c != QChar('\r') &&
           c != QChar(0);
}

QValidator::State FileTextValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar c : input)
        if (!IsStorable(c)) return Invalid;
    if (upperCase_) {
        // Only a-z: other letters keep their case, as the 8-bit files expect.
        for (QChar& c : input)
            if (c >= QChar('a') && c <= QChar('z')) c = QChar(c.unicode() - 'a' + 'A');
    }
    return Acceptable;
}

namespace {
// True when the focus has gone to another control of `box`'s own window.
// Another window's activation can move the focus straight from a box of
// ours into that window with an ordinary reason; that is not leaving it.
bool FocusWentToOwnWindow(const QWidget* box) {
    const QWidget* next = QApplication::focusWidget();
    return next && next->window() == box->window();
}

// True for reasons that mean the focus moved inside the window.
bool IsFocusMoveWithinWindow(Qt::FocusReason reason) {
    // Opening a menu from the keyboard (Alt, or Alt and a menu's letter)
    // hands the focus to the menu bar, and closing it hands it back: neither
    // is leaving the box.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

// The exit handler of a box the focus is leaving, unless it ran already.
void RunExitOnFocusOut(QWidget* box, QFocusEvent* event, const std::function<void()>& onExit,
                       bool& left) {
    const bool alreadyLeft = left;
    left = false;
    if (alreadyLeft || !onExit) return;
    if (IsFocusMoveWithinWindow(event->reason()) && FocusWentToOwnWindow(box))
        RunHandler(box, onExit);
}

// A key handler's answer; a failed handler swallows its key.
bool KeySwallowed(QWidget* box, const std::function<bool(QKeyEvent*)>& onKeyPress,
                  QKeyEvent* event) {
    if (!onKeyPress) return false;
    bool swallowed = true;
    RunHandler(box, [&] { swallowed = onKeyPress(event); });
    return swallowed;
}
} // namespace

namespace {
class EscapeReleaseCloser : public QObject {
public:
    explicit EscapeReleaseCloser(QComboBox* combo) : QObject(combo), combo_(combo) {}
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
            type != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape) return false;
        event->accept(); // the window's own Escape does not run either
        if (type == QEvent::KeyRelease && !key->isAutoRepeat()) combo_->hidePopup();
        return true;
    }

private:
    QComboBox* combo_;
};
} // namespace

void CloseListOnEscapeRelease(QComboBox* combo) {
    combo->view()->installEventFilter(new EscapeReleaseCloser(combo));
}

namespace {
class SelectionWhenPointedAt : public QObject {
public:
    explicit SelectionWhenPointedAt(QLabel* label) : QObject(label), label_(label) {}
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            label_->removeEventFilter(this);
            label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
};
} // namespace

void SelectableOncePointedAt(QLabel* label) {
    label->installEventFilter(new SelectionWhenPointedAt(label));
}

void LeaveBox(QWidget* box) {
    if (auto* edit = qobject_cast<TEdit*>(box))
        edit->Leave();
    else if (auto* memo = qobject_cast<TMemo*>(box))
        memo->Leave();
}

std::vector<std::string> TextsOf(const std::array<TEdit*, 18>& edits, int from, int to) {
    std::vector<std::string> texts;
    for (int i = from; i <= to; ++i)
        texts.push_back(ToCore(edits[i - 1]->text()));
    return texts;
}

TEdit::TEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent) {}

void TEdit::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TEdit::SetReadOnlyGrey() {
    setReadOnly(true);
    SetTabStop(false);
    QPalette grey = palette();
    grey.setColor(QPalette::Base, palette().color(QPalette::Window));
    setPalette(grey);
}

void TEdit::RefuseUnstorable(bool upperCase) {
    setValidator(new FileTextValidator(upperCase, this));
}

void TEdit::Leave() {
    if (OnExit) OnExit();
    left_ = hasFocus();
}

void TEdit::focusInEvent(QFocusEvent* event) {
    left_ = false;
    QLineEdit::focusInEvent(event);
    // Every arrival selects the whole text, whichever way the focus came
    // (Tab, Enter, a handler, a message box closing), so that what is typed
    // replaces it. A click places the caret, and a popup closing (the
    // box's own context menu) leaves the selection it had.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) selectAll();
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    RunExitOnFocusOut(this, event, OnExit, left_);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    if (KeySwallowed(this, OnKeyPress, event)) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        event->accept();
        PasteText(QApplication::clipboard()->text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::PasteText(const QString& pasted) {
    const int room = maxLength() - static_cast<int>(text().size() - selectedText().size());
    const QString kept = PreparePaste(this, pasted, room, maxLength());
    if (!kept.isEmpty()) insert(kept);
}

void TEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>("edit-paste")) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
                [this] { PasteText(QApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    const QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        PasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TEdit::dropEvent(QDropEvent* event) {
    const QString dropped = event->mimeData()->text();
    // A drag within the box moves text already kept; the toolkit does that.
    if (event->source() == this || CleanPaste(dropped).text == dropped) {
        QLineEdit::dropEvent(event);
        return;
    }
    // Copied, never moved: text refused here must stay where it came from.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(dropped);
}

THiddenEdit::THiddenEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent) {
    setVisible(false);
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
}

TButton::TButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAutoDefault(false);
}

void TButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TMemo::TMemo(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TMemo::Leave() {
    if (OnExit) OnExit();
    left_ = hasFocus();
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    if (KeySwallowed(this, OnKeyPress, event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore(); // no new line; let the window see it
        return;
    }
    const QString text = event->text();
    const bool typesText = !text.isEmpty() && text.at(0).isPrint();
    if (typesText) {
        for (QChar c : text)
            if (!FileTextValidator::IsStorable(c)) return;
        const int selected = textCursor().selectedText().size();
        if (toPlainText().size() - selected + text.size() > maxLength_) return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    RunExitOnFocusOut(this, event, OnExit, left_);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
    // The paste keys, the context menu, the middle button and drops all
    // come here.
    const int room =
        maxLength_ - static_cast<int>(toPlainText().size() - textCursor().selectedText().size());
    const QString kept = PreparePaste(this, source->text(), room, maxLength_);
    if (!kept.isEmpty()) textCursor().insertText(kept);
}

TImage::TImage(QWidget* parent) : QLabel(parent) {
    setPixmap(QPixmap(":/tarnbeck.png"));
    setCursor(Qt::PointingHandCursor);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (OnClick) RunHandler(this, OnClick);
}

void ShowLines(QListWidget* list, const QStringList& lines) {
    bool same = list->count() == lines.size();
    for (int row = 0; same && row < lines.size(); ++row)
        same = list->item(row)->text() == lines[row];
    if (same) return;
    list->clear();
    list->addItems(lines);
}

void ShowItems(QComboBox* box, const QStringList& items) {
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

} // namespace tb
