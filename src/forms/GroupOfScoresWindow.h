#pragma once
// Scores for several golfers who played together: the user picks a golfer,
// enters the round on the score form, picks the next golfer, and so on. The
// first round starts from a fresh score form; the later ones keep the course
// and the date the score form still shows. Each accepted round is written to
// its golfer's score file at once. A new window is made for each group.

#include "data/Records.h"
#include "data/Store.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QAction;
class QListWidget;

namespace tb {

class TGroupOfScoresForm : public TbForm {
    Q_OBJECT
public:
    explicit TGroupOfScoresForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "GroupOfScoresWindow.html"; }

    QListWidget* GolferListBox;
    TButton* AddAScoreButton;
    TButton* ExitButton;
    QAction* Exit1;
    QAction* AddaScore1;

    void AddAScoreButtonClick();
    void ExitButtonClick();

    // How many times the score form has been opened from this window.
    int GroupCount() const { return groupCount_; }

    // The program may end unless a round opened here is still being typed.
    bool QueryEnd() override;
    // The score form, while it holds a round typed here for `shortName`.
    TbForm* HoldsScoresOf(const std::string& shortName) override;

protected:
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    void FormCreate();

    GolferList golfers_;
    // The round being added: the scores it goes into and whose they are.
    ScoreList scores_;
    std::string scoresOf_;
    int currentGolfer_ = 0;      // 1-based; 0 until a golfer has been chosen
    FileVersion golfersVersion_; // golfers.vxc as the list was read
    char mode_ = 'N';
    int groupCount_ = 0;
};

} // namespace tb
