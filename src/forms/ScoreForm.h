#pragma once
// The score form: one round of one golfer, typed hole by hole, with the
// course's rating, slope and pars, the nine-hole sums, the total, the
// adjusted gross score and the differential kept up to date. It is created
// once at start-up and reused. Its openers (the golfer list, the golfer's
// scores, group entry) open it through one of its entry points
// (OpenForNewRound, OpenForGroup, OpenToChange) and take the round in their
// own FormActivate when OkPressed reads "1", building the record with
// RoundAsScoreRec.

#include "data/EntryKeys.h"
#include "data/Records.h"
#include "data/ScoreFile.h"
#include "handicap/ScoreEntry.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <array>

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;

namespace tb {

class TScoreForm : public TbForm {
    Q_OBJECT
public:
    explicit TScoreForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "ScoreForm.html"; }

    QComboBox* CourseField = nullptr;
    TButton* AddCourseButton = nullptr;
    TEdit* DateField = nullptr;
    QCheckBox* SkipPuttsChkBox = nullptr;
    TEdit* RatingField = nullptr;
    TEdit* SlopeField = nullptr;
    std::array<TEdit*, 18> Par{}; // Par1 to Par18
    TEdit* ParOut = nullptr;
    TEdit* ParIn = nullptr;
    TEdit* ParTotal = nullptr;
    std::array<TEdit*, 18> Score{}; // Score1 to Score18
    TEdit* ScoreOut = nullptr;
    TEdit* ScoreIn = nullptr;
    TEdit* ScoreTotal = nullptr;
    std::array<TEdit*, 18> Putts{}; // Putts1 to Putts18
    TEdit* PuttsOut = nullptr;
    TEdit* PuttsIn = nullptr;
    TEdit* PuttsTotal = nullptr;
    TEdit* AdjScore = nullptr;
    TEdit* ScoreDiff = nullptr;
    TEdit* IndexField = nullptr;
    TMemo* CommentField = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TImage* Image1 = nullptr;
    // The round's hand-over boxes, written by the entry points and by this
    // form; OkPressed is read by the openers.
    THiddenEdit* GolferName = nullptr;
    THiddenEdit* CourseName2 = nullptr;
    THiddenEdit* CoursePicked = nullptr;
    THiddenEdit* OkPressed = nullptr;
    THiddenEdit* AddingGroup = nullptr;

    QAction* SaveExit1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* EditCourses1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* AboutTarnbeck1 = nullptr;

    // The ways into the form. Each hands the form its round, clears a result
    // it may still hold for an opener that went away, and shows it for
    // `opener`. `index` is the golfer's index as the opener shows it: the
    // form shows it too and bases the adjusted gross score on it.
    //
    // A new round of the golfer `golferName`: today's date, no course.
    void OpenForNewRound(TbForm* opener, const QString& golferName, const QString& index);
    // The next round of a group of golfers who played together. The first
    // starts as a new round; every later one keeps the date and the course
    // of the golfer before and starts with empty holes.
    enum class GroupTurn { First, Later };
    void OpenForGroup(TbForm* opener, const QString& golferName, const QString& index,
                      GroupTurn turn);
    // A stored round of the golfer `golferName`, to be changed. The sums are
    // worked out again when the form becomes active.
    void OpenToChange(TbForm* opener, const QString& golferName, const QString& index,
                      const ScoreRec& round);

    // The accepted round as a score file record, every text cut to its
    // field's capacity. Every opener takes the round through this one mapping.
    ScoreRec RoundAsScoreRec() const;
    // True while the form is on screen holding a round opened by `opener`
    // (any opener when null).
    bool HoldsRoundFor(const TbForm* opener = nullptr) const;
    // True (after saying so and coming forward) while the form holds a round
    // opened by `opener`, which must stay to take it.
    bool KeepsOpenerOpen(TbForm* opener);
    // Appends the accepted round to the golfer's score file as it is now
    // (read again with `variant`, so that rounds stored since `scores` was
    // read stay), newest first; `scores` becomes the file's new list. When
    // that fails, or the file is full, the user has been told, `scores` is
    // as it was and the round goes back to the user as typed, so that OK
    // tries again.
    void StoreRoundFor(TbForm* opener, const std::string& shortName, ScoreList& scores,
                       const ScoreLoadVariant& variant);

    // The form's own copy of the course list, read again at every activation.
    const CourseList& Courses() const { return courses_; }

