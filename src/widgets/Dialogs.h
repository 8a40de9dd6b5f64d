#pragma once
// Every message box, the two-choice question and the print dialog go through
// here. The program shows real dialogs; tests switch to a script that records
// what would have been shown and answers from a queue.

#include "data/Notifier.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QWidget;
class QDialog;

namespace tb {
namespace Dialogs {

enum class Kind {
    Message,
    Warning,
    Confirm,
    ConfirmWarning,
    ConfirmCancel,
    Error,
    TwoChoice,
    Modal,
    Print,
    SaveFile,
    OutsideChange
};
enum class Answer { Ok, Yes, No, Cancel, Button1, Button2 };

// A plain message with an OK button.
void Message(QWidget* parent, const QString& text);
// A warning with an OK button.
void Warning(QWidget* parent, const QString& text);
// A question with Yes and No; gives Yes or No.
Answer Confirm(QWidget* parent, const QString& text);
// A warning-style question with Yes and No (the existing score file question).
Answer ConfirmWarning(QWidget* parent, const QString& text);
// A warning-style question whose Yes loses data: No is the default button.
Answer ConfirmDroppingData(QWidget* parent, const QString& text);
// A question with Yes, No and Cancel.
Answer ConfirmCancel(QWidget* parent, const QString& text);
// A data file changed outside the window since it read it: Button1 keeps
// both (the default), Button2 replaces the file with the window's list,
// Cancel writes nothing.
Answer ResolveOutsideChange(QWidget* parent, const QString& text);
// The general error handler's box.
void Error(QWidget* parent, const QString& text);
// The two-choice dialog: 1, 2, or -1 for Cancel.
int TwoChoice(QWidget* parent, const QString& caption, const QString& question,
              const QString& button1, const QString& button2);
// The window that asks the two-choice question; the program registers it
// at start-up.
using TwoChoiceAsker = int (*)(QWidget* parent, const QString& caption, const QString& question,
                               const QString& button1, const QString& button2);
void SetTwoChoiceAsker(TwoChoiceAsker asker);
// Shows a modal dialog (the about box) centred on the screen and waits
// until it is closed.
void ShowModal(QDialog& dialog);
// What the print dialog proposes, and what the user chose in it.
struct PrintSetup {
    QString printer;    // empty: a PDF file in the data folder
    int paperSize = -1; // a QPageSize::PageSizeId; -1: the printer's own
    bool landscape = false;
    bool operator==(const PrintSetup&) const = default;
};
// The platform's print dialog, which `showDialog` shows (it lives with the
// printing code) proposing `setup` and writing the user's choice into it;
// false when cancelled. In a script the proposal is recorded as
// PrintSetupText and the choice is the one queued by QueuePrintSetup, else
// the proposal.
bool ChoosePrinter(PrintSetup& setup, const std::function<bool(PrintSetup&)>& showDialog);
QString PrintSetupText(const PrintSetup& setup);
// The platform's dialog for the file to save to, proposing `proposed` (a
// path); empty when cancelled. In a script, Ok takes the proposed path.
QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter);

// What the script saw.
struct Shown {
    Kind kind;
    QString text;
};

// Test script: from now on no real dialog is shown; each one is recorded and
// answered from the queue (Ok for plain boxes when the queue is empty).
void StartScript();
void QueueAnswer(Answer answer);
// The choice the next print dialog gives, when it is answered with Ok.
void QueuePrintSetup(const PrintSetup& setup);
const std::vector<Shown>& ShownDialogs();
// Texts only, in order; handy for assertions.
std::vector<QString> ShownTexts();
void ClearShown();

} // namespace Dialogs

// Sends the file routines' messages to plain message boxes over `parent`.
// That a file was read only in part is said once per file in a run: the
// lists are read again at every activation, and the user knows by then.
class MessageNotifier : public Notifier {
public:
    explicit MessageNotifier(QWidget* parent) : parent_(parent) {}
    void Message(const std::string& text) override;
    void PartlyRead(const std::string& text) override;
    // A new run, as far as those messages go (tests start one per case).
    static void ForgetPartlyReadFiles();

private:
    QWidget* parent_;
};

} // namespace tb
