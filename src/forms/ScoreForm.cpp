#include "ScoreForm.h"

#include "AboutBox.h"
#include "CourseEditWindow.h"
#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/ScoreFile.h"
#include "data/StrokeIndexFile.h"
#include "data/Text.h"
#include "handicap/ScoreEntry.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"
#include "widgets/MaintForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

FormRef<TScoreForm> ScoreForm;

namespace {
std::string Text(const QLineEdit* edit) {
    return ToCore(edit->text());
}

// Writes a whole number into a number box. A number longer than the box
// takes becomes the largest (or, negative, the smallest) number the box can
// show: a box never cuts a number into another one.
void SetNumber(QLineEdit* box, const std::string& number) {
    const std::size_t width = static_cast<std::size_t>(box->maxLength());
    if (number.size() <= width) {
        box->setText(ToQt(number));
        return;
    }
    const bool negative = number.starts_with('-');
    const std::string nines(width - (negative ? 1 : 0), '9');
    box->setText(ToQt(negative ? "-" + nines : nines));
}
} // namespace

void WarnMaximumScores(QWidget* parent) {
    Dialogs::Warning(parent, "This golfer has reached the maximum allowed number of scores for a "
                             "golfer.  You must delete some old scores for this golfer before you "
                             "can add any new scores.  REMEMBER: the last 20 complete scores are "
                             "used to calculate the index.");
}

QString TodayForScoreForm() {
    return ToQt(TodayForDisplay());
}

TScoreForm::TScoreForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Enter Score");
    setWindowFlags(FixedDialogFlags);
    FormCreate();
}

void TScoreForm::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    BuildCourseAndDate(central, layout);
    BuildHoleGrid(central, layout);
    BuildResults(central, layout);
    BuildCommentAndButtons(central, layout);
    BuildHandOverBoxes(central);
    DescribeKeys();
    BuildMenu();
    SetTabOrder();
    ConnectHandlers();

    DateField->setText(dayCreated_);
    FillCourseField();
    FinishFixedDialog(OkPressed, nullptr);
    SetEscapeCommand([this] { EscapePressed(); });
}

void TScoreForm::BuildCourseAndDate(QWidget* central, QBoxLayout* layout) {
    // Course, date and the course's ratings above the hole grid.
    auto* top = new QGridLayout;
    layout->addLayout(top);
    CourseField = new QComboBox(central);
    CourseField->setEditable(false);
    CourseField->setMinimumContentsLength(30);
    CourseField->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    AddCourseButton = new TButton("Add Course", central);
    DateField = new TEdit(central);
    DateField->RefuseUnstorable();
    DateField->setMaxLength(10); // MM/DD/YYYY
    SkipPuttsChkBox = new QCheckBox("Skip Entering Putts", central);
    RatingField = new TEdit(central, "0.0");
    RatingField->SetReadOnlyGrey();
    SlopeField = new TEdit(central, "0");
    SlopeField->SetReadOnlyGrey();
    Image1 = new TImage(central);
    top->addWidget(LabelFor(CourseField, "Course:", central), 0, 0);
    top->addWidget(CourseField, 0, 1, 1, 3);
    top->addWidget(AddCourseButton, 0, 4);
    top->addWidget(Image1, 0, 5, 2, 1, Qt::AlignRight | Qt::AlignTop);
    top->addWidget(LabelFor(DateField, "Date:", central), 1, 0);
    top->addWidget(DateField, 1, 1);
    top->addWidget(SkipPuttsChkBox, 1, 2, 1, 2);
    top->addWidget(LabelFor(RatingField, "Course Rating:", central), 2, 0);
    top->addWidget(RatingField, 2, 1);
    top->addWidget(LabelFor(SlopeField, "Slope Rating:", central), 2, 2);
    top->addWidget(SlopeField, 2, 3);
}

