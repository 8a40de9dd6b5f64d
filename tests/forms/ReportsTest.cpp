// The reports from the windows: Printer, File or Cancel; on paper a PDF in
// the data folder, which replaces an earlier one only once it is complete.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"
#include "forms/CourseHandicapWindow.h"
#include "forms/PrintHandicapsDialog.h"
#include "print/PdfPages.h"

#include <QComboBox>

#include <set>
#include <sstream>

namespace tbtest {
namespace {

using tb::Dialogs::Answer;

class ReportsTest : public ScoreEntryTest {
protected:
    void SetUp() override {
        ScoreEntryTest::SetUp();
        dir.Write("courses.vxc", ScoreCourses);
        WriteGolfers(Rounds(7), Rounds(3));
    }
    // Answers the two-choice question and, on paper, the print dialog.
    static void Answer(tb::Dialogs::Answer choice, tb::Dialogs::Answer print = Answer::Ok) {
        tb::Dialogs::QueueAnswer(choice);
        tb::Dialogs::QueueAnswer(print);
    }
};

TEST_F(ReportsTest, PrintScoresGoesToPaperAFileOrNowhere) {
    const struct {
        tb::Dialogs::Answer choice, print;
        const char* file; // the one file made, or none
        const char* said; // the last message, or none
    } cases[] = {
        {Answer::Cancel, Answer::Ok, nullptr, nullptr},
        {Answer::Button1, Answer::Cancel, nullptr, nullptr},
        {Answer::Button1, Answer::Ok, "SMITH-scores.pdf", "Printing completed."},
        {Answer::Button2, Answer::Ok, "SMITH.vxo", "Score file \"SMITH.vxo\" created."},
    };
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    hub->GolferListBox->setCurrentRow(1);
    const std::vector<std::string> before = DataFiles();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "none");
        tb::Dialogs::ClearShown();
        Answer(c.choice, c.print);
        Click(hub->PrintScoresButton);
        std::vector<std::string> expected = before;
        if (c.file) {
            expected.push_back(c.file);
            std::sort(expected.begin(), expected.end());
        }
        EXPECT_EQ(DataFiles(), expected);
        if (c.said) {
            EXPECT_EQ(Shown().back(), c.said);
        } else {
            EXPECT_EQ(Shown().size(), c.choice == Answer::Cancel ? 1u : 2u) << "no message";
        }
        if (c.file) std::filesystem::remove(dir / c.file);
    }
    EXPECT_EQ(hub->Mode(), 'N') << "a report starts no activity";
}

TEST_F(ReportsTest, APdfCutShortLeavesTheEarlierOne) {
    dir.Write("SMITH-scores.pdf", "the earlier report");
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    hub->GolferListBox->setCurrentRow(1);
    const std::vector<std::string> before = DataFiles();
    {
        FileSizeLimit limit(2000);
        Answer(Answer::Button1);
        Click(hub->PrintScoresButton);
    }
    EXPECT_EQ(Shown().back(), "Disk full\nSMITH-scores.pdf: File too large");
    EXPECT_EQ(dir.Read("SMITH-scores.pdf"), "the earlier report");
    EXPECT_EQ(DataFiles(), before) << "no temporary file left";
    Answer(Answer::Button1);
    Click(hub->PrintScoresButton);
    EXPECT_EQ(ReadPdfPages(dir / "SMITH-scores.pdf").size(), 1u);
}

