#include "GolferMaintenanceWindow.h"

#include "GolferNameDialog.h"
#include "data/ScoreFile.h"
#include "data/ShortNames.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"
#include "widgets/Placement.h"
#include "widgets/SaveCheck.h"

#include <QAction>
#include <QListWidget>

#include <algorithm>

namespace tb {

QPointer<TGMaintForm> GMaintForm;

TGMaintForm::TGMaintForm(QWidget* parent)
    : TMaintForm({"Golfer Maintenance",
                  "GMaintForm",
                  {383, 122, 115, 552},
                  "Save changes made to golfers?",
                  "&Add Golfer",
                  "&Modify Golfer",
                  "&Delete Golfer",
                  true,
                  GolferFileName,
                  "golfers",
                  MaxGolfers},
                 parent) {
    GolferListBox = List();
    GolferListBox->setAccessibleName("Golfers");
    AddGolfer1 = AddItem();
    ModifyGolfer1 = ModifyItem();
    DeleteGolfer1 = DeleteItem();
    FormCreate();
}

void TGMaintForm::FormCreate() {
    MessageNotifier notifier(this);
    SetUnreadLines(LoadGolfers(DataDir, golfers_, notifier, &readVersion_));
    read_ = golfers_;
    SortGolfers(golfers_);
    FillListBox();
    SetModified(false);
}

void TGMaintForm::FillListBox() {
    ShowLines(GolferListBox, TextsOf(golfers_, &GolferRec::LongName));
}

void TGMaintForm::FormActivate() {
    TakeOverGolfer();
    SortGolfers(golfers_);
    FillListBox();
    // The selection follows the position, not the golfer, which may have
    // moved in the sorted order.
    GolferListBox->setCurrentRow(currentGolfer_ > 0 ? currentGolfer_ - 1 : 0);
}

void TGMaintForm::TakeOverGolfer() {
    // The dialog serves every maintenance window; only the one that opened
    // it takes its result.
    if (!TakeResultFrom(GNameForm.Get())) return;
    if (currentGolfer_ > 0 && !FindEditedGolfer()) return;
    if (currentGolfer_ == 0) {
        golfers_.emplace_back();
        currentGolfer_ = static_cast<int>(golfers_.size());
    } else {
        const std::string oldShortName = golfers_[currentGolfer_ - 1].ShortName;
        const std::string newShortName = ToCore(GNameForm->ShortName->text());
        if (newShortName != oldShortName) {
            if (MayRename(oldShortName, newShortName))
                fileChanges_.AddRename(oldShortName, newShortName);
            else
                GNameForm->KeepShortName(oldShortName);
        }
    }
    GolferRec& golfer = golfers_[currentGolfer_ - 1];
    golfer.LongName = ToCore(GNameForm->LongName->text());
    golfer.ShortName = ToCore(GNameForm->ShortName->text());
    golfer.Sex = GNameForm->SexRadio->ItemIndex();
    SetModified(true);
}

bool TGMaintForm::MayRename(const std::string& oldShortName, const std::string& newShortName) {
    const std::string onDisk = fileChanges_.NameOnDisk(oldShortName);
    if (ScoresOpenElsewhere(this, onDisk)) return false;
    // The new name must be free on disk and not promised to another golfer
    // by a rename still to be made.
    if (CanRenameScoreFile(DataDir, onDisk, newShortName) &&
        fileChanges_.NameOnDisk(newShortName) == newShortName)
        return true;
    Dialogs::Message(this, "ERROR: Unable to rename golfer file!  Try a different name.");
    return false;
}

bool TGMaintForm::FindEditedGolfer() {
    // Golfers deleted while the dialog was open move the golfer being changed
    // up the list; one deleted itself has nothing left to change.
    const auto at = static_cast<std::size_t>(currentGolfer_ - 1);
    if (at < golfers_.size() && golfers_[at] == editing_) return true;
    auto found = std::find(golfers_.begin(), golfers_.end(), editing_);
    if (found == golfers_.end()) return false;
    currentGolfer_ = static_cast<int>(found - golfers_.begin()) + 1;
    return true;
}

void TGMaintForm::AddButtonClick() {
    if (static_cast<int>(golfers_.size()) >= MaxGolfers) {
        Dialogs::Warning(this, "You have reached the maximum allowed number of golfers.  If "
                               "possible, delete some golfers that are inactive.  Then, you "
                               "can enter more new ones.");
        return;
    }
    currentGolfer_ = 0;
    GNameForm->OpenToAdd(this);
}

void TGMaintForm::ModifyButtonClick() {
    const int row = GolferListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(golfers_.size())) return;
    currentGolfer_ = row + 1;
    editing_ = golfers_[row];
    GNameForm->OpenToChange(this, editing_);
}

void TGMaintForm::DeleteButtonClick() {
    const int row = GolferListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(golfers_.size())) return;
    const std::string shortName = golfers_[row].ShortName;
    const std::string fileName = ScoreFileName(shortName);
    if (ScoresOpenElsewhere(this, fileChanges_.NameOnDisk(shortName))) return;
    if (Dialogs::Confirm(this,
                         ToQt("Are you sure you want to delete this golfer along with score file "
                              "\"" +
                              fileName + "\"?")) != Dialogs::Answer::Yes)
        return;
    // The file goes when the list is saved without the golfer.
    fileChanges_.AddDeletion(shortName);
    golfers_.erase(golfers_.begin() + row);
    delete GolferListBox->takeItem(row);
    SetModified(true);
    GolferListBox->setCurrentRow(std::min(row, GolferListBox->count() - 1));
}

GolferList TGMaintForm::ReadGolfersNow() {
    GolferList now;
    MessageNotifier notifier(this);
    LoadGolfers(DataDir, now, notifier);
    return now;
}

void TGMaintForm::SaveButtonClick() {
    for (const ScoreFileChanges::Rename& rename : fileChanges_.renames)
        if (ScoresOpenElsewhere(this, rename.from)) return;
    for (const std::string& shortName : fileChanges_.deletions)
        if (ScoresOpenElsewhere(this, shortName)) return;
    if (!MayDropUnreadLines()) return;
    const std::filesystem::path file = std::filesystem::path(DataDir) / GolferFileName;
    GolferList toSave = golfers_;
    if (CheckBeforeSave<GolferRec>(this, file, readVersion_, read_, toSave, GolfersKind,
                                   [this] { return ReadGolfersNow(); }) == SaveDecision::Stop)
        return;
    SortGolfers(toSave);
    SaveGolfersWithFiles(DataDir, toSave, fileChanges_);
    fileChanges_ = {};
    golfers_ = std::move(toSave);
    read_ = golfers_;
    readVersion_ = VersionOnDisk(file);
    Saved();
    const int row = GolferListBox->currentRow();
    FillListBox();
    GolferListBox->setCurrentRow(std::min(row, GolferListBox->count() - 1));
}

} // namespace tb
