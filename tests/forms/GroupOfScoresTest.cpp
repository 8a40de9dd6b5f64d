// Scores for a group: one golfer after another on the score form, the course
// and the date kept from one to the next, each accepted round written to its
// golfer's file at once.

#include "ScoreEntryFixture.h"
#include "forms/GroupOfScoresWindow.h"

#include <QPointer>

namespace tbtest {
namespace {

class GroupOfScoresTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
        dir.Write("golfers.vxc", "Ann Adams~ADAMS~1~\r\nBob Brown~BROWN~0~\r\nCy Cole~COLE~0~\r\n");
        for (const char* file : {"ADAMS.vxp", "BROWN.vxp", "COLE.vxp"})
            dir.Write(file, "");
    }

    tb::TGroupOfScoresForm* OpenGroup() {
        tb::TGPickForm* hub = OpenHub();
        EXPECT_TRUE(hub);
        if (!hub) return nullptr;
        Click(hub->AddGroupButton);
        Settle();
        return qobject_cast<tb::TGroupOfScoresForm*>(QApplication::activeWindow());
    }
    void AddFor(tb::TGroupOfScoresForm* group, int row) {
        group->GolferListBox->setCurrentRow(row);
        Click(group->AddAScoreButton);
        Settle();
    }
    void TypeTotalAndClick(const QString& total, QWidget* button) {
        form()->ScoreTotal->setFocus();
        form()->ScoreTotal->selectAll();
        Keys(total);
        Click(button);
        Settle();
    }
};

TEST_F(GroupOfScoresTest, TheCourseAndDateCarryOverEvenPastACancelledGolfer) {
    tb::TGroupOfScoresForm* group = OpenGroup();
    ASSERT_TRUE(group);
    EXPECT_EQ(group->windowTitle(), "Add A Group Of Scores");
    AddFor(group, 0);
    ASSERT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - Ann Adams");
    EXPECT_EQ(form()->DateField->text(), tb::TodayForScoreForm());
    EXPECT_EQ(form()->CourseField->currentIndex(), -1);
    EXPECT_EQ(form()->AddingGroup->text(), "1");
    ChooseCourse(1);
    form()->DateField->setText("06/01/1999");
    TypeTotalAndClick("80", form()->OKButton);
    EXPECT_EQ(QApplication::activeWindow(), group);
    EXPECT_EQ(group->GolferListBox->currentRow(), 0) << "back on the golfer just scored";
    EXPECT_EQ(dir.Read("ADAMS.vxp").substr(0, 30), "19990601~OAK HOLLOW~80~71.2~12");

    for (int row : {1, 2}) {
        AddFor(group, row);
        ASSERT_EQ(QApplication::activeWindow(), form());
        EXPECT_EQ(form()->CourseField->currentText(), "OAK HOLLOW");
        EXPECT_EQ(form()->DateField->text(), "06/01/1999");
        EXPECT_EQ(form()->CoursePicked->text(), "1");
        EXPECT_EQ(form()->ScoreTotal->text(), "") << "the holes start empty";
        TypeTotalAndClick("85", row == 1 ? form()->CancelButton : form()->OKButton);
        EXPECT_EQ(group->GolferListBox->currentRow(), row);
    }
    EXPECT_EQ(group->GroupCount(), 3);
    EXPECT_EQ(dir.Read("BROWN.vxp"), "");
    EXPECT_EQ(dir.Read("COLE.vxp").substr(0, 30), "19990601~OAK HOLLOW~85~71.2~12");
}

TEST_F(GroupOfScoresTest, AGolferAtTheMaximumIsWarnedAndTheOthersStillScore) {
    dir.Write("BROWN.vxp", Rounds(tb::MaxScores));
    tb::TGroupOfScoresForm* group = OpenGroup();
    ASSERT_TRUE(group);
    AddFor(group, 1);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(Shown().back().startsWith("This golfer has reached the maximum"));
    EXPECT_EQ(group->GroupCount(), 0);
    AddFor(group, 2);
    ASSERT_EQ(QApplication::activeWindow(), form());
    EXPECT_EQ(form()->windowTitle(), "Enter Score - Cy Cole");
    ChooseCourse(0);
    TypeTotalAndClick("90", form()->OKButton);
    EXPECT_NE(dir.Read("COLE.vxp"), "");
    QPointer<tb::TGroupOfScoresForm> closing = group;
    Click(group->ExitButton);
    Settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

} // namespace
} // namespace tbtest
