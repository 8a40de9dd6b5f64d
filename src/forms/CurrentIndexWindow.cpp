#include "CurrentIndexWindow.h"

#include "widgets/Latin1.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tb {

TIndexForm::TIndexForm(QWidget* parent) : TbForm(parent) {
    HandBackWhenClosed();
    setWindowTitle("Current Index");
    setWindowFlags(FixedDialogFlags);
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // The lines on a white framed panel, in a fixed-pitch font: the lines
    // line their numbers up with spaces.
    auto* panel = new QFrame(central);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    panel->setPalette(white);
    // Set once on the panel: every line takes it from there.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    panel->setFont(fixed);
    auto* lines = new QVBoxLayout(panel);
    lines->setSpacing(0);
    for (QLineEdit*& field : Field) {
        field = new QLineEdit(panel);
        field->setFrame(false);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        lines->addWidget(field);
    }

    // Room for the longest line, 80 characters.
    panel->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(82, '0')));

    OkButton = new TButton("OK", central);
    CancelButton = new TButton("Cancel", central);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(panel);
    layout->addLayout(buttons);

    Bind(&TIndexForm::OkButtonClick, OkButton);
    Bind(&TIndexForm::CancelButtonClick, CancelButton);
    MakeFixedSize();
    SetCancelButton(CancelButton);
    CentreOnScreen();
}

void TIndexForm::ShowDetails(const IndexDetails& details) {
    for (std::size_t i = 0; i < Field.size(); ++i)
        Field[i]->setText(ToQt(details[i]));
}

void TIndexForm::OkButtonClick() {
    close();
}

void TIndexForm::CancelButtonClick() {
    close();
}

} // namespace tb
