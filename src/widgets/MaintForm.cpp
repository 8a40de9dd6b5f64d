#include "widgets/MaintForm.h"

#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"

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
    // One line of one font each: the list need not measure every name.
    list_->setUniformItemSizes(true);
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
    Bind(&TMaintForm::AddButtonClick, AddButton, addItem_);
    Bind(&TMaintForm::ModifyButtonClick, ModifyButton, modifyItem_, list_);
    Bind(&TMaintForm::DeleteButtonClick, DeleteButton, deleteItem_);
    Bind(&TMaintForm::SaveButtonClick, SaveButton, Save1);
    Bind(&TMaintForm::ExitButtonClick, ExitButton, Exit1);
    UsePlacement(texts.placementSection, texts.placement);
}

void TMaintForm::SetModified(bool modified) {
    modified_ = modified;
    SaveButton->setEnabled(modified);
}

bool TMaintForm::ConfirmLeave() {
    if (!modified_) return true;
    switch (Dialogs::ConfirmCancel(this, texts_.saveQuestion)) {
    case Dialogs::Answer::Yes:
        // A failed save stops here and the window stays; so does a save the
        // user declined.
        SaveButtonClick();
        return !modified_;
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

bool MayDropUnreadLines(QWidget* parent, const std::string& fileName, int unread,
                        const char* itemsNoun, int maxItems) {
    if (unread <= 0) return true;
    const std::string question = fileName + " holds " + std::to_string(unread) + " more " +
                                 itemsNoun + " than were read; saving keeps only the first " +
                                 std::to_string(maxItems) + ". Save anyway?";
    return Dialogs::ConfirmDroppingData(parent, QString::fromStdString(question)) ==
           Dialogs::Answer::Yes;
}

bool TMaintForm::MayDropUnreadLines() {
    return tb::MayDropUnreadLines(this, texts_.fileName, unreadLines_, texts_.itemsNoun,
                                  texts_.maxItems);
}

void TMaintForm::Saved() {
    unreadLines_ = 0;
    SetModified(false);
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

} // namespace tb
