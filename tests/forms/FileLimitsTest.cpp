// The windows at the limits of what the data files hold: boxes that take no
// more than their fields keep, and lists read only in part, which are said
// once and never cut short by a save without the user's word.

#include "ScoreEntryFixture.h"
#include "forms/CourseEditWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"

namespace tbtest {
namespace {

using tb::Dialogs::Answer;

class FileLimitsTest : public ScoreEntryTest {};

TEST_F(FileLimitsTest, EveryNumberBoxTakesNoMoreThanItsFieldKeeps) {
    dir.Write("courses.vxc", "OAK~71.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    WriteGolfers();
    ASSERT_TRUE(OpenForSmith());
    Click(form()->AddCourseButton);
    Settle();
    ASSERT_TRUE(tb::CourseForm->isVisible());
    const struct {
        QLineEdit* box;
        int keeps;
    } boxes[] = {
        {form()->Score[0], 2},
        {form()->Putts[17], 2},
        {form()->ScoreOut, 3},
        {form()->ScoreTotal, 3},
        {form()->DateField, 10},
        {tb::CourseForm->CourseName, 30},
        {tb::CourseForm->RatingField, 4},
        {tb::CourseForm->SlopeField, 3},
        {tb::CourseForm->Par[0], 2},
        {tb::CourseForm->ParTotal, 3},
    };
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        boxes[i].box->selectAll();
        QTest::keyClicks(boxes[i].box, "2147483647" + QString(30, '9'));
        EXPECT_EQ(boxes[i].box->text().size(), boxes[i].keeps) << "box " << i;
    }
    Click(tb::CourseForm->CancelButton);
    Settle();
}

TEST_F(FileLimitsTest, AListReadInPartIsSaidOnceAndSavedShortOnlyWhenTheUserSaysSo) {
    std::string courses;
    for (int i = 0; i < 202; ++i)
        courses += "C" + std::to_string(1000 + i) + "~70.0~113~72~\r\n";
    dir.Write("courses.vxc", courses);
    const QString partly = "The course file \"courses.vxc\" holds more than 200 courses; only "
                           "the first 200 were read.";
    // Said when the score form read the list at start-up; not again when
    // the list is read again, here or in course maintenance.
    delete tb::ScoreForm.Take();
    tb::ScoreForm = new tb::TScoreForm();
    EXPECT_EQ(Shown(), std::vector<QString>{partly});
    Click(tb::MainForm->EditCoursesButton);
    Settle();
    tb::TCMaintForm* maint = tb::CMaintForm;
    ASSERT_TRUE(maint);
    EXPECT_EQ(Shown(), std::vector<QString>{partly});

    maint->CourseListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(maint->DeleteButton);
    const QString question = "courses.vxc holds 2 more courses than were read; saving keeps only "
                             "the first 200. Save anyway?";
    tb::Dialogs::QueueAnswer(Answer::No);
    Click(maint->SaveButton);
    EXPECT_EQ(Shown().back(), question);
    EXPECT_EQ(dir.Read("courses.vxc"), courses);
    EXPECT_TRUE(maint->Modified());

    // Exit's "Yes, save" asks the same; No there keeps the window open.
    tb::Dialogs::QueueAnswer(Answer::Yes);
    tb::Dialogs::QueueAnswer(Answer::No);
    Click(maint->ExitButton);
    Settle();
    EXPECT_EQ(Shown().back(), question);
    EXPECT_TRUE(maint->isVisible());
    EXPECT_EQ(dir.Read("courses.vxc"), courses);

    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(maint->SaveButton);
    EXPECT_EQ(Shown().back(), question);
    EXPECT_FALSE(maint->Modified());
    const std::string saved = dir.Read("courses.vxc");
    EXPECT_EQ(saved.substr(0, 18), "C1001~70.0~113~72~"); // C1000 deleted
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 199);
}

} // namespace
} // namespace tbtest
