// The golfer list: its golfers and buttons, and "Add a Score" from the main
// window's "Enter Scores" through the score form to the golfer's score file
// on disk, with the limits, the index shown and the closing commands.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"
#include "forms/CurrentIndexWindow.h"

#include "forms/CourseEditWindow.h"

#include <QAction>
#include <QMenuBar>

#include <filesystem>

using tb::Dialogs::Kind;

namespace tbtest {
namespace {

const std::string OlderRound = RoundLine("19980614", "ABBEY", "88", "70.5", "125", "87");

// 5 and 2 on every hole, as the whole-round test types them.
std::string FivesAndTwos(const std::string& date, const std::string& course,
                         const std::string& rating, const std::string& slope,
                         const std::string& comment) {
    std::string line = date + "~" + course + "~90~" + rating + "~" + slope + "~" + comment + "~";
    for (int i = 0; i < 18; ++i)
        line += "5~";
    for (int i = 0; i < 18; ++i)
        line += "2~";
    return line + "90~\r\n";
}

class HubTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
    }

    // Course, date, then 5 and 2 on every hole with Enter, then a comment.
    void TypeWholeRound(int course, const QString& date) {
        ChooseCourse(course);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focus(), form()->DateField);
        Keys(date);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focus(), form()->SkipPuttsChkBox);
        Key(Qt::Key_Return);
        for (int hole = 0; hole < 18; ++hole) {
            ASSERT_EQ(Focus(), form()->Score[hole]) << "hole " << hole + 1;
            Keys("5");
            Key(Qt::Key_Return);
            ASSERT_EQ(Focus(), form()->Putts[hole]) << "hole " << hole + 1;
            Keys("2");
            Key(Qt::Key_Return);
        }
        ASSERT_EQ(Focus(), form()->OKButton);
        form()->CommentField->setFocus();
        Keys("windy");
    }
};

TEST_F(HubTest, ListsTheGolfersSortedAndSelectsTheFirst) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    EXPECT_EQ(hub->windowTitle(), "Golfer List");
    ASSERT_EQ(hub->GolferListBox->count(), 2);
    EXPECT_EQ(hub->GolferListBox->item(0)->text(), "Ann Adams");
    EXPECT_EQ(hub->GolferListBox->item(1)->text(), "John Smith");
    EXPECT_EQ(hub->GolferListBox->currentRow(), 0) << "the first golfer on first showing";
    EXPECT_EQ(QApplication::focusWidget(), hub->GolferListBox) << "picked with the arrow keys";
    EXPECT_EQ(hub->Mode(), 'N');
    EXPECT_TRUE(hub->AddAScoreButton->isEnabled());
    EXPECT_TRUE(hub->AddaScore1->isEnabled());
    EXPECT_TRUE(hub->ExitButton->isEnabled());
    EXPECT_EQ(hub->AddGroupButton->text(), "Add Group of Scores");
    EXPECT_EQ(hub->PrintHandicaps1->text(), "Print Ha&ndicaps");
    QStringList menus;
    for (QAction* action : hub->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Activities"}));
}

TEST_F(HubTest, TheListFillsTheWindowButTwentySixPixelsAndItsSizeIsKept) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    EXPECT_EQ(hub->width(), 572) << "placement defaults";
    EXPECT_EQ(hub->height(), 385);
    hub->resize(600, 420);
    Settle();
    EXPECT_EQ(hub->GolferListBox->height(), hub->centralWidget()->height() - 26);
    // The new size is remembered for the next golfer list.
    hub->close();
    Settle();
    tb::TGPickForm* next = OpenHub();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->width(), 600);
    EXPECT_EQ(next->height(), 420);
}

