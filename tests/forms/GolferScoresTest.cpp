// A golfer's scores: opened from the golfer list, rounds added and changed
// through the score form and deleted, the marks and the index following,
// and the file written only by Save or by Exit's question.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"
#include "forms/CourseHandicapWindow.h"
#include "forms/CurrentIndexWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferScoresWindow.h"
#include "forms/MainWindow.h"

namespace tbtest {
namespace {

using tb::Dialogs::Answer;

class GolferScoresTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
    }
    static tb::TGolferForm* golfers() { return tb::GolferForm.Get(); }

    // John Smith's scores, opened by a double-click in the golfer list.
    tb::TGPickForm* OpenSmith() {
        tb::TGPickForm* hub = OpenHub();
        EXPECT_TRUE(hub);
        if (!hub) return nullptr;
        DoubleClick(hub->GolferListBox, 1);
        Settle();
        EXPECT_EQ(QApplication::activeWindow(), golfers());
        return hub;
    }
    QStringList Lines() const {
        QStringList lines;
        for (int row = 0; row < golfers()->ScoresListBox->count(); ++row)
            lines << golfers()->ScoresListBox->item(row)->text();
        return lines;
    }
    int Marked(const QString& mark) const {
        int count = 0;
        for (const QString& line : Lines())
            count += line.startsWith(mark) ? 1 : 0;
        return count;
    }
    // On the score form: the course by the keys, the date and the total.
    void TypeRound(int course, const QString& date, const QString& total) {
        ChooseCourse(course);
        form()->DateField->setText(date);
        form()->ScoreTotal->setFocus();
        form()->ScoreTotal->selectAll();
        Keys(total);
        Click(form()->OKButton);
        Settle();
    }
};

TEST_F(GolferScoresTest, AddModifyAndDeleteFollowTheListMarksAndIndex) {
    WriteGolfers(Rounds(5) + RoundLine("19970101", "ABBEY", "0", "70.5", "125"));
    ASSERT_TRUE(OpenSmith());
    EXPECT_EQ(golfers()->windowTitle(), "Golfer - John Smith");
    EXPECT_EQ(Lines().size(), 6);
    EXPECT_EQ(Marked("*"), 1) << "five complete scores: the best one";
    EXPECT_EQ(Marked("I"), 1);
    EXPECT_EQ(golfers()->IndexField->text(), " 16.9");
    EXPECT_FALSE(golfers()->SaveButton->isEnabled());

    // An older round goes last; the selection goes to the first line.
    Click(golfers()->AddButton);
    Settle();
    ASSERT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - John Smith");
    EXPECT_EQ(form()->IndexField->text(), " 16.9");
    TypeRound(1, "01/01/1990", "75");
    ASSERT_EQ(QApplication::activeWindow(), golfers());
    EXPECT_EQ(Lines().size(), 7);
    EXPECT_TRUE(Lines().last().contains("01/01/1990   75") && Lines().last().startsWith("*"))
        << Lines().last().toStdString();
    EXPECT_EQ(golfers()->IndexField->text(), "  3.4");
    EXPECT_EQ(golfers()->ScoresListBox->currentRow(), 0);
    EXPECT_TRUE(golfers()->SaveButton->isEnabled());
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              Rounds(5) + RoundLine("19970101", "ABBEY", "0", "70.5", "125"));

    // A changed round moves in the sorted list; the selection keeps its line.
    golfers()->ScoresListBox->setCurrentRow(1);
    Click(golfers()->ModifyButton);
    Settle();
    EXPECT_EQ(form()->DateField->text(), "12/27/1999");
    EXPECT_EQ(form()->ScoreTotal->text(), "90");
    EXPECT_EQ(form()->CourseField->currentText(), "ABBEY");
    TypeRound(0, "01/01/2001", "99");
    EXPECT_TRUE(Lines().first().contains("01/01/2001   99")) << Lines().first().toStdString();
    EXPECT_EQ(golfers()->ScoresListBox->currentRow(), 1);

    // Delete asks; No keeps the line, Yes removes it and selects the next.
    for (Answer answer : {Answer::No, Answer::Yes}) {
        tb::Dialogs::QueueAnswer(answer);
        golfers()->ScoresListBox->setCurrentRow(0);
        Click(golfers()->DeleteButton);
        EXPECT_EQ(Shown().back(), "Are you sure you want to delete this score?");
    }
    EXPECT_EQ(Lines().size(), 6);
    EXPECT_EQ(golfers()->ScoresListBox->currentRow(), 0);

    Click(golfers()->SaveButton);
    EXPECT_FALSE(golfers()->SaveButton->isEnabled());
    const std::string saved = dir.Read("SMITH.vxp");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 6);
    EXPECT_NE(saved.find("19900101~OAK HOLLOW~75~71.2~121~"), std::string::npos);
}

