// A golfer's scores: opened from the golfer list, rounds added and changed
// through the score form and deleted, the marks and the index following,
// and the file written only by Save or by Exit's question.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"
#include "forms/Tbgolfer.h"
#include "forms/Tbhcp.h"
#include "forms/Tbindex.h"

namespace tbtest {
namespace {

using tb::Dialogs::Answer;

class GolferScoresTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
    }
    static tb::TGolferForm* golfers() { return tb::GolferForm; }

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

} // namespace
} // namespace tbtest
