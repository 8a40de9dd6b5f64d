// The pieces every window relies on: the hand-over between forms whatever the
// window system does, activations that are no move of the user's, the one
// handler wrapper, and the two-choice dialog's answers.

#include "FormTest.h"

#include "data/Errors.h"
#include "forms/MainWindow.h"
#include "forms/TwoChoiceDialog.h"
#include "widgets/Controls.h"
#include "widgets/Handlers.h"
#include "widgets/Paste.h"
#include "widgets/TbForm.h"

#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace tbtest {
namespace {

class CountingForm : public tb::TbForm {
public:
    CountingForm() { SetResultBox(new QLineEdit("0", this)); }
    int activations = 0;
    int resultsTaken = 0;
    QPointer<tb::TbForm> editor; // the form whose result this one takes
    std::function<void()> onActivate;
    using tb::TbForm::FocusControl;

    void Accept() {
        findChild<QLineEdit*>()->setText("1");
        HideToOpener();
    }

protected:
    void FormActivate() override {
        ++activations;
        if (TakeResultFrom(editor)) ++resultsTaken;
        if (onActivate) onActivate();
    }
};

class FormPatternTest : public FormTest {};

// On a desktop the window manager moves the focus too (to a window of its
// choice when one goes away): those moves may run FormActivate again, but a
// result is taken exactly once.
// A long-lived form counting the builds of its controls.
class LazyForm : public tb::TbForm {
public:
    int builds = 0;

protected:
    void BuildControls() override { ++builds; }
};

// Reaching a form through its reference, or taking it to delete it, builds
// nothing; Built() and the first showing build it once.
TEST_F(FormPatternTest, AFormReferenceBuildsOnlyWhenAskedTo) {
    tb::FormRef<LazyForm> ref;
    ref = new LazyForm();
    EXPECT_FALSE(ref->isVisible());
    std::unique_ptr<LazyForm> form(ref.Take());
    EXPECT_FALSE(ref);
    EXPECT_EQ(form->builds, 0);
    ref = form.get();
    EXPECT_EQ(ref.Built()->builds, 1);
    ref->show();
    EXPECT_EQ(form->builds, 1);
}

TEST_F(FormPatternTest, AResultIsTakenOnceWhateverTheWindowSystemDoes) {
    enum class Grant { AtOnce, Refused, Late };
    for (Grant grant : {Grant::AtOnce, Grant::Refused, Grant::Late}) {
        SCOPED_TRACE(int(grant));
        CountingForm opener, opened, other;
        opener.editor = &opened;
        // A window that does not take the focus: the window system refuses
        // to activate it until that changes.
        if (grant != Grant::AtOnce) opener.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        other.show();
        opener.show();
        ASSERT_TRUE(Activate(grant == Grant::AtOnce ? &opener : &other));
        opened.ShowFor(&opener);
        Settle();
        EXPECT_EQ(opened.activations, 1) << "the showing's own FormActivate";
        const int before = opener.activations;

        opened.Accept();
        WaitForHandOvers();
        EXPECT_EQ(opener.activations, before + 1) << "the hand-over, at once";
        EXPECT_EQ(opener.resultsTaken, 1);
        if (grant == Grant::Refused) continue;
        if (grant == Grant::Late) {
            // The activation asked for arrives now: it is the hand-over's.
            opener.setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
            EXPECT_TRUE(Activate(&opener));
            EXPECT_EQ(opener.activations, before + 1);
            EXPECT_EQ(opener.resultsTaken, 1);
            continue;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(&opener));
        // Moves of the user's between the windows run FormActivate again.
        const int settled = opener.activations;
        EXPECT_TRUE(Activate(&other));
        EXPECT_TRUE(Activate(&opener));
        EXPECT_GT(opener.activations, settled);
        EXPECT_EQ(opener.resultsTaken, 1) << "taken once";
    }
}

TEST_F(FormPatternTest, ComingBackFromAnotherApplicationIsNoActivation) {
    CountingForm form, other;
    other.show();
    ASSERT_TRUE(Activate(&form));
    const int before = form.activations;
    LeaveAndComeBack(&form);
    EXPECT_EQ(form.activations, before);
    // The next move between the program's windows counts.
    EXPECT_TRUE(Activate(&other));
    EXPECT_TRUE(Activate(&form));
    EXPECT_GT(form.activations, before);
}

TEST_F(FormPatternTest, AClosingBoxIsNoActivationAndSwallowsNoLaterHandOver) {
    CountingForm form, other, opened;
    other.show();
    ASSERT_TRUE(Activate(&form));
    const int before = form.activations;
    QDialog box(&form);
    box.setModal(true);
    QTimer::singleShot(0, &box, [&box] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.accept();
    });
    box.exec();
    // The window system may give the activation back to the form, or to
    // another window first.
    EXPECT_TRUE(Activate(&other));
    EXPECT_EQ(form.activations, before);