TEST_F(HubTest, AWholeRoundTypedWithEnterReachesTheScoreFile) {
    WriteGolfers(OlderRound);
    ASSERT_TRUE(OpenForSmith());
    tb::TGPickForm* hub = tb::GPickForm;
    TypeWholeRound(1, "1/5/99");
    Click(form()->OKButton);
    Settle();

    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(form()->OkPressed->text(), "0") << "the hub takes the round once";
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              FivesAndTwos("19990105", "OAK HOLLOW", "71.2", "121", "windy") + OlderRound);
    EXPECT_EQ(dir.Read("ADAMS.vxp"), "");
    EXPECT_EQ(hub->GolferListBox->currentRow(), 1) << "back on the golfer it was for";
    EXPECT_TRUE(Shown().empty());

    // Another activation takes nothing more.
    Activate(tb::MainForm);
    Activate(hub);
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              FivesAndTwos("19990105", "OAK HOLLOW", "71.2", "121", "windy") + OlderRound);
}

// A round stored for the golfer while this one was typed (by another window
// or program) stays: the new round goes into the file as it is then.
TEST_F(HubTest, ARoundIsAddedToTheScoreFileAsItIsWhenOkIsPressed) {
    WriteGolfers(OlderRound);
    ASSERT_TRUE(OpenForSmith());
    const std::string storedMeanwhile = RoundLine("19990301", "ABBEY", "80", "70.5", "125", "80");
    dir.Write("SMITH.vxp", storedMeanwhile + OlderRound);
    TypeWholeRound(1, "1/5/99");
    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              storedMeanwhile + FivesAndTwos("19990105", "OAK HOLLOW", "71.2", "121", "windy") +
                  OlderRound);
}

// The list follows golfer maintenance's saves (or another program's): a
// golfer whose short name changed is found under the new name at once.
TEST_F(HubTest, TheListIsReadAgainWhenTheGolferFileChanged) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    dir.Write("golfers.vxc", "John Smith~SMYTH~0~\r\nAnn Adams~ADAMS~1~\r\nBo Baker~BAKER~0~\r\n");
    std::filesystem::rename(dir / "SMITH.vxp", dir / "SMYTH.vxp");
    dir.Write("BAKER.vxp", "");
    ASSERT_TRUE(Activate(tb::MainForm));
    ASSERT_TRUE(Activate(hub));
    EXPECT_EQ(hub->GolferListBox->count(), 3);
    AddAScore(hub, 2);
    EXPECT_TRUE(form()->isVisible());
    EXPECT_TRUE(Shown().empty());
}

// An index asked for another golfer while a round is being typed reads that
// golfer's scores on its own: the round still goes to its golfer's file.
TEST_F(HubTest, ARoundTypedWhileAnotherGolfersIndexIsShownReachesItsOwnFile) {
    WriteGolfers(OlderRound, OlderRound);
    ASSERT_TRUE(OpenForSmith());
    tb::TGPickForm* hub = tb::GPickForm;
    TypeWholeRound(1, "1/5/99");
    ASSERT_TRUE(Activate(hub));
    hub->GolferListBox->setCurrentRow(0); // Ann Adams
    Click(hub->IndexButton);
    Settle();
    auto* details = qobject_cast<tb::TIndexForm*>(QApplication::activeWindow());
    ASSERT_TRUE(details);
    EXPECT_TRUE(details->Field[0]->text().startsWith("1 scores on file for Ann Adams."));
    Click(details->OkButton);
    Settle();
    ASSERT_TRUE(Activate(form()));
    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              FivesAndTwos("19990105", "OAK HOLLOW", "71.2", "121", "windy") + OlderRound);
    EXPECT_EQ(dir.Read("ADAMS.vxp"), OlderRound);
}

// Coming back to the score form from another of the program's windows moves
// the focus to the course list: the box being edited is left first.
TEST_F(HubTest, TheBoxBeingEditedIsLeftWhenTheUserComesBackToTheScoreForm) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(0);
    Key(Qt::Key_Return);
    Keys("1/5/99"); // the date, not left
    ASSERT_TRUE(Activate(hub));
    ASSERT_TRUE(Activate(form()));
    EXPECT_EQ(form()->DateField->text(), "01/05/1999");
    EnterToScore1();
    Keys("5");
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    Keys("7"); // Score2, not left
    ASSERT_TRUE(Activate(hub));
    ASSERT_TRUE(Activate(form()));
    EXPECT_EQ(form()->ScoreOut->text(), "12");
    EXPECT_EQ(form()->ScoreTotal->text(), "12") << "the total follows the holes";
    EXPECT_EQ(form()->AdjScore->text(), "12");
    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(dir.Read("SMITH.vxp").substr(0, 37), "19990105~ABBEY~12~70.5~125~~5~7~0~0~0");
}

