#include "GolferScoresWindow.h"

#include "CourseHandicapWindow.h"
#include "CurrentIndexWindow.h"
#include "ScoreForm.h"
#include "WhsIndexWindow.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "handicap/ScoreListLine.h"
#include "widgets/Dialogs.h"
#include "widgets/Extras.h"
#include "widgets/Latin1.h"
#include "widgets/MaintForm.h"
#include "widgets/SaveCheck.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

FormRef<TGolferForm> GolferForm;

namespace {
// A value shown in the window's text, not in a box.
TEdit* ShownText(QWidget* parent) {
    auto* edit = new TEdit(parent);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}
} // namespace

TGolferForm::TGolferForm(QWidget* parent) : TbForm(parent) {
    FormCreate();
}

void TGolferForm::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    Label1 = new QLabel("Scores for ", central);
    GolferName2 = ShownText(central);
    Label2 = new QLabel("Index:", central);
    IndexField = ShownText(central);
    IndexField->setFont(fixed);
    IndexField->setMaximumWidth(QFontMetrics(fixed).horizontalAdvance("000000"));
    Label3 = new QLabel(ScoreListHeader, central);
    Label3->setFont(fixed);
    ScoresListBox = new QListWidget(central);
    ScoresListBox->setFont(fixed);
    ScoresListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    ScoresListBox->setAccessibleName("Scores");
    ScoresListBox->setAccessibleDescription(QString(ScoreListHeader).simplified() + ". " +
                                            ScoreListLegend);
    Label4 = new QLabel(ScoreListLegend, central);
    Label4->setFont(fixed);
    AddButton = new TButton("Add A Score", central);
    ModifyButton = new TButton("Modify Score", central);
    DeleteButton = new TButton("Delete Score", central);
    SaveButton = new TButton("Save", central);
    ExitButton = new TButton("Exit", central);
    GolferName = new THiddenEdit(central);
    GolferSex = new THiddenEdit(central);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(0);
    heading->addWidget(Label1);
    heading->addWidget(GolferName2, 1);
    heading->addWidget(Label2);
    heading->addSpacing(QFontMetrics(fixed).averageCharWidth());
    heading->addWidget(IndexField);
    // The header stands over the dates: past the list's frame and item
    // margin, the mark and the number.
    Label3->setIndent(ScoresListBox->frameWidth() + 3 + 6 * QFontMetrics(fixed).averageCharWidth());
    auto* buttons = new QHBoxLayout;
    TButton* const order[] = {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton};
    for (TButton* button : order)
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(heading);
    layout->addWidget(Label3);
    layout->addWidget(ScoresListBox, 1);
    layout->addWidget(Label4);
    layout->addLayout(buttons);
    QWidget* previous = ScoresListBox;
    for (TButton* button : order) {
        setTabOrder(previous, button);
        previous = button;
    }

    QMenu* file = menuBar()->addMenu("&File");
    Exit1 = file->addAction("E&xit");
    QMenu* calculate = menuBar()->addMenu("&Calculate");
    Index1 = calculate->addAction("&Index");
    WhsIndex1 = calculate->addAction("&WHS Index...");
    Handicap1 = calculate->addAction("&Handicap");
    Progress1 = calculate->addAction("&Progress...");

    Bind(&TGolferForm::AddButtonClick, AddButton);
    Bind(&TGolferForm::ModifyButtonClick, ModifyButton, nullptr, ScoresListBox);
    Bind(&TGolferForm::DeleteButtonClick, DeleteButton);
    Bind(&TGolferForm::SaveButtonClick, SaveButton);
    // E&xit asks about unsaved changes as the Exit button does.
    Bind(&TGolferForm::ExitButtonClick, ExitButton, Exit1);
    Bind(&TGolferForm::Index1Click, nullptr, Index1);
    Bind(&TGolferForm::WhsIndex1Click, nullptr, WhsIndex1);
    Bind(&TGolferForm::Handicap1Click, nullptr, Handicap1);
    Bind(&TGolferForm::Progress1Click, nullptr, Progress1);
    SetScoresChanged(false);
}

void TGolferForm::FormCreate() {
    UsePlacement("GolferForm", {422, 83, 103, 634});
    scores_.reserve(MaxScores);
}

