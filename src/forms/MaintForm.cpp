#include "MaintForm.h"

#include "Dialogs.h"
#include "Placement.h"
#include "Tbmain.h"

namespace tb {

TMaintForm::TMaintForm(const char* placementSection, const char* saveQuestion, QWidget* parent)
    : TbForm(parent), placementSection_(placementSection), saveQuestion_(saveQuestion) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void TMaintForm::SetModified(bool modified) {
    modified_ = modified;
    SaveButton->setEnabled(modified);
}

bool TMaintForm::ConfirmLeave() {
    if (!modified_) return true;
    switch (Dialogs::ConfirmCancel(this, saveQuestion_)) {
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
    WritePlacement(this, placementSection_);
}

} // namespace tb
