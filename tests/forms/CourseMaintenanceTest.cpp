// Course maintenance and the course editor driven as a user would: clicks,
// typing, Tab and Enter, with the editor handing each course back through
// its OkPressed box when course maintenance becomes active again.

#include "FormTest.h"
#include "SaveFailures.h"

#include "forms/CourseEditWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/MainWindow.h"

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
    EXPECT_FALSE(dir.Exists("strokeidx.vxc")) << "no course has stroke indexes";
}

TEST_F(CourseMaintenanceTest, CancelInTheEditorChangesNothing) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    form->CourseListBox->setCurrentRow(1);
    Click(form->ModifyButton);
    Settle();
    ASSERT_TRUE(CourseForm->isVisible());
    EXPECT_EQ(CourseForm->CourseName->text(), "MOOR");
    EXPECT_EQ(CourseForm->ParOut->text(), "35") << "the nines are summed on activation";
    EXPECT_EQ(CourseForm->ParTotal->text(), "70") << "the stored total is kept";
    Type(CourseForm->CourseName, "X");
    Click(CourseForm->CancelButton);
    Settle();
    EXPECT_FALSE(CourseForm->isVisible());
    EXPECT_EQ(Lines(form), (QStringList{"ABBEY", "MOOR"}));
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_EQ(form->CourseListBox->currentRow(), 1);
}

TEST_F(CourseMaintenanceTest, ModifiedCourseIsStoredWithTheEditorsWidths) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    form->CourseListBox->setCurrentRow(0);
    Click(form->ModifyButton);
    Settle();
    CourseForm->Par[0]->setFocus();
    Type(CourseForm->Par[0], "10");
    Tab();
    EXPECT_EQ(CourseForm->ParOut->text(), "42");
    EXPECT_EQ(CourseForm->ParTotal->text(), "78") << "leaving a par recomputes the total";
    Click(CourseForm->OKButton);
    Settle();
    ASSERT_TRUE(form->Modified());
    EXPECT_EQ(form->Courses()[0].Par[0].str(), "10");
    Click(form->SaveButton);
    // The file keeps what it is given; reading it back keeps one character.
    EXPECT_EQ(dir.Read("courses.vxc").substr(0, 30), "ABBEY~70.5~125~78~10~4~3~5~4~4");
}

TEST_F(CourseMaintenanceTest, EditorRefusesATotalParOfZero) {
    tb::TCMaintForm* form = Open();
    Click(form->AddButton);
    Settle();
    Type(CourseForm->CourseName, "ABC");
    Click(CourseForm->OKButton);
    EXPECT_TRUE(CourseForm->isVisible());
    EXPECT_EQ(Shown().back(), "You must enter a value of greater than zero for the Total Par.");
    EXPECT_EQ(QApplication::focusWidget(), CourseForm->ParTotal);
    EXPECT_EQ(CourseForm->RatingField->text(), "0.0");
    EXPECT_EQ(CourseForm->SlopeField->text(), "0");

    // With every hole "0", a total typed by hand is accepted as it stands.
    CourseForm->ParTotal->selectAll();
    Type(CourseForm->ParTotal, "72");
    Click(CourseForm->OKButton);
    Settle();
    EXPECT_FALSE(CourseForm->isVisible());
    ASSERT_EQ(form->Courses().size(), 1u);
    EXPECT_EQ(form->Courses()[0].ParTotal.str(), "72");
    EXPECT_EQ(form->Courses()[0].Rating.str(), "0.0");
}

TEST_F(CourseMaintenanceTest, LeavingTheFirstParAtZeroJumpsToTheTotal) {
    Open();
    Click(CMaintForm->AddButton);
    Settle();
    CourseForm->Par[0]->setFocus();
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), CourseForm->ParTotal);
}

TEST_F(CourseMaintenanceTest, ParThatIsNoNumberShowsTheErrorAndKeepsTheSums) {
    dir.Write("courses.vxc", "");
    Open();
    Click(CMaintForm->AddButton);
    Settle();
    CourseForm->Par[1]->setFocus();
    Type(CourseForm->Par[1], "x");
    Tab();
    EXPECT_EQ(Shown(), (std::vector<QString>{"'x' is not a valid integer value"}));
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Error);
    EXPECT_EQ(CourseForm->ParOut->text(), "0");
    EXPECT_EQ(CourseForm->ParTotal->text(), "0");
    // The program goes on: a corrected par is summed as usual.
    CourseForm->Par[1]->setFocus();
    Type(CourseForm->Par[1], "5");
    Tab();
    EXPECT_EQ(CourseForm->ParOut->text(), "5");
}

