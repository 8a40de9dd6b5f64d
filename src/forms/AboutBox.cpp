#include "AboutBox.h"

#include "MainWindow.h"
#include "widgets/Dialogs.h"
#include "widgets/TbForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tb {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About");
    setWindowFlags(FixedDialogFlags);
    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap(":/tarnbeck.png"));
    ProductName = new QLabel("Tarnbeck for Windows", this);
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel("Version", this);
    VersionField = new QLineEdit(this);
    VersionField->setReadOnly(true);
    VersionField->setFrame(false);
    VersionField->setFocusPolicy(Qt::NoFocus);
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 2, 1);
    layout->addWidget(ProductName, 0, 1);
    layout->addWidget(Version, 1, 1);
    layout->addWidget(VersionField, 2, 1);
    layout->addWidget(OKButton, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::FormActivate() {
    QString version = MainForm ? MainForm->VersionText : QString();
    QString date = MainForm ? MainForm->ReleaseDateText : QString();
    VersionField->setText(version.left(33) + " - " + date.left(63));
    OKButton->setFocus();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    box.FormActivate();
    Dialogs::ShowModal(box);
}

} // namespace tb
