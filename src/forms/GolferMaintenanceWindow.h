#pragma once
// Golfer maintenance: adds, changes and deletes golfers through the golfer
// name dialog and writes the list to "golfers.vxc" on Save. An added
// golfer's score file is made when the golfer is accepted; a changed short
// name renames its golfer's file, and a deleted golfer's file goes, when the
// list is saved. Each window keeps its own list; a save applies it to the
// file as it is then (see SaveCheck.h).

#include "data/GolferFile.h"
#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/MaintForm.h"

#include <QPointer>

class QAction;
class QListWidget;

namespace tb {

class TGMaintForm : public TMaintForm {
    Q_OBJECT
public:
    explicit TGMaintForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "GolferMaintenanceWindow.html"; }

    QListWidget* GolferListBox;
    QAction* AddGolfer1;
    QAction* ModifyGolfer1;
    QAction* DeleteGolfer1;

    void AddButtonClick() override;
    void ModifyButtonClick() override;
    void DeleteButtonClick() override;
    void SaveButtonClick() override;

    const GolferList& Golfers() const { return golfers_; }
    // 1-based; 0 while a golfer is being added.
    int CurrentGolfer() const { return currentGolfer_; }

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void FillListBox();
    // Takes over the golfer the name dialog accepted for this window.
    void TakeOverGolfer();
    // Makes the current position that of the golfer being changed; false
    // when that golfer is no longer in the list.
    bool FindEditedGolfer();
    // Whether the golfer's score file may take the short name `newShortName`
    // at the next save; the user has been told when not.
    bool MayRename(const std::string& oldShortName, const std::string& newShortName);
    GolferList ReadGolfersNow();

    GolferList golfers_;
    GolferList read_;              // the list as read, which a save compares the file with
    FileVersion readVersion_;      // the file's version then
    ScoreFileChanges fileChanges_; // made with the next save
    int currentGolfer_ = 0;
    GolferRec editing_; // the golfer as it was handed to the dialog
};

// The newest golfer maintenance window.
extern QPointer<TGMaintForm> GMaintForm;

} // namespace tb