    form.editor = &opened;
    form.show();
    opened.ShowFor(&form);
    Settle();
    opened.Accept();
    Settle();
    EXPECT_EQ(form.resultsTaken, 1) << "the hand-over after the box";
}

TEST_F(FormPatternTest, AHandlersErrorIsShownAndStopsOnlyThatHandler) {
    CountingForm form;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* box = new tb::TEdit(central);
    auto* next = new tb::TEdit(central);
    auto* button = new tb::TButton("Go", central);
    for (QWidget* w :
         {static_cast<QWidget*>(box), static_cast<QWidget*>(next), static_cast<QWidget*>(button)})
        layout->addWidget(w);
    auto fail = [] { throw tb::InOutError("Disk full"); };
    box->OnExit = fail;
    next->OnKeyPress = [](QKeyEvent*) -> bool {
        throw tb::ConvertError("'x' is not a valid integer value");
    };
    tb::BindCommand(&form, fail, button);
    ASSERT_TRUE(Activate(&form));

    box->setFocus();
    Tab(); // the exit handler fails; the focus has moved on
    EXPECT_EQ(QApplication::focusWidget(), next);
    Type(next, "5"); // the key handler fails and the key is not typed
    EXPECT_EQ(next->text(), "");
    Click(button);
    form.onActivate = fail; // a hand-over's FormActivate fails
    CountingForm opened;
    opened.ShowFor(&form);
    Settle();
    opened.HideToOpener();
    Settle();
    EXPECT_EQ(Shown(), (std::vector<QString>{"Disk full", "'x' is not a valid integer value",
                                             "Disk full", "Disk full"}));
    for (const tb::Dialogs::Shown& shown : tb::Dialogs::ShownDialogs())
        EXPECT_EQ(shown.kind, tb::Dialogs::Kind::Error);
}

TEST_F(FormPatternTest, AProgramFocusMoveLeavesTheEditedBoxFirstUnlessItFails) {
    CountingForm form, other;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* box = new tb::TEdit(central);
    auto* target = new tb::TEdit(central);
    layout->addWidget(box);
    layout->addWidget(target);
    int exits = 0;
    box->OnExit = [&] {
        ++exits;
        if (box->text() == "x") throw tb::ConvertError("'x' is not a valid integer value");
    };
    other.show();
    ASSERT_TRUE(Activate(&form));
    box->setFocus();
    Type(box, "x");
    EXPECT_TRUE(Activate(&other)); // the box is not left by this
    EXPECT_FALSE(tb::RunHandler(&form, [&] { form.FocusControl(target); }));
    EXPECT_EQ(form.focusWidget(), box) << "the error stops the move";
    box->setText("5");
    EXPECT_TRUE(tb::RunHandler(&form, [&] { form.FocusControl(target); }));
    EXPECT_EQ(form.focusWidget(), target);
    EXPECT_TRUE(Activate(&form));
    EXPECT_EQ(exits, 2) << "once per move, not again when the window becomes active";
}

TEST_F(FormPatternTest, ExitHandlerRunsOnlyForFocusMovesInsideTheWindow) {
    CountingForm form, other;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* box = new tb::TEdit(central);
    int exits = 0;
    box->OnExit = [&exits] { ++exits; };
    Activate(&form);
    box->setFocus();
    Activate(&other);
    EXPECT_EQ(exits, 0) << "another window becoming active does not leave the box";
}

