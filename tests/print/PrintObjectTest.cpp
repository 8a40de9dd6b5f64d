// Reports on paper: the print object's pages, rendered to PDF and read back,
// for the line positions a printer would get.

#include "print/PrintObject.h"
#include "PdfPages.h"
#include "data/Records.h"
#include "print/PrintSetupMemory.h"
#include "print/ReportPrinter.h"
#include "print/core/ScoreHistory.h"
#include "support/TempDir.h"
#include "widgets/Dialogs.h"
#include "widgets/Placement.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <cmath>

namespace tbtest {
namespace {

constexpr double Inch = 72; // PDF points

class PrintObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
        tb::SetIniFilePath(QString::fromStdString((dir / "tarnbeck.ini").string()));
        tb::ForgetPrintSetupOfThisRun();
        tb::Dialogs::ClearShown();
    }
    void TearDown() override {
        tb::ForgetPrintSetupOfThisRun();
        QDir::setCurrent(previous_);
    }

    std::vector<PdfPage> Print(const tb::Report& report) {
        EXPECT_TRUE(tb::PutReportOnPaper(nullptr, report, "report.pdf"));
        return ReadPdfPages(dir / "report.pdf");
    }

    TempDir dir;

private:
    QString previous_;
};

tb::Report NumberedLines(int count) {
    tb::Report report{{"L1", tb::ReportTop}};
    for (int i = 2; i <= count; ++i)
        report.push_back({"L" + std::to_string(i)});
    return report;
}

// The smallest step between two lines of a page: one line height.
double LinePitch(const std::vector<PdfPage>& pages) {
    double pitch = 1e9;
    for (const PdfPage& page : pages)
        for (std::size_t i = 1; i < page.size(); ++i)
            pitch = std::min(pitch, page[i].top - page[i - 1].top);
    return pitch;
}

// Every page starts at the top of the body area and steps down whole line
// heights (empty lines draw nothing); no line passes its bottom, and each
// page but the last is full. Returns the lines' texts in order.
QStringList CheckPages(const std::vector<PdfPage>& pages) {
    const double pitch = LinePitch(pages);
    EXPECT_GT(pitch, 12);
    QStringList texts;
    double leftmost = 1e9;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const PdfPage& page = pages[p];
        if (page.empty()) continue;
        EXPECT_NEAR(page.front().top, 1.0 * Inch, 1.5);
        for (std::size_t i = 0; i < page.size(); ++i) {
            leftmost = std::min(leftmost, page[i].left);
            EXPECT_LE(page[i].top, 10.0 * Inch);
            if (i > 0) {
                const double lines = (page[i].top - page[i - 1].top) / pitch;
                EXPECT_NEAR(lines, std::round(lines), 0.05) << i;
            }
            texts << page[i].text;
        }
        if (p + 1 < pages.size()) {
            EXPECT_GT(page.back().top + pitch, 10.0 * Inch - 1) << "room for one more line";
        }
    }
    EXPECT_NEAR(leftmost, 0.5 * Inch, 1) << "the left margin";
    return texts;
}

TEST_F(PrintObjectTest, LinesFillThePagesOfTheBodyAreaAndContinueOnTheNext) {
    const std::vector<PdfPage> pages = Print(NumberedLines(60));
    ASSERT_EQ(pages.size(), 2u);
    QStringList expected;
    for (int i = 1; i <= 60; ++i)
        expected << QString("L%1").arg(i);
    EXPECT_EQ(CheckPages(pages), expected);
}