TEST_F(HubTest, ComingBackFromAnotherApplicationChangesNothing) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(0);
    EnterToScore1();
    Keys("6");
    dir.Write("courses.vxc", ""); // reading the list again would empty it
    LeaveAndComeBack(form());
    EXPECT_EQ(Focus(), form()->Score[0]) << "still the box being edited";
    EXPECT_EQ(form()->Score[0]->text(), "6");
    EXPECT_EQ(form()->ScoreOut->text(), "0") << "not left";
    EXPECT_EQ(form()->CourseField->count(), 2);
    Click(form()->CancelButton);
    Settle();

    hub->GolferListBox->setCurrentRow(0); // the user picks Ann Adams
    LeaveAndComeBack(hub);
    EXPECT_EQ(hub->GolferListBox->currentRow(), 0) << "Add a Score is for the golfer picked";
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HubTest, SaveExitWithoutACourseStoresAnIncompleteRound) {
    WriteGolfers();
    ASSERT_TRUE(OpenForSmith());
    form()->DateField->setText("03/04/2000");
    ChooseMenu(form(), Qt::Key_F, Qt::Key_S);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(dir.Read("SMITH.vxp"), RoundLine("20000304", "", "", "0.0", "0", ""))
        << "no course, no total, no AGS";
}

TEST_F(HubTest, SaveExitFirstLeavesTheBoxBeingEdited) {
    WriteGolfers();
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    Key(Qt::Key_Return);
    Keys("1/5/99");
    ChooseMenu(form(), Qt::Key_F, Qt::Key_S);
    ASSERT_FALSE(form()->isVisible());
    EXPECT_EQ(dir.Read("SMITH.vxp"), RoundLine("19990105", "ABBEY", "", "70.5", "125", ""))
        << "the date was normalised first";

    // Score1 typed and not left: the total and the AGS follow it.
    AddAScore(tb::GPickForm, 1);
    ChooseCourse(0);
    EnterToScore1();
    Keys("7");
    ChooseMenu(form(), Qt::Key_F, Qt::Key_S);
    ASSERT_FALSE(form()->isVisible());
    const std::string file = dir.Read("SMITH.vxp");
    EXPECT_NE(file.find("~ABBEY~7~70.5~125~~7~"), std::string::npos) << file;
    EXPECT_NE(file.find("~7~\r\n"), std::string::npos) << file;
}

TEST_F(HubTest, SaveExitStopsAtAnErrorInTheBoxBeingEdited) {
    WriteGolfers(OlderRound);
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    EnterToScore1();
    Keys("5");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), form()->Score[1]);
    Keys("x");
    ChooseMenu(form(), Qt::Key_F, Qt::Key_S);
    EXPECT_EQ(Shown(), (std::vector<QString>{"'x' is not a valid integer value"}));
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(form()->OkPressed->text(), "0");
    EXPECT_EQ(dir.Read("SMITH.vxp"), OlderRound);
}

TEST_F(HubTest, CancelExitAndTheCloseBoxStoreNothing) {
    WriteGolfers(OlderRound);
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(0);
    Click(form()->CancelButton);
    Settle();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(hub->GolferListBox->currentRow(), 1);

    AddAScore(hub, 1);
    ChooseCourse(0);
    ChooseMenu(form(), Qt::Key_F, Qt::Key_X); // E&xit
    EXPECT_FALSE(form()->isVisible());

    AddAScore(hub, 1);
    ChooseCourse(0);
    tb::Dialogs::QueueAnswer(tb::Dialogs::Answer::Yes); // a course chosen is a change
    form()->close();
    Settle();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(form()->OkPressed->text(), "0");
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(dir.Read("SMITH.vxp"), OlderRound);
    EXPECT_EQ(Shown(), (std::vector<QString>{"Discard this round?"}));
}