TEST_F(FormPatternTest, BoxSelectsItsTextWhenFocusedByKeyboardOrProgram) {
    CountingForm form;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* first = new tb::TEdit(central, "12");
    auto* second = new tb::TEdit(central, "0");
    second->move(0, 40);
    Activate(&form);
    second->setFocus();
    EXPECT_EQ(second->selectedText(), "0");
    Type(second, "5");
    EXPECT_EQ(second->text(), "5") << "typing replaces the selected text";
    QTest::keyClick(second, Qt::Key_Backtab);
    EXPECT_EQ(first->selectedText(), "12");
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(second->selectedText(), "") << "a click places the caret";
}

TEST_F(FormPatternTest, TwoChoiceDialogAnswersAndEscapeIsCancel) {
    struct Case {
        const char* name;
        int expected;
    };
    for (Case c : {Case{"Button1", 1}, Case{"Button2", 2}, Case{"CancelButton", -1},
                   Case{"Escape", -1}, Case{"close box", 2}}) {
        tb::TTwoChoiceDlg dialog;
        dialog.setWindowTitle("Printer or File");
        dialog.MemoField->setPlainText("Output handicap list to the printer or to a file?");
        dialog.Button1->setText("Printer");
        dialog.Button2->setText("File");
        QTimer::singleShot(0, &dialog, [&dialog, c] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            // A modal dialog is placed by the window manager's own rules
            // first and centred again after; on a busy machine openbox may
            // leave it off by up to its frame's height. Now and then the
            // toolkit never learns the dialog's frame: the main window's
            // frame stands in for it.
            const int frame =
                std::max(dialog.frameGeometry().height() - dialog.height(),
                         tb::MainForm->frameGeometry().height() - tb::MainForm->height());
            EXPECT_TRUE(QTest::qWaitFor([&] { return CentredOnScreen(&dialog, frame); }))
                << "centred on the screen; frame at " << dialog.frameGeometry().x() << ","
                << dialog.frameGeometry().y() << " size " << dialog.frameGeometry().width() << "x"
                << dialog.frameGeometry().height();
            const std::string name = c.name;
            if (name == "Button1")
                dialog.Button1->click();
            else if (name == "Button2")
                dialog.Button2->click();
            else if (name == "CancelButton")
                dialog.CancelButton->click();
            else if (name == "Escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
        });
        EXPECT_EQ(dialog.Ask(), c.expected) << c.name;
    }
}

TEST_F(FormPatternTest, EnterClicksTheFocusedButton) {
    CountingForm form;
    auto* button = new tb::TButton("OK", &form);
    form.setCentralWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    Activate(&form);
    button->setFocus();
    Press(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormPatternTest, CommentRefusesTildeLineBreaksAndExtraCharacters) {
    CountingForm form;
    auto* memo = new tb::TMemo(5, &form);
    form.setCentralWidget(memo);
    Activate(&form);
    memo->setFocus();
    Type(memo, "a~b");
    Press(memo, Qt::Key_Return);
    Type(memo, "cdefg");
    EXPECT_EQ(memo->toPlainText(), "abcde");
}

// Whatever is pasted is kept as the files can hold it, or the user is told.
TEST_F(FormPatternTest, APasteKeepsWhatTheFilesCanHoldAndSaysWhatChanged) {
    const struct {
        bool memo;
        QString pasted, kept, told;
    } cases[] = {
        {false, QString::fromUtf8("Wei \u5f20\u4f1f \U0001F600"), "Wei ?? ?",
         tb::PasteReplacedText},
        {false, "pasted\r\nwith newline", "pasted with newline", ""},
        {true, "pasted\nwith\r\nnewline", "pasted with newline", ""},
        {false, "a~b", "", tb::TildeRefusedText},
        {true, "a~b", "", tb::TildeRefusedText},
    };
    for (const auto& c : cases) {
        CountingForm form;
        auto* edit = c.memo ? nullptr : new tb::TEdit(&form);
        auto* memo = c.memo ? new tb::TMemo(25, &form) : nullptr;
        form.setCentralWidget(memo ? static_cast<QWidget*>(memo) : edit);
        Activate(&form);
        form.centralWidget()->setFocus();
        tb::Dialogs::ClearShown();
        QApplication::clipboard()->setText(c.pasted);
        QTest::keySequence(form.centralWidget(), QKeySequence::Paste);
        EXPECT_EQ(memo ? memo->toPlainText() : edit->text(), c.kept);
        EXPECT_EQ(Shown(), c.told.isEmpty() ? std::vector<QString>{} : std::vector{c.told});
    }
}

} // namespace
} // namespace tbtest
