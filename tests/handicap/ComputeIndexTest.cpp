// The handicap index over a golfer's list of scores (newest first): which
// scores are taken, which differentials are used, the rounding, the maximum
// by sex and the lines of the index details.

#include "data/Text.h"
#include "handicap/HandicapIndex.h"
#include "support/CorePrinters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// A complete round whose differential at slope 113 is exactly `diff`.
tb::ScoreRec Round(double diff, const std::string& date = "19980614",
                   const std::string& course = "OAK HOLLOW") {
    tb::ScoreRec rec;
    rec.Date = date;
    rec.CourseName = course;
    rec.Score = "90";
    rec.AdjScore = "0";
    rec.Rating = tb::FormatFixed(90 - diff, 1);
    rec.Slope = "113";
    return rec;
}

tb::ScoreRec Incomplete(int kind) {
    tb::ScoreRec rec = Round(1.0); // would be the best by far if it were taken
    switch (kind % 4) {
    case 0:
        rec.Score = "0";
        break;
    case 1:
        rec.Rating = "0.0";
        break;
    case 2:
        rec.Slope = "";
        break;
    default:
        rec.Score = "";
        break;
    }
    return rec;
}

tb::ScoreList Rounds(const std::vector<double>& diffs) {
    tb::ScoreList list;
    for (double d : diffs)
        list.push_back(Round(d));
    return list;
}

tb::IndexResult Compute(tb::ScoreList& list, const std::string& sex = "0") {
    return tb::ComputeIndex(list, tb::IndexInput{sex, "JOHN SMITH"});
}

std::string Shown(tb::Extended index) {
    return tb::FormatIndex(index, 1);
}

TEST(ComputeIndex, NoScoresGivesTheMaximumBySexAndFourLines) {
    for (const auto& [sex, maximum] :
         {std::pair{"0"s, "36.4"s}, {"1"s, "40.4"s}, {"F"s, "40.4"s}}) {
        tb::ScoreList list;
        tb::IndexDetails details;
        details.fill("old");
        tb::IndexResult r = tb::ComputeIndex(list, {sex, "JOHN SMITH"}, &details);
        EXPECT_EQ(Shown(r.index), maximum);
        EXPECT_EQ(r.valid, 0);
        EXPECT_EQ(r.used, 0);
        for (int place : r.usedScores)
            EXPECT_EQ(place, 999);
        EXPECT_EQ(details[0], "0 scores on file for JOHN SMITH.");
        EXPECT_EQ(details[1], "A golfer needs 5 valid scores to receive an index.");
        EXPECT_EQ(details[2], "");
        EXPECT_EQ(details[3], "The current index for JOHN SMITH is " + maximum);
        for (int line = 4; line < tb::DetailLineCount; ++line)
            EXPECT_EQ(details[line], "") << "line " << line + 1;
    }
}

TEST(ComputeIndex, NumberOfDifferentialsUsedFollowsTheNumberTaken) {
    const int used[] = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int count = 0; count <= 22; ++count) {
        tb::ScoreList list = Rounds(std::vector<double>(count, 12.0));
        tb::IndexResult r = Compute(list);
        EXPECT_EQ(r.valid, std::min(count, 20)) << count << " scores";
        EXPECT_EQ(r.used, used[std::min(count, 20)]) << count << " scores";
    }
}

