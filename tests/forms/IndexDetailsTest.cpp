// The golfer list's "Calculate Index" and "Course Handicap": windows of their
// own showing how the index was obtained (the golfer list's variant of the
// detail lines) and the course handicap at a course the user picks.

#include "ScoreEntryFixture.h"
#include "forms/CourseHandicapWindow.h"
#include "forms/CurrentIndexWindow.h"
#include "forms/GolferListWindow.h"

namespace tbtest {
namespace {

class IndexDetailsTest : public ScoreEntryTest {
protected:
    tb::TIndexForm* OpenedIndexForm() {
        tb::TIndexForm* found = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            found = qobject_cast<tb::TIndexForm*>(QApplication::activeWindow());
            return found != nullptr;
        }));
        return found;
    }
};

// Lines 1 and 2, the differentials, then the index two lines after the last
// differential; the lines after it are empty.
TEST_F(IndexDetailsTest, TheDetailsLandOnTheirLinesAndTheListKeepsItsGolfer) {
    const struct {
        int rounds;
        int differentials;
        const char* first;
    } cases[] = {
        {0, 0, "0 scores on file for John Smith.  (0 are valid)"},
        {5, 1, "5 scores on file for John Smith.  (5 are valid)"},
        {20, 10, "20 scores on file for John Smith."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rounds);
        WriteGolfers(Rounds(c.rounds));
        tb::TGPickForm* hub = OpenHub();
        ASSERT_TRUE(hub);
        hub->GolferListBox->setCurrentRow(1);
        Click(hub->IndexButton);
        Settle();
        tb::TIndexForm* form = OpenedIndexForm();
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Current Index");
        EXPECT_EQ(form->Field[0]->text(), c.first);
        const int indexLine = c.differentials + 3; // 0-based
        for (int k = 0; k < c.differentials; ++k)
            EXPECT_TRUE(form->Field[k + 2]->text().startsWith(
                QString("Differential %1 ").arg(k + 1) + (k + 1 == 10 ? " = " : "")))
                << form->Field[k + 2]->text().toStdString();
        EXPECT_EQ(form->Field[indexLine - 1]->text(), "");
        EXPECT_TRUE(
            form->Field[indexLine]->text().startsWith("The current index for John Smith is"));
        for (int line = indexLine + 1; line < tb::DetailLineCount; ++line)
            EXPECT_EQ(form->Field[line]->text(), "") << line;
        Click(form->OkButton);
        Settle();
        EXPECT_EQ(QApplication::activeWindow(), hub);
        EXPECT_EQ(hub->GolferListBox->currentRow(), 1);
        EXPECT_EQ(hub->Mode(), 'I');
        hub->close();
        Settle();
    }
}

TEST_F(IndexDetailsTest, TheCourseHandicapFollowsTheCoursePickedWithTheKeys) {
    dir.Write("courses.vxc", ScoreCourses);
    WriteGolfers(Rounds(3)); // fewer than 5 scores: the index is 36.4
    tb::THandicapForm* form = OpenCourseHandicapForSmith();
    ASSERT_TRUE(form);
    tb::TGPickForm* hub = tb::GPickForm;
    EXPECT_EQ(form->windowTitle(), "Course Handicap - John Smith");
    EXPECT_EQ(form->IndexField->text(), "36.4");
    EXPECT_EQ(form->Hdcp1->text(), "Please select a course.");
    EXPECT_EQ(form->RatingField->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), form->CourseField);
    const struct {
        const char* rating;
        const char* slope;
        const char* handicap;
        const char* predicted;
    } picks[] = {{"70.5", "125", "40", "112"}, {"71.2", "121", "39", "111"}};
    for (const auto& p : picks) {
        QTest::keyClick(form->CourseField, Qt::Key_Down);
        EXPECT_EQ(form->RatingField->text(), p.rating);
        EXPECT_EQ(form->SlopeField->text(), p.slope);
        EXPECT_EQ(form->ParField->text(), "72");
        EXPECT_EQ(form->Hdcp1->text(),
                  QString("Handicap for John Smith at this course is: ") + p.handicap);
        EXPECT_EQ(form->Hdcp2->text(),
                  QString("Predicted score for John Smith is: ") + p.predicted);
    }
    EXPECT_TRUE(form->CourseChosen());
    Click(form->OKButton);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), hub);
    EXPECT_EQ(hub->GolferListBox->currentRow(), 1);
}

} // namespace
} // namespace tbtest