TEST_F(GolferScoresTest, ExitAndItsMenuItemAskAboutUnsavedChanges) {
    const std::string rounds = Rounds(2);
    const struct {
        bool menu;
        Answer answer;
        bool hidden;
        int roundsOnDisk;
    } cases[] = {
        {false, Answer::Cancel, false, 2}, {false, Answer::No, true, 2},
        {false, Answer::Yes, true, 1},     {true, Answer::Cancel, false, 2},
        {true, Answer::No, true, 2},       {true, Answer::Yes, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.menu << " " << static_cast<int>(c.answer));
        WriteGolfers(rounds);
        tb::TGPickForm* hub = OpenSmith();
        ASSERT_TRUE(hub);
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(golfers()->DeleteButton);
        tb::Dialogs::QueueAnswer(c.answer);
        if (c.menu)
            ChooseMenu(golfers(), Qt::Key_F, Qt::Key_X);
        else
            Click(golfers()->ExitButton);
        Settle();
        EXPECT_EQ(Shown().back(), "Save changes made to scores?");
        EXPECT_EQ(golfers()->isVisible(), !c.hidden);
        EXPECT_EQ(golfers()->SaveButton->isEnabled(), !c.hidden);
        const std::string onDisk = dir.Read("SMITH.vxp");
        EXPECT_EQ(std::count(onDisk.begin(), onDisk.end(), '\n'), c.roundsOnDisk);
        if (c.hidden) {
            EXPECT_EQ(QApplication::activeWindow(), hub);
            EXPECT_EQ(hub->GolferListBox->currentRow(), 1);
            // The next showing reads the file again.
            Click(hub->EditScoresButton);
            Settle();
            EXPECT_EQ(Lines().size(), c.roundsOnDisk);
        }
        golfers()->hide();
        hub->close();
        Settle();
    }
}

TEST_F(GolferScoresTest, AChangedRoundWhoseCourseLeftTheListKeepsItsCourse) {
    WriteGolfers(RoundLine("19990505", "OLD LINKS", "80", "69.0", "110"));
    ASSERT_TRUE(OpenSmith());
    golfers()->ScoresListBox->setCurrentRow(0);
    Click(golfers()->ModifyButton);
    Settle();
    EXPECT_EQ(Shown().back(), "ERROR: Course not found in list??");
    form()->ScoreTotal->setFocus();
    form()->ScoreTotal->selectAll();
    Keys("82");
    Click(form()->OKButton);
    Settle();
    Click(golfers()->SaveButton);
    EXPECT_EQ(dir.Read("SMITH.vxp").substr(0, 38), "19990505~OLD LINKS~82~69.0~110~~0~0~0~");
}

TEST_F(GolferScoresTest, ARoundStoredWithoutACourseIsChangedInTheFileOfAShortNameWithADot) {
    dir.Write("golfers.vxc", "J~J~0~\r\nJ Smith~J.SMITH~0~\r\n");
    dir.Write("J.vxp", Rounds(1));
    dir.Write("J.SMITH.vxp", RoundLine("19990505", "", "85", "70.0", "120", "83"));
    ASSERT_TRUE(OpenSmith());
    Click(golfers()->ModifyButton);
    Settle();
    ChooseCourse(0); // the round as stored, and the course's rating and slope
    Click(form()->OKButton);
    Settle();
    Click(golfers()->SaveButton);
    EXPECT_EQ(dir.Read("J.SMITH.vxp") + dir.Read("J.vxp"),
              RoundLine("19990505", "ABBEY", "85", "70.5", "125", "83") + Rounds(1));
}