void TScoreForm::BuildHoleGrid(QWidget* central, QBoxLayout* layout) {
    // Columns 1-9, OUT, 10-18, IN, Total; rows Par, Score, Putts.
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const char* rowTitles[] = {"Hole:", "Par:", "Score:", "Putts:"};
    for (int row = 0; row < 4; ++row)
        grid->addWidget(new QLabel(rowTitles[row], central), row, 0);
    auto heading = [&](int column, const QString& text) {
        auto* label = new QLabel(text, central);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, column);
    };
    auto box = [&](int row, int column, const QString& text) {
        auto* edit = new TEdit(central, text);
        edit->setFixedWidth(column == 21 ? 44 : 36);
        edit->RefuseUnstorable();
        grid->addWidget(edit, row, column);
        return edit;
    };
    auto column = [](int hole) { return hole <= 9 ? hole : hole + 1; };
    for (int hole = 1; hole <= 18; ++hole) {
        heading(column(hole), QString::number(hole));
        Par[hole - 1] = box(1, column(hole), "");
        Score[hole - 1] = box(2, column(hole), "0");
        Putts[hole - 1] = box(3, column(hole), "0");
    }
    heading(10, "OUT");
    heading(20, "IN");
    heading(21, "Total");
    ParOut = box(1, 10, "");
    ParIn = box(1, 20, "");
    ParTotal = box(1, 21, "");
    ScoreOut = box(2, 10, "0");
    ScoreIn = box(2, 20, "0");
    ScoreTotal = box(2, 21, "");
    PuttsOut = box(3, 10, "0");
    PuttsIn = box(3, 20, "0");
    PuttsTotal = box(3, 21, "");
    // Each box takes no more characters than its field keeps in the score
    // file, so that a round reads back as it was typed: a hole's score and
    // putts 2, the total 3 (and the AGS below). The sums, which are not
    // stored, take 3 for nine holes and 4 for the putts of 18 holes of 99.
    // A sum or step beyond a box shows as the largest value it can (SetNumber):
    // 18 holes of 99 give the total 999, which is what the file can keep.
    for (TEdit* hole : Score)
        hole->setMaxLength(2);
    for (TEdit* hole : Putts)
        hole->setMaxLength(2);
    for (TEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn, ScoreTotal})
        sum->setMaxLength(3);
    PuttsTotal->setMaxLength(4);
    NameHoleBoxes(Par, "par");
    NameHoleBoxes(Score, "score");
    NameHoleBoxes(Putts, "putts");
    NameSumBoxes(ParOut, ParIn, ParTotal, "Par");
    NameSumBoxes(ScoreOut, ScoreIn, ScoreTotal, "Score");
    NameSumBoxes(PuttsOut, PuttsIn, PuttsTotal, "Putts");
    for (TEdit* par : Par)
        par->SetReadOnlyGrey();
    for (TEdit* total : {ParOut, ParIn, ParTotal})
        total->SetReadOnlyGrey();
    for (TEdit* sum : {ScoreOut, ScoreIn, ScoreTotal, PuttsOut, PuttsIn, PuttsTotal})
        sum->SetTabStop(false);
}

void TScoreForm::DescribeKeys() {
    // What a screen reader adds to a box's name: the keys that are not
    // plain typing, and the round typed by its total alone.
    const QString stepAndEnter = "Plus and minus add or take one; Enter moves on.";
    DescribeBoxes(Score, stepAndEnter);
    DescribeBoxes(Putts, stepAndEnter);
    Score[0]->setAccessibleDescription(stepAndEnter +
                                       " Leave it 0 and move on to type the round's total alone.");
    ScoreTotal->setAccessibleDescription("The gross score. " + stepAndEnter);
    DateField->setAccessibleDescription(
        "Month, day and year (MM/DD/YYYY). Plus and minus move it a day; Enter moves on.");
}

void TScoreForm::BuildResults(QWidget* central, QBoxLayout* layout) {
    auto* results = new QHBoxLayout;
    layout->addLayout(results);
    AdjScore = new TEdit(central);
    ScoreDiff = new TEdit(central);
    IndexField = new TEdit(central);
    for (TEdit* shown : {AdjScore, ScoreDiff, IndexField}) {
        shown->SetReadOnlyGrey();
        shown->setFixedWidth(60);
    }
    AdjScore->setMaxLength(3);
    results->addWidget(LabelFor(AdjScore, "Adjusted Gross Score:", central));
    results->addWidget(AdjScore);
    results->addWidget(LabelFor(ScoreDiff, "Score Differential:", central));
    results->addWidget(ScoreDiff);
    results->addWidget(LabelFor(IndexField, "Golfer's Index:", central));
    results->addWidget(IndexField);
    results->addStretch();
}

