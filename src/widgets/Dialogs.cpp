#include "widgets/Dialogs.h"

#include "widgets/Latin1.h"
#include "widgets/Placement.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <set>

namespace tb {
namespace Dialogs {

namespace {
bool scripted = false;
TwoChoiceAsker twoChoiceAsker = nullptr;
std::deque<Answer> answers;
std::deque<PrintSetup> printSetups;
std::vector<Shown> shown;

// In a script: record the dialog and take the next answer. Questions with no
// queued answer are answered with the most cautious choice.
Answer Scripted(Kind kind, const QString& text, Answer fallback) {
    shown.push_back({kind, text});
    if (answers.empty()) return fallback;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

// The program's title, on the boxes that have no title of their own: its
// short name, since a box is as wide as its text and a short message's box
// would cut the main window's long caption.
QString Title() {
    return "Tarnbeck";
}

Answer FromButton(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

Answer Box(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
           QMessageBox::StandardButton byDefault = QMessageBox::NoButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setEscapeButton(escape);
    if (byDefault != QMessageBox::NoButton) box.setDefaultButton(byDefault);
    return FromButton(static_cast<QMessageBox::StandardButton>(box.exec()));
}
} // namespace

void Message(QWidget* parent, const QString& text) {
    if (scripted) return void(Scripted(Kind::Message, text, Answer::Ok));
    Box(QMessageBox::NoIcon, parent, Title(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void Warning(QWidget* parent, const QString& text) {
    if (scripted) return void(Scripted(Kind::Warning, text, Answer::Ok));
    Box(QMessageBox::Warning, parent, "Warning", text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer Confirm(QWidget* parent, const QString& text) {
    if (scripted) return Scripted(Kind::Confirm, text, Answer::No);
    return Box(QMessageBox::Question, parent, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No);
}

Answer ConfirmWarning(QWidget* parent, const QString& text) {
    if (scripted) return Scripted(Kind::ConfirmWarning, text, Answer::No);
    return Box(QMessageBox::Warning, parent, "Warning", text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No);
}

Answer ConfirmDroppingData(QWidget* parent, const QString& text) {
    if (scripted) return Scripted(Kind::ConfirmWarning, text, Answer::No);
    return Box(QMessageBox::Warning, parent, "Warning", text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, QMessageBox::No);
}

Answer ConfirmCancel(QWidget* parent, const QString& text) {
    if (scripted) return Scripted(Kind::ConfirmCancel, text, Answer::Cancel);
    return Box(QMessageBox::Question, parent, "Confirm", text,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

Answer ResolveOutsideChange(QWidget* parent, const QString& text) {
    if (scripted) return Scripted(Kind::OutsideChange, text, Answer::Cancel);
    QMessageBox box(QMessageBox::Warning, "Warning",
                    text + "\n\nKeep Both applies this window's changes to the file as it is "
                           "now.  Replace writes this window's list over it.  Cancel writes "
                           "nothing.",
                    QMessageBox::NoButton, parent);
    QPushButton* keepBoth = box.addButton("&Keep Both", QMessageBox::AcceptRole);
    QPushButton* replace = box.addButton("&Replace", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keepBoth);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == keepBoth) return Answer::Button1;
    if (box.clickedButton() == replace) return Answer::Button2;
    return Answer::Cancel;
}

void Error(QWidget* parent, const QString& text) {
    if (scripted) return void(Scripted(Kind::Error, text, Answer::Ok));
    Box(QMessageBox::Critical, parent, "Error", text, QMessageBox::Ok, QMessageBox::Ok);
}

int TwoChoice(QWidget* parent, const QString& caption, const QString& question,
              const QString& button1, const QString& button2) {
    if (scripted) {
        Answer answer = Scripted(Kind::TwoChoice, question, Answer::Cancel);
        return answer == Answer::Button1 ? 1 : answer == Answer::Button2 ? 2 : -1;
    }
    return twoChoiceAsker ? twoChoiceAsker(parent, caption, question, button1, button2) : -1;
}

void SetTwoChoiceAsker(TwoChoiceAsker asker) {
    twoChoiceAsker = asker;
}

void ShowModal(QDialog& dialog) {
    if (scripted) return void(Scripted(Kind::Modal, dialog.windowTitle(), Answer::Ok));
    CentreWhenShown(&dialog);
    dialog.exec();
}

bool ChoosePrinter(PrintSetup& setup, const std::function<bool(PrintSetup&)>& showDialog) {
    if (!scripted) return showDialog(setup);
    if (Scripted(Kind::Print, PrintSetupText(setup), Answer::Ok) != Answer::Ok) return false;
    if (!printSetups.empty()) {
        setup = printSetups.front();
        printSetups.pop_front();
    }
    return true;
}

QString PrintSetupText(const PrintSetup& setup) {
    return (setup.printer.isEmpty() ? QString("PDF file") : setup.printer) + ", paper " +
           QString::number(setup.paperSize) + (setup.landscape ? ", landscape" : ", portrait");
}

void QueuePrintSetup(const PrintSetup& setup) {
    printSetups.push_back(setup);
}

QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter) {
    if (scripted)
        return Scripted(Kind::SaveFile, proposed, Answer::Ok) == Answer::Ok ? proposed : QString();
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void StartScript() {
    scripted = true;
    answers.clear();
    printSetups.clear();
    shown.clear();
}
void QueueAnswer(Answer answer) {
    answers.push_back(answer);
}
const std::vector<Shown>& ShownDialogs() {
    return shown;
}
std::vector<QString> ShownTexts() {
    std::vector<QString> texts;
    for (const Shown& s : shown)
        texts.push_back(s.text);
    return texts;
}
void ClearShown() {
    shown.clear();
    answers.clear();
}

} // namespace Dialogs

namespace {
std::set<std::string>& PartlyReadShown() {
    static std::set<std::string> shown;
    return shown;
}
} // namespace

void MessageNotifier::Message(const std::string& text) {
    Dialogs::Message(parent_, ToQt(text));
}

void MessageNotifier::PartlyRead(const std::string& text) {
    // The text names the file, so one text stands for one file.
    if (PartlyReadShown().insert(text).second) Message(text);
}

void MessageNotifier::ForgetPartlyReadFiles() {
    PartlyReadShown().clear();
}
} // namespace tb
