#include "MaintForm.h"

#include "Dialogs.h"
#include "Placement.h"
#include "Tbmain.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

TMaintForm::TMaintForm(const MaintWindowTexts& texts, QWidget* parent)
    : TbForm(parent), texts_(texts) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts.caption);
    QWidget* central = MakeWhiteCentralWidget();

    list_ = new QListWidget(central);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    AddButton = new TButton("Add", central);
    ModifyButton = new TButton("Modify", central);
    DeleteButton = new TButton("Delete", central);
    SaveButton = new TButton("Save", central);
    ExitButton = new TButton("Exit", central);
    auto* buttons = new QVBoxLayout;
    for (TButton* button : {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    QWidget* order[] = {list_,
                        AddButton,
                        ModifyButton,
                        DeleteButton,
                        texts.exitBeforeSave ? ExitButton : SaveButton,
                        texts.exitBeforeSave ? SaveButton : ExitButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    QMenu* file = menuBar()->addMenu("&File");
    Save1 = file->addAction("&Save");
    Exit1 = file->addAction("&Exit");
    QMenu* edit = menuBar()->addMenu("&Edit");
    addItem_ = edit->addAction(texts.addItem);
    modifyItem_ = edit->addAction(texts.modifyItem);
    deleteItem_ = edit->addAction(texts.deleteItem);

    // Each menu item does what the button of the same name does; a
    // double-click on a line modifies it.
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(addItem_, &QAction::triggered, this, [this] { AddButtonClick(); });
    connect(ModifyButton, &QPushButton::clicked, this, [this] { ModifyButtonClick(); });
    connect(modifyItem_, &QAction::triggered, this, [this] { ModifyButtonClick(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ModifyButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(deleteItem_, &QAction::triggered, this, [this] { DeleteButtonClick(); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { SaveButtonClick(); });
    connect(Save1, &QAction::triggered, this, [this] { SaveButtonClick(); });
    connect(ExitButton, &QPushButton::clicked, this, &TMaintForm::ExitButtonClick);
    connect(Exit1, &QAction::triggered, this, &TMaintForm::ExitButtonClick);
}

void TMaintForm::SetModified(bool modified) {
    modified_ = modified;
    SaveButton->setEnabled(modified);
}

bool TMaintForm::ConfirmLeave() {
    if (!modified_) return true;
    switch (Dialogs::ConfirmCancel(this, texts_.saveQuestion)) {
    case Dialogs::Answer::Yes:
        SaveButtonClick(); // a failed save stops here and the window stays
        return true;
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void TMaintForm::ExitButtonClick() {
    if (!ConfirmLeave()) return;
    closing_ = true;
    close();
}

bool TMaintForm::FormCloseQuery() {
    // The title bar's close box asks about unsaved changes as Exit does.
    return closing_ || ConfirmLeave();
}

void TMaintForm::FormResize() {
    if (MainForm && MainForm->Exiting) return;
    WritePlacement(this, texts_.placementSection);
}

} // namespace tb