TEST_F(HubTest, AGolferWithTwoHundredScoresIsWarnedAndGetsNoScoreForm) {
    WriteGolfers(Rounds(200));
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    AddAScore(hub, 1);
    EXPECT_FALSE(form()->isVisible());
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Warning);
    EXPECT_EQ(Shown()[0], "This golfer has reached the maximum allowed number of scores for a "
                          "golfer.  You must delete some old scores for this golfer before you "
                          "can add any new scores.  REMEMBER: the last 20 complete scores are "
                          "used to calculate the index.");
    EXPECT_EQ(dir.Read("SMITH.vxp"), Rounds(200));
}

TEST_F(HubTest, TheTwoHundredthScoreIsStored) {
    WriteGolfers(Rounds(199));
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    form()->DateField->setText("01/01/2000");
    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(dir.Read("SMITH.vxp"),
              RoundLine("20000101", "ABBEY", "", "70.5", "125", "") + Rounds(199));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HubTest, TheIndexShownIsTheMaximumBelowFiveScoresAndRightAligned) {
    WriteGolfers(Rounds(4), Rounds(3));
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    EXPECT_EQ(form()->IndexField->text(), "36.4");
    Click(form()->CancelButton);
    Settle();
    AddAScore(hub, 0);
    EXPECT_EQ(form()->IndexField->text(), "40.4") << "Ann Adams is a woman";
    EXPECT_EQ(form()->windowTitle(), "Enter Score - Ann Adams");
}

TEST_F(HubTest, AnIndexOf9Point9CapsHolesAtSix) {
    // Five complete rounds; the best differential 10.3 gives 10.3 x 0.96 = 9.9.
    std::string rounds = RoundLine("19990105", "ABBEY", "80", "69.7", "113");
    for (int day = 1; day <= 4; ++day)
        rounds += RoundLine("1999010" + std::to_string(day), "ABBEY", "95", "69.7", "113");
    WriteGolfers(rounds);
    ASSERT_TRUE(OpenForSmith());
    EXPECT_EQ(form()->IndexField->text(), " 9.9");
    ChooseCourse(1);
    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    EnterToScore1();
    Keys("8");
    Key(Qt::Key_Return);
    Keys("7");
    Key(Qt::Key_Return);
    for (int hole = 2; hole < 18; ++hole) {
        Keys("5");
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(form()->ScoreTotal->text(), "95");
    EXPECT_EQ(form()->AdjScore->text(), "92");
    EXPECT_EQ(form()->ScoreDiff->text(), "19.4"); // (92 - 71.2) x 113 / 121 = 19.42
}

TEST_F(HubTest, WithNoGolfersTheActivitiesDoNothing) {
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    EXPECT_EQ(hub->GolferListBox->count(), 0);
    Click(hub->AddAScoreButton);
    Settle();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HubTest, AMissingScoreFileIsAnInputOutputError) {
    WriteGolfers();
    std::filesystem::remove(dir / "SMITH.vxp");
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    AddAScore(hub, 1);
    EXPECT_FALSE(form()->isVisible());
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Error);
    EXPECT_EQ(Shown()[0], "File not found\nSMITH.vxp: No such file or directory");
}

