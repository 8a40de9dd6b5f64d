// The score form driven from the golfer list as a user would: the course
// list, the date, the hole grid with Enter, Tab and the step keys, the sums,
// the AGS and the differential, adding a course through the course editor,
// and the closing commands with what they hand back.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"

#include "forms/CourseEditWindow.h"
#include "forms/HelpWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QProcess>

using tb::CourseForm;
using tb::Dialogs::Kind;

namespace tbtest {
namespace {

class ScoreFormTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
        WriteGolfers();
    }
};

TEST_F(ScoreFormTest, OpensWithItsCaptionCoursesDateIndexAndFocus) {
    ASSERT_TRUE(OpenForSmith());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - John Smith");
    ASSERT_EQ(form()->CourseField->count(), 2);
    EXPECT_EQ(form()->CourseField->itemText(0), "ABBEY");
    EXPECT_EQ(form()->CourseField->itemText(1), "OAK HOLLOW");
    EXPECT_EQ(form()->CourseField->currentIndex(), -1);
    EXPECT_EQ(Focus(), form()->CourseField);
    EXPECT_EQ(form()->DateField->text(), tb::TodayForScoreForm());
    EXPECT_EQ(form()->IndexField->text(), "36.4") << "fewer than 5 scores: the maximum";
    EXPECT_EQ(form()->CoursePicked->text(), "0");
    EXPECT_EQ(form()->RatingField->text(), "0.0");
    EXPECT_EQ(form()->SlopeField->text(), "0");
    EXPECT_EQ(form()->Score[0]->text(), "0");
    EXPECT_EQ(form()->ScoreTotal->text(), "");
    EXPECT_EQ(form()->ScoreDiff->text(), " 0.0");
    EXPECT_FALSE(form()->GolferName->isVisible());
    EXPECT_FALSE(form()->OkPressed->isVisible());

    QStringList menus;
    for (QAction* action : form()->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Help"}));
    EXPECT_EQ(form()->SaveExit1->text(), "&Save/Exit");
    EXPECT_EQ(form()->Exit1->text(), "E&xit");
    EXPECT_EQ(form()->EditCourses1->text(), "&Add A Course");
    EXPECT_EQ(form()->Help2->text(), "&Help");
    EXPECT_EQ(form()->AboutTarnbeck1->text(), "&About Tarnbeck");
}

TEST_F(ScoreFormTest, ChoosingACourseShowsItsRatingSlopeAndPars) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    EXPECT_EQ(form()->CourseField->currentText(), "ABBEY");
    EXPECT_EQ(form()->CoursePicked->text(), "1");
    EXPECT_EQ(form()->CourseName2->text(), "ABBEY");
    EXPECT_EQ(form()->RatingField->text(), "70.5");
    EXPECT_EQ(form()->SlopeField->text(), "125");
    EXPECT_EQ(form()->Par[3]->text(), "5");
    EXPECT_EQ(form()->ParOut->text(), "36");
    EXPECT_EQ(form()->ParIn->text(), "36");
    EXPECT_EQ(form()->ParTotal->text(), "72");
    ChooseCourse(1);
    EXPECT_EQ(form()->CourseName2->text(), "OAK HOLLOW");
    EXPECT_EQ(form()->Par[3]->text(), "4");
    EXPECT_EQ(form()->RatingField->text(), "71.2");
}

TEST_F(ScoreFormTest, TabVisitsScoreAndPuttsInTurnAndSkipsPuttsWhenChecked) {
    ASSERT_TRUE(OpenForSmith());
    Tab();
    EXPECT_EQ(Focus(), form()->DateField);
    EXPECT_EQ(form()->DateField->selectedText(), form()->DateField->text());
    Tab();
    EXPECT_EQ(Focus(), form()->SkipPuttsChkBox);
    Tab();
    EXPECT_EQ(Focus(), form()->Score[0]);
    EXPECT_EQ(form()->Score[0]->selectedText(), "0") << "typing replaces the 0";
    Keys("4"); // a 0 left in Score1 would jump to the total
    Tab();
    EXPECT_EQ(Focus(), form()->Putts[0]);
    Tab();
    EXPECT_EQ(Focus(), form()->Score[1]);

    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    ASSERT_TRUE(form()->SkipPuttsChkBox->isChecked());
    form()->Score[1]->setFocus();
    Tab();
    EXPECT_EQ(Focus(), form()->Score[2]) << "putts boxes are no tab stops now";
    form()->Score[17]->setFocus();
    Tab();
    EXPECT_EQ(Focus(), form()->OKButton);
    Tab();
    EXPECT_EQ(Focus(), form()->CancelButton);
    Tab();
    EXPECT_EQ(Focus(), form()->AddCourseButton);
    Tab();
    EXPECT_EQ(Focus(), form()->CommentField);
}

