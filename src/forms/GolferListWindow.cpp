#include "GolferListWindow.h"

#include "CourseHandicapWindow.h"
#include "CurrentIndexWindow.h"
#include "GolferScoresWindow.h"
#include "GroupOfScoresWindow.h"
#include "PrintHandicapsDialog.h"
#include "ScoreForm.h"
#include "WhsIndexWindow.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "handicap/HandicapIndex.h"
#include "print/core/ScoreHistory.h"
#include "widgets/Dialogs.h"
#include "widgets/Extras.h"
#include "widgets/GolferPicker.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>

namespace tb {

QPointer<TGPickForm> GPickForm;

TGPickForm::TGPickForm(QWidget* parent) : TbForm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Golfer List");
    auto* central = new QWidget(this);
    setCentralWidget(central);

    AddAScoreButton = new TButton("Add a Score", central);
    AddGroupButton = new TButton("Add Group of Scores", central);
    EditScoresButton = new TButton("Edit/View Scores", central);
    IndexButton = new TButton("Calculate Index", central);
    HandicapButton = new TButton("Course Handicap", central);
    PrintScoresButton = new TButton("Print Scores", central);
    PrintHandicapButton = new TButton("Print Handicaps", central);
    ExitButton = new TButton("Exit", central);
    GolferListBox = MakeListBesideButtons(
        central, {AddAScoreButton, AddGroupButton, EditScoresButton, IndexButton, HandicapButton,
                  PrintScoresButton, PrintHandicapButton, ExitButton});

    QMenu* file = menuBar()->addMenu("&File");
    Exit1 = file->addAction("&Exit");
    QMenu* activities = menuBar()->addMenu("&Activities");
    AddaScore1 = activities->addAction("&Add a Score");
    AddaGroupofScores1 = activities->addAction("Add a &Group of Scores");
    EditViewScores1 = activities->addAction("&Edit/View Scores");
    activities->addSeparator();
    CalculateIndex1 = activities->addAction("Calculate &Index");
    WhsIndex1 = activities->addAction("&WHS Index...");
    CalculateHandicap1 = activities->addAction("Calculate &Handicap");
    activities->addSeparator();
    PrintScores1 = activities->addAction("Print &Scores");
    PrintHandicaps1 = activities->addAction("Print Ha&ndicaps");
    activities->addSeparator();
    Progress1 = activities->addAction("&Progress...");

    Bind(&TGPickForm::AddAScoreButtonClick, AddAScoreButton, AddaScore1);
    Bind(&TGPickForm::AddGroupButtonClick, AddGroupButton, AddaGroupofScores1);
    Bind(&TGPickForm::EditScoresButtonClick, EditScoresButton, EditViewScores1, GolferListBox);
    Bind(&TGPickForm::IndexButtonClick, IndexButton, CalculateIndex1);
    Bind(&TGPickForm::WhsIndex1Click, nullptr, WhsIndex1);
    Bind(&TGPickForm::HandicapButtonClick, HandicapButton, CalculateHandicap1);
    Bind(&TGPickForm::PrintScoresButtonClick, PrintScoresButton, PrintScores1);
    Bind(&TGPickForm::PrintHandicapButtonClick, PrintHandicapButton, PrintHandicaps1);
    Bind(&TGPickForm::Progress1Click, nullptr, Progress1);
    Bind(&TGPickForm::ExitButtonClick, ExitButton, Exit1);

    FormCreate();
}

void TGPickForm::FormCreate() {
    UsePlacement("GPickForm", {385, 113, 103, 572});
    LoadGolfersInto(golfers_, GolferListBox, this, golfersVersion_);
    mode_ = 'N';
}

int TGPickForm::SelectedGolfer() const {
    const int row = GolferListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(golfers_.size())) return 0;
    return row + 1;
}

ScoreList TGPickForm::LoadAndSortScores(const GolferRec& golfer) {
    // The golfer's file was made with the golfer, so a missing one is an
    // input/output error here, not a message. Each activity gets a list of
    // its own: a round still being typed for one golfer must never be
    // added to a list read for another.
    ScoreList scores;
    scores.reserve(MaxScores);
    MessageNotifier notifier(this);
    LoadGolferScoresNewestFirst(DataDir, golfer.ShortName.str(), scores, notifier, HubRead);
    return scores;
}

IndexInput TGPickForm::IndexInputFor(const GolferRec& golfer) {
    return {std::to_string(golfer.Sex), golfer.LongName.str(), IndexVariant::Hub};
}

const GolferRec* TGPickForm::ChooseGolfer() {
    const int position = SelectedGolfer();
    if (position == 0) return nullptr; // no golfer to act on
    currentGolfer_ = position;
    return &golfers_[position - 1];
}

const GolferRec* TGPickForm::StartActivity(char mode) {
    const GolferRec* golfer = ChooseGolfer();
    if (golfer) mode_ = mode;
    return golfer;
}

void TGPickForm::IndexButtonClick() {
    const GolferRec* golfer = StartActivity('I');
    if (!golfer) return;
    ScoreList scores = LoadAndSortScores(*golfer);
    IndexDetails details;
    ComputeIndex(scores, IndexInputFor(*golfer), &details);
    auto* form = new TIndexForm();
    form->ShowDetails(details);
    form->ShowFor(this);
}

void TGPickForm::WhsIndex1Click() {
    // No activity of the list's own: the mode stays as it was.
    const GolferRec* golfer = ChooseGolfer();
    if (!golfer) return;
    // The rounds in the order of the file: rounds of one date count in the
    // reverse of their order there.
    ScoreList scores;
    MessageNotifier notifier(this);
    LoadGolferScores(DataDir, golfer->ShortName.str(), scores, notifier, HubRead);
    TWhsIndexForm::OpenFor(this, ToQt(golfer->LongName), scores);
}