void TGolferForm::OpenForGolfer(TbForm* opener, const GolferRec& golfer) {
    EnsureBuilt();
    GolferName->setText(ToQt(ScoreFileName(golfer.ShortName.str())));
    GolferName2->setText(ToQt(golfer.LongName));
    GolferSex->setText(QString::number(golfer.Sex));
    ShowFor(opener);
}

void TGolferForm::SetScoresChanged(bool changed) {
    scoresChanged_ = changed;
    SaveButton->setEnabled(changed);
}

std::string TGolferForm::ShortName() const {
    const std::string fileName = ToCore(GolferName->text());
    const std::string ending = ScoreFileName("");
    if (!fileName.ends_with(ending)) return fileName;
    return fileName.substr(0, fileName.size() - ending.size());
}

bool TGolferForm::ShowsGolfer(const std::string& shortName) const {
    return isVisible() && UpperAscii(ShortName()) == UpperAscii(shortName);
}

bool TGolferForm::TakesRoundsFor(const GolferRec& golfer) {
    if (!ShowsGolfer(golfer.ShortName)) return false;
    Dialogs::Message(this, "The scores of " + ToQt(golfer.LongName) +
                               " are open in this window.  Add the score here.");
    BringForward();
    return true;
}

IndexInput TGolferForm::Input() const {
    return {ToCore(GolferSex->text()), ToCore(GolferName2->text()), IndexVariant::Standard};
}

void TGolferForm::FormShow() {
    setWindowTitle("Golfer - " + GolferName2->text());
    scores_.clear();
    SetScoresChanged(false);
    unreadLines_ = 0;
    pendingScore_ = -1;
    // A file that is there but cannot be read throws here, and the window
    // does not open (ShowFor): an empty list is never saved over it.
    readFailed_ = true;
    MessageNotifier notifier(this);
    const ScoreLoadResult loaded =
        LoadGolferScoresNewestFirst(DataDir, ShortName(), scores_, notifier);
    readFailed_ = false;
    read_ = scores_;
    readVersion_ = loaded.version;
    unreadLines_ = loaded.unreadLines;
    // A file repaired while reading differs from what is on disk.
    if (loaded.repaired) SetScoresChanged(true);
}

void TGolferForm::FormActivate() {
    RefreshList(TakeOverScore());
}

int TGolferForm::TakeOverScore() {
    if (!TakeResultFrom(ScoreForm.Get())) return pendingScore_ > 0 ? pendingScore_ : 0;
    const int position = pendingScore_;
    pendingScore_ = -1;
    if (position == 0) {
        scores_.push_back(ScoreForm->RoundAsScoreRec());
    } else if (position <= static_cast<int>(scores_.size())) {
        scores_[position - 1] = ScoreForm->RoundAsScoreRec();
    } else {
        return 0; // the form never lets the list shrink under an open round
    }
    SortScores(scores_);
    SetScoresChanged(true);
    return position;
}

void TGolferForm::RefreshList(int selectPosition) {
    // The index first: it marks the scores the "*" lines show.
    const IndexResult index = ComputeIndex(scores_, Input());
    IndexField->setText(ToQt(FormatIndex(index.index, 5)));
    ScoresListBox->clear();
    for (std::size_t i = 0; i < scores_.size(); ++i)
        ScoresListBox->addItem(
            ToQt(ScoreListLine(scores_[i], static_cast<int>(i) + 1, index.usedScores)));
    const int row = selectPosition > 0 ? selectPosition - 1 : 0;
    if (row < ScoresListBox->count()) ScoresListBox->setCurrentRow(row);
}

int TGolferForm::SelectedPosition() const {
    const int row = ScoresListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(scores_.size())) return 0;
    return row + 1;
}

bool TGolferForm::RoundOpen() {
    return ScoreForm && ScoreForm->KeepsOpenerOpen(this);
}

void TGolferForm::AddButtonClick() {
    if (RoundOpen()) return;
    // The score form holds a round typed for another window: not overwritten.
    if (ScoreForm->HoldsRoundFor()) {
        ScoreForm->BringForward();
        return;
    }
    if (static_cast<int>(scores_.size()) >= MaxScores) {
        WarnMaximumScores(this);
        return;
    }
    pendingScore_ = 0;
    ScoreForm->OpenForNewRound(this, GolferName2->text(), IndexField->text());
}