TEST_F(ScoreFormTest, LeavingScore1AtZeroJumpsToTheTotal) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    EnterToScore1();
    Tab();
    EXPECT_EQ(Focus(), form()->ScoreTotal);
    EXPECT_EQ(form()->ScoreTotal->text(), "") << "nothing is recomputed";
    Keys("85");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), form()->OKButton);
    EXPECT_EQ(form()->AdjScore->text(), "85") << "every hole 0: the AGS is the total";
    EXPECT_EQ(form()->ScoreDiff->text(), "13.1"); // (85 - 70.5) x 113 / 125
}

TEST_F(ScoreFormTest, EnterOnScore1AtZeroWithPuttsSkippedAlsoJumpsAndLeavesTheTotalAlone) {
    ASSERT_TRUE(OpenForSmith());
    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    EnterToScore1();
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), form()->ScoreTotal);
    EXPECT_EQ(form()->ScoreTotal->text(), "") << "Score2 never had the focus to leave";
}

TEST_F(ScoreFormTest, EighteenFivesWithPuttsSkippedEndOnOk) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(1);
    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    EnterToScore1();
    for (int hole = 0; hole < 18; ++hole) {
        ASSERT_EQ(Focus(), form()->Score[hole]) << "hole " << hole + 1;
        Keys("5");
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(Focus(), form()->OKButton);
    EXPECT_EQ(form()->ScoreOut->text(), "45");
    EXPECT_EQ(form()->ScoreIn->text(), "45");
    EXPECT_EQ(form()->ScoreTotal->text(), "90");
    EXPECT_EQ(form()->AdjScore->text(), "90");
    EXPECT_EQ(form()->ScoreDiff->text(), "17.6"); // (90 - 71.2) x 113 / 121 = 17.56
    EXPECT_EQ(form()->PuttsTotal->text(), "0") << "as the activation summed it";
}

TEST_F(ScoreFormTest, EnterAlternatesScoreAndPuttsAndThePuttsAddUp) {
    ASSERT_TRUE(OpenForSmith());
    EnterToScore1();
    for (int hole = 0; hole < 3; ++hole) {
        ASSERT_EQ(Focus(), form()->Score[hole]);
        Keys("4");
        Key(Qt::Key_Return);
        ASSERT_EQ(Focus(), form()->Putts[hole]);
        Keys("2");
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(Focus(), form()->Score[3]);
    EXPECT_EQ(form()->PuttsOut->text(), "6");
    EXPECT_EQ(form()->PuttsTotal->text(), "6");
    EXPECT_EQ(form()->ScoreOut->text(), "12");
    form()->Putts[17]->setFocus();
    Keys("3");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), form()->OKButton);
    EXPECT_EQ(form()->PuttsIn->text(), "3");
    EXPECT_EQ(form()->PuttsTotal->text(), "9");
}

