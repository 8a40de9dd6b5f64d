#include "Tb2choic.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tb {

TTwoChoiceDlg::TTwoChoiceDlg(QWidget* parent) : QDialog(parent) {
    setModal(true);
    MemoField = new QPlainTextEdit(this);
    MemoField->setReadOnly(true);
    MemoField->setFrameStyle(QFrame::NoFrame);
    MemoField->setFocusPolicy(Qt::NoFocus);
    MemoField->setFixedHeight(60);
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
}

int TTwoChoiceDlg::Ask() {
    int result = exec();
    return result == QDialog::Rejected ? 2 : result;
}

} // namespace tb