void TScoreForm::BuildCommentAndButtons(QWidget* central, QBoxLayout* layout) {
    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    CommentField = new TMemo(100, central);
    CommentField->setFixedHeight(54);
    OKButton = new TButton("OK", central);
    CancelButton = new TButton("Cancel", central);
    bottom->addWidget(LabelFor(CommentField, "Comments:", central), 0, Qt::AlignTop);
    bottom->addWidget(CommentField, 1);
    bottom->addWidget(OKButton, 0, Qt::AlignBottom);
    bottom->addWidget(CancelButton, 0, Qt::AlignBottom);
}

void TScoreForm::BuildHandOverBoxes(QWidget* central) {
    GolferName = new THiddenEdit(central);
    CourseName2 = new THiddenEdit(central);
    CoursePicked = new THiddenEdit(central, "0");
    OkPressed = new THiddenEdit(central, "0");
    AddingGroup = new THiddenEdit(central, "0");
}

void TScoreForm::BuildMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    SaveExit1 = file->addAction("&Save/Exit");
    Exit1 = file->addAction("E&xit");
    QMenu* edit = menuBar()->addMenu("&Edit");
    EditCourses1 = edit->addAction("&Add A Course");
    QMenu* help = menuBar()->addMenu("&Help");
    Help2 = help->addAction("&Help");
    AboutTarnbeck1 = help->addAction("&About Tarnbeck");
}

void TScoreForm::SetTabOrder() {
    // Course, date, the check box, then score and putts of each hole in
    // turn, OK, Cancel, Add Course, the comment.
    std::vector<QWidget*> order{CourseField, DateField, SkipPuttsChkBox};
    for (int hole = 0; hole < 18; ++hole) {
        order.push_back(Score[hole]);
        order.push_back(Putts[hole]);
    }
    for (QWidget* widget :
         {static_cast<QWidget*>(OKButton), static_cast<QWidget*>(CancelButton),
          static_cast<QWidget*>(AddCourseButton), static_cast<QWidget*>(CommentField)})
        order.push_back(widget);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TScoreForm::ConnectHandlers() {
    connect(CourseField, &QComboBox::activated, this,
            [this](int index) { RunHandler(this, [&] { CourseFieldClick(index); }); });
    CourseField->installEventFilter(this);
    CloseListOnEscapeRelease(CourseField);
    DateField->OnKeyPress = [this](QKeyEvent* event) { return DateFieldKeyPress(event); };
    OnExit(DateField, [this] { DateFieldExit(); });
    Connect(SkipPuttsChkBox, &QCheckBox::toggled, this, [this] { SkipPuttsChkBoxClick(); });
    SkipPuttsChkBox->installEventFilter(this);
    for (int hole = 1; hole <= 18; ++hole) {
        Score[hole - 1]->OnKeyPress = [this, hole](QKeyEvent* e) { return ScoreKeyPress(hole, e); };
        Putts[hole - 1]->OnKeyPress = [this, hole](QKeyEvent* e) { return PuttsKeyPress(hole, e); };
        OnExit(Score[hole - 1], [this, hole] { ScoreExit(hole); });
        OnExit(Putts[hole - 1], [this, hole] { PuttsExit(hole); });
    }
    ScoreTotal->OnKeyPress = [this](QKeyEvent* event) { return ScoreTotalKeyPress(event); };
    OnExit(ScoreTotal, [this] { ScoreTotalExit(); });
    OnExit(AdjScore, [this] { AdjScoreExit(); });
    for (TEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn, PuttsTotal})
        sum->OnKeyPress = [sum](QKeyEvent* event) { return StepKey(sum, event); };
    Bind(&TScoreForm::AddCourseButtonClick, AddCourseButton, EditCourses1);
    Image1->OnClick = [this] { Image1Click(); };
    Bind(&TScoreForm::Image1Click, nullptr, AboutTarnbeck1);
    Bind(&TScoreForm::Help2Click, nullptr, Help2);
    Bind(&TScoreForm::OKButtonClick, OKButton);
    Bind(&TScoreForm::CancelButtonClick, CancelButton);
    Bind(&TScoreForm::SaveExit1Click, nullptr, SaveExit1);
    Bind(&TScoreForm::Exit1Click, nullptr, Exit1);
}