TEST_F(ScoreFormTest, StepKeysChangeNumberBoxesAndAreNeverTyped) {
    ASSERT_TRUE(OpenForSmith());
    EnterToScore1();
    Key(Qt::Key_Backspace);
    ASSERT_EQ(form()->Score[0]->text(), "");
    Keys("+");
    EXPECT_EQ(form()->Score[0]->text(), "1") << "an empty box counts as 0";
    Keys("=");
    EXPECT_EQ(form()->Score[0]->text(), "2");
    form()->Score[1]->setFocus();
    Keys("-");
    EXPECT_EQ(form()->Score[1]->text(), "-1");
    Keys("_");
    EXPECT_EQ(form()->Score[1]->text(), "-2");
    EXPECT_EQ(form()->ScoreOut->text(), "2") << "sums follow only when a box is left";
    form()->Putts[4]->setFocus();
    Keys("++-");
    EXPECT_EQ(form()->Putts[4]->text(), "1");
    form()->ScoreTotal->setFocus();
    Keys("=");
    EXPECT_EQ(form()->ScoreTotal->text(), "1");
    EXPECT_EQ(form()->PuttsOut->text(), "1") << "Putts5 was left";
    form()->PuttsOut->setFocus();
    Keys("_");
    EXPECT_EQ(form()->PuttsOut->text(), "0");
    Keys("_");
    EXPECT_EQ(form()->PuttsOut->text(), "-1");
    form()->Putts[4]->setFocus();
    form()->Putts[4]->setText("98");
    Keys("++");
    EXPECT_EQ(form()->Putts[4]->text(), "99") << "a step stops at what the box can show";
}

TEST_F(ScoreFormTest, StepKeyOnLettersIsAnErrorAndTheBoxKeepsItsText) {
    ASSERT_TRUE(OpenForSmith());
    EnterToScore1();
    Keys("x");
    Keys("+");
    EXPECT_EQ(form()->Score[0]->text(), "x");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Error);
    EXPECT_EQ(Shown()[0], "'x' is not a valid integer value");
}

TEST_F(ScoreFormTest, DateIsNormalisedWhenLeftAndStepsByADay) {
    ASSERT_TRUE(OpenForSmith());
    form()->CourseField->setFocus();
    Key(Qt::Key_Return);
    ASSERT_EQ(Focus(), form()->DateField);
    Keys("1/5/99");
    EXPECT_EQ(form()->DateField->text(), "1/5/99");
    Tab();
    EXPECT_EQ(form()->DateField->text(), "01/05/1999");

    form()->DateField->setFocus();
    Keys("02/28/2000");
    Keys("+");
    EXPECT_EQ(form()->DateField->text(), "02/29/2000");
    Keys("=");
    EXPECT_EQ(form()->DateField->text(), "03/01/2000");
    Keys("-");
    EXPECT_EQ(form()->DateField->text(), "02/29/2000");
    Keys("_");
    EXPECT_EQ(form()->DateField->text(), "02/28/2000");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), form()->SkipPuttsChkBox);

    form()->DateField->setFocus();
    Keys("2/30/2025");
    Tab();
    EXPECT_EQ(Shown(),
              (std::vector<QString>{"02/30/2025 is not a date: the day must be 1 to 28."}));
    EXPECT_EQ(Focus(), form()->DateField);
    EXPECT_EQ(form()->DateField->selectedText(), "2/30/2025") << "kept as typed, selected";
}

TEST_F(ScoreFormTest, LettersInAHoleBoxAreAnErrorWhenLeftAndTheSumsStay) {
    ASSERT_TRUE(OpenForSmith());
    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    EnterToScore1();
    Keys("5");
    Key(Qt::Key_Return);
    ASSERT_EQ(form()->ScoreOut->text(), "5");
    ASSERT_EQ(form()->ScoreTotal->text(), "5");
    Keys("ab");
    Key(Qt::Key_Return);
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Error);
    EXPECT_EQ(Shown()[0], "'ab' is not a valid integer value");
    EXPECT_EQ(form()->Score[1]->text(), "ab");
    EXPECT_EQ(form()->ScoreOut->text(), "5");
    EXPECT_EQ(form()->ScoreTotal->text(), "5");
    EXPECT_EQ(form()->AdjScore->text(), "5");
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(Focus(), form()->Score[2]);
}

TEST_F(ScoreFormTest, TheCommentTakesAHundredCharactersWithoutTildeOrLineBreak) {
    ASSERT_TRUE(OpenForSmith());
    form()->CommentField->setFocus();
    Keys("a~b");
    Key(Qt::Key_Return);
    Keys("c");
    EXPECT_EQ(form()->CommentField->toPlainText(), "abc");
    Keys(QString(120, 'x'));
    EXPECT_EQ(form()->CommentField->toPlainText().size(), 100);
}