void TGolferForm::ModifyButtonClick() {
    if (RoundOpen()) return;
    if (ScoreForm->HoldsRoundFor()) {
        ScoreForm->BringForward();
        return;
    }
    const int position = SelectedPosition();
    if (position == 0) return; // no line to change
    pendingScore_ = position;
    ScoreForm->OpenToChange(this, GolferName2->text(), IndexField->text(), scores_[position - 1]);
}

void TGolferForm::DeleteButtonClick() {
    // A round being changed keeps its place in the list until it is back.
    if (RoundOpen()) return;
    const int position = SelectedPosition();
    if (position == 0) return;
    if (Dialogs::Confirm(this, "Are you sure you want to delete this score?") !=
        Dialogs::Answer::Yes)
        return;
    scores_.erase(scores_.begin() + (position - 1));
    SetScoresChanged(true);
    RefreshList(position);
}

ScoreList TGolferForm::ReadScoresNow() {
    ScoreList now;
    MessageNotifier notifier(this);
    LoadGolferScoresNewestFirst(DataDir, ShortName(), now, notifier);
    return now;
}

void TGolferForm::SaveButtonClick() {
    // A round being changed is known by its place in the list, which keeping
    // both versions of a changed file could move.
    if (readFailed_ || RoundOpen()) return;
    if (!MayDropUnreadLines(this, ToCore(GolferName->text()), unreadLines_, "scores", MaxScores))
        return;
    const std::filesystem::path file = GolferScoreFile(DataDir, ShortName());
    ScoreList toSave = scores_;
    if (CheckBeforeSave<ScoreRec>(this, file, readVersion_, read_, toSave, RoundsKind,
                                  [this] { return ReadScoresNow(); }) == SaveDecision::Stop)
        return;
    SortScores(toSave);
    SaveGolferScores(DataDir, ShortName(), toSave);
    scores_ = std::move(toSave);
    read_ = scores_;
    readVersion_ = VersionOnDisk(GolferScoreFile(DataDir, ShortName()));
    unreadLines_ = 0;
    SetScoresChanged(false);
    RefreshList(SelectedPosition());
}

bool TGolferForm::ConfirmLeave() {
    if (!scoresChanged_) return true;
    switch (Dialogs::ConfirmCancel(this, "Save changes made to scores?")) {
    case Dialogs::Answer::Yes:
        SaveButtonClick(); // a failed save throws: the window stays
        return !scoresChanged_;
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void TGolferForm::Leave() {
    SetScoresChanged(false);
    HideToOpener();
}

void TGolferForm::ExitButtonClick() {
    if (MayLeave()) Leave();
}

bool TGolferForm::FormCloseQuery() {
    // The title bar's close box is Exit.
    ExitButtonClick();
    return false;
}

bool TGolferForm::MayLeave() {
    return !RoundOpen() && ConfirmLeave();
}

bool TGolferForm::QueryEnd() {
    return !isVisible() || MayLeave();
}

void TGolferForm::Index1Click() {
    IndexDetails details;
    ComputeIndex(scores_, Input(), &details);
    auto* form = new TIndexForm();
    form->ShowDetails(details);
    form->ShowFor(this);
}

void TGolferForm::WhsIndex1Click() {
    // The rounds as this window lists them, changes not yet saved included,
    // in the order a save writes them.
    TWhsIndexForm::OpenFor(this, GolferName2->text(), scores_);
}

void TGolferForm::Handicap1Click() {
    // The course handicap window is given the short name up to its first ".".
    const std::string shortName = ShortName();
    THandicapForm::OpenFor(this, GolferName2->text(),
                           ToQt(Copy(shortName.substr(0, shortName.find('.')), 1, 13)),
                           IndexField->text());
}

} // namespace tb

namespace tb {

void TGolferForm::Progress1Click() {
    // The scores as this window lists them, changes not yet saved included.
    GolferRec golfer;
    golfer.LongName = ToCore(GolferName2->text());
    golfer.ShortName = ShortName();
    golfer.Sex = GolferSex->text() == "1" ? 1 : 0;
    OpenProgress(this, golfer, scores_);
}

} // namespace tb
