// The main window: its texts and limits, where it opens, what it opens, and
// how the program ends.

#include "FormTest.h"

#include "widgets/Placement.h"
#include "forms/Tbabout.h"
#include "forms/Tbcmaint.h"
#include "forms/Tbmain.h"
#include "widgets/Program.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

using tb::MainForm;

namespace tbtest {
namespace {

class MainWindowTest : public FormTest {};

TEST_F(MainWindowTest, ShowsItsTitleVersionAndLimits) {
    EXPECT_EQ(MainForm->windowTitle(), "Tarnbeck for Windows");
    EXPECT_EQ(MainForm->Label1->text(), "Tarnbeck for Windows");
    EXPECT_EQ(MainForm->VersionField->text(), "Version 2.7 r01");
    EXPECT_EQ(MainForm->MaxGolfers, 300);
    EXPECT_EQ(MainForm->MaxScores, 200);
    EXPECT_EQ(MainForm->MaxCourses, 200);
    EXPECT_FALSE(tb::Exiting);
    QStringList menus;
    for (QAction* action : MainForm->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Help"}));
    EXPECT_EQ(MainForm->EditGolfers1->text(), "Edit &Golfers");
    EXPECT_EQ(MainForm->EnterScores1->text(), "Enter &Scores");
    EXPECT_EQ(MainForm->AboutTarnbeck1->text(), "&About Tarnbeck");
}

TEST_F(MainWindowTest, OpensAtTheDefaultPlaceWithoutSettings) {
    // SetUp created the main window with no settings file present.
    EXPECT_EQ(MainForm->x(), 146);
    EXPECT_EQ(MainForm->y(), 113);
    EXPECT_EQ(MainForm->width(), 472);
    EXPECT_EQ(MainForm->height(), 353);
}

TEST_F(MainWindowTest, ResizeIsRememberedForTheNextStart) {
    MainForm->move(200, 150);
    MainForm->resize(500, 400);
    Settle();
    const std::string ini = dir.Read("tarnbeck.ini");
    EXPECT_NE(ini.find("[MainForm]\r\nHeight=400\r\nLeft=200\r\nTop=150\r\nWidth=500\r\n"),
              std::string::npos)
        << ini;

    tb::TMainForm second;
    EXPECT_EQ(second.geometry().size(), QSize(500, 400));
    EXPECT_EQ(second.pos(), QPoint(200, 150));
}

TEST_F(MainWindowTest, SettingsAreReadWithTheHexRuleAndDefaults) {
    dir.Write("tarnbeck.ini", "[MainForm]\r\nHeight=0x1F4\r\nLeft=abc\r\nTop=\r\nWidth=0X64\r\n");
    tb::TMainForm second;
    EXPECT_EQ(second.height(), 500);
    EXPECT_EQ(second.width(), 100);
    EXPECT_EQ(second.x(), 146) << "unreadable text gives the default";
    EXPECT_EQ(second.y(), 113) << "an empty value gives the default";
}

TEST_F(MainWindowTest, EachRequestOpensAFreshMaintenanceWindow) {
    Click(MainForm->EditCoursesButton);
    Settle();
    QPointer<tb::TCMaintForm> first = tb::CMaintForm;
    MainForm->EditCourses1->trigger();
    Settle();
    ASSERT_TRUE(first && tb::CMaintForm);
    EXPECT_NE(first.data(), tb::CMaintForm.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(tb::CMaintForm->isVisible());
    // With no course list and no starter list, each window says so once.
    EXPECT_EQ(Shown(), (std::vector<QString>{"Error renaming sample courses file!",
                                             "Error renaming sample courses file!"}));
}

TEST_F(MainWindowTest, HelpAndAboutBox) {
    MainForm->Help2->trigger();
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Warning);
    EXPECT_EQ(Shown()[0], "Help not implemented yet.");

    MainForm->AboutTarnbeck1->trigger();
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 2u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[1].kind, tb::Dialogs::Kind::Modal);
    EXPECT_EQ(Shown()[1], "About");

    tb::TAboutBox box;
    box.FormActivate();
    EXPECT_EQ(box.VersionField->text(), "2.7 r01 - 3/3/2000");
    EXPECT_EQ(box.ProductName->text(), "Tarnbeck for Windows");
}

TEST_F(MainWindowTest, ExitButtonSetsTheExitingFlagAndEndsTheProgram) {
    Click(MainForm->ExitButton);
    EXPECT_TRUE(tb::Exiting);
    EXPECT_TRUE(programTerminated);
}

TEST_F(MainWindowTest, ExitMenuEndsTheProgramWithoutTheFlag) {
    MainForm->Exit1->trigger();
    EXPECT_FALSE(tb::Exiting);
    EXPECT_TRUE(programTerminated);
}

TEST_F(MainWindowTest, ExitingStopsOtherWindowsFromWritingTheirPlacement) {
    dir.Write("courses.vxc", "");
    Click(MainForm->EditCoursesButton);
    Settle();
    tb::TCMaintForm* form = tb::CMaintForm;
    ASSERT_TRUE(form);
    form->resize(600, 420);
    Settle();
    EXPECT_NE(dir.Read("tarnbeck.ini").find("[CMaintForm]\r\nHeight=420"), std::string::npos);

    tb::Exiting = true;
    form->resize(640, 440);
    Settle();
    EXPECT_EQ(dir.Read("tarnbeck.ini").find("Height=440"), std::string::npos);
}

} // namespace
} // namespace tbtest