TEST_F(CourseMaintenanceTest, TildeCannotBeTypedIntoACourseName) {
    Open();
    Click(CMaintForm->AddButton);
    Settle();
    Type(CourseForm->CourseName, "a~b");
    EXPECT_EQ(CourseForm->CourseName->text(), "AB");
}

TEST_F(CourseMaintenanceTest, DeleteAsksAndSelectsTheNextLine) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    form->CourseListBox->setCurrentRow(1);
    tb::Dialogs::QueueAnswer(Answer::No);
    Click(form->DeleteButton);
    EXPECT_EQ(Lines(form), (QStringList{"ABBEY", "MOOR"}));
    EXPECT_EQ(Shown().back(), "Are you sure you want to delete this course?");

    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    EXPECT_EQ(Lines(form), (QStringList{"ABBEY"}));
    EXPECT_EQ(form->CourseListBox->currentRow(), 0) << "the new last line";
    EXPECT_TRUE(form->SaveButton->isEnabled());
    EXPECT_EQ(dir.Read("courses.vxc"), TwoCourses) << "nothing is written before Save";
}

TEST_F(CourseMaintenanceTest, ExitWithUnsavedChangesAsks) {
    struct Case {
        Answer answer;
        bool staysOpen;
        bool saved;
    };
    for (Case c : {Case{Answer::Cancel, true, false}, Case{Answer::No, false, false},
                   Case{Answer::Yes, false, true}}) {
        dir.Write("courses.vxc", TwoCourses);
        tb::TCMaintForm* form = Open();
        QPointer<tb::TCMaintForm> guard = form;
        form->CourseListBox->setCurrentRow(0);
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(form->DeleteButton);
        tb::Dialogs::ClearShown();
        tb::Dialogs::QueueAnswer(c.answer);
        Click(form->ExitButton);
        Settle();
        EXPECT_EQ(Shown(), (std::vector<QString>{"Save changes made to courses?"}));
        EXPECT_EQ(guard && guard->isVisible(), c.staysOpen);
        EXPECT_EQ(dir.Read("courses.vxc") != TwoCourses, c.saved);
        if (c.staysOpen) {
            EXPECT_TRUE(guard->Modified()) << "the deletion is still pending";
            guard->setAttribute(Qt::WA_DeleteOnClose, false);
            delete guard.data();
        }
    }
}

TEST_F(CourseMaintenanceTest, TitleBarCloseAsksLikeExit) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    QPointer<tb::TCMaintForm> guard = form;
    form->CourseListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    tb::Dialogs::QueueAnswer(Answer::Cancel);
    form->close();
    EXPECT_TRUE(guard->isVisible());
    EXPECT_EQ(Shown().back(), "Save changes made to courses?");

    tb::Dialogs::QueueAnswer(Answer::Yes);
    form->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
    EXPECT_EQ(dir.Read("courses.vxc"), std::string(TwoCourses).substr(56));
}

