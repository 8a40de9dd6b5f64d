// The main window: its texts and limits, where it opens, what it opens, and
// how the program ends.

#include "FormTest.h"

#include "data/TextFile.h"
#include "widgets/Placement.h"
#include "forms/Tbabout.h"
#include "forms/Tbcmaint.h"
#include "forms/Tbmain.h"
#include "widgets/Program.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include <filesystem>

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

// Counts the settings file's saves (each ends in one rename).
struct CountingRenames : tb::FileOps {
    int renames = 0;
    int Rename(const char* from, const char* to) override {
        ++renames;
        return tb::FileOps::Rename(from, to);
    }
};

TEST_F(MainWindowTest, PlacementIsWrittenOnceTheUserStopsAndReadAtTheNextStart) {
    CountingRenames counting;
    tb::ScopedFileOps ops(counting);
    MainForm->move(200, 150);
    for (int width = 480; width <= 500; width += 5) // a user dragging an edge
        MainForm->resize(width, 400);
    const char* expected = "[MainForm]\r\nHeight=400\r\nLeft=200\r\nTop=150\r\nWidth=500\r\n";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dir.Read("tarnbeck.ini").find(expected) != std::string::npos; }, 5000))
        << dir.Read("tarnbeck.ini");
    EXPECT_EQ(counting.renames, 1) << "one write for the whole burst";

    tb::TMainForm second;
    EXPECT_EQ(second.geometry().size(), QSize(500, 400));
    EXPECT_EQ(second.pos(), QPoint(200, 150));
}

TEST_F(MainWindowTest, AWindowClosedRightAfterAResizeKeepsItUnlessTheProgramIsExiting) {
    dir.Write("courses.vxc", "");
    for (bool exiting : {false, true}) {
        tb::Exiting = exiting;
        Click(MainForm->EditCoursesButton);
        Settle();
        QPointer<tb::TCMaintForm> form = tb::CMaintForm;
        ASSERT_TRUE(form);
        form->resize(exiting ? 640 : 600, exiting ? 440 : 420);
        form->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }));
    }
    const std::string ini = dir.Read("tarnbeck.ini");
    EXPECT_NE(ini.find("[CMaintForm]\r\nHeight=420"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Height=440"), std::string::npos) << "nothing while exiting";
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileIsReportedOncePerBurst) {
    tb::SetIniFilePath(QString::fromStdString((dir / "folder").string()));
    std::filesystem::create_directories(dir / "folder" / "x");
    for (int width = 480; width <= 500; width += 5)
        MainForm->resize(width, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Shown().empty(); }, 5000));
    MainForm->FlushPlacement();
    EXPECT_EQ(Shown(), (std::vector<QString>{"Unable to write to folder"}));
    EXPECT_EQ(MainForm->width(), 500) << "the window keeps its new size";
}

TEST_F(MainWindowTest, AStoredPlacementOutOfReachIsBroughtOntoTheScreen) {
    dir.Write("tarnbeck.ini", "[MainForm]\r\nHeight=99999\r\nLeft=-5000\r\nTop=40000\r\n"
                              "Width=99999\r\n");
    tb::TMainForm second;
    const QRect screen = second.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(second.geometry())) << second.geometry().x() << ","
                                                     << second.geometry().y() << " "
                                                     << second.width() << "x" << second.height();
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

} // namespace
} // namespace tbtest