// A file-size limit (SIGXFSZ ignored, as the program does) or any one write
// failing: the user sees the error and the score form again, holding the
// round as typed; the file keeps its old bytes; OK then stores the round.
TEST_F(HubTest, ARoundSurvivesAFailedSaveAndIsStoredOnTheRetry) {
    WriteGolfers(OlderRound);
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    TypeWholeRound(1, "1/5/99");
    SaveUnderEveryFailure(
        dir, "SMITH.vxp",
        FivesAndTwos("19990105", "OAK HOLLOW", "71.2", "121", "windy") + OlderRound,
        [&] {
            Click(form()->OKButton);
            Settle();
        },
        [&] {
            ASSERT_TRUE(form()->isVisible()) << "the round is back on the score form";
            EXPECT_EQ(QApplication::activeWindow(), form());
            EXPECT_EQ(form()->CourseField->currentText(), "OAK HOLLOW");
            EXPECT_EQ(form()->DateField->text(), "01/05/1999");
            EXPECT_EQ(form()->Score[17]->text(), "5");
            EXPECT_EQ(form()->Putts[17]->text(), "2");
            EXPECT_EQ(form()->ScoreTotal->text(), "90");
            EXPECT_EQ(form()->CommentField->toPlainText(), "windy");
        });

    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"ADAMS.vxp", "SMITH.vxp", "backups",
                                                     "courses.vxc", "golfers.vxc"}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HubTest, ASecondAddAScoreBringsTheOpenScoreFormForward) {
    WriteGolfers(OlderRound);
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(0);
    EnterToScore1();
    Keys("4");
    Key(Qt::Key_Return);

    // The same window, another golfer.
    Activate(hub);
    AddAScore(hub, 0);
    EXPECT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - John Smith");
    EXPECT_EQ(form()->Score[0]->text(), "4");
    EXPECT_EQ(form()->CourseField->currentText(), "ABBEY");

    // A second golfer list window.
    tb::TGPickForm* second = OpenHub();
    ASSERT_TRUE(second);
    ASSERT_NE(second, hub);
    AddAScore(second, 0);
    EXPECT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - John Smith");
    EXPECT_EQ(form()->Score[0]->text(), "4");
    EXPECT_EQ(second->Mode(), 'N');

    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(hub->GolferListBox->currentRow(), 1) << "John Smith, the golfer it was for";
    const std::string file = dir.Read("SMITH.vxp");
    EXPECT_EQ(file.substr(file.size() - OlderRound.size()), OlderRound);
    EXPECT_NE(file.find("~ABBEY~4~70.5~125~~4~"), std::string::npos) << file;
    EXPECT_EQ(dir.Read("ADAMS.vxp"), "");
    Activate(second);
    EXPECT_EQ(dir.Read("ADAMS.vxp"), "");
}

TEST_F(HubTest, AWindowWhoseRoundIsOpenDoesNotCloseAndItsRoundIsStored) {
    WriteGolfers(OlderRound);
    tb::TGPickForm* first = OpenHub();
    tb::TGPickForm* second = OpenHub();
    ASSERT_TRUE(first && second);
    AddAScore(second, 0);
    ASSERT_TRUE(form()->isVisible());
    QPointer<tb::TGPickForm> guard = second;
    for (QAction* close : {second->Exit1, static_cast<QAction*>(nullptr)}) {
        if (close)
            close->trigger();
        else
            second->close(); // the title bar's close box
        Settle();
        EXPECT_TRUE(guard && guard->isVisible());
        EXPECT_TRUE(Shown().back().startsWith("A score is being entered from this window."));
        EXPECT_EQ(QApplication::activeWindow(), form()) << "brought forward";
    }
    ChooseCourse(0);
    Click(form()->OKButton);
    Settle();
    EXPECT_NE(dir.Read("ADAMS.vxp"), "") << "the round reached its golfer";
    EXPECT_EQ(dir.Read("SMITH.vxp"), OlderRound);
    ASSERT_TRUE(Activate(first));
    EXPECT_EQ(dir.Read("SMITH.vxp"), OlderRound) << "and no other window took it";
    second->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); })) << "closes once it is done";
}

TEST_F(HubTest, ARoundWhoseCourseLeftTheListIsStoredWithItsName) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(1);
    form()->DateField->setText("05/05/2000");
    // Course maintenance deletes the course while the round is typed.
    Activate(hub);
    dir.Write("courses.vxc", "ABBEY~70.5~125~72~4~4~3~5~4~4~3~4~5~4~4~3~5~4~4~3~4~5~\r\n");
    Activate(form());
    EXPECT_EQ(Shown(), (std::vector<QString>{"ERROR: Course not found in list??"}));
    EXPECT_EQ(form()->CourseField->currentIndex(), -1);
    Click(form()->OKButton);
    Settle();
    EXPECT_EQ(dir.Read("SMITH.vxp"), RoundLine("20000505", "OAK HOLLOW", "", "71.2", "121", ""));
}

TEST_F(HubTest, ExitClosesTheWindow) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    Click(hub->ExitButton);
    Settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tb::GPickForm.isNull());
}

} // namespace
} // namespace tbtest