TEST_F(CourseMaintenanceTest, SaveRightBeforeExitAsksNothing) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    QPointer<tb::TCMaintForm> guard = form;
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    Click(form->SaveButton);
    tb::Dialogs::ClearShown();
    Click(form->ExitButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(CourseMaintenanceTest, NoMoreThanTheMaximumNumberOfCourses) {
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += "C" + std::to_string(1000 + i) +
                "~70.0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
    dir.Write("courses.vxc", many);
    tb::TCMaintForm* form = Open();
    Click(form->AddButton);
    Settle();
    EXPECT_FALSE(CourseForm->isVisible());
    EXPECT_EQ(Shown(), (std::vector<QString>{
                           "You have reached the maximum allowed number of courses.  If possible, "
                           "delete some courses that you do not use.  Then, you can enter more "
                           "new ones."}));
}

// Save with a course deleted and one added: whatever fails, courses.vxc and
// the folder stay as they were and the window keeps the changes; the next
// Save stores them.
TEST_F(CourseMaintenanceTest, FailedSaveKeepsTheFileAndTheChanges) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    Click(form->AddButton);
    Settle();
    TypeCourse("zebra");
    Click(CourseForm->OKButton);
    Settle();
    const QStringList edited{"MOOR", "ZEBRA"};
    ASSERT_EQ(Lines(form), edited);
    tb::Dialogs::ClearShown();
    auto changesKept = [&] {
        EXPECT_TRUE(form->SaveButton->isEnabled());
        EXPECT_TRUE(form->Modified());
        EXPECT_EQ(Lines(form), edited);
    };

    // A folder standing where the temporary file's rename must land makes
    // the save fail even for root.
    std::filesystem::remove(dir / "courses.vxc");
    std::filesystem::create_directory(dir / "courses.vxc");
    std::filesystem::create_directory(dir / "courses.vxc" / "x");
    Click(form->SaveButton);
    ASSERT_FALSE(Shown().empty());
    EXPECT_EQ(tb::Dialogs::ShownDialogs().back().kind, tb::Dialogs::Kind::Error);
    changesKept();
    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"courses.vxc"}))
        << "no temporary file is left behind";
    std::filesystem::remove_all(dir / "courses.vxc");
    dir.Write("courses.vxc", TwoCourses);
    tb::Dialogs::ClearShown();

    SaveUnderEveryFailure(
        dir, "courses.vxc",
        std::string(TwoCourses).substr(56) +
            "ZEBRA~71.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n",
        [&] { Click(form->SaveButton); }, changesKept);

    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(CourseMaintenanceTest, OnlyTheWindowThatOpenedTheEditorTakesItsCourse) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* first = Open();
    tb::TCMaintForm* second = Open();
    Activate(first);
    first->CourseListBox->setCurrentRow(0);
    Click(first->ModifyButton);
    Settle();
    // The window that asked for the change goes away before the editor's OK.
    Click(first->ExitButton);
    Settle();
    Activate(CourseForm.Get());
    Type(CourseForm->CourseName, "ABBOT");
    Click(CourseForm->OKButton);
    Settle();
    Activate(second);
    EXPECT_EQ(Lines(second), (QStringList{"ABBEY", "MOOR"}));
    EXPECT_FALSE(second->Modified());
}

TEST_F(CourseMaintenanceTest, DeletingWhileTheEditorIsOpenKeepsTheEditOnItsCourse) {
    dir.Write("courses.vxc", std::string(TwoCourses) +
                                 "ZEBRA~70.0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    tb::TCMaintForm* form = Open();
    form->CourseListBox->setCurrentRow(2);
    Click(form->ModifyButton);
    Settle();
    Activate(form);
    form->CourseListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    Activate(CourseForm.Get());
    CourseForm->RatingField->selectAll();
    Type(CourseForm->RatingField, "69.9");
    Click(CourseForm->OKButton);
    Settle();
    ASSERT_EQ(form->Courses().size(), 2u);
    EXPECT_EQ(form->Courses()[0].Name.str(), "MOOR");
    EXPECT_EQ(form->Courses()[0].Rating.str(), "68.0");
    EXPECT_EQ(form->Courses()[1].Name.str(), "ZEBRA");
    EXPECT_EQ(form->Courses()[1].Rating.str(), "69.9");
}

TEST_F(CourseMaintenanceTest, EditorIsAFixedSizeDialog) {
    Open();
    Click(CMaintForm->AddButton);
    Settle();
    EXPECT_EQ(CourseForm->minimumSize(), CourseForm->maximumSize());
}

// A course added elsewhere while this window was open (the score form's Add
// Course, another program) stays when this window saves its own changes.
TEST_F(CourseMaintenanceTest, SaveKeepsACourseAddedElsewhereMeanwhile) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    const std::string added = "NEW~70.0~120~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
    dir.Write("courses.vxc", TwoCourses + added);
    form->CourseListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    tb::Dialogs::ClearShown();
    tb::Dialogs::QueueAnswer(Answer::Button1);
    Click(form->SaveButton);
    EXPECT_EQ(Shown(), std::vector<QString>{"courses.vxc was changed outside this window since it "
                                            "was opened: 1 course added."});
    EXPECT_EQ(dir.Read("courses.vxc"),
              std::string(TwoCourses).substr(std::string(TwoCourses).find("MOOR")) + added);
    EXPECT_EQ(Lines(form), (QStringList{"MOOR", "NEW"}));
}

