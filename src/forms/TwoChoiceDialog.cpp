#include "TwoChoiceDialog.h"

#include "widgets/Dialogs.h"
#include "widgets/Placement.h"
#include "widgets/TbForm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tb {

namespace {
int AskTwoChoice(QWidget* parent, const QString& caption, const QString& question,
                 const QString& button1, const QString& button2) {
    TTwoChoiceDlg dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.MemoField->setPlainText(question);
    dialog.MemoField->selectAll();
    dialog.MemoField->setAlignment(Qt::AlignCenter);
    dialog.MemoField->moveCursor(QTextCursor::Start);
    dialog.Button1->setText(button1);
    dialog.Button2->setText(button2);
    return dialog.Ask();
}
} // namespace

void RegisterTwoChoiceDialog() {
    Dialogs::SetTwoChoiceAsker(AskTwoChoice);
}

TTwoChoiceDlg::TTwoChoiceDlg(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowFlags(FixedDialogFlags);
    MemoField = new QTextEdit(this);
    MemoField->setReadOnly(true);
    MemoField->setFrameStyle(QFrame::NoFrame);
    MemoField->setFocusPolicy(Qt::NoFocus);
    MemoField->setFixedSize(320, 60);
    MemoField->viewport()->setAutoFillBackground(false);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    CancelButton = new QPushButton("Cancel", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MemoField);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, CancelButton);

    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(2); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(-1); });
    CentreWhenShown(this);
}

int TTwoChoiceDlg::Ask() {
    const int result = exec();
    return result == QDialog::Rejected ? 2 : result;
}

void TTwoChoiceDlg::keyPressEvent(QKeyEvent* event) {
    // Escape is the Cancel button here, not the title bar's close box.
    if (event->key() == Qt::Key_Escape) {
        CancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tb