void TScoreForm::OnExit(TEdit* box, std::function<void()> handler) {
    box->OnExit = [this, handler = std::move(handler)] {
        if (isVisible() && !jumping_) handler();
    };
}

void TScoreForm::FormCreate() {
    courses_.reserve(MaxCourses);
    dayCreated_ = TodayForScoreForm();
    MessageNotifier notifier(this);
    // Made at start-up, outside any handler: a course list that cannot be
    // read is reported here and leaves the list empty.
    RunHandler(this,
               [&] { LoadCourseList(DataDir, courses_, notifier, CourseSlotFill::ScoreForm); });
}

void TScoreForm::FillCourseField() {
    ShowItems(CourseField, TextsOf(courses_, &CourseRec::Name));
}

// ---- Showing and activation -------------------------------------------

void TScoreForm::FormShow() {
    setWindowTitle("Enter Score - " + GolferName->text());
    if (!CourseName2->text().isEmpty()) {
        // The first course of that name, whatever its case.
        const std::string wanted = UpperAscii(Text(CourseName2));
        for (std::size_t i = 0; i < courses_.size(); ++i) {
            if (UpperAscii(courses_[i].Name.str()) != wanted) continue;
            // The next golfer of a group starts with empty holes but keeps
            // the date and the course.
            if (AddingGroup->text() == "1") ClearScoreForm();
            CourseField->setCurrentIndex(static_cast<int>(i));
            ShowCourse(static_cast<int>(i));
            break;
        }
    } else if (!showsStoredRound_) {
        ClearScoreForm();
        CoursePicked->setText("0");
    }
    showsStoredRound_ = false;
    roundJustShown_ = true;
}

void TScoreForm::FormActivate() {
    // A course accepted in the course editor opened here: append it and save
    // the list at once.
    const bool courseAdded = CourseForm && CourseForm->HasResultFor(this);
    if (courseAdded && !SaveAddedCourse()) return;

    // Read the list again: course maintenance may have changed it.
    MessageNotifier notifier(this);
    LoadCourseList(DataDir, courses_, notifier, CourseSlotFill::ScoreForm);
    FillCourseField();

    // The course to select, the last of equal names, names compared exactly.
    const bool reselect = courseAdded || !CourseName2->text().isEmpty();
    if (reselect) {
        const std::string wanted =
            courseAdded ? CourseForm->CourseAsRec().Name.str() : Text(CourseName2);
        int found = -1;
        for (std::size_t i = 0; i < courses_.size(); ++i)
            if (courses_[i].Name == wanted) found = static_cast<int>(i);
        if (courseAdded) CourseForm->ClearResult();
        if (found >= 0) {
            ShowCourse(found);
            CoursePicked->setText("1");
            CourseName2->setText(ToQt(courses_[found].Name));
            CourseField->setCurrentIndex(found);
        } else {
            Dialogs::Message(this, "ERROR: Course not found in list??");
        }
    }
    if (roundJustShown_) {
        roundAsShown_ = TypedValues();
        roundJustShown_ = false;
    }

    // A stored round keeps its stored total and AGS: they are not recomputed.
    UpdateScoreOut();
    UpdateScoreIn();
    UpdatePuttsOut();
    UpdatePuttsIn();
    UpdatePuttsTotal();
    UpdateDifferential();
    SetPuttsTabStops();
    FocusControl(CourseField);
}

bool TScoreForm::SaveAddedCourse() {
    bool appended = false;
    if (RunHandler(this, [&] { appended = AppendCourseToFile(); }) && appended) return true;
    // The error has been shown; the course goes back to the editor as typed.
    CourseForm->ClearResult();
    CourseForm->ReopenFor(this);
    return false;
}