TEST_F(GolferScoresTest, AFailedSaveKeepsTheFileAndTheChanges) {
    WriteGolfers(Rounds(3));
    ASSERT_TRUE(OpenSmith());
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(golfers()->DeleteButton);
    tb::Dialogs::ClearShown();
    SaveUnderEveryFailure(
        dir, "SMITH.vxp", Rounds(3).substr(Rounds(1).size()), [&] { Click(golfers()->SaveButton); },
        [&] {
            EXPECT_TRUE(golfers()->SaveButton->isEnabled());
            EXPECT_EQ(Lines().size(), 2);
        });
    EXPECT_FALSE(golfers()->SaveButton->isEnabled());
}

TEST_F(GolferScoresTest, AFileRepairedOnReadingCanBeSavedAtOnce) {
    WriteGolfers(RoundLine("19990505", "ABBEY", "", "70.5", "125", "85"));
    ASSERT_TRUE(OpenSmith());
    EXPECT_TRUE(golfers()->SaveButton->isEnabled());
    EXPECT_TRUE(Lines().first().contains("85   85")) << Lines().first().toStdString();
}

TEST_F(GolferScoresTest, TheCalculateMenuWorksOnTheListedScores) {
    WriteGolfers(Rounds(20));
    ASSERT_TRUE(OpenSmith());
    ChooseMenu(golfers(), Qt::Key_C, Qt::Key_I);
    auto* details = qobject_cast<tb::TIndexForm*>(QApplication::activeWindow());
    ASSERT_TRUE(details);
    EXPECT_EQ(details->Field[0]->text(), "20 scores on file for John Smith.");
    EXPECT_TRUE(details->Field[11]->text().startsWith("Differential 10 = "));
    Press(details, Qt::Key_Escape);
    Settle();
    ASSERT_EQ(QApplication::activeWindow(), golfers());
    ChooseMenu(golfers(), Qt::Key_C, Qt::Key_H);
    auto* handicap = qobject_cast<tb::THandicapForm*>(QApplication::activeWindow());
    ASSERT_TRUE(handicap);
    EXPECT_EQ(handicap->GolferShortName->text(), "SMITH");
    EXPECT_EQ(handicap->IndexField->text(), golfers()->IndexField->text());
    handicap->close();
    Settle();
}

TEST_F(GolferScoresTest, OneGolfersScoresAreChangedInOneWindowAtATime) {
    WriteGolfers(Rounds(1));
    tb::TGPickForm* hub = OpenSmith();
    ASSERT_TRUE(hub);
    // A round for the golfer whose scores are open is added there: a save
    // from that window would drop it otherwise.
    ASSERT_TRUE(Activate(hub));
    AddAScore(hub, 1);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(Shown().back().startsWith("The scores of John Smith are open"));
    EXPECT_EQ(QApplication::activeWindow(), golfers());
    // Another golfer's scores replace them once the changes are dealt with.
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(golfers()->DeleteButton);
    ASSERT_TRUE(Activate(hub));
    tb::Dialogs::QueueAnswer(Answer::Cancel);
    hub->GolferListBox->setCurrentRow(0);
    Click(hub->EditScoresButton);
    EXPECT_EQ(golfers()->windowTitle(), "Golfer - John Smith");
    tb::Dialogs::QueueAnswer(Answer::No);
    Click(hub->EditScoresButton);
    Settle();
    EXPECT_EQ(golfers()->windowTitle(), "Golfer - Ann Adams");
    EXPECT_EQ(dir.Read("SMITH.vxp"), Rounds(1));
}