TEST(ComputeIndex, Cases) {
    const struct {
        const char* name;
        std::vector<double> diffs; // newest first
        std::string sex;
        std::string index;
        std::vector<int> usedPositions;
    } cases[] = {
        {"five scores: lowest x 0.96", {12, 14, 10, 16, 18}, "0", "9.6", {3}},
        {"average 12.35 rounds up to 11.9", {20, 12.4, 20, 12.3, 20, 20, 20}, "0", "11.9", {4, 2}},
        {"tie for the last place: newer used", {9, 8, 5, 8, 9, 9, 9}, "0", "6.2", {3, 2}},
        {"equal differentials keep age order", {8, 8, 8, 8, 8}, "0", "7.7", {1}},
        {"negative differentials sort first", {5, -1.2, 3, 8, 10}, "0", "-1.2", {2}},
        {"man above 36.4", {39.6, 40, 41, 42, 43}, "0", "36.4", {1}},
        {"woman 38.0 keeps it", {39.6, 40, 41, 42, 43}, "1", "38.0", {1}},
        {"woman above 40.4", {43.8, 44, 45, 46, 47}, "1", "40.4", {1}},
        {"four scores: no index", {1, 2, 3, 4}, "0", "36.4", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tb::ScoreList list = Rounds(c.diffs);
        tb::IndexResult r = Compute(list, c.sex);
        EXPECT_EQ(Shown(r.index), c.index);
        ASSERT_EQ(r.used, static_cast<int>(c.usedPositions.size()));
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(r.usedScores[k], k < r.used ? c.usedPositions[k] : 999) << "place " << k + 1;
    }
}

TEST(ComputeIndex, IndexIsTheStoredSixByteValue) {
    tb::ScoreList list = Rounds({20, 12.4, 20, 12.3, 20, 20, 20});
    EXPECT_EQ(Compute(list).index, tb::ToReal48(119 * 0.1L));
}

TEST(ComputeIndex, IncompleteScoresAreSkippedAndOnlyTwentyTaken) {
    // 25 scores, 3 incomplete among the newest 20: positions 1 to 23 are
    // examined. The best differentials lie at 21 to 23; 24 and 25 are better
    // still but never reached.
    tb::ScoreList list;
    for (int pos = 1; pos <= 25; ++pos) {
        if (pos == 4 || pos == 9 || pos == 15)
            list.push_back(Incomplete(pos));
        else
            list.push_back(Round(pos >= 24 ? 0.5 : pos >= 21 ? 2.0 + pos / 10.0 : 10.0 + pos));
    }
    list[22].Score = "90\0"s; // the last one examined: cut at its NUL
    list[23].Score = "90\0"s; // not examined: left alone
    tb::IndexResult r = Compute(list);
    EXPECT_EQ(r.valid, 20);
    EXPECT_EQ(r.used, 10);
    const int expected[] = {21, 22, 23, 1, 2, 3, 5, 6, 7, 8};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(r.usedScores[k], expected[k]) << "place " << k + 1;
    EXPECT_EQ(list[22].Score, "90");
    EXPECT_EQ(list[23].Score.str(), "90\0"s);
}

TEST(ComputeIndex, TwelveScoresTwoIncomplete) {
    tb::ScoreList list = Rounds({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    list.insert(list.begin() + 3, Incomplete(0));
    list.insert(list.begin() + 7, Incomplete(1));
    tb::IndexResult r = Compute(list);
    EXPECT_EQ(r.valid, 10);
    EXPECT_EQ(r.used, 3);
    EXPECT_EQ(Shown(r.index), "10.6"); // (10 + 11 + 12) / 3 x 0.96 = 10.56
    const int expected[] = {1, 2, 3, 999, 999, 999, 999, 999, 999, 999};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(r.usedScores[k], expected[k]);
}

TEST(ComputeIndex, AdjustedGrossScorePreferredOverScore) {
    tb::ScoreList list = Rounds({15, 15, 15, 15, 15});
    list[0].AdjScore = "80"; // 80 - 75.0 = 5.0, used
    list[1].AdjScore = "";   // uses Score
    list[2].AdjScore = "XXX";
    EXPECT_EQ(Shown(Compute(list).index), "4.8");
    list[0].AdjScore = "0";
    EXPECT_EQ(Shown(Compute(list).index), "14.4");
}

TEST(ComputeIndex, PlaceholderScoresAreCompleteWithDifferentialZero) {
    tb::ScoreList list(5);
    for (tb::ScoreRec& rec : list) {
        rec.Date = "99999999";
        rec.Score = "XXX";
        rec.Rating = "XXXX";
        rec.Slope = "XXX";
        rec.AdjScore = "0";
    }
    tb::IndexResult r = Compute(list);
    EXPECT_EQ(r.valid, 5);
    EXPECT_EQ(Shown(r.index), "0.0");
    EXPECT_EQ(list[0].Rating, "XXXX"); // only the hub's variant rewrites it
}

TEST(ComputeIndex, DetailLines) {
    tb::ScoreList list;
    for (int pos = 1; pos <= 20; ++pos) {
        std::string day = (pos < 10 ? "0" : "") + std::to_string(pos);
        list.push_back(Round(pos <= 5 ? 5.0 + pos : 10.0 + pos, "200105" + day,
                             "COURSE " + std::to_string(pos)));
    }
    const std::string name(70, 'N');
    tb::IndexDetails details;
    tb::IndexResult r = tb::ComputeIndex(list, {"0", name}, &details);
    ASSERT_EQ(r.used, 10);
    EXPECT_EQ(details[0], ("20 scores on file for " + name + ".").substr(0, 80));
    EXPECT_EQ(details[1], "Calculated index using best 10 out of 20 differentials.");
    // Values below 10 get one more space so the decimal points line up.
    EXPECT_EQ(details[2], "Differential 1   =   6.0  05/01/2001  COURSE 1");
    EXPECT_EQ(details[6], "Differential 5   = 10.0  05/05/2001  COURSE 5");
    EXPECT_EQ(details[11], "Differential 10 = 20.0  05/10/2001  COURSE 10");
    EXPECT_EQ(details[12], "");
    // (6 + 7 + 8 + 9 + 10 + 16 + 17 + 18 + 19 + 20) / 10 x 0.96 = 12.48
    EXPECT_EQ(details[13], ("The current index for " + name + " is 12.5").substr(0, 80));
    EXPECT_EQ(details[13].size(), 80u);
    EXPECT_EQ(Shown(r.index), "12.5");
}

TEST(ComputeIndex, IndexLineUsesAFourWideField) {
    tb::ScoreList list = Rounds({10, 12, 14, 16, 18});
    tb::IndexDetails details;
    tb::ComputeIndex(list, {"0", "ANN"}, &details);
    EXPECT_EQ(details[0], "5 scores on file for ANN.");
    EXPECT_EQ(details[1], "Calculated index using best 1 out of 5 differentials.");
    EXPECT_EQ(details[2], "Differential 1   = 10.0  06/14/1998  OAK HOLLOW");
    EXPECT_EQ(details[3], "");
    EXPECT_EQ(details[4], "The current index for ANN is  9.6");
    list = Rounds({5, -1.2, 3, 8, 10});
    tb::ComputeIndex(list, {"0", "ANN"}, &details);
    EXPECT_EQ(details[2], "Differential 1   =  -1.2  06/14/1998  OAK HOLLOW");
    EXPECT_EQ(details[4], "The current index for ANN is -1.2");
}

TEST(ComputeIndex, HubVariant) {
    tb::ScoreList list = Rounds(std::vector<double>(12, 12.0));
    list[1].Rating = "XXX"; // complete, differential 0, rating becomes "0.0"
    list[2].Slope = "XXX";
    list.push_back(Incomplete(0));
    tb::IndexDetails details;
    tb::IndexResult r = tb::ComputeIndex(list, {"0", "ANN", tb::IndexVariant::Hub}, &details);
    EXPECT_EQ(r.valid, 12);
    EXPECT_EQ(details[0], "13 scores on file for ANN.  (12 are valid)");
    EXPECT_EQ(details[2], "Differential 1   =   0.0  06/14/1998  OAK HOLLOW");
    EXPECT_EQ(list[1].Rating, "0.0");
    EXPECT_EQ(list[2].Rating, "0.0");
    EXPECT_EQ(list[2].Slope, "XXX");
    EXPECT_EQ(list[3].Rating, "78.0");

    // The standard reading leaves the stored rating alone.
    list[1].Rating = "XXX";
    tb::ComputeIndex(list, {"0", "ANN"}, &details);
    EXPECT_EQ(list[1].Rating, "XXX");
    EXPECT_EQ(details[0], "13 scores on file for ANN.");

    // Twenty taken: no count of valid scores; the tenth line has two spaces.
    list = Rounds(std::vector<double>(20, 12.0));
    tb::ComputeIndex(list, {"0", "ANN", tb::IndexVariant::Hub}, &details);
    EXPECT_EQ(details[0], "20 scores on file for ANN.");
    EXPECT_EQ(details[11], "Differential 10  = 12.0  06/14/1998  OAK HOLLOW");
}

TEST(ComputeIndex, ReportVariantIsTheHubsWithoutTheExtraSpace) {
    tb::ScoreList list = Rounds(std::vector<double>(20, 8.0));
    list[0].Rating = "XXX";
    tb::IndexDetails details;
    tb::ComputeIndex(list, {"0", "ANN", tb::IndexVariant::Report}, &details);
    EXPECT_EQ(list[0].Rating, "0.0");
    EXPECT_EQ(details[0], "20 scores on file for ANN.");
    EXPECT_EQ(details[2], "Differential 1   =  0.0  06/14/1998  OAK HOLLOW");
    EXPECT_EQ(details[11], "Differential 10  =  8.0  06/14/1998  OAK HOLLOW");
}

} // namespace
