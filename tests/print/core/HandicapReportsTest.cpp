// The handicap list and the handicap cards for one course and chosen
// golfers, read from their score files. Every expected text is worked out by
// hand: at slope 113 and rating 70.0 a round's differential is its score
// less 70.

#include "print/core/HandicapReports.h"
#include "data/Errors.h"
#include "print/core/ReportTestData.h"
#include "support/CorePrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using tbtest::ScoreFileLine;

const tb::CourseSummary OakHollow{"OAK HOLLOW", "71.2", "121", "72"};
const std::string Today = "06/14/2024";

// Rounds of the given scores, newest first, on days counting down from the
// 28th of May 2024.
std::string ScoreFile(const std::vector<int>& scores) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const std::string day = std::to_string(28 - i);
        const std::string score = std::to_string(scores[i]);
        lines.push_back(ScoreFileLine("202405" + std::string(day.size() < 2 ? "0" : "") + day,
                                      "PINE RIDGE", score, "70.0", "113", score));
    }
    return tbtest::JoinCrLf(lines);
}

std::vector<tb::GolferHandicap> Read(const tbtest::TempDir& dir,
                                     const std::vector<tb::GolferRec>& golfers) {
    tbtest::KeptMessages notifier;
    auto result = tb::ReadGolferHandicaps(dir.path(), golfers, notifier);
    EXPECT_TRUE(notifier.messages.empty());
    return result;
}

TEST(HandicapReports, ListFile) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", ScoreFile({80, 80, 80, 80, 80}));     // index 9.6
    dir.Write("JONES.vxp", "");                                  // a woman without an index
    dir.Write("LONG.vxp", ScoreFile({100, 100, 100, 100, 100})); // index 28.8
    const tb::GolferRec smith{"Smith, John", "SMITH", 0};
    const auto golfers = Read(
        dir,
        {smith, {"Jones, Mary", "JONES", 1}, {"Featherstonehaugh, Bartholomew", "LONG", 0}, smith});
    tb::WriteHandicapList(dir.path(), OakHollow, golfers, Today);
    EXPECT_EQ(dir.Read("hdcplist.vxo"),
              tbtest::JoinCrLf({"TARNBECK COURSE HANDICAPS AS OF:  06/14/2024", "",
                                "Course: OAK HOLLOW", "Rating: 71.2  Slope: 121  Par: 72", "",
                                "                                 Course   Predicted",
                                "Golfer                 Index   Handicap       Score", "",
                                "Smith, John              9.6         10          82",
                                "Jones, Mary             40.4         43         115",
                                "Featherstonehaugh, B    28.8         31         103",
                                "Smith, John              9.6         10          82"}));
}

// Forty golfers are read on two threads: the results, the messages and the
// error come as reading them one by one gives them, and nothing after the
// error is said.
TEST(HandicapReports, ManyGolfersTellInTheirOrderAndStopAtAFileThatCannotBeRead) {
    tbtest::TempDir dir;
    std::vector<tb::GolferRec> golfers;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "G" + std::to_string(i);
        golfers.push_back({name, name, 0});
        const bool tooLong = i == 5 || i == 25 || i == 35; // more rounds than are read
        dir.Write(name + ".vxp", ScoreFile(std::vector<int>(tooLong ? 201 : 5, 80 + i % 3)));
    }
    tbtest::KeptMessages all;
    const auto read = tb::ReadGolferHandicaps(dir.path(), golfers, all);
    ASSERT_EQ(read.size(), 40u);
    EXPECT_EQ(read[25].scoreCount, 200);
    EXPECT_EQ(read[36].longName, "G36");
    EXPECT_EQ(tb::FormatIndex(read[36].index, 4), " 9.6");
    ASSERT_EQ(all.messages.size(), 3u);
    std::filesystem::remove(dir.path() / "G30.vxp");
    tbtest::KeptMessages notifier;
    EXPECT_THROW(tb::ReadGolferHandicaps(dir.path(), golfers, notifier), tb::InOutError);
    EXPECT_EQ(notifier.messages,
              std::vector<std::string>(all.messages.begin(), all.messages.begin() + 2));
    EXPECT_NE(notifier.messages[1].find("\"G25.vxp\""), std::string::npos);
}

TEST(HandicapReports, ListLineCourseValues) {
    const struct {
        const char* name;
        double index;
        std::string slope, par, expected;
    } cases[] = {
        {"slope that is no number counts as 0", 12.3, "12a", "72",
         "Ann                     12.3          0          72"},
        {"par that is no number counts as 0", 12.3, "113", "7x",
         "Ann                     12.3         12          12"},
        {"negative index: one below par", -1.2, "113", "72",
         "Ann                     -1.2         -1          71"},
        {"wider values kept whole", 36.4, "999", "999",
         "Ann                     36.4        322         1321"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tb::GolferHandicap golfer;
        golfer.longName = "Ann";
        golfer.index = tb::ToReal48(c.index);
        EXPECT_EQ(tb::HandicapListLine(golfer, {"A", "70.0", c.slope, c.par}), c.expected);
    }
}

TEST(HandicapReports, Cards) {
    const struct {
        const char* name;
        std::vector<int> scores;
        std::vector<std::string> card;
    } cases[] = {
        {"7 rounds, the best two used",
         {85, 90, 100, 78, 79, 91, 87},
         {"", "", "Name:   Smith, John", "Course: OAK HOLLOW", "Effective Date: 06/14/2024",
          "Scores Posted:    7         HCP INDEX", "                               8.2", "",
          "SCORE HISTORY - MOST RECENT 1ST  *IF USED", "     1   85    90   100    78*   79*",
          "     6   91    87                   ", "    11                              ",
          "    16                              "}},
        {"25 rounds, the 20 newest shown",
         {99, 98, 97, 96, 95, 94, 93, 92, 91, 90, 89, 88, 87,
          86, 85, 84, 83, 82, 81, 80, 60, 60, 60, 60, 60},
         {"", "", "Name:   Smith, John", "Course: OAK HOLLOW", "Effective Date: 06/14/2024",
          "Scores Posted:   25         HCP INDEX", "                              13.9", "",
          "SCORE HISTORY - MOST RECENT 1ST  *IF USED", "     1   99    98    97    96    95 ",
          "     6   94    93    92    91    90 ", "    11   89*   88*   87*   86*   85*",
          "    16   84*   83*   82*   81*   80*"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        dir.Write("SMITH.vxp", ScoreFile(c.scores));
        const auto golfers = Read(dir, {{"Smith, John", "SMITH", 0}});
        const tb::Report report = tb::HandicapCardsReport(OakHollow, golfers, Today);
        ASSERT_EQ(report.size(), c.card.size() + 1);
        EXPECT_EQ(report[0], (tb::ReportLine{"", 0.5f}));
        for (std::size_t i = 0; i < c.card.size(); ++i)
            EXPECT_EQ(report[i + 1], tb::ReportLine{c.card[i]}) << "card line " << i + 1;
    }
}

} // namespace