// Save after the file changed behind the window: the user is told what
// changed and chooses; nothing is ever written over the other side unseen.
TEST_F(GolferScoresTest, SaveAfterAnOutsideChangeKeepsBothReplacesOrWritesNothing) {
    const std::string r0 = Rounds(1), r1 = Rounds(2).substr(r0.size()),
                      r2 = Rounds(3).substr(2 * r0.size());
    const std::string added = RoundLine("20000101", "OAK", "80", "70.5", "125");
    const std::string r1Changed = RoundLine("19991227", "ABBEY", "85", "70.5", "125");
    const QString told = "SMITH.vxp was changed outside this window since it was opened: ";
    struct Case {
        const char* name;
        std::function<void()> outside;
        Answer answer;
        const char* file; // "-" for none
        QString shown;    // the start of the question ("" for none)
    };
    const std::string mine = r1 + r2, keptAdded = added + r1 + r2, keptChanged = r1Changed + r2;
    const std::string outsideAdded = r0 + r1 + r2 + added, outsideChanged = r0 + r1Changed + r2;
    const Case cases[] = {
        {"unchanged", [] {}, Answer::Cancel, mine.c_str(), ""},
        {"added, keep both", [&] { dir.Write("SMITH.vxp", outsideAdded); }, Answer::Button1,
         keptAdded.c_str(), told + "1 round added."},
        {"added, replace", [&] { dir.Write("SMITH.vxp", outsideAdded); }, Answer::Button2,
         mine.c_str(), told},
        {"added, cancel", [&] { dir.Write("SMITH.vxp", outsideAdded); }, Answer::Cancel,
         outsideAdded.c_str(), told},
        {"changed, keep both", [&] { dir.Write("SMITH.vxp", outsideChanged); }, Answer::Button1,
         keptChanged.c_str(), told + "1 round changed."},
        {"deleted, saved again", [&] { std::filesystem::remove(dir / "SMITH.vxp"); }, Answer::Yes,
         mine.c_str(), "SMITH.vxp was deleted or renamed"},
        {"renamed, not saved",
         [&] { std::filesystem::rename(dir / "SMITH.vxp", dir / "SMYTH.vxp"); }, Answer::No, "-",
         "SMITH.vxp was deleted or renamed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tb::Dialogs::ClearShown();
        WriteGolfers(Rounds(3));
        std::filesystem::remove(dir / "SMYTH.vxp");
        ASSERT_TRUE(OpenSmith());
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(golfers()->DeleteButton);
        c.outside();
        tb::Dialogs::ClearShown();
        tb::Dialogs::QueueAnswer(c.answer);
        Click(golfers()->SaveButton);
        EXPECT_EQ(dir.Exists("SMITH.vxp") ? dir.Read("SMITH.vxp") : "-", c.file);
        EXPECT_EQ(Shown().empty() ? "" : Shown().front().left(c.shown.size()), c.shown);
        // Cancel and No write nothing and keep the window's changes.
        EXPECT_EQ(golfers()->SaveButton->isEnabled(),
                  c.file != mine && c.file != keptAdded && c.file != keptChanged);
        tb::Dialogs::QueueAnswer(Answer::No);
        Click(golfers()->ExitButton);
        Settle();
    }
}

// A golfer whose scores are open is neither renamed nor deleted: golfer
// maintenance names the window and brings it forward.
TEST_F(GolferScoresTest, GolferMaintenanceLeavesAGolferWhoseScoresAreOpen) {
    WriteGolfers(Rounds(1));
    ASSERT_TRUE(OpenSmith());
    Click(tb::MainForm->EditGolferButton);
    Settle();
    tb::TGMaintForm* maintenance = tb::GMaintForm;
    ASSERT_TRUE(maintenance);
    maintenance->GolferListBox->setCurrentRow(1);
    Click(maintenance->DeleteButton);
    EXPECT_EQ(Shown(), std::vector<QString>{"The scores in \"SMITH.vxp\" are open in the window "
                                            "\"Golfer - John Smith\".  Finish with them there "
                                            "first, then try again."});
    EXPECT_EQ(maintenance->Golfers().size(), 2u);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), golfers());
}

// A score file that is there but cannot be read is never taken for an empty
// list: the window says why and closes again, so nothing can be saved over it.
TEST_F(GolferScoresTest, AScoreFileThatCannotBeReadIsNeverSavedOver) {
    WriteGolfers();
    std::filesystem::remove(dir / "SMITH.vxp");
    std::filesystem::create_directory(dir / "SMITH.vxp");
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    DoubleClick(hub->GolferListBox, 1);
    Settle();
    EXPECT_FALSE(golfers()->isVisible());
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_EQ(QApplication::activeWindow(), hub)
        << (QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle().toStdString()
                                         : "none");
}

} // namespace
} // namespace tbtest