TEST_F(ReportsTest, APdfIsSavedAsTheDataFilesAreThroughALinkKeepingItsMode) {
    namespace fs = std::filesystem;
    dir.Write("elsewhere.pdf", "the earlier report");
    fs::permissions(dir / "elsewhere.pdf", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("elsewhere.pdf", dir / "SMITH-scores.pdf");
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    hub->GolferListBox->setCurrentRow(1);
    Answer(Answer::Button1);
    Click(hub->PrintScoresButton);
    EXPECT_TRUE(fs::is_symlink(dir / "SMITH-scores.pdf"));
    EXPECT_EQ(ReadPdfPages(dir / "elsewhere.pdf").size(), 1u);
    EXPECT_EQ(fs::status(dir / "elsewhere.pdf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ReportsTest, TheHandicapReportsMoveGolfersAndCheckTheirInputs) {
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    Click(hub->PrintHandicapButton);
    Settle();
    auto* dialog = qobject_cast<tb::TPrintHandicapsDlg*>(QApplication::activeWindow());
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->ExcludeBtn->isEnabled());
    Click(dialog->PrintListButton);
    EXPECT_EQ(Shown().back(), "You must select a course first.");
    dialog->CourseField->setFocus();
    Press(dialog->CourseField, Qt::Key_Down);
    Click(dialog->PrintCardsButton);
    EXPECT_EQ(Shown().back(), "You must select at least one golfer.");

    // Two chosen at once arrive from the last up; ">>" keeps the order.
    dialog->GolferListBox->selectAll();
    Click(dialog->IncludeBtn);
    ASSERT_EQ(dialog->PrintListBox->count(), 2);
    EXPECT_EQ(dialog->PrintListBox->item(0)->text(), "John Smith");
    EXPECT_FALSE(dialog->IncludeBtn->isEnabled());
    Click(dialog->ExAllBtn);
    EXPECT_EQ(dialog->GolferListBox->item(0)->text(), "Ann Adams") << "kept sorted";
    Click(dialog->IncAllBtn);
    EXPECT_EQ(dialog->PrintListBox->item(0)->text(), "Ann Adams");
    EXPECT_TRUE(dialog->ExcludeBtn->isEnabled() && !dialog->IncAllBtn->isEnabled());

    Answer(Answer::Button2);
    Click(dialog->PrintListButton);
    EXPECT_EQ(Shown().back(), "Handicap file \"HDCPLIST.VXO\" created.");
    EXPECT_NE(dir.Read("hdcplist.vxo").find("\r\nAnn Adams "), std::string::npos);
    tb::Dialogs::QueueAnswer(Answer::Ok);
    Click(dialog->PrintCardsButton);
    EXPECT_EQ(Shown().back(), "Printing completed.");
    EXPECT_EQ(ReadPdfPages(dir / "handicap-cards.pdf").size(), 1u);
}

TEST_F(ReportsTest, GolfersWhoShareALongNameArePrintedEachAsHimself) {
    dir.Write("golfers.vxc", "John Smith~SMITH~0~\r\nJohn Smith~SMITH2~0~\r\n");
    dir.Write("SMITH2.vxp", "");
    Click(OpenHub()->PrintHandicapButton);
    Settle();
    auto* dialog = qobject_cast<tb::TPrintHandicapsDlg*>(QApplication::activeWindow());
    ASSERT_TRUE(dialog);
    dialog->CourseField->setFocus();
    Press(dialog->CourseField, Qt::Key_Down);
    // One moved over with ">", then back with "<", then both with ">>".
    dialog->GolferListBox->setCurrentRow(1);
    Click(dialog->IncludeBtn);
    Click(dialog->ExAllBtn);
    Click(dialog->IncAllBtn);
    Answer(Answer::Button2);
    Click(dialog->PrintListButton);
    std::istringstream list(dir.Read("hdcplist.vxo"));
    std::set<std::string> smiths;
    for (std::string line; std::getline(list, line);)
        if (line.starts_with("John Smith")) smiths.insert(line);
    EXPECT_EQ(smiths.size(), 2u) << "one line for the golfer with rounds, one for the one without";
}

TEST_F(ReportsTest, TheCourseHandicapSheetNeedsACourse) {
    tb::THandicapForm* form = OpenCourseHandicapForSmith();
    ASSERT_TRUE(form);
    Click(form->PrintButton);
    EXPECT_EQ(Shown().back(), "You must select a course first.");
    form->CourseField->setFocus();
    Press(form->CourseField, Qt::Key_Down);
    ASSERT_TRUE(form->CourseChosen());
    Answer(Answer::Button2);
    Click(form->PrintButton);
    EXPECT_EQ(Shown().back(), "Handicap file \"SMITH.vxh\" created.");
    EXPECT_NE(dir.Read("SMITH.vxh").find("\r\nAT:   ABBEY\r\n"), std::string::npos);
    Answer(Answer::Button1);
    Click(form->PrintButton);
    EXPECT_EQ(ReadPdfPages(dir / "SMITH-handicap.pdf")[0].size(), 9u) << "11 lines, 2 empty";
    form->close();
    Settle();
}

} // namespace
} // namespace tbtest