TEST_F(ScoreFormTest, OkWithoutACourseIsRefusedAndKeepsTheForm) {
    ASSERT_TRUE(OpenForSmith());
    Click(form()->OKButton);
    Settle();
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Message);
    EXPECT_EQ(Shown()[0], "You must pick a course.");
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(form()->OkPressed->text(), "0");
    EXPECT_EQ(Focus(), form()->CourseField);
}

// The course list cannot be written at first, whatever fails: the course
// goes back to the editor as typed, and its OK then saves it.
TEST_F(ScoreFormTest, AddCourseSavesTheNewCourseAndSelectsIt) {
    ASSERT_TRUE(OpenForSmith());
    Click(form()->AddCourseButton);
    Settle();
    ASSERT_TRUE(CourseForm->isVisible());
    ASSERT_EQ(Focus(), CourseForm->CourseName);
    EXPECT_EQ(CourseForm->CourseName->text(), "");
    Keys("meadow");
    Tab();
    Keys("69.8");
    Tab();
    Keys("118");
    Tab();
    for (int hole = 0; hole < 18; ++hole) {
        Keys(hole % 2 ? "3" : "4");
        Tab();
    }
    ASSERT_EQ(CourseForm->ParTotal->text(), "63");
    SaveUnderEveryFailure(
        dir, "courses.vxc",
        std::string(ScoreCourses) + "MEADOW~69.8~118~63~4~3~4~3~4~3~4~3~4~3~4~3~4~3~4~3~4~3~\r\n",
        [&] {
            Click(CourseForm->OKButton);
            Settle();
        },
        [&] {
            ASSERT_TRUE(CourseForm->isVisible()) << "back in the editor";
            EXPECT_EQ(QApplication::activeWindow(), CourseForm.Get());
            EXPECT_EQ(CourseForm->OkPressed->text(), "0");
            EXPECT_EQ(CourseForm->CourseName->text(), "MEADOW");
            EXPECT_EQ(CourseForm->RatingField->text(), "69.8");
            EXPECT_EQ(CourseForm->SlopeField->text(), "118");
            EXPECT_EQ(CourseForm->Par[17]->text(), "3");
            EXPECT_EQ(CourseForm->ParTotal->text(), "63");
            EXPECT_EQ(form()->CourseField->count(), 2);
        });

    EXPECT_FALSE(CourseForm->isVisible());
    EXPECT_EQ(CourseForm->OkPressed->text(), "0") << "taken once";
    EXPECT_EQ(QApplication::activeWindow(), form());
    ASSERT_EQ(form()->CourseField->count(), 3);
    EXPECT_EQ(form()->CourseField->itemText(1), "MEADOW") << "the list is read back sorted";
    EXPECT_EQ(form()->CourseField->currentIndex(), 1);
    EXPECT_EQ(form()->CoursePicked->text(), "1");
    EXPECT_EQ(form()->CourseName2->text(), "MEADOW");
    EXPECT_EQ(form()->RatingField->text(), "69.8");
    EXPECT_EQ(form()->ParOut->text(), "32");
    EXPECT_EQ(Focus(), form()->CourseField);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ScoreFormTest, ARatingOfZeroTakesPartInTheDifferentialAsText) {
    dir.Write("courses.vxc", "ZERO~0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    EnterToScore1();
    Key(Qt::Key_Tab); // Score1 left at 0: on to the total
    ASSERT_EQ(Focus(), form()->ScoreTotal);
    Keys("90");
    Key(Qt::Key_Return);
    EXPECT_EQ(form()->ScoreDiff->text(), "90.0") << "(90 - 0) x 113 / 113";
}

TEST_F(ScoreFormTest, CancelledCourseEditorLeavesTheChosenCourseSelected) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(1);
    ChooseMenu(form(), Qt::Key_E, Qt::Key_A); // &Edit, &Add A Course
    ASSERT_TRUE(CourseForm->isVisible());
    Click(CourseForm->CancelButton);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->CourseField->currentText(), "OAK HOLLOW");
    EXPECT_EQ(form()->CoursePicked->text(), "1");
    EXPECT_EQ(dir.Read("courses.vxc"), ScoreCourses);
}

