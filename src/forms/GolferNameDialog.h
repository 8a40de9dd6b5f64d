#pragma once
// The golfer name dialog: a golfer's long name, short name and sex. It
// proposes a short name from the long name, checks the short name on OK and,
// for a golfer being added, creates the empty score file. Golfer maintenance
// opens it through OpenToAdd or OpenToChange; the dialog reports through
// OkPressed and hands back to its opener, whose FormActivate takes the values.

#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/TbForm.h"

class QKeyEvent;
class QLabel;

namespace tb {

class TGNameForm : public TbForm {
    Q_OBJECT
public:
    explicit TGNameForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "GolferNameDialog.html"; }

    // 'A' adding a golfer, 'E' changing one; set by the entry points.
    char Mode = 'A';

    TEdit* LongName = nullptr;
    TEdit* ShortName = nullptr;
    TRadioGroup* SexRadio = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    THiddenEdit* OkPressed = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // The ways into the dialog. Each clears a result it may still hold for
    // another opener and shows it for `opener`.
    //
    // A golfer to add: empty names, male.
    void OpenToAdd(TbForm* opener);
    // The golfer `golfer`, to be changed.
    void OpenToChange(TbForm* opener, const GolferRec& golfer);

    // The golfer's score file could not be renamed: the dialog's short name
    // goes back to the one the golfer keeps.
    void KeepShortName(const std::string& shortName);

    void LongNameExit();
    void ShortNameExit();
    void OKButtonClick();
    void CancelButtonClick();
    // Enter in a name box presses OK.
    bool EnterPressesOK(QKeyEvent* event);

protected:
    void BuildControls() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    // Fills the dialog for `mode` and shows it for `opener`.
    void OpenFor(TbForm* opener, char mode, const GolferRec& golfer);
};

extern FormRef<TGNameForm> GNameForm;

} // namespace tb
