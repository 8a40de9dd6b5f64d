// The score history report: its score lines column by column, and whole
// report files read from score files, byte for byte. Every expected text is
// worked out by hand.

#include "print/core/ScoreHistory.h"
#include "data/ScoreFile.h"
#include "print/core/ReportTestData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tbtest::ScoreFileLine;

tb::UsedScores Used(std::initializer_list<int> positions) {
    tb::UsedScores used;
    used.fill(999);
    std::copy(positions.begin(), positions.end(), used.begin());
    return used;
}

TEST(ScoreHistory, ScoreLines) {
    const struct {
        const char* name;
        std::string fileLine;
        int position;
        bool used;
        std::string expected;
    } cases[] = {
        {"AGS preferred, columns under the header",
         ScoreFileLine("19980614", "OAK HOLLOW", "85", "71.2", "121", "83"), 1, false,
         "   1 - 06/14/1998  OAK HOLLOW              85   83  71.2    121    11.0"},
        {"tenth line, used for the index",
         ScoreFileLine("19980614", "OAK HOLLOW", "85", "71.2", "121", "83"), 10, true,
         "* 10 - 06/14/1998  OAK HOLLOW              85   83  71.2    121    11.0"},
        {"hundredth line, rating 0.0 incomplete",
         ScoreFileLine("19980614", "OAK HOLLOW", "85", "0.0", "121", "83"), 100, false,
         "I100 - 06/14/1998  OAK HOLLOW              85   83  0.0    121     0.0"},
        {"30-character course cut to 21",
         ScoreFileLine("20240601", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "90", "70.0", "113", "90"), 2,
         false, "   2 - 06/01/2024  ABCDEFGHIJKLMNOPQRSTU   90   90  70.0    113    20.0"},
        {"AGS 000 gives way to the score",
         ScoreFileLine("20240601", "A", "90", "70.0", "113", "000"), 3, false,
         "   3 - 06/01/2024  A                       90  000  70.0    113    20.0"},
        {"a rating that is no number counts as 0",
         ScoreFileLine("20240601", "A", "90", "7l.2", "113", "90"), 4, false,
         "   4 - 06/01/2024  A                       90   90  7l.2    113     0.0"},
        {"a date of 7 characters", ScoreFileLine("2024061", "A", "80", "70.0", "113", "80"), 6,
         false, "   6 - 99/99/9999  A                       80   80  70.0    113    10.0"},
        {"an empty file line: placeholders, slope XXX", "", 7, false,
         "   7 - 99/99/9999  XXXXXXXXXXXXXXXXXXXXX  XXX    0  XXXX    XXX     0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const tb::ScoreRec rec = tb::ParseScoreLine(c.fileLine, tb::HubRead);
        EXPECT_EQ(tb::ScoreHistoryLine(rec, c.position, c.used ? Used({c.position}) : Used({})),
                  c.expected);
    }
}

const std::string Header =
    "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF";

TEST(ScoreHistory, ReportFiles) {
    const struct {
        const char* name;
        tb::GolferRec golfer;
        std::vector<std::string> scoreFile; // oldest first: the report sorts
        std::vector<std::string> expected;
    } cases[] = {
        {"no scores",
         {"Muller, Jorg", "MULLER", 0},
         {},
         {"TARNBECK PERSONAL GOLF HISTORY FOR:  Muller, Jorg", "",
          "0 scores on file for Muller, Jorg.  (0 are valid)",
          "A golfer needs 5 valid scores to receive an index.", "",
          "The current index for Muller, Jorg is 36.4", "", Header, "",
          "    NO SCORES ON FILE FOR THIS GOLFER"}},
        {"ten scores, one rated XXX, one incomplete",
         {"Jones, Mary", "JONES", 1},
         {ScoreFileLine("20010625", "PINE RIDGE", "87", "70.0", "113", "87"),
          ScoreFileLine("20010701", "PINE RIDGE", "86", "70.0", "113", "86"),
          ScoreFileLine("20010705", "PINE RIDGE", "95", "70.0", "113", "95"),
          ScoreFileLine("20010710", "PINE RIDGE", "84", "70.0", "113", "84"),
          ScoreFileLine("20010715", "PINE RIDGE", "90", "70.0", "113", "88"),
          ScoreFileLine("20010720", "OAK HOLLOW", "78", "71.2", "121", ""),
          ScoreFileLine("20010725", "PINE RIDGE", "0", "70.0", "113", "0"),
          ScoreFileLine("20010801", "OAK HOLLOW", "85", "XXX", "121", "83"),
          ScoreFileLine("20010805", "PINE RIDGE", "83", "70.0", "113", "83"),
          ScoreFileLine("20010810", "PINE RIDGE", "81", "70.0", "113", "81")},
         {"TARNBECK PERSONAL GOLF HISTORY FOR:  Jones, Mary",
          "",
          "10 scores on file for Jones, Mary.  (9 are valid)",
          "Calculated index using best 3 out of 9 differentials.",
          "Differential 1   =  0.0  08/01/2001  OAK HOLLOW",
          "Differential 2   =  6.4  07/20/2001  OAK HOLLOW",
          "Differential 3   = 11.0  08/10/2001  PINE RIDGE",
          "",
          "The current index for Jones, Mary is  5.6",
          "",
          Header,
          "*  1 - 08/10/2001  PINE RIDGE              81   81  70.0    113    11.0",
          "   2 - 08/05/2001  PINE RIDGE              83   83  70.0    113    13.0",
          "*  3 - 08/01/2001  OAK HOLLOW              85   83  0.0    121     0.0",
          "I  4 - 07/25/2001  PINE RIDGE               0    0  70.0    113     0.0",
          "*  5 - 07/20/2001  OAK HOLLOW              78       71.2    121     6.4",
          "   6 - 07/15/2001  PINE RIDGE              90   88  70.0    113    18.0",
          "   7 - 07/10/2001  PINE RIDGE              84   84  70.0    113    14.0",
          "   8 - 07/05/2001  PINE RIDGE              95   95  70.0    113    25.0",
          "   9 - 07/01/2001  PINE RIDGE              86   86  70.0    113    16.0",
          "  10 - 06/25/2001  PINE RIDGE              87   87  70.0    113    17.0",
          "",
          "* = score used in index calculation."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        const std::string shortName = c.golfer.ShortName.str();
        dir.Write(shortName + ".vxp", tbtest::JoinCrLf(c.scoreFile));
        tbtest::KeptMessages notifier;
        tb::ScoreList scores = tb::LoadHistoryScores(dir.path(), c.golfer, notifier);
        tb::WriteScoreHistory(dir.path(), c.golfer, scores);
        EXPECT_EQ(dir.Read(shortName + ".vxo"), tbtest::JoinCrLf(c.expected));
        EXPECT_TRUE(notifier.messages.empty());
    }
}

TEST(ScoreHistory, OnlyTheTitleIsPlacedAtAPosition) {
    tb::ScoreList scores(3);
    const tb::Report report = tb::ScoreHistoryReport({"Ann", "ANN", 1}, scores);
    ASSERT_GT(report.size(), 1u);
    EXPECT_EQ(report[0].absoluteY, 1.0f);
    for (std::size_t i = 1; i < report.size(); ++i)
        EXPECT_EQ(report[i].absoluteY, tb::NextLine) << "line " << i + 1;
}

} // namespace