TEST_F(ScoreFormTest, WithTwoHundredCoursesAddCourseOnlyWarns) {
    std::string courses;
    for (int i = 0; i < 200; ++i)
        courses += "C" + std::to_string(1000 + i) +
                   "~70.0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
    dir.Write("courses.vxc", courses);
    ASSERT_TRUE(OpenForSmith());
    ASSERT_EQ(form()->CourseField->count(), 200);
    Click(form()->AddCourseButton);
    Settle();
    ChooseMenu(form(), Qt::Key_E, Qt::Key_A);
    EXPECT_FALSE(CourseForm->isVisible());
    const QString warning = "You have reached the maximum allowed number of courses.  If possible, "
                            "delete some courses that you do not use.  Then, you can enter more "
                            "new ones.";
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 2u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, Kind::Warning);
    EXPECT_EQ(Shown(), (std::vector<QString>{warning, warning}));
}

// Going to the guide and back, by a click or by Escape, leaves the round as
// typed and the focus where it was.
TEST_F(ScoreFormTest, HelpAndTheAboutBoxChangeNothing) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(1);
    EnterToScore1();
    Keys("6");
    ChooseMenu(form(), Qt::Key_H, Qt::Key_H);
    ASSERT_TRUE(tb::HelpForm && tb::HelpForm->isVisible());
    ASSERT_TRUE(Activate(form()));
    ASSERT_TRUE(Activate(tb::HelpForm));
    Press(tb::HelpForm, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(Focus(), form()->Score[0]);
    EXPECT_EQ(form()->Score[0]->text(), "6");
    ChooseMenu(form(), Qt::Key_H, Qt::Key_A);
    Click(form()->Image1);
    Settle();
    const auto& shown = tb::Dialogs::ShownDialogs();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, Kind::Modal);
    EXPECT_EQ(shown[1].kind, Kind::Modal);
    EXPECT_EQ(form()->CourseField->currentText(), "OAK HOLLOW");
    EXPECT_TRUE(form()->isVisible());
}

