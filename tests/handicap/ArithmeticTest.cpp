// The machine arithmetic under the handicap figures (6-byte reals, rounding
// to even), score differentials, course handicaps, the adjusted gross score
// and the score form's sums and differential, and the score list line.

#include "data/Errors.h"
#include "data/Records.h"
#include "handicap/CourseHandicap.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Real48.h"
#include "handicap/ScoreEntry.h"
#include "handicap/ScoreListLine.h"
#include "support/CorePrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

using tb::Extended;

TEST(Real48, RoundsToFortyBitSignificandHalfAwayFromZero) {
    const Extended ulp = std::ldexp(1.0L, -39); // last significand bit at 1.0
    const struct {
        const char* name;
        Extended in;
        Extended out;
    } cases[] = {
        {"representable stays", 1 + ulp, 1 + ulp},
        {"half above an even value goes up", 1 + ulp / 2, 1 + ulp},
        {"half above an odd value goes up", 1 + 3 * ulp / 2, 1 + 2 * ulp},
        {"just below half goes down", 1 + ulp / 2 - std::ldexp(1.0L, -62), 1},
        {"negative half goes away from zero", -(1 + ulp / 2), -(1 + ulp)},
        {"carry into the next power of two", 2 - ulp / 4, 2},
        {"large value", std::ldexp(1.0L, 100) * (1 + ulp / 2), std::ldexp(1.0L, 100) * (1 + ulp)},
        {"smallest exponent kept", std::ldexp(1.0L, -128), std::ldexp(1.0L, -128)},
        {"below the exponent range", std::ldexp(1.0L, -129), 0},
        {"zero", 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tb::ToReal48(c.in), c.out) << c.name;
    const Extended largest = std::ldexp(2 - 2 * ulp, 126);
    EXPECT_EQ(tb::ToReal48(largest), largest);
    const Extended tooLarge[] = {std::ldexp(1.0L, 127), std::ldexp(2 - ulp / 2, 126), -1e99L,
                                 INFINITY, NAN};
    for (Extended value : tooLarge)
        EXPECT_THROW(tb::ToReal48(value), tb::OutOfRangeError) << static_cast<double>(value);
    EXPECT_NE(tb::ToReal48(0.1L), 0.1L);
    EXPECT_NEAR(static_cast<double>(tb::ToReal48(0.1L)), 0.1, 1e-13);
}

TEST(Real48, MatchesTheFrexpRoundLdexpFormulaOnRandomValues) {
    std::mt19937_64 random(3);
    for (int round = 0; round < 200000; ++round) {
        // Random significands (often at or next to a half of the last bit)
        // over the whole exponent range and past both of its ends.
        std::uint64_t bits = random() | (std::uint64_t{1} << 63);
        if (round % 3 == 0) bits = (bits & ~std::uint64_t{0xFFFFFF}) | 0x800000 | (round % 2);
        const int exponent = static_cast<int>(random() % 280) - 140;
        const Extended value =
            std::ldexp(static_cast<Extended>(bits), exponent - 64) * (round % 5 == 0 ? -1 : 1);
        int e = 0;
        const Extended m = std::frexp(value, &e);
        const Extended expected = e < -127 ? 0 : std::ldexp(std::round(std::ldexp(m, 40)), e - 40);
        if (std::fabs(expected) >= std::ldexp(1.0L, 127))
            ASSERT_THROW(tb::ToReal48(value), tb::OutOfRangeError) << round;
        else
            ASSERT_EQ(tb::ToReal48(value), expected) << round;
    }
}

TEST(Real48, RoundHalfEven) {
    const struct {
        Extended in;
        long long out;
    } cases[] = {{0.5L, 0},    {1.5L, 2},      {2.5L, 2},     {3.5L, 4},     {-0.5L, 0},
                 {-1.5L, -2},  {-2.5L, -2},    {128.5L, 128}, {129.5L, 130}, {2.4999L, 2},
                 {2.5001L, 3}, {-2.5001L, -3}, {7, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(tb::RoundHalfEven(c.in), c.out) << static_cast<double>(c.in);
    EXPECT_EQ(tb::RoundHalfEven(-std::ldexp(1.0L, 63)), INT64_MIN);
    for (Extended value : {std::ldexp(1.0L, 63), std::ldexp(1.0L, 63) - 0.5L, -1e19L, 1e30L})
        EXPECT_THROW(tb::RoundHalfEven(value), tb::OutOfRangeError) << static_cast<double>(value);
}

TEST(ScoreDifferential, RoundsToTheNearestTenthHalfToEven) {
    auto diff = [](Extended score, Extended rating, Extended slope) {
        return tb::ScoreDifferential(tb::ToReal48(score), tb::ToReal48(rating),
                                     tb::ToReal48(slope));
    };
    // 13.8 x 113 / 121 = 12.887...: rounded, not truncated.
    EXPECT_EQ(diff(85, 71.2L, 121), tb::ToReal48(129 * 0.1L));
    // Exactly 9.25 at slope 113: half to even gives 9.2, not 9.3.
    EXPECT_EQ(diff(80, 70.75L, 113), tb::ToReal48(92 * 0.1L));
    EXPECT_EQ(diff(80, 70.25L, 113), tb::ToReal48(98 * 0.1L));
    EXPECT_EQ(diff(70, 72, 113), tb::ToReal48(-20 * 0.1L));
    EXPECT_EQ(diff(0, 71.2L, 121), 0);
    EXPECT_EQ(diff(85, 0, 121), 0);
    EXPECT_EQ(diff(85, 71.2L, 0), 0);
    // 6.0 over the rating at slope 120 is 5.65 in decimals. Held as a 6-byte
    // real the quotient lies above the half and gives 5.7; left in extended
    // precision it lies below and would give 5.6.
    EXPECT_EQ(diff(78, 72, 120), tb::ToReal48(57 * 0.1L));
    EXPECT_EQ(tb::RoundHalfEven((78 - 72) * 113 / 120.0L * 10), 56);
    // A step leaving the 6-byte range, or the rounding's, gives 0.0.
    EXPECT_EQ(diff(85, 1e37L, 0.01L), 0);
    EXPECT_EQ(diff(85, -1e18L, 113), 0);
}

TEST(ScoreDifferential, OfAStoredScore) {
    const struct {
        const char* name;
        const char* score;
        const char* adj;
        const char* rating;
        const char* slope;
        const char* shown;
    } cases[] = {
        {"AGS preferred", "85", "83", "71.2", "121", "11.0"},
        {"AGS 0 uses Score", "85", "0", "71.2", "121", "12.9"},
        {"AGS empty uses Score", "85", "", "71.2", "121", "12.9"},
        {"AGS XXX uses Score", "85", "XXX", "71.2", "121", "12.9"},
        {"Score 0 with AGS", "0", "83", "71.2", "121", "11.0"},
        {"rating 0.0", "85", "83", "0.0", "121", "0.0"},
        {"rating XXX", "85", "83", "XXX", "121", "0.0"},
        {"slope XXX", "85", "83", "71.2", "XXX", "0.0"},
        {"slope empty", "85", "83", "71.2", "", "0.0"},
        {"nothing to use", "XXX", "0", "71.2", "121", "0.0"},
        {"no number counts as 0", "85", "8a", "71.2", "121", "0.0"},
        {"rating beyond a 6-byte real", "85", "83", "9e99", "121", "0.0"},
        {"rating leading out of range", "85", "83", "2e52", "121", "0.0"},
        {"slope beyond a 6-byte real", "85", "83", "71.2", "9e99", "0.0"},
        {"AGS beyond a 6-byte real", "85", "9e99", "71.2", "121", "0.0"},
        {"the half case", "78", "", "72.0", "120", "5.7"},
    };
    for (const auto& c : cases) {
        tb::ScoreRec rec;
        rec.Score = c.score;
        rec.AdjScore = c.adj;
        rec.Rating = c.rating;
        rec.Slope = c.slope;
        EXPECT_EQ(tb::FormatIndex(tb::StoredScoreDifferential(rec), 1), c.shown) << c.name;
    }
}

TEST(CourseHandicap, RoundsHalfToEvenAndPredictsTheScore) {
    const struct {
        const char* index;
        const char* slope;
        long long handicap;
    } cases[] = {
        {" 12.3", "121", 13},
        {"36.4", "155", 50},
        {"0.5", "113", 0},
        {"1.5", "113", 2},
        {"10.5", "113", 10},
        {"11.5", "113", 12},
        {"-1.2", "113", -1},
        {"0", "121", 0},
        // Beyond a 6-byte real, or beyond the rounding: the handicap is 0
        // and the predicted score the par.
        {"12.3", "9e99", 0},
        {"9e99", "121", 0},
        {"36.4", "9e37", 0},
        {"1e30", "113", 0},
    };
    for (const auto& c : cases) {
        tb::CourseHandicapResult r = tb::ComputeCourseHandicap(c.index, c.slope, "72");
        EXPECT_EQ(r.handicap, c.handicap) << c.index << " at " << c.slope;
        EXPECT_EQ(r.predicted, 72 + c.handicap) << c.index << " at " << c.slope;
    }
    EXPECT_EQ(tb::HandicapSentence("JOHN SMITH", -1),
              "Handicap for JOHN SMITH at this course is: -1");
    EXPECT_EQ(tb::PredictedScoreSentence("JOHN SMITH", 85),
              "Predicted score for JOHN SMITH is: 85");
    EXPECT_THROW(tb::ComputeCourseHandicap("12.3", "XXX", "72"), tb::ConvertError);
    EXPECT_THROW(tb::ComputeCourseHandicap("12.3", "121", "7a"), tb::ConvertError);
}

TEST(AdjustedGrossScore, HoleMaximumByIndex) {
    const struct {
        Extended index;
        int maximum;
    } cases[] = {{-1.5L, 6},  {9.9L, 6},   {10.0L, 7},  {19.9L, 7}, {20.0L, 8},
                 {29.9L, 8},  {30.0L, 9},  {36.4L, 9},  {39.9L, 9}, {40.0L, 10},
                 {40.4L, 10}, {49.9L, 10}, {50.0L, 11}, {99.0L, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(tb::HoleMaximum(c.index), c.maximum) << static_cast<double>(c.index);
}

std::array<std::string, 18> Holes(const std::string& fill) {
    std::array<std::string, 18> holes;
    holes.fill(fill);
    return holes;
}

TEST(AdjustedGrossScore, CapsEveryHoleAtTheSameMaximum) {
    auto h = Holes("5");
    h[0] = "8";
    h[1] = "7";
    EXPECT_EQ(tb::AdjustedGrossScore("95", h, "9.9"), "92");
    EXPECT_EQ(tb::AdjustedGrossScore("95", h, " 12.0"), "94"); // maximum 7
    h = Holes("0");
    EXPECT_EQ(tb::AdjustedGrossScore("88", h, "5.0"), "88"); // total only
    h[3] = "12";
    EXPECT_EQ(tb::AdjustedGrossScore("90", h, "5.0"), "84");
    h[3] = "-3";
    EXPECT_EQ(tb::AdjustedGrossScore("90", h, "5.0"), "90");
    h[3] = "";
    EXPECT_EQ(tb::AdjustedGrossScore("90", h, "5.0"), "90"); // empty hole skipped
    h[3] = "11";
    EXPECT_EQ(tb::AdjustedGrossScore("90", h, "36.4"), "88"); // man without an index: 9
    EXPECT_EQ(tb::AdjustedGrossScore("90", h, "40.4"), "89"); // woman without an index: 10
}

TEST(AdjustedGrossScore, NoTotalAndZeroTotals) {
    auto h = Holes("x"); // never read without a total
    EXPECT_EQ(tb::AdjustedGrossScore("", h, "bad"), "");
    EXPECT_EQ(tb::AdjustedGrossScore("0", h, "bad"), "");
    EXPECT_EQ(tb::AdjustedGrossScore("00", h, "bad"), "");
    h = Holes("0");
    EXPECT_EQ(tb::AdjustedGrossScore("000", h, "9.9"), "0");
    h[0] = "8";
    EXPECT_EQ(tb::AdjustedGrossScore("000", h, "9.9"), "-2");
}

TEST(AdjustedGrossScore, ConversionErrors) {
    auto h = Holes("4");
    h[5] = "abc";
    try {
        tb::AdjustedGrossScore("72", h, "9.9");
        ADD_FAILURE();
    } catch (const tb::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    try {
        tb::AdjustedGrossScore("72", Holes("4"), "");
        ADD_FAILURE();
    } catch (const tb::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_THROW(tb::AdjustedGrossScore("7x", Holes("4"), "9.9"), tb::ConvertError);
}

TEST(ScoreForm, SumText) {
    EXPECT_EQ(tb::SumText({"5", "4", "-1", "0"}), "8");
    EXPECT_EQ(tb::SumText({}), "0");
    try {
        tb::SumText({"5", "", "4"});
        ADD_FAILURE();
    } catch (const tb::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(ScoreForm, Differential) {
    const struct {
        const char* name;
        const char* adj;
        const char* total;
        const char* rating;
        const char* slope;
        const char* shown;
    } cases[] = {
        {"from the AGS", "83", "85", "71.2", "121", "11.0"},
        {"AGS XXX uses the total", "XXX", "85", "71.2", "121", "12.9"},
        {"AGS 0 uses the total", "0", "85", "71.2", "121", "12.9"},
        {"AGS 00 is worth 0", "00", "85", "71.2", "121", "12.9"},
        {"AGS empty uses the total", "", "85", "71.2", "121", "12.9"},
        {"no total", "", "", "71.2", "121", " 0.0"},
        {"total 0", "", "0", "71.2", "121", " 0.0"},
        {"rating 0.0", "83", "85", "0.0", "121", " 0.0"},
        {"rating empty", "83", "85", "", "121", " 0.0"},
        {"rating 0 is text, not 0.0", "", "90", "0", "113", "90.0"},
        {"rating 00 likewise", "", "90", "00", "113", "90.0"},
        {"slope 0", "83", "85", "71.2", "0", " 0.0"},
        {"slope 000", "83", "85", "71.2", "000", " 0.0"},
        {"slope empty", "83", "85", "71.2", "", " 0.0"},
        {"negative", "", "70", "72.5", "113", "-2.5"},
        {"below ten", "", "80", "72.0", "113", " 8.0"},
        {"wide value", "", "200", "60.0", "55", "287.6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tb::ScoreFormDifferential(c.adj, c.total, c.rating, c.slope), c.shown) << c.name;
    // Text that is no number, and a number that leads out of range, are
    // refused alike.
    const struct {
        const char* rating;
        const char* slope;
        const char* refused;
    } refusals[] = {{"7x.2", "121", "7x.2"},
                    {"9e99", "121", "9e99"},
                    {"9e37", "121", "9e37"},
                    {"71.2", "9e99", "9e99"}};
    for (const auto& r : refusals) {
        try {
            tb::ScoreFormDifferential("", "85", r.rating, r.slope);
            ADD_FAILURE() << r.refused;
        } catch (const tb::ConvertError& e) {
            EXPECT_EQ(e.what(),
                      std::string("'") + r.refused + "' is not a valid floating point value");
        }
    }
}

TEST(ScoreListLine, ColumnsUnderTheHeader) {
    tb::ScoreRec rec;
    rec.Date = "19980614";
    rec.CourseName = "OAK HOLLOW";
    rec.Score = "85";
    rec.AdjScore = "83";
    rec.Rating = "71.2";
    rec.Slope = "121";
    tb::UsedScores used;
    used.fill(999);
    used[0] = 1;
    EXPECT_EQ(tb::ScoreListLine(rec, 1, used),
              "* 1   06/14/1998   85   83  71.2   121   11.0   OAK HOLLOW" + std::string(15, ' '));
    // Not used: blank mark; an incomplete score: "I" with differential 0.0.
    EXPECT_EQ(tb::ScoreListLine(rec, 2, used).substr(0, 6), "  2   ");
    rec.Rating = "0.0";
    rec.CourseName = std::string(30, 'C');
    std::string line = tb::ScoreListLine(rec, 123, used);
    EXPECT_EQ(line, "I 123 06/14/1998   85   83  0.0    121    0.0   " + std::string(25, 'C'));
}

} // namespace
