#pragma once
// Golfer maintenance: adds, changes and deletes golfers through the golfer
// name dialog and writes the list to "golfers.vxc" on Save. The golfer's
// score file follows at once: created when an added golfer is accepted,
// renamed with a changed short name, deleted with the golfer. Each window
// keeps its own list.

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

    GolferList golfers_;
    int currentGolfer_ = 0;
    GolferRec editing_; // the golfer as it was handed to the dialog
};

// The newest golfer maintenance window.
extern QPointer<TGMaintForm> GMaintForm;

} // namespace tb