bool TScoreForm::AppendCourseToFile() {
    // The file as it is now, not this form's copy: a course another window
    // saved since stays.
    CourseList now;
    MessageNotifier notifier(this);
    const int unread = LoadCourseList(DataDir, now, notifier);
    if (!MayDropUnreadLines(this, CourseFileName, unread, "courses", MaxCourses)) return false;
    const EditedCourse added = CourseForm->CourseAsEdited();
    now.push_back(added.course);
    // Stroke indexes typed with it go into the stroke index file as it is
    // now, in the same save.
    std::vector<std::string> strokes;
    if (added.strokeIndexes) {
        strokes = LoadStrokeIndexFile(DataDir, notifier).lines;
        SetCourseStrokeIndexes(strokes, added.course.Name.str(), added.strokeIndexes);
    }
    SaveCourseList(DataDir, now, added.strokeIndexes ? &strokes : nullptr);
    return true;
}

void TScoreForm::FormHide() {
    SetPuttsTabStops();
}

bool TScoreForm::FormCloseQuery() {
    // The close box hides the form; nothing is accepted.
    EscapePressed();
    return false;
}

void TScoreForm::EscapePressed() {
    if (MayDiscardRound()) Close("0");
}

QStringList TScoreForm::TypedValues() const {
    QStringList values{DateField->text(), CourseField->currentText(), ScoreTotal->text(),
                       CommentField->toPlainText()};
    for (int hole = 0; hole < 18; ++hole)
        values << Score[hole]->text() << Putts[hole]->text();
    return values;
}

bool TScoreForm::MayDiscardRound() {
    return TypedValues() == roundAsShown_ ||
           Dialogs::ConfirmDroppingData(this, "Discard this round?") == Dialogs::Answer::Yes;
}

// ---- Closing -----------------------------------------------------------

void TScoreForm::Close(const char* okPressed) {
    OkPressed->setText(okPressed);
    HideToOpener();
}

void TScoreForm::OKButtonClick() {
    // The click whose focus move the box being left refused (its error has
    // been shown and the focus is back in it) accepts nothing.
    if (!OKButton->hasFocus()) return;
    if (CoursePicked->text() == "0") {
        Dialogs::Message(this, "You must pick a course.");
        CourseField->setFocus();
        return;
    }
    RefuseUnstorableRound();
    Close("1");
}

void TScoreForm::SaveExit1Click() {
    // Leave the box being edited first, as the OK button does, so that its
    // exit handler brings the sums, the AGS and the date up to date. An error
    // there stops the save with the form still open.
    LeaveEditedBox();
    RefuseUnstorableRound();
    Close("1");
}

TypedRound TScoreForm::TypedRoundOnForm() const {
    TypedRound round{Text(DateField), {}, {}, Text(ScoreTotal), Text(AdjScore)};
    for (int hole = 0; hole < 18; ++hole) {
        round.holes[hole] = Text(Score[hole]);
        round.putts[hole] = Text(Putts[hole]);
    }
    return round;
}

void TScoreForm::RefuseUnstorableRound() {
    if (const auto problem = FirstTypedRoundProblem(TypedRoundOnForm()))
        RefuseAt(BoxOf(*problem), problem->message);
}

TEdit* TScoreForm::BoxOf(const TypedRoundProblem& problem) const {
    using Box = TypedRoundProblem::Box;
    switch (problem.box) {
    case Box::Date:
        return DateField;
    case Box::Hole:
        return Score[problem.hole - 1];
    case Box::Putts:
        return Putts[problem.hole - 1];
    case Box::Total:
        return ScoreTotal;
    case Box::AdjScore:
        break;
    }
    return AdjScore;
}

void TScoreForm::RefuseAt(TEdit* box, const std::string& why) {
    jumping_ = true;
    box->setFocus();
    jumping_ = false;
    box->selectAll();
    throw ConvertError(why);
}

void TScoreForm::CancelButtonClick() {
    Close("0");
}

void TScoreForm::Exit1Click() {
    Close("0");
}

// ---- The ways in ---------------------------------------------------------

void TScoreForm::OpenForNewRound(TbForm* opener, const QString& golferName, const QString& index) {
    EnsureBuilt();
    StartNewRound();
    ShowRoundFor(opener, golferName, index, false);
}