void TGPickForm::HandicapButtonClick() {
    const GolferRec* golfer = StartActivity('H');
    if (!golfer) return;
    ScoreList scores = LoadAndSortScores(*golfer);
    const IndexResult index = ComputeIndex(scores, IndexInputFor(*golfer));
    THandicapForm::OpenFor(this, ToQt(golfer->LongName), ToQt(golfer->ShortName),
                           ToQt(FormatIndex(index.index, 4)));
}

void TGPickForm::AddGroupButtonClick() {
    mode_ = 'G';
    (new TGroupOfScoresForm())->ShowFor(this);
}

void TGPickForm::EditScoresButtonClick() {
    const GolferRec* golfer = StartActivity('E');
    if (!golfer) return;
    if (GolferForm->ShowsGolfer(golfer->ShortName)) {
        GolferForm->BringForward();
        return;
    }
    // A round being typed is finished first: it may be for this golfer.
    if (ScoreForm->HoldsRoundFor()) {
        ScoreForm->BringForward();
        return;
    }
    if (GolferForm->isVisible()) {
        if (!GolferForm->MayLeave()) return;
        GolferForm->hide();
    }
    GolferForm->OpenForGolfer(this, *golfer);
}

void TGPickForm::PrintScoresButtonClick() {
    // A report starts no activity: the mode stays as it was.
    const GolferRec* chosen = ChooseGolfer();
    if (!chosen) return;
    const GolferRec& golfer = *chosen;
    ScoreList scores = LoadAndSortScores(golfer);
    const int choice = Dialogs::TwoChoice(
        this, "Printer or File", "Output scores to the printer or to a file?", "Printer", "File");
    if (choice == 1) {
        const Report report = ScoreHistoryReport(golfer, scores);
        if (PrintReport(this, report, ToQt(golfer.ShortName.str() + "-scores.pdf")))
            Dialogs::Message(this, "Printing completed.");
    } else if (choice == 2) {
        WriteScoreHistory(DataDir, golfer, scores);
        Dialogs::Message(this, ToQt(ScoreHistoryCreatedMessage(golfer.ShortName.str())));
    }
}

void TGPickForm::PrintHandicapButtonClick() {
    (new TPrintHandicapsDlg())->ShowFor(this);
}

void TGPickForm::Progress1Click() {
    // No activity of the list's own: the mode stays as it was.
    const GolferRec* golfer = ChooseGolfer();
    if (!golfer) return;
    // Read as the golfer's scores window reads them.
    ScoreList scores;
    MessageNotifier notifier(this);
    LoadGolferScoresNewestFirst(DataDir, golfer->ShortName.str(), scores, notifier);
    OpenProgress(this, *golfer, std::move(scores));
}

void TGPickForm::AddAScoreButtonClick() {
    const int position = SelectedGolfer();
    if (position == 0) return; // no golfer to act on
    // The score form holds a round in progress: bring it forward rather than
    // write over it.
    if (ScoreForm->HoldsRoundFor()) {
        ScoreForm->BringForward();
        return;
    }
    const GolferRec& golfer = golfers_[position - 1];
    if (GolferForm->TakesRoundsFor(golfer)) return;
    currentGolfer_ = position;
    mode_ = 'A';
    scores_ = LoadAndSortScores(golfer);
    scoresOf_ = golfer.ShortName.str();
    if (static_cast<int>(scores_.size()) >= MaxScores) {
        WarnMaximumScores(this);
        return;
    }
    const IndexResult index = ComputeIndex(scores_, IndexInputFor(golfer));
    ScoreForm->OpenForNewRound(this, ToQt(golfer.LongName), ToQt(FormatIndex(index.index, 4)));
}

void TGPickForm::FormActivate() {
    // A round accepted on a score form opened here is stored whatever
    // activity was started since: it goes to the golfer it was typed for.
    if (TakeResultFrom(ScoreForm.Get())) StoreRound();
    ReloadGolfersIfChanged(golfers_, GolferListBox, this, golfersVersion_, currentGolfer_);
    if (GolferListBox->count() > 0)
        GolferListBox->setCurrentRow(currentGolfer_ > 0 ? currentGolfer_ - 1 : 0);
}

void TGPickForm::StoreRound() {
    if (static_cast<int>(scores_.size()) + 1 > MaxScores) {
        Dialogs::Message(this, "Bad News!  The score you just entered puts you over the "
                               "maximum number of scores allowed for a golfer.  It can not "
                               "be saved.  You must delete some old scores for this golfer "
                               "before you can enter more scores.");
        Dialogs::Message(this, "Remember, the last 20 complete scores are used to "
                               "calculate the index.");
        return;
    }
    ScoreForm->StoreRoundFor(this, scoresOf_, scores_, HubRead);
}

bool TGPickForm::FormCloseQuery() {
    return !ScoreForm || !ScoreForm->KeepsOpenerOpen(this);
}

bool TGPickForm::QueryEnd() {
    return FormCloseQuery();
}

void TGPickForm::ExitButtonClick() {
    close();
}

TbForm* TGPickForm::HoldsScoresOf(const std::string& shortName) {
    if (!ScoreForm || !ScoreForm->HoldsRoundFor(this)) return nullptr;
    TScoreForm* holder = ScoreForm.Get();
    return UpperAscii(scoresOf_) == UpperAscii(shortName) ? holder : nullptr;
}

} // namespace tb