// Real file calls, except that courses.vxc cannot be replaced by its new
// version: the last step of a save, after the stroke index file's.
struct FailingCourseListRename : tb::FileOps {
    int Rename(const char* from, const char* to) override {
        if (!std::string_view(to).ends_with("/courses.vxc")) return FileOps::Rename(from, to);
        errno = EIO;
        return -1;
    }
};

TEST_F(CourseMaintenanceTest, StrokeIndexesAreCheckedThenSavedRenamedAndDeletedWithTheirCourse) {
    dir.Write("courses.vxc", TwoCourses);
    tb::TCMaintForm* form = Open();
    Click(form->AddButton);
    Settle();
    TypeCourse("zebra");
    Tab();
    // Holes 1 to 18 take 18 down to 1, but hole 18 takes hole 16's 3.
    for (int hole = 0; hole < 18; ++hole) {
        ASSERT_EQ(QApplication::focusWidget(), CourseForm->StrokeIndex[hole]) << hole + 1;
        Type(CourseForm->StrokeIndex[hole], hole == 17 ? "x3" : QString::number(18 - hole));
        Tab();
    }
    ASSERT_EQ(QApplication::focusWidget(), CourseForm->OKButton);
    Press(CourseForm->OKButton, Qt::Key_Return);
    EXPECT_TRUE(CourseForm->isVisible());
    EXPECT_EQ(Shown(), std::vector<QString>{"Stroke index 3 is used twice; each of 1 to 18 must "
                                            "be used once."});
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Error);
    EXPECT_EQ(QApplication::focusWidget(), CourseForm->StrokeIndex[15]) << "the first 3";
    EXPECT_EQ(CourseForm->StrokeIndex[17]->text(), "3") << "digits only";
    CourseForm->StrokeIndex[17]->setFocus();
    Type(CourseForm->StrokeIndex[17], "1");
    Click(CourseForm->OKButton);
    Settle();
    ASSERT_FALSE(CourseForm->isVisible());
    Click(form->SaveButton);
    std::string row;
    for (int index = 18; index >= 1; --index)
        row += "~" + std::to_string(index);
    row += "~\r\n";
    EXPECT_EQ(dir.Read("strokeidx.vxc"), "ZEBRA" + row);
    const std::string courses = dir.Read("courses.vxc");
    EXPECT_NE(courses.find("\nZEBRA~71.2~121~72~4~"), std::string::npos);

    form->CourseListBox->setCurrentRow(2);
    Click(form->ModifyButton);
    Settle();
    EXPECT_EQ(CourseForm->StrokeIndex[0]->text(), "18");
    Type(CourseForm->CourseName, "zulu");
    Click(CourseForm->OKButton);
    Settle();
    // A save failing at either file leaves both as they were.
    tb::Dialogs::ClearShown();
    FailingWrites strokeIndexWrite("strokeidx.vxc", 1);
    FailingCourseListRename courseListRename;
    for (tb::FileOps* failing :
         std::initializer_list<tb::FileOps*>{&strokeIndexWrite, &courseListRename}) {
        {
            tb::ScopedFileOps scoped(*failing);
            Click(form->SaveButton);
        }
        EXPECT_EQ(Shown().size(), 1u);
        EXPECT_EQ(dir.Read("strokeidx.vxc"), "ZEBRA" + row);
        EXPECT_EQ(dir.Read("courses.vxc"), courses);
        EXPECT_TRUE(form->Modified());
        tb::Dialogs::ClearShown();
    }
    Click(form->SaveButton);
    EXPECT_EQ(dir.Read("strokeidx.vxc"), "ZULU" + row);
    EXPECT_NE(dir.Read("courses.vxc").find("\nZULU~71.2~"), std::string::npos);

    form->CourseListBox->setCurrentRow(2);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    Click(form->SaveButton);
    EXPECT_EQ(dir.Read("strokeidx.vxc"), "");
}

} // namespace
} // namespace tbtest
