// The main window: its texts and limits, where it opens, what it opens, and
// how the program ends.

#include "FormTest.h"

#include "app/TarnbeckApplication.h"
#include "data/TextFile.h"
#include "forms/AboutBox.h"
#include "forms/CourseEditWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferListWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/GolferScoresWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"
#include "widgets/Placement.h"
#include "widgets/Program.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
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

// The score form reads the course list when it is made, as start-up does
// (the starter list becomes the course list then), and builds its controls
// only when it is first used.
TEST_F(MainWindowTest, AFormMadeAtStartUpReadsAtOnceAndBuildsItsControlsAtFirstUse) {
    std::filesystem::copy_file(TARNBECK_SOURCE_DIR "/resources/sample.vxc", dir / "sample.vxc");
    auto* made = new tb::TScoreForm();
    EXPECT_TRUE(std::filesystem::exists(dir / "courses.vxc"));
    EXPECT_FALSE(std::filesystem::exists(dir / "sample.vxc"));
    EXPECT_TRUE(made->findChildren<QLineEdit*>().isEmpty());

    delete tb::ScoreForm.Take();
    tb::ScoreForm = made;
    EXPECT_EQ(tb::ScoreForm.Built()->CourseField->count(), int(made->Courses().size()));
    EXPECT_GT(made->Courses().size(), 0u);
    EXPECT_EQ(tb::ScoreForm->DateField->text(), tb::TodayForScoreForm());
}

// Start-up shows the main window first; the other long-lived forms are made
// once it has been drawn, or at once when a command needs them before that.
TEST_F(MainWindowTest, StartUpMakesTheOtherFormsOnceTheMainWindowIsDrawnOrFirstNeeded) {
    auto made = [] { return tb::ScoreForm && tb::GolferForm && tb::CourseForm && tb::GNameForm; };
    for (const bool commandFirst : {false, true}) {
        SCOPED_TRACE(commandFirst ? "a command first" : "drawn first");
        delete tb::GNameForm.Take(), delete tb::GolferForm.Take();
        delete tb::ScoreForm.Take(), delete tb::CourseForm.Take();
        delete MainForm;
        tb::StartForms();
        EXPECT_FALSE(made());
        if (commandFirst) {
            MainForm->EditGolferButton->click();
            EXPECT_TRUE(made());
            EXPECT_TRUE(tb::GMaintForm);
        }
        EXPECT_TRUE(QTest::qWaitFor(made));
    }
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
    EXPECT_EQ(Shown(), (std::vector<QString>{"Unable to write to folder\nfolder: Is a directory"}));
    EXPECT_EQ(MainForm->width(), 500) << "the window keeps its new size";
}

TEST_F(MainWindowTest, AStoredPlacementOutOfReachIsBroughtOntoTheScreen) {
    dir.Write("tarnbeck.ini", "[MainForm]\r\nHeight=99999\r\nLeft=-5000\r\nTop=40000\r\n"
                              "Width=99999\r\n");
    tb::TMainForm second;
    const QRect screen = second.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(second.geometry()))
        << second.geometry().x() << "," << second.geometry().y() << " " << second.width() << "x"
        << second.height();
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
    EXPECT_TRUE(Shown().empty()) << "the guide opens, no box";

    MainForm->AboutTarnbeck1->trigger();
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Modal);
    EXPECT_EQ(Shown()[0], "About");

    tb::TAboutBox box;
    box.FormActivate();
    EXPECT_EQ(box.VersionField->text(), "2.7 r01 - 3/3/2000");
    EXPECT_EQ(box.ProductName->text(), "Tarnbeck for Windows");
}

