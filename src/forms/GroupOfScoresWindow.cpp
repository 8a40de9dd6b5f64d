#include "GroupOfScoresWindow.h"

#include "GolferScoresWindow.h"
#include "ScoreForm.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "handicap/HandicapIndex.h"
#include "widgets/Dialogs.h"
#include "widgets/GolferPicker.h"
#include "widgets/Latin1.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>

namespace tb {

TGroupOfScoresForm::TGroupOfScoresForm(QWidget* parent) : TbForm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Add A Group Of Scores");
    auto* central = new QWidget(this);
    setCentralWidget(central);

    AddAScoreButton = new TButton("Add a Score", central);
    ExitButton = new TButton("Exit", central);
    GolferListBox = MakeListBesideButtons(central, {AddAScoreButton, ExitButton});

    QMenu* file = menuBar()->addMenu("&File");
    Exit1 = file->addAction("&Exit");
    QMenu* activities = menuBar()->addMenu("&Activities");
    AddaScore1 = activities->addAction("&Add a Score");

    Bind(&TGroupOfScoresForm::AddAScoreButtonClick, AddAScoreButton, AddaScore1, GolferListBox);
    Bind(&TGroupOfScoresForm::ExitButtonClick, ExitButton, Exit1);
    FormCreate();
}

void TGroupOfScoresForm::FormCreate() {
    UsePlacement("GroupOfScoresForm", {383, 116, 112, 547});
    LoadGolfersInto(golfers_, GolferListBox, this, golfersVersion_);
    mode_ = 'N';
    groupCount_ = 0;
}

void TGroupOfScoresForm::AddAScoreButtonClick() {
    const int row = GolferListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(golfers_.size())) return; // no golfer
    // A round being typed is finished first, not written over.
    if (ScoreForm->HoldsRoundFor()) {
        ScoreForm->BringForward();
        return;
    }
    const GolferRec& golfer = golfers_[row];
    if (GolferForm->TakesRoundsFor(golfer)) return;
    currentGolfer_ = row + 1;
    // The golfer's file was made with the golfer: a missing one is an
    // input/output error, which stops here.
    ScoreList scores;
    scores.reserve(MaxScores);
    MessageNotifier notifier(this);
    LoadGolferScoresNewestFirst(DataDir, golfer.ShortName.str(), scores, notifier, GroupRead);
    if (static_cast<int>(scores.size()) >= MaxScores) {
        WarnMaximumScores(this);
        return;
    }
    scores_ = std::move(scores);
    scoresOf_ = golfer.ShortName.str();
    mode_ = 'A';
    // Every round of the group starts with empty holes; the first also
    // with today's date and no course.
    const auto turn =
        groupCount_ == 0 ? TScoreForm::GroupTurn::First : TScoreForm::GroupTurn::Later;
    ++groupCount_; // counted whether or not the round is accepted
    // The index every other window shows for the golfer.
    const IndexResult index =
        ComputeIndex(scores_, {std::to_string(golfer.Sex), golfer.LongName.str()});
    ScoreForm->OpenForGroup(this, ToQt(golfer.LongName), ToQt(FormatIndex(index.index, 4)), turn);
}

void TGroupOfScoresForm::FormActivate() {
    if (mode_ == 'A' && TakeResultFrom(ScoreForm.Get()))
        ScoreForm->StoreRoundFor(this, scoresOf_, scores_, GroupRead);
    ReloadGolfersIfChanged(golfers_, GolferListBox, this, golfersVersion_, currentGolfer_);
    if (GolferListBox->count() > 0)
        GolferListBox->setCurrentRow(currentGolfer_ > 0 ? currentGolfer_ - 1 : 0);
}

bool TGroupOfScoresForm::FormCloseQuery() {
    return !ScoreForm || !ScoreForm->KeepsOpenerOpen(this);
}

bool TGroupOfScoresForm::QueryEnd() {
    return FormCloseQuery();
}

void TGroupOfScoresForm::ExitButtonClick() {
    close();
}

TbForm* TGroupOfScoresForm::HoldsScoresOf(const std::string& shortName) {
    if (!ScoreForm || !ScoreForm->HoldsRoundFor(this)) return nullptr;
    TScoreForm* holder = ScoreForm.Get();
    return UpperAscii(scoresOf_) == UpperAscii(shortName) ? holder : nullptr;
}

} // namespace tb