    // Handlers.
    void CourseFieldClick(int index);
    void DateFieldExit();
    void SkipPuttsChkBoxClick();
    void ScoreExit(int hole); // Score1Exit to Score18Exit
    void PuttsExit(int hole); // Putts1Exit to Putts18Exit
    void ScoreTotalExit();
    void AdjScoreExit();
    void AddCourseButtonClick();
    void Image1Click();
    void Help2Click();
    void OKButtonClick();
    void SaveExit1Click();
    void CancelButtonClick();
    void Exit1Click();
    // Escape and the close box: they leave without storing, after asking
    // when the round holds values typed since it was shown.
    void EscapePressed();

    // Operations on the form's boxes.
    void UpdateScoreOut();
    void UpdateScoreIn();
    void UpdatePuttsOut();
    void UpdatePuttsIn();
    void UpdatePuttsTotal();
    void UpdateScoreTotal();
    void UpdateDifferential();
    void ShowCourse(int position); // 0-based position in the course list
    void ClearScoreForm();
    void SetPuttsTabStops();

protected:
    void BuildControls() override;
    void FormShow() override;
    void FormActivate() override;
    void FormHide() override;
    bool FormCloseQuery() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // The parts of the window, built by BuildControls in this order.
    void BuildCourseAndDate(QWidget* central, QBoxLayout* layout);
    void BuildHoleGrid(QWidget* central, QBoxLayout* layout);
    void BuildResults(QWidget* central, QBoxLayout* layout);
    void BuildCommentAndButtons(QWidget* central, QBoxLayout* layout);
    void BuildHandOverBoxes(QWidget* central);
    void DescribeKeys();
    void BuildMenu();
    void SetTabOrder();
    void ConnectHandlers();
    // Today's date, no course chosen: how a new round starts.
    void StartNewRound();
    // Fills the boxes from a stored round, the course still to be selected
    // by name.
    void ShowStoredRound(const ScoreRec& rec);
    // What every entry point ends with: the golfer, the index, whether a
    // group is being entered; then the showing for `opener` (ShowAfreshFor).
    void ShowRoundFor(TbForm* opener, const QString& golferName, const QString& index,
                      bool forGroup);
    void FillCourseField();
    // Appends the course the editor accepted and saves the list; false
    // (after the error) when it could not be saved.
    bool SaveAddedCourse();
    // Adds the course editor's course to the course list file as it is now;
    // false when the user would rather not drop lines the list cannot take.
    bool AppendCourseToFile();
    // Key handlers of the boxes; true when the key was swallowed.
    bool DateFieldKeyPress(QKeyEvent* event);
    bool ScoreKeyPress(int hole, QKeyEvent* event);
    bool PuttsKeyPress(int hole, QKeyEvent* event);
    bool ScoreTotalKeyPress(QKeyEvent* event);
    // "+" or "=" steps the box up, "-" or "_" down; true when it was one of them.
    static bool StepKey(TEdit* box, QKeyEvent* event);
    static bool IsEnter(QKeyEvent* event);
    // Sets `handler` as the exit handler of `box`; it runs only while the
    // form is on screen, so the box left focused when the form was hidden
    // does not run it again at the next showing.
    void OnExit(TEdit* box, std::function<void()> handler);
    // Hides the form with the given result and hands over to the opener.
    void Close(const char* okPressed);
    // The round's boxes as the core checks them.
    TypedRound TypedRoundOnForm() const;
    // Refuses the round at its first box that cannot be stored (ConvertError).
    void RefuseUnstorableRound();
    TEdit* BoxOf(const TypedRoundProblem& problem) const;
    // Puts the focus in `box` with its text selected and throws `why` as a
    // ConvertError: the form stays as it is.
    [[noreturn]] void RefuseAt(TEdit* box, const std::string& why);
    // The texts the user can change, to tell whether anything was typed.
    QStringList TypedValues() const;
    // True when nothing was typed since the round was shown, or the user
    // agrees to drop what was.
    bool MayDiscardRound();

    CourseList courses_;
    // The day the form was made, which the date box starts with.
    QString dayCreated_;
    // Set while a handler takes the focus elsewhere on its own (leaving
    // Score1 at "0" jumps to ScoreTotal, a refused value takes it back to its
    // box): the box the focus was heading for never got it, so it has
    // nothing to leave.
    bool jumping_ = false;
    // The round's values when it was shown (TypedValues), taken once the
    // showing's activation has selected its course.
    QStringList roundAsShown_;
    bool roundJustShown_ = false;
    // Set from ShowStoredRound until the form is shown: the showing keeps
    // the stored round's boxes even when it names no course.
    bool showsStoredRound_ = false;
};

// The one score form, created at start-up.
extern FormRef<TScoreForm> ScoreForm;

// The warning an opener gives instead of opening the score form for a
// golfer who has MaxScores scores.
void WarnMaximumScores(QWidget* parent);

// Today's date as the score form shows it, MM/DD/YYYY.
QString TodayForScoreForm();

} // namespace tb
