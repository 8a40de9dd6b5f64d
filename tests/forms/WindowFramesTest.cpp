// What a desktop user expects of each window's frame: fixed dialogs centred
// on the screen with no maximise box and Escape as Cancel, and captions that
// fit their buttons.

#include "ScoreEntryFixture.h"

#include "forms/CourseEditWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferNameDialog.h"

namespace tbtest {
namespace {

class WindowFramesTest : public ScoreEntryTest {};

TEST_F(WindowFramesTest, FixedDialogsOpenCentredWithoutAMaximiseBoxAndEscapeCancels) {
    WriteGolfers();
    dir.Write("courses.vxc", ScoreCourses);
    Click(tb::MainForm->EditCoursesButton);
    Click(tb::MainForm->EditGolferButton);
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub && tb::CMaintForm && tb::GMaintForm);
    struct Case {
        QPushButton* opens;
        tb::TbForm* dialog;
        QLineEdit* okPressed;
    };
    for (Case c :
         {Case{hub->AddAScoreButton, tb::ScoreForm.Get(), tb::ScoreForm.Built()->OkPressed},
          Case{tb::CMaintForm->AddButton, tb::CourseForm.Get(), tb::CourseForm.Built()->OkPressed},
          Case{tb::GMaintForm->AddButton, tb::GNameForm.Get(), tb::GNameForm.Built()->OkPressed}}) {
        SCOPED_TRACE(c.dialog->windowTitle().toStdString());
        ASSERT_TRUE(Activate(c.opens->window()));
        Click(c.opens);
        Settle();
        ASSERT_TRUE(c.dialog->isVisible());
        EXPECT_FALSE(c.dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(c.dialog->minimumSize(), c.dialog->maximumSize()) << "fixed size";
        // The window manager's frame may arrive after the window is shown,
        // and now and then the toolkit never learns it (the inside is then
        // taken for the frame): allow the main window's frame height.
        const int frame = tb::MainForm->frameGeometry().height() - tb::MainForm->height();
        EXPECT_TRUE(QTest::qWaitFor([&c, frame] { return CentredOnScreen(c.dialog, frame); }))
            << "frame at " << c.dialog->frameGeometry().x() << "," << c.dialog->frameGeometry().y()
            << " size " << c.dialog->frameGeometry().width() << "x"
            << c.dialog->frameGeometry().height();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Settle();
        EXPECT_FALSE(c.dialog->isVisible());
        EXPECT_EQ(c.okPressed->text(), "0");
    }
    EXPECT_FALSE(tb::MainForm->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(DataFiles() ==
                (std::vector<std::string>{"ADAMS.vxp", "SMITH.vxp", "courses.vxc", "golfers.vxc"}))
        << "nothing was accepted";
}

TEST_F(WindowFramesTest, TheGolferListsButtonsShowTheirWholeCaptions) {
    WriteGolfers();
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    for (QPushButton* button : hub->findChildren<QPushButton*>()) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        EXPECT_GE(button->width(), text + 2 * button->fontMetrics().averageCharWidth())
            << button->text().toStdString();
    }
}

} // namespace
} // namespace tbtest