// Ending the program by the Exit button, the Exit menu item or the close
// box first asks each window with unsaved changes its own question.
TEST_F(MainWindowTest, EndingAsksEachWindowWithUnsavedChangesAndCancelKeepsThemAll) {
    using tb::Dialogs::Answer;
    enum class End { Button, Menu, CloseBox };
    struct Case {
        End end;
        std::vector<Answer> answers;
        bool ends;
        bool golfersSaved;
    };
    const Case cases[] = {
        {End::Button, {Answer::No, Answer::Cancel}, false, false},
        {End::Menu, {Answer::Cancel}, false, false},
        {End::CloseBox, {Answer::Yes, Answer::Cancel}, false, true},
        {End::Button, {Answer::Yes, Answer::No}, true, true},
        {End::Menu, {Answer::No, Answer::No}, true, false},
        {End::CloseBox, {Answer::No, Answer::Yes}, true, false},
    };
    const std::string golfers = "Ann Adams~ADAMS~1~\r\nJohn Smith~SMITH~0~\r\n";
    const std::string courses = "ABBEY~70.5~125~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        dir.Write("golfers.vxc", golfers);
        dir.Write("courses.vxc", courses);
        dir.Write("ADAMS.vxp", "");
        dir.Write("SMITH.vxp", "");
        Click(MainForm->EditGolferButton);
        Click(MainForm->EditCoursesButton);
        Settle();
        QPointer<tb::TGMaintForm> golferWindow = tb::GMaintForm;
        QPointer<tb::TCMaintForm> courseWindow = tb::CMaintForm;
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(golferWindow->DeleteButton);
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(courseWindow->DeleteButton);
        tb::Dialogs::ClearShown();
        programTerminated = false;
        tb::Exiting = false;

        for (Answer answer : c.answers)
            tb::Dialogs::QueueAnswer(answer);
        if (c.end == End::Button) Click(MainForm->ExitButton);
        if (c.end == End::Menu) MainForm->Exit1->trigger();
        if (c.end == End::CloseBox) MainForm->close();
        EXPECT_EQ(Shown().front(), "Save changes made to golfers?");
        EXPECT_EQ(Shown().size(), c.answers.size());
        const bool ended = c.end == End::CloseBox ? !MainForm->isVisible() : programTerminated;
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(tb::Exiting, c.ends && c.end == End::Button);
        EXPECT_EQ(dir.Read("golfers.vxc") != golfers, c.golfersSaved);
        EXPECT_EQ(dir.Read("courses.vxc") != courses, c.ends && c.answers.back() == Answer::Yes);
        if (!c.ends) {
            EXPECT_TRUE(MainForm->isVisible() && golferWindow->isVisible() &&
                        courseWindow->isVisible());
            EXPECT_TRUE(courseWindow->Modified()) << "still holding its change";
        }
        delete golferWindow.data();
        delete courseWindow.data();
        MainForm->show();
    }
}

TEST_F(MainWindowTest, EndingWithNothingUnsavedAsksNothingAndAFailedSaveKeepsTheProgram) {
    Click(MainForm->ExitButton);
    EXPECT_TRUE(programTerminated);
    EXPECT_TRUE(tb::Exiting);
    EXPECT_TRUE(Shown().empty());

    programTerminated = false;
    tb::Exiting = false;
    dir.Write("golfers.vxc", "Ann Adams~ADAMS~1~\r\n");
    dir.Write("ADAMS.vxp", "");
    Click(MainForm->EditGolferButton);
    Settle();
    tb::Dialogs::QueueAnswer(tb::Dialogs::Answer::Yes);
    Click(tb::GMaintForm->DeleteButton);
    std::filesystem::remove(dir / "golfers.vxc");
    std::filesystem::create_directories(dir / "golfers.vxc" / "x"); // the save cannot land
    tb::Dialogs::ClearShown();
    tb::Dialogs::QueueAnswer(tb::Dialogs::Answer::Yes);
    MainForm->Exit1->trigger();
    EXPECT_FALSE(programTerminated);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[1].kind, tb::Dialogs::Kind::Error);
    EXPECT_TRUE(tb::GMaintForm->isVisible() && tb::GMaintForm->Modified());
}

// On a desktop the window manager shows each caption exactly as given.
TEST_F(MainWindowTest, EveryWindowIsTitledExactlyByItsCaptionOnTheDesktop) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
    dir.Write("golfers.vxc", "Ann Adams~ADAMS~1~\r\n");
    dir.Write("ADAMS.vxp", "");
    dir.Write("courses.vxc", "");
    Click(MainForm->EditGolferButton);
    Click(MainForm->EditCoursesButton);
    Click(MainForm->EnterScoresButton);
    Settle();
    Click(tb::GPickForm->AddAScoreButton);
    Settle();
    tb::CourseForm->ShowFor(tb::CMaintForm);
    tb::GNameForm->ShowFor(tb::GMaintForm);
    tb::GolferForm->OpenForGolfer(tb::GPickForm, {"Ann Adams", "ADAMS"});
    Settle();
    for (QWidget* window : std::initializer_list<QWidget*>{
             MainForm, tb::GMaintForm, tb::CMaintForm, tb::GPickForm, tb::ScoreForm.Get(),
             tb::CourseForm.Get(), tb::GNameForm.Get(), tb::GolferForm.Get()}) {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(window->winId()), "_NET_WM_NAME"});
        ASSERT_TRUE(xprop.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(xprop.readAllStandardOutput()).trimmed(),
                  "_NET_WM_NAME(UTF8_STRING) = \"" + window->windowTitle() + "\"");
    }
}

} // namespace
} // namespace tbtest
