// Course maintenance and the course editor driven as a user would: clicks,
// typing, Tab and Enter, with the editor handing each course back through
// its OkPressed box when course maintenance becomes active again.

#include "FormTest.h"

#include "forms/Tbcmaint.h"
#include "forms/Tbcourse.h"
#include "forms/Tbmain.h"

#include <QListWidget>

using tb::CMaintForm;
using tb::CourseForm;
using tb::Dialogs::Answer;

namespace tbtest {
namespace {

const char* const TwoCourses = "ABBEY~70.5~125~72~4~4~3~5~4~4~3~4~5~4~4~3~5~4~4~3~4~5~\r\n"
                               "MOOR~68.0~113~70~4~4~3~4~4~4~3~4~5~4~4~3~4~4~4~3~4~5~\r\n";

class CourseMaintenanceTest : public FormTest {
protected:
    tb::TCMaintForm* Open() {
        Click(tb::MainForm->EditCoursesButton);
        Settle();
        return CMaintForm;
    }
    QStringList Lines(tb::TCMaintForm* form) {
        QStringList lines;
        for (int i = 0; i < form->CourseListBox->count(); ++i)
            lines << form->CourseListBox->item(i)->text();
        return lines;
    }
    // Types a course into the open editor: name, rating, slope, then 4 on
    // every hole with Tab, then OK.
    void TypeCourse(const QString& name) {
        ASSERT_TRUE(CourseForm->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), CourseForm->CourseName);
        Type(CourseForm->CourseName, name);
        Tab();
        Type(CourseForm->RatingField, "71.2");
        Tab();
        Type(CourseForm->SlopeField, "121");
        Tab();
        for (int hole = 0; hole < 18; ++hole) {
            ASSERT_EQ(QApplication::focusWidget(), CourseForm->Par[hole]) << "hole " << hole + 1;
            Type(CourseForm->Par[hole], "4");
            Tab();
        }
        ASSERT_EQ(QApplication::focusWidget(), CourseForm->ParTotal);
    }
};

TEST_F(CourseMaintenanceTest, AddedCourseAppearsSortedSelectedAndIsSaved) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    ASSERT_TRUE(form);
    EXPECT_EQ(Lines(form), (QStringList{"ABBEY", "MOOR"}));
    EXPECT_FALSE(form->SaveButton->isEnabled());

    Click(form->AddButton);
    Settle();
    TypeCourse("zebra");
    EXPECT_EQ(CourseForm->CourseName->text(), "ZEBRA");
    EXPECT_EQ(CourseForm->ParOut->text(), "36");
    EXPECT_EQ(CourseForm->ParIn->text(), "36");
    EXPECT_EQ(CourseForm->ParTotal->text(), "72");
    Press(CourseForm->ParTotal, Qt::Key_Tab);
    Press(CourseForm->OKButton, Qt::Key_Return);
    Settle();

    EXPECT_FALSE(CourseForm->isVisible());
    EXPECT_EQ(CourseForm->OkPressed->text(), "0") << "the opener takes the course once";
    EXPECT_EQ(Lines(form), (QStringList{"ABBEY", "MOOR", "ZEBRA"}));
    EXPECT_EQ(form->CourseListBox->currentRow(), 2);
    EXPECT_TRUE(form->SaveButton->isEnabled());

    Click(form->SaveButton);
    EXPECT_EQ(dir.Read("courses.vxc"),
              std::string(TwoCourses) +
                  "ZEBRA~71.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_TRUE(Shown().empty());
}

} // namespace
} // namespace tbtest