TEST_F(ScoreFormTest, ComingBackFromAnotherWindowReselectsTheCourseAndFocusesTheList) {
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(1);
    EnterToScore1();
    Keys("6");
    Activate(hub);
    EXPECT_EQ(form()->ScoreOut->text(), "0") << "losing activation is not leaving the box";
    // Course maintenance renamed the other course meanwhile.
    dir.Write("courses.vxc", "OAK HOLLOW~72.0~130~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    Activate(form());
    EXPECT_EQ(form()->CourseField->count(), 1);
    EXPECT_EQ(form()->CourseField->currentText(), "OAK HOLLOW");
    EXPECT_EQ(form()->RatingField->text(), "72.0");
    EXPECT_EQ(form()->ScoreOut->text(), "6") << "the sums are brought up to date";
    EXPECT_EQ(Focus(), form()->CourseField);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ScoreFormTest, OpeningAMenuIsNotLeavingTheBox) {
    ASSERT_TRUE(OpenForSmith());
    EnterToScore1();
    Keys("7");
    QTest::keyClick(Focus(), Qt::Key_F, Qt::AltModifier);
    Settle();
    ASSERT_TRUE(QApplication::activePopupWidget());
    EXPECT_EQ(form()->ScoreOut->text(), "0");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(form()->ScoreOut->text(), "0");
    EXPECT_EQ(form()->ScoreTotal->text(), "");
}

TEST_F(ScoreFormTest, TheNextRoundStartsClearedWithTheCourseListFocused) {
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    ChooseCourse(0);
    QTest::keyClick(form()->SkipPuttsChkBox, Qt::Key_Space);
    EnterToScore1();
    Keys("6");
    Key(Qt::Key_Return);
    Keys("5");
    form()->CommentField->setPlainText("wet");
    form()->Score[1]->setFocus();
    ChooseMenu(form(), Qt::Key_F, Qt::Key_X); // E&xit while in a hole box
    ASSERT_FALSE(form()->isVisible());

    AddAScore(hub, 1);
    ASSERT_TRUE(form()->isVisible());
    EXPECT_EQ(Focus(), form()->CourseField);
    EXPECT_EQ(form()->CourseField->currentIndex(), -1);
    EXPECT_EQ(form()->CoursePicked->text(), "0");
    EXPECT_EQ(form()->Score[0]->text(), "0");
    EXPECT_EQ(form()->Score[1]->text(), "0");
    EXPECT_EQ(form()->ScoreOut->text(), "0");
    EXPECT_EQ(form()->ScoreTotal->text(), "") << "no hole box of the last round was left again";
    EXPECT_EQ(form()->AdjScore->text(), "");
    EXPECT_EQ(form()->CommentField->toPlainText(), "");
    EXPECT_EQ(form()->RatingField->text(), "0.0");
    EXPECT_EQ(form()->Par[0]->text(), "");
    EXPECT_TRUE(form()->SkipPuttsChkBox->isChecked()) << "kept from one round to the next";
    EXPECT_EQ(form()->Putts[0]->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ScoreFormTest, LeavingScore1AtZeroAtTheLastHideDoesNotJumpAtTheNextShowing) {
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    EnterToScore1();
    form()->close(); // the close box, with Score1 at 0 being edited
    Settle();
    AddAScore(hub, 1);
    EXPECT_EQ(Focus(), form()->CourseField);
}

TEST_F(ScoreFormTest, ComingBackFromTheCourseEditorDoesNotLeaveItsBox) {
    ASSERT_TRUE(OpenForSmith());
    Click(form()->AddCourseButton);
    Settle();
    ASSERT_TRUE(CourseForm->isVisible());
    CourseForm->Par[2]->setFocus();
    Keys("x");
    Activate(form()); // a click on the score form, the editor still open
    EXPECT_TRUE(Shown().empty()) << "the editor's box was not left";
    EXPECT_EQ(Focus(), form()->CourseField);
    EXPECT_EQ(CourseForm->Par[2]->text(), "x");
}

TEST_F(ScoreFormTest, AStoredRoundWhoseCourseHasGoneKeepsItsNameRatingAndSlope) {
    // As the golfer's scores window hands over a stored round.
    tb::ScoreRec stored;
    stored.Date = "19980614";
    stored.CourseName = "OLD LINKS";
    stored.Score = "85";
    stored.Rating = "71.0";
    stored.Slope = "120";
    stored.AdjScore = "84";
    for (int hole = 0; hole < 18; ++hole)
        stored.HoleScore[hole] = stored.Putts[hole] = "0";
    form()->OpenToChange(tb::MainForm, "John Smith", " 12.3", stored);
    Settle();
    EXPECT_EQ(Shown(), (std::vector<QString>{"ERROR: Course not found in list??"}));
    EXPECT_EQ(form()->CourseField->currentIndex(), -1);
    EXPECT_EQ(form()->RatingField->text(), "71.0");
    EXPECT_EQ(form()->ScoreDiff->text(), "12.2"); // (84 - 71) x 113 / 120

    // Adding no course after all keeps the stored name coming back.
    Click(form()->AddCourseButton);
    Settle();
    Click(CourseForm->CancelButton);
    Settle();
    EXPECT_EQ(form()->CourseName2->text(), "OLD LINKS");

    Click(form()->OKButton);
    Settle();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(form()->OkPressed->text(), "1");
    const tb::ScoreRec round = form()->RoundAsScoreRec();
    EXPECT_EQ(round.CourseName, "OLD LINKS");
    EXPECT_EQ(round.Date, "19980614");
    EXPECT_EQ(round.Score, "85");
    EXPECT_EQ(round.Rating, "71.0");
    EXPECT_EQ(round.Slope, "120");
    EXPECT_EQ(round.AdjScore, "84");
    form()->OkPressed->setText("0");
}

TEST_F(ScoreFormTest, TheRoundIsMappedWithEveryTextCutToItsField) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(1);
    form()->DateField->setText("12/31/1999");
    form()->Score[0]->setText("1234");
    form()->Putts[17]->setText("-12");
    form()->ScoreTotal->setText("12345");
    form()->CommentField->setPlainText(QString(100, 'c'));
    const tb::ScoreRec round = form()->RoundAsScoreRec();
    EXPECT_EQ(round.Date, "19991231");
    EXPECT_EQ(round.CourseName, "OAK HOLLOW");
    // The boxes keep what the fields keep: two characters a hole.
    EXPECT_EQ(round.HoleScore[0], "12");
    EXPECT_EQ(round.Putts[17], "-1");
    EXPECT_EQ(round.Score, "123");
    EXPECT_EQ(round.Rating, "71.2");
    EXPECT_EQ(round.Slope, "121");
    EXPECT_EQ(round.Comment.size(), 100u);
}

// OK names a box that cannot be stored, selects its text, hands nothing over.
TEST_F(ScoreFormTest, OkRefusesTheRoundAtABoxThatCannotBeStored) {
    ASSERT_TRUE(OpenForSmith());
    ChooseCourse(0);
    using Case = std::tuple<tb::TEdit*, QString, QString>; // box, bad text, message
    for (auto [box, bad, message] : std::initializer_list<Case>{
             {form()->DateField, "", "The date must be filled in (MM/DD/YYYY)."},
             {form()->DateField, "13/1/99", "13/01/1999 is not a date: the month must be 1 to 12."},
             {form()->Score[4], "x", "The score of hole 5 must be a whole number."},
             {form()->Putts[17], "", "The putts of hole 18 must be a whole number."},
             {form()->AdjScore, "8x", "The adjusted gross score must be a whole number."},
             {form()->ScoreTotal, "abc", "The total must be a whole number."}}) {
        form()->CourseField->setFocus(); // the box before is left with its good text
        tb::Dialogs::ClearShown();
        const QString good = box->text();
        box->setText(bad);
        Click(form()->OKButton);
        EXPECT_EQ(Shown(), (std::vector<QString>{message}));
        EXPECT_EQ(Focus(), box);
        EXPECT_EQ(box->selectedText(), bad);
        box->setText(good);
    }
}

// An error box shown as the focus moves: the next box sees its arrival only
// when the window is active again, its caret after its text.
TEST_F(ScoreFormTest, ABoxReachedBehindAMessageBoxHasItsTextSelected) {
    ASSERT_TRUE(OpenForSmith());
    EnterToScore1();
    Keys("a");
    Key(Qt::Key_Return);
    form()->Putts[0]->end(false);
    LeaveAndComeBack(form());
    Keys("7");
    EXPECT_EQ(form()->Putts[0]->text(), "7");
}

// Escape and the close box ask only when values were typed; No keeps them.
TEST_F(ScoreFormTest, EscapeAsksBeforeDroppingTypedValues) {
    tb::TGPickForm* hub = OpenForSmith();
    ASSERT_TRUE(hub);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form()->isVisible());
    AddAScore(hub, 1);
    EnterToScore1();
    Keys("5");
    Key(Qt::Key_Escape);
    form()->close();
    EXPECT_EQ(Shown(), (std::vector<QString>(2, "Discard this round?")));
    EXPECT_EQ(form()->Score[0]->text(), "5");
    tb::Dialogs::QueueAnswer(tb::Dialogs::Answer::Yes);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(Shown().size(), 3u);
}

// On X the keys go through the window manager, which decides where they land.
TEST_F(ScoreFormTest, EnterAfterTheCourseListClosedWithEscapeMovesToTheDate) {
    ASSERT_TRUE(OpenForSmith());
    // Keys from outside reach the window only once the window manager has
    // made it active.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    QTest::keyClick(form()->CourseField, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
    // On X the keys come from outside, as the user's do: Escape, and once
    // the list has closed, Enter and the date. The program goes on handling
    // events while xdotool types them.
    QProcess xdotool;
    if (QApplication::platformName() == "xcb") {
        xdotool.start("xdotool", {"key", "Escape"});
        ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
        xdotool.waitForFinished();
        xdotool.start("xdotool", {"key", "Return", "type", "1/5/99"});
    } else {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        Key(Qt::Key_Return);
        Keys("1/5/99");
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return form()->DateField->text() == "1/5/99"; }))
        << form()->DateField->text().toStdString();
    xdotool.waitForFinished();
}

} // namespace
} // namespace tbtest
