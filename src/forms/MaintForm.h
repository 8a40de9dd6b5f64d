#pragma once
// What golfer maintenance and course maintenance share: a list edited in
// memory, a Save button enabled exactly while there are unsaved changes, and
// Exit (or the title bar's close box) asking whether to save them first.

#include "Controls.h"
#include "TbForm.h"

namespace tb {

class TMaintForm : public TbForm {
    Q_OBJECT
public:
    TButton* SaveButton = nullptr; // made by the window itself

    virtual void SaveButtonClick() = 0;
    // Asks about unsaved changes, then closes the window.
    void ExitButtonClick();
    bool Modified() const { return modified_; }

protected:
    // `placementSection` names the window's section of the settings file;
    // `saveQuestion` is asked at Exit while changes are unsaved.
    TMaintForm(const char* placementSection, const char* saveQuestion, QWidget* parent);

    void SetModified(bool modified);
    void FormResize() override;
    bool FormCloseQuery() override;

private:
    // False when the user cancels.
    bool ConfirmLeave();

    const char* placementSection_;
    const char* saveQuestion_;
    bool modified_ = false;
    bool closing_ = false;
};

} // namespace tb
