#pragma once
// The golfer name dialog: a golfer's long name, short name and sex. It
// proposes a short name from the long name, checks the short name on OK and,
// for a golfer being added, creates the empty score file. Golfer maintenance
// fills it, sets its mode and shows it; the dialog reports through OkPressed
// and hands back to its opener, whose FormActivate takes the values.

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

    // 'A' adding a golfer, 'E' changing one; set by golfer maintenance.
    char Mode = 'A';

    TEdit* LongName;
    TEdit* ShortName;
    TRadioGroup* SexRadio;
    TButton* OKButton;
    TButton* CancelButton;
    THiddenEdit* OkPressed;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

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
};

extern FormRef<TGNameForm> GNameForm;

} // namespace tb
