// The pieces every window relies on: activation hand-over, modal boxes that
// don't count as activations, the general error handler, and the
// two-choice dialog's answers.

#include "FormTest.h"

#include "data/Errors.h"
#include "widgets/Controls.h"
#include "forms/Tb2choic.h"
#include "widgets/TbForm.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>

namespace tbtest {
namespace {

class CountingForm : public tb::TbForm {
public:
    int activations = 0;

protected:
    void FormActivate() override { ++activations; }
};

class FormPatternTest : public FormTest {};

TEST_F(FormPatternTest, HidingAFormActivatesItsOpener) {
    CountingForm opener, opened;
    Activate(&opener);
    const int before = opener.activations;
    opened.ShowFor(&opener);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), &opened);
    opened.HideToOpener();
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), &opener);
    EXPECT_EQ(opener.activations, before + 1);
}

TEST_F(FormPatternTest, ClosingAModalBoxIsNotAnActivation) {
    CountingForm form;
    Activate(&form);
    const int before = form.activations;
    QDialog box(&form);
    box.setModal(true);
    QTimer::singleShot(0, &box, [&box] {
        Settle(); // the box becomes the active window, as it does for a user
        EXPECT_EQ(QApplication::activeWindow(), &box);
        box.accept();
    });
    box.exec();
    // The window system gives the activation back to the form.
    Activate(&form);
    EXPECT_EQ(form.activations, before);

    // The next real activation counts again.
    CountingForm other;
    Activate(&other);
    Activate(&form);
    EXPECT_EQ(form.activations, before + 1);
}

TEST_F(FormPatternTest, ErrorLeavingAHandlerIsShownAndTheProgramGoesOn) {
    CountingForm form;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* box = new tb::TEdit(central);
    auto* next = new tb::TEdit(central);
    box->move(0, 0);
    next->move(0, 40);
    int exits = 0;
    box->OnExit = [&exits] {
        ++exits;
        throw tb::InOutError("Disk full");
    };
    Activate(&form);
    box->setFocus();
    Tab();
    EXPECT_EQ(exits, 1);
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Error);
    EXPECT_EQ(Shown()[0], "Disk full");
    EXPECT_EQ(QApplication::focusWidget(), next);
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

TEST_F(FormPatternTest, TwoChoiceDialogAnswers) {
    struct Case {
        const char* name;
        int expected;
    };
    for (Case c :
         {Case{"Button1", 1}, Case{"Button2", 2}, Case{"CancelButton", -1}, Case{"close", 2}}) {
        tb::TTwoChoiceDlg dialog;
        dialog.setWindowTitle("Printer or File");
        dialog.MemoField->setPlainText("Output handicap list to the printer or to a file?");
        dialog.Button1->setText("Printer");
        dialog.Button2->setText("File");
        QTimer::singleShot(0, &dialog, [&dialog, c] {
            const std::string name = c.name;
            if (name == "Button1")
                dialog.Button1->click();
            else if (name == "Button2")
                dialog.Button2->click();
            else if (name == "CancelButton")
                dialog.CancelButton->click();
            else
                dialog.reject(); // the title bar's close box
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

} // namespace
} // namespace tbtest
