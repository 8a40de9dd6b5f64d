#pragma once
// The golfer list: the window from which every activity on one golfer
// starts. It lists the golfers by long name; "Add a Score" opens the score
// form for the chosen golfer and, when the round is accepted, appends it to
// the golfer's score file. A new window is made for each "Enter Scores".

#include "data/Records.h"
#include "data/Store.h"
#include "handicap/HandicapIndex.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <QPointer>

#include <filesystem>

class QAction;
class QListWidget;

namespace tb {

class TGPickForm : public TbForm {
    Q_OBJECT
public:
    explicit TGPickForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "GolferListWindow.html"; }

    QListWidget* GolferListBox;
    TButton* AddAScoreButton;
    TButton* AddGroupButton;
    TButton* EditScoresButton;
    TButton* IndexButton;
    TButton* HandicapButton;
    TButton* PrintScoresButton;
    TButton* PrintHandicapButton;
    TButton* ExitButton;
    QAction* Exit1;
    QAction* AddaScore1;
    QAction* AddaGroupofScores1;
    QAction* EditViewScores1;
    QAction* CalculateIndex1;
    QAction* WhsIndex1;
    QAction* CalculateHandicap1;
    QAction* PrintScores1;
    QAction* PrintHandicaps1;
    QAction* Progress1;

    void AddAScoreButtonClick();
    void AddGroupButtonClick();
    void EditScoresButtonClick();
    void IndexButtonClick();
    void WhsIndex1Click();
    void HandicapButtonClick();
    void PrintScoresButtonClick();
    void PrintHandicapButtonClick();
    void Progress1Click();
    void ExitButtonClick();

    // What the window works on, for those who look in.
    char Mode() const { return mode_; }
    int CurrentGolfer() const { return currentGolfer_; }
    const GolferList& Golfers() const { return golfers_; }

    // The program may end unless a round opened here is still being typed.
    bool QueryEnd() override;
    // The score form, while it holds a round typed here for `shortName`.
    TbForm* HoldsScoresOf(const std::string& shortName) override;

protected:
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    void FormCreate();
    // Stores the round the score form accepted in the golfer's file.
    void StoreRound();
    // The selected golfer becomes the current one: the golfer, or null with
    // no golfer to act on.
    const GolferRec* ChooseGolfer();
    // Starts the activity `mode` for the selected golfer: the golfer, or
    // null with no golfer to act on.
    const GolferRec* StartActivity(char mode);
    // The selected golfer's list position (1-based), or 0 with no golfer.
    int SelectedGolfer() const;
    // The golfer's score file, newest first.
    ScoreList LoadAndSortScores(const GolferRec& golfer);
    static IndexInput IndexInputFor(const GolferRec& golfer);

    GolferList golfers_;
    // The round being added: the scores it goes into, read when the score
    // form was opened, and the short name whose score file they came from.
    ScoreList scores_;
    std::string scoresOf_;
    int currentGolfer_ = 0;      // 1-based; 0 until a golfer has been chosen
    FileVersion golfersVersion_; // golfers.vxc as the list was read
    char mode_ = 'N';
};

// The newest golfer list window.
extern QPointer<TGPickForm> GPickForm;

} // namespace tb
