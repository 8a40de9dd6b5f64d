#pragma once
// One golfer's scores, newest first, with the differential of each, the
// current index, and marks for the scores that make the index ("*") and for
// incomplete ones ("I"). Rounds are added and changed through the score form
// and deleted here; Save writes the golfer's score file. Created once at
// start-up; the golfer list fills the hidden boxes and shows it.

#include "data/Records.h"
#include "data/Store.h"
#include "handicap/HandicapIndex.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QAction;
class QLabel;
class QListWidget;

namespace tb {

class TGolferForm : public TbForm {
    Q_OBJECT
public:
    explicit TGolferForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "GolferScoresWindow.html"; }

    QListWidget* ScoresListBox = nullptr;
    TButton* AddButton = nullptr;
    TButton* ModifyButton = nullptr;
    TButton* DeleteButton = nullptr;
    TButton* SaveButton = nullptr;
    TButton* ExitButton = nullptr;
    QLabel* Label1 = nullptr;
    TEdit* GolferName2 = nullptr;
    QLabel* Label2 = nullptr;
    TEdit* IndexField = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    THiddenEdit* GolferName = nullptr; // the score file's name, SMITH.vxp
    THiddenEdit* GolferSex = nullptr;  // "0" male, "1" female
    QAction* Exit1 = nullptr;
    QAction* Index1 = nullptr;
    QAction* WhsIndex1 = nullptr;
    QAction* Handicap1 = nullptr;
    QAction* Progress1 = nullptr;

    // The one way into the window: shows the scores of `golfer` for
    // `opener`, read from the golfer's score file.
    void OpenForGolfer(TbForm* opener, const GolferRec& golfer);

    void AddButtonClick();
    void ModifyButtonClick();
    void DeleteButtonClick();
    void SaveButtonClick();
    void ExitButtonClick();
    void Index1Click();
    void WhsIndex1Click();
    void Handicap1Click();
    void Progress1Click();

    bool ScoresChanged() const { return scoresChanged_; }
    const ScoreList& Scores() const { return scores_; }
    // True while this window shows the scores of the golfer `shortName`.
    bool ShowsGolfer(const std::string& shortName) const;
    // True (after saying so and coming forward) while this window shows the
    // scores of `golfer`: a round for that golfer is added here, or a save
    // from this window would drop it.
    bool TakesRoundsFor(const GolferRec& golfer);
    // Before showing another golfer's scores: false when a round is still
    // open here, or the user keeps the unsaved changes.
    bool MayLeave();

    // Asks about unsaved changes before the program ends.
    bool QueryEnd() override;
    TbForm* HoldsScoresOf(const std::string& shortName) override {
        return ShowsGolfer(shortName) ? this : nullptr;
    }

protected:
    void BuildControls() override;
    void FormShow() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    void FormCreate();
    void SetScoresChanged(bool changed);
    // The golfer's short name: the score file's name without its ".vxp"
    // ending. It may hold a "." itself (J.SMITH reads J.SMITH.vxp).
    std::string ShortName() const;
    // Takes over the round the score form accepted for this window; the
    // list line to select afterwards (1-based), or 0 for the first.
    int TakeOverScore();
    // The index (mode "N"), then the list lines, then the selection.
    void RefreshList(int selectPosition);
    // True (after saying so) while the score form holds a round opened here.
    bool RoundOpen();
    // False when the user cancels, or a save fails; No drops the changes.
    bool ConfirmLeave();
    // Hides the window; the next showing reads the file again.
    void Leave();
    // The selected line's 1-based position, or 0 with none.
    int SelectedPosition() const;
    IndexInput Input() const;
    // The golfer's score file as it is on disk now, for a save that found it
    // changed since it was read.
    ScoreList ReadScoresNow();

    ScoreList scores_;
    // The list as read from the file, and the file's version then: what a
    // save compares the file with.
    ScoreList read_;
    FileVersion readVersion_;
    // The file could not be read: the window does not open, and never saves.
    bool readFailed_ = false;
    bool scoresChanged_ = false;
    int unreadLines_ = 0;
    int pendingScore_ = -1; // -1 none, 0 adding, n > 0 modifying position n
};

// The one golfer scores form, created at start-up.
extern FormRef<TGolferForm> GolferForm;

} // namespace tb