void TScoreForm::OpenForGroup(TbForm* opener, const QString& golferName, const QString& index,
                              GroupTurn turn) {
    EnsureBuilt();
    if (turn == GroupTurn::First) {
        StartNewRound();
        ScoreTotal->setText("0");
        AdjScore->clear();
        ScoreDiff->clear();
    } else {
        // The course of the golfer before stays chosen; the showing selects
        // it again by name and empties the holes.
        CoursePicked->setText("1");
    }
    ShowRoundFor(opener, golferName, index, true);
}

void TScoreForm::OpenToChange(TbForm* opener, const QString& golferName, const QString& index,
                              const ScoreRec& round) {
    EnsureBuilt();
    ShowStoredRound(round);
    ShowRoundFor(opener, golferName, index, false);
}

void TScoreForm::StartNewRound() {
    DateField->setText(TodayForScoreForm());
    CourseField->setCurrentIndex(-1);
    CourseName2->clear();
    CoursePicked->setText("0");
}

void TScoreForm::ShowRoundFor(TbForm* opener, const QString& golferName, const QString& index,
                              bool forGroup) {
    GolferName->setText(golferName);
    IndexField->setText(index);
    AddingGroup->setText(forGroup ? "1" : "0");
    ShowAfreshFor(opener);
}

ScoreRec TScoreForm::RoundAsScoreRec() const {
    ScoreRec round;
    round.Date = DateForStorage(Text(DateField));
    // With no course selected, a stored round whose course has left the list
    // keeps the name it was stored with; a new round has none.
    round.CourseName =
        CourseField->currentIndex() >= 0 ? ToCore(CourseField->currentText()) : Text(CourseName2);
    round.Score = Text(ScoreTotal);
    round.Rating = Text(RatingField);
    round.Slope = Text(SlopeField);
    round.Comment = ToCore(CommentField->toPlainText());
    for (int hole = 0; hole < 18; ++hole) {
        round.HoleScore[hole] = Text(Score[hole]);
        round.Putts[hole] = Text(Putts[hole]);
    }
    round.AdjScore = Text(AdjScore);
    return round;
}

void TScoreForm::ShowStoredRound(const ScoreRec& rec) {
    // No course's pars or results of an earlier round stay beside this one;
    // the showing that follows keeps what is written here, also for a round
    // stored without a course.
    ClearScoreForm();
    showsStoredRound_ = true;
    DateField->setText(ToQt(DateForDisplay(rec.Date.str())));
    CourseField->setCurrentIndex(-1);
    CourseName2->setText(ToQt(rec.CourseName));
    CoursePicked->setText(rec.CourseName.empty() ? "0" : "1");
    ScoreTotal->setText(ToQt(rec.Score));
    RatingField->setText(rec.Rating.empty() ? "0.0" : ToQt(rec.Rating));
    SlopeField->setText(rec.Slope.empty() ? "0" : ToQt(rec.Slope));
    CommentField->setPlainText(ToQt(rec.Comment));
    for (int hole = 0; hole < 18; ++hole) {
        Score[hole]->setText(ToQt(rec.HoleScore[hole]));
        Putts[hole]->setText(ToQt(rec.Putts[hole]));
    }
    AdjScore->setText(ToQt(rec.AdjScore));
}

bool TScoreForm::HoldsRoundFor(const TbForm* opener) const {
    return isVisible() && (!opener || Opener() == opener);
}

bool TScoreForm::KeepsOpenerOpen(TbForm* opener) {
    if (!HoldsRoundFor(opener)) return false;
    Dialogs::Message(opener, "A score is being entered from this window.  Finish it with OK or "
                             "Cancel first.");
    BringForward();
    return true;
}

void TScoreForm::StoreRoundFor(TbForm* opener, const std::string& shortName, ScoreList& scores,
                               const ScoreLoadVariant& variant) {
    // The list changes only once the file holds the round.
    ScoreList updated;
    bool full = false;
    const bool stored = RunHandler(opener, [&] {
        MessageNotifier notifier(opener);
        LoadGolferScores(DataDir, shortName, updated, notifier, variant);
        full = static_cast<int>(updated.size()) >= MaxScores;
        if (full) return;
        updated.push_back(RoundAsScoreRec());
        SortScores(updated);
        SaveGolferScores(DataDir, shortName, updated);
    });
    if (stored && !full) {
        scores = std::move(updated);
        return;
    }
    if (full) WarnMaximumScores(opener);
    ReopenFor(opener);
}

