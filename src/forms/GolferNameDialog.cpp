#include "GolferNameDialog.h"

#include "data/ScoreFile.h"
#include "data/ShortNames.h"
#include "data/TextFile.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace tb {

FormRef<TGNameForm> GNameForm;

TGNameForm::TGNameForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Golfer Name");
    setWindowFlags(FixedDialogFlags);
}

void TGNameForm::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label2 = new QLabel("Long Name", central);
    LongName = new TEdit(central);
    LongName->setMaxLength(40);
    LongName->setToolTip("Long name for Golfer");
    // A "~" would split the golfer's line in the golfer list.
    LongName->RefuseUnstorable();
    Label1 = new QLabel("Short Name", central);
    ShortName = new TEdit(central);
    ShortName->setMaxLength(8);
    ShortName->setToolTip("8 character name used for Golfer file");
    ShortName->RefuseUnstorable(true);
    SexRadio = new TRadioGroup(QString(), {"Male", "Female"}, central);
    SexRadio->SetItemIndex(0);
    Label3 = new QLabel("Note: The Short Name is used to name the file that holds the golfer's "
                        "scores.  Each golfer must have a unique Short Name value.",
                        central);
    Label3->setWordWrap(true);
    OKButton = new TButton("OK", central);
    CancelButton = new TButton("Cancel", central);
    OkPressed = new THiddenEdit(central, "0");

    NameByLabel(Label2, LongName);
    NameByLabel(Label1, ShortName);
    SexRadio->setAccessibleName("Sex");

    auto* grid = new QGridLayout(central);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(LongName, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(ShortName, 1, 1);
    grid->addWidget(SexRadio, 0, 2, 2, 1);
    grid->addWidget(Label3, 2, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 260);

    setTabOrder(LongName, ShortName);
    setTabOrder(ShortName, SexRadio->Item(0));
    setTabOrder(SexRadio->Item(0), SexRadio->Item(1));
    setTabOrder(SexRadio->Item(1), OKButton);
    setTabOrder(OKButton, CancelButton);

    LongName->OnExit = [this] { LongNameExit(); };
    ShortName->OnExit = [this] { ShortNameExit(); };
    LongName->OnKeyPress = [this](QKeyEvent* e) { return EnterPressesOK(e); };
    ShortName->OnKeyPress = [this](QKeyEvent* e) { return EnterPressesOK(e); };
    Bind(&TGNameForm::OKButtonClick, OKButton);
    Bind(&TGNameForm::CancelButtonClick, CancelButton);
    FinishFixedDialog(OkPressed, CancelButton);
}

void TGNameForm::OpenToAdd(TbForm* opener) {
    OpenFor(opener, 'A', GolferRec{});
}

void TGNameForm::OpenToChange(TbForm* opener, const GolferRec& golfer) {
    OpenFor(opener, 'E', golfer);
}

void TGNameForm::KeepShortName(const std::string& shortName) {
    ShortName->setText(ToQt(shortName));
}

void TGNameForm::OpenFor(TbForm* opener, char mode, const GolferRec& golfer) {
    EnsureBuilt();
    LongName->setText(ToQt(golfer.LongName));
    ShortName->setText(ToQt(golfer.ShortName));
    SexRadio->SetItemIndex(golfer.Sex);
    Mode = mode;
    ShowAfreshFor(opener);
}

void TGNameForm::FormActivate() {
    FocusControl(LongName);
}

void TGNameForm::LongNameExit() {
    if (!ShortName->text().isEmpty()) return;
    ShortName->setText(ToQt(ProposeShortName(DataDir, ToCore(LongName->text()), Mode == 'A')));
}

void TGNameForm::ShortNameExit() {
    if (LongName->text().isEmpty()) LongName->setText(ShortName->text());
}

bool TGNameForm::EnterPressesOK(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    // As a click on OK would: the box is left first (a long name proposes
    // its short name), then the name is checked.
    LeaveEditedBox();
    OKButtonClick();
    return true;
}

void TGNameForm::OKButtonClick() {
    const std::string shortName = ToCore(ShortName->text());
    if (shortName.empty()) {
        Dialogs::Message(this, "You must enter a value in the short name field.");
        ShortName->setFocus();
        return;
    }
    if (!HasOnlyShortNameChars(shortName)) {
        Dialogs::Message(this, "The short golfer name can only contain the letters A - Z, "
                               "numbers, dashes and underlines.");
        ShortName->setFocus();
        return;
    }
    // A changed short name is taken care of by golfer maintenance, which
    // renames the score file.
    if (Mode == 'A') {
        const std::string fileName = ScoreFileName(shortName);
        if (!ScoreFileExists(DataDir, shortName)) {
            CreateEmptyFile(std::filesystem::path(DataDir) / fileName);
        } else if (Dialogs::ConfirmWarning(
                       this, ToQt("A golfer score file with the same name \"" + fileName +
                                  "\" already exists.  Use it for this golfer?")) !=
                   Dialogs::Answer::Yes) {
            ShortName->setFocus();
            return;
        }
    }
    OkPressed->setText("1");
    HideToOpener();
}

void TGNameForm::CancelButtonClick() {
    OkPressed->setText("0");
    HideToOpener();
}

bool TGNameForm::FormCloseQuery() {
    // The title bar's close box acts as Cancel; the dialog lives on.
    CancelButtonClick();
    return false;
}

} // namespace tb