// What a poppler tool says of the report's PDF.
QString PdfTool(const QString& tool, const std::filesystem::path& pdf) {
    QProcess process;
    process.start(tool, {QString::fromStdString(pdf.string())});
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The print dialog's choice is proposed to the next report and, from
// tarnbeck.ini, to the next run; a printer that has gone gives way to the PDF
// file with the paper kept. Courier comes out as Liberation Mono.
TEST_F(PrintObjectTest, TheChoiceOfThePrintDialogIsProposedAgainInThisRunAndTheNext) {
    using tb::Dialogs::PrintSetup;
    const PrintSetup pdfA5Landscape{"", QPageSize::A5, true};
    tb::Dialogs::QueuePrintSetup(pdfA5Landscape);
    const std::vector<PdfPage> pages = Print(NumberedLines(60));
    const QString info = PdfTool("pdfinfo", dir / "report.pdf");
    EXPECT_TRUE(info.contains("595 x 420 pts (A5)")) << info.toStdString();
    int lines = 0; // every one on the paper, above its bottom margin
    for (const PdfPage& page : pages)
        for (const PdfLine& line : page)
            lines += line.top < 420 - 0.5 * Inch ? 1 : 0;
    EXPECT_EQ(lines, 60);
    EXPECT_TRUE(PdfTool("pdffonts", dir / "report.pdf").contains("LiberationMono"));
    Print(NumberedLines(3));
    tb::ForgetPrintSetupOfThisRun();
    Print(NumberedLines(3));
    dir.Write("tarnbeck.ini", "[Printer]\r\nName=Gone\r\nPaperSize=" +
                                  std::to_string(QPageSize::A5) + "\r\nOrientation=1\r\n");
    tb::ForgetPrintSetupOfThisRun();
    Print(NumberedLines(3));
    const QString proposed = tb::Dialogs::PrintSetupText(pdfA5Landscape);
    const std::vector<QString> shown = tb::Dialogs::ShownTexts();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_NE(shown[0], proposed);
    EXPECT_EQ(std::vector<QString>(shown.begin() + 1, shown.end()),
              std::vector<QString>(3, proposed));
}

TEST_F(PrintObjectTest, SameLineColumnsAndEmptyTexts) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QString::fromStdString((dir / "lines.pdf").string()));
    tb::TPrintObject print(printer);
    print.Start();
    print.SetMargins(0.5, 0.5, 0.5, 0.5);
    print.SetDetailArea(1.0, 10.0);
    print.SetFont("Courier", 12);
    print.TopOfDetail();
    print.PrintText("first", -1, 1.0);
    print.PrintText("", -1, tb::TPrintObject::NextLine);
    print.PrintText("", -1, tb::TPrintObject::NextLine);
    print.PrintText("A", -1, tb::TPrintObject::NextLine);
    print.PrintText("B", 3.0, tb::TPrintObject::SameLine);
    print.Finish();
    const std::vector<PdfPage> pages = ReadPdfPages(dir / "lines.pdf");
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 2u) << "empty texts draw nothing";
    EXPECT_NEAR(pages[0][1].top - pages[0][0].top, 3 * print.LineHeightInches() * Inch, 0.5)
        << "the two empty lines moved on";
    EXPECT_EQ(pages[0][1].text, "A B") << "B on A's line";
    const std::vector<PdfPage> words = ReadPdfWords(dir / "lines.pdf");
    ASSERT_EQ(words[0].size(), 3u);
    EXPECT_NEAR(words[0][2].left, 3.0 * Inch, 1);
}

TEST_F(PrintObjectTest, AScoreHistoryOfTwoHundredRoundsRunsOnWithoutANewHeader) {
    tb::GolferRec golfer;
    golfer.LongName = "John Smith";
    golfer.ShortName = "SMITH";
    tb::ScoreList scores(tb::MaxScores);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i].Date = std::to_string(19991231 - 100 * (i % 12) - i / 12);
        scores[i].CourseName = "ABBEY";
        scores[i].Score = scores[i].AdjScore = "90";
        scores[i].Rating = "70.5";
        scores[i].Slope = "125";
    }
    const tb::Report report = tb::ScoreHistoryReport(golfer, scores);
    const QStringList texts = CheckPages(Print(report));
    ASSERT_EQ(texts.size(), std::count_if(report.begin(), report.end(),
                                          [](const tb::ReportLine& l) { return !l.text.empty(); }));
    EXPECT_EQ(texts.count("DATE COURSE SCORE AGS RATING SLOPE DIFF"), 1);
    EXPECT_TRUE(texts.last().startsWith("* = score used"));
}

} // namespace
} // namespace tbtest