// ---- Course, date and check box ----------------------------------------

void TScoreForm::CourseFieldClick(int index) {
    if (index < 0 || index >= static_cast<int>(courses_.size())) return;
    ShowCourse(index);
    CoursePicked->setText("1");
    CourseName2->setText(ToQt(courses_[index].Name));
}

bool TScoreForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        // CourseFieldKeyPress and SkipPuttsChkBoxKeyPress: Enter moves on.
        QWidget* next = watched == CourseField       ? static_cast<QWidget*>(DateField)
                        : watched == SkipPuttsChkBox ? Score[0]
                                                     : nullptr;
        if (next) {
            RunHandler(this, [next] { next->setFocus(); });
            return true;
        }
    }
    return TbForm::eventFilter(watched, event);
}

bool TScoreForm::DateFieldKeyPress(QKeyEvent* event) {
    const QString key = event->text();
    if (key == "+" || key == "=") {
        DateField->setText(ToQt(StepDate(Text(DateField), StepDirection::Forwards)));
        return true;
    }
    if (key == "-" || key == "_") {
        DateField->setText(ToQt(StepDate(Text(DateField), StepDirection::Backwards)));
        return true;
    }
    if (IsEnter(event)) {
        SkipPuttsChkBox->setFocus();
        return true;
    }
    return false;
}

void TScoreForm::DateFieldExit() {
    // A date that is no day is refused where it is typed; an empty one is
    // refused when the round is accepted.
    const std::string typed = Text(DateField);
    if (typed.empty()) return;
    if (const std::string why = DateProblem(typed); !why.empty()) RefuseAt(DateField, why);
    DateField->setText(ToQt(NormalizeDate(typed)));
}

void TScoreForm::SkipPuttsChkBoxClick() {
    SetPuttsTabStops();
}

void TScoreForm::SetPuttsTabStops() {
    const bool tabStop = !SkipPuttsChkBox->isChecked();
    for (TEdit* putts : Putts)
        putts->SetTabStop(tabStop);
}

// ---- Hole boxes ---------------------------------------------------------

bool TScoreForm::IsEnter(QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool TScoreForm::StepKey(TEdit* box, QKeyEvent* event) {
    const QString key = event->text();
    if (key == "+" || key == "=") {
        SetNumber(box, StepNumber(Text(box), StepDirection::Forwards));
        return true;
    }
    if (key == "-" || key == "_") {
        SetNumber(box, StepNumber(Text(box), StepDirection::Backwards));
        return true;
    }
    return false;
}

bool TScoreForm::ScoreKeyPress(int hole, QKeyEvent* event) {
    if (IsEnter(event)) {
        if (!SkipPuttsChkBox->isChecked())
            Putts[hole - 1]->setFocus();
        else if (hole < 18)
            Score[hole]->setFocus();
        else
            OKButton->setFocus();
        return true;
    }
    return StepKey(Score[hole - 1], event);
}

bool TScoreForm::PuttsKeyPress(int hole, QKeyEvent* event) {
    if (IsEnter(event)) {
        if (hole < 18)
            Score[hole]->setFocus();
        else
            OKButton->setFocus();
        return true;
    }
    return StepKey(Putts[hole - 1], event);
}

bool TScoreForm::ScoreTotalKeyPress(QKeyEvent* event) {
    if (IsEnter(event)) {
        OKButton->setFocus();
        return true;
    }
    return StepKey(ScoreTotal, event);
}

void TScoreForm::ScoreExit(int hole) {
    if (hole == 1 && Score[0]->text() == "0") {
        // A round entered by its total alone.
        jumping_ = true;
        ScoreTotal->setFocus();
        jumping_ = false;
        return;
    }
    if (hole <= 9)
        UpdateScoreOut();
    else
        UpdateScoreIn();
    UpdateScoreTotal();
}

void TScoreForm::PuttsExit(int hole) {
    if (hole <= 9)
        UpdatePuttsOut();
    else
        UpdatePuttsIn();
    UpdatePuttsTotal();
}

void TScoreForm::ScoreTotalExit() {
    std::array<std::string, 18> holes;
    for (int hole = 0; hole < 18; ++hole)
        holes[hole] = Text(Score[hole]);
    SetNumber(AdjScore, AdjustedGrossScore(Text(ScoreTotal), holes, Text(IndexField)));
    UpdateDifferential();
}

void TScoreForm::AdjScoreExit() {
    UpdateDifferential();
}

// ---- Sums and results -----------------------------------------------------

void TScoreForm::UpdateScoreOut() {
    SetNumber(ScoreOut, SumText(TextsOf(Score, 1, 9)));
}

void TScoreForm::UpdateScoreIn() {
    SetNumber(ScoreIn, SumText(TextsOf(Score, 10, 18)));
}

void TScoreForm::UpdatePuttsOut() {
    SetNumber(PuttsOut, SumText(TextsOf(Putts, 1, 9)));
}

void TScoreForm::UpdatePuttsIn() {
    SetNumber(PuttsIn, SumText(TextsOf(Putts, 10, 18)));
}

void TScoreForm::UpdatePuttsTotal() {
    SetNumber(PuttsTotal, SumText({Text(PuttsOut), Text(PuttsIn)}));
}

void TScoreForm::UpdateScoreTotal() {
    SetNumber(ScoreTotal, SumText({Text(ScoreOut), Text(ScoreIn)}));
    ScoreTotalExit(); // the AGS, then the differential
}

void TScoreForm::UpdateDifferential() {
    ScoreDiff->setText(ToQt(ScoreFormDifferential(Text(AdjScore), Text(ScoreTotal),
                                                  Text(RatingField), Text(SlopeField))));
}

void TScoreForm::ShowCourse(int position) {
    const CourseRec& course = courses_[position];
    RatingField->setText(course.Rating.empty() ? "0.0" : ToQt(course.Rating));
    SlopeField->setText(course.Slope.empty() ? "0" : ToQt(course.Slope));
    for (int hole = 0; hole < 18; ++hole)
        Par[hole]->setText(ToQt(course.Par[hole]));
    ParTotal->setText(ToQt(course.ParTotal));
    for (TEdit* par : Par)
        if (par->text().isEmpty()) par->setText("0");
    // The stored total par stays as it is, even when it differs from the sum.
    ParOut->setText(ToQt(SumText(TextsOf(Par, 1, 9))));
    ParIn->setText(ToQt(SumText(TextsOf(Par, 10, 18))));
}

void TScoreForm::ClearScoreForm() {
    RatingField->setText("0.0");
    SlopeField->setText("0");
    for (TEdit* par : Par)
        par->clear();
    for (TEdit* total : {ParOut, ParIn, ParTotal})
        total->clear();
    for (int hole = 0; hole < 18; ++hole) {
        Score[hole]->setText("0");
        Putts[hole]->setText("0");
    }
    for (TEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn})
        sum->setText("0");
    for (TEdit* empty : {ScoreTotal, PuttsTotal, AdjScore, ScoreDiff})
        empty->clear();
    CommentField->clear();
}

// ---- Courses, help and about ----------------------------------------------

void TScoreForm::AddCourseButtonClick() {
    if (static_cast<int>(courses_.size()) >= MaxCourses) {
        Dialogs::Warning(this, "You have reached the maximum allowed number of courses.  If "
                               "possible, delete some courses that you do not use.  Then, you "
                               "can enter more new ones.");
        return;
    }
    // The course chosen so far is selected again when we are back. With no
    // selection CourseName2 already holds what is to come back: nothing for a
    // new round, the stored name of a round whose course has left the list.
    if (CourseField->currentIndex() >= 0) CourseName2->setText(CourseField->currentText());
    CourseForm->OpenForNewCourseFromLast(this);
}

void TScoreForm::Image1Click() {
    ShowAboutBox(this);
}

void TScoreForm::Help2Click() {
    OpenHelp();
}

} // namespace tb
