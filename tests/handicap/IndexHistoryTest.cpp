// The index after each date played: a golfer worked out by hand, and random
// golfers checked against the index computation run on each cut of the list.

#include "data/ScoreFile.h"
#include "data/Text.h"
#include "handicap/Progress.h"
#include "support/CorePrinters.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Oldest first: each round's date as written in the file, its differential
// at slope 113 (none: incomplete, Rating 0.0), and the index shown after its
// date. The best differentials grow in as the count of rounds passes 5, 6,
// 7, 9, ... 20; the 21st and 22nd push the oldest out.
const struct {
    const char* date;
    std::optional<int> diff;
    const char* index; // null: another round follows on the same date
} HandWorked[] = {
    // clang-format off
    {"20230401", 20, "36.4"},
    {"20230408", 18, "36.4"},
    {"230415",   16, "36.4"},  // six digits: 20230415
    {"20230420", {}, "36.4"},  // incomplete
    {"20230422", 15, "36.4"},
    {"20230429", 14, "13.4"},  // 5 rounds: 14 x 0.96
    {"20230506", 12, "11.5"},  // 6: 12 x 0.96
    {"20230513", 10, nullptr},
    {"20230513", 11, "10.1"},  // 8: 10.5 x 0.96
    {"20230601", 25, "10.6"},  // 9: best 3, average 11
    {"20230602", 25, "10.6"},
    {"20230603", 25, "11.3"},  // 11: best 4, 11.75
    {"20230604", 25, "11.3"},
    {"20230605", 25, "11.9"},  // 13: best 5, 12.4
    {"20230606", 25, "11.9"},
    {"20230607", 25, "12.5"},  // 15: best 6, 13
    {"20230608", 25, "12.5"},
    {"20230609", 25, "13.2"},  // 17: best 7, 96 / 7
    {"20230610", 25, "13.9"},  // 18: best 8, 14.5
    {"20230611", 25, "15.0"},  // 19: best 9, 141 / 9
    {"20230612", 25, "15.9"},  // 20: best 10, 16.6
    {"20230613", 8,  "14.8"},  // the 20 newest: 20 out, 8 in
    {"20230614", 30, "15.5"},  // 18 out: 25 is the tenth
    // clang-format on
};

TEST(IndexHistory, HandWorkedGolfer) {
    tb::ScoreList list;
    std::vector<std::string> expected;
    for (const auto& round : HandWorked) {
        const std::string rating = round.diff ? tb::FormatFixed(90 - *round.diff, 1) : "0.0";
        list.push_back(tb::ParseScoreLine(std::string(round.date) + "~OAK~90~" + rating + "~113~"));
        if (round.index) expected.push_back(round.index);
    }
    tb::SortScores(list);
    const std::vector<tb::IndexPoint> history = tb::IndexHistory(list, "0");
    std::vector<std::string> shown;
    for (const tb::IndexPoint& point : history)
        shown.push_back(tb::FormatIndex(point.index, 1));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(history.at(2).date, "20230415");
    EXPECT_EQ(tb::FormatIndex(tb::IndexHistory(list, "1").front().index, 1), "40.4");
}

// Random golfers, their fields drawn from texts the index computation must
// tell apart: numbers, placeholders, zeros, NULs (which decide only where the
// cut leaves an empty or zero text), and dates of every kind. One golfer in
// four plays mostly at ratings and slopes whose differentials the best places
// cannot take, so that empty places count.
class RandomGolfer {
public:
    explicit RandomGolfer(unsigned seed) : random_(seed), offScale_(seed % 4 == 0) {}

    tb::ScoreList List() {
        const int count = Pick<int>({0, 3, 5, 6, 12, 20, 21, 25, 40, 60, 200});
        tb::ScoreList list;
        for (int i = 0; i < count; ++i)
            list.push_back(Round());
        tb::SortScores(list);
        return list;
    }

private:
    template <typename T> T Pick(std::initializer_list<T> values) {
        return values.begin()[random_() % values.size()];
    }
    std::string Text(std::initializer_list<std::string> values) { return Pick(values); }
    static std::string WithNul(const char* before, const char* after) {
        return before + std::string(1, '\0') + after;
    }

    std::string Date() {
        if (random_() % 10 == 0)
            return Text(
                {"", "99999999", "ABC", WithNul("2023", "0101"), "230601", "990101", "2023061"});
        return "202306" + std::to_string(10 + random_() % 20); // many equal dates
    }

    tb::ScoreRec Round() {
        tb::ScoreRec rec;
        rec.Date = Date();
        rec.CourseName = "OAK";
        rec.Score = Text(
            {"85", "92", "78", "101", "0", "", "XXX", "999", WithNul("", "85"), WithNul("9", "1")});
        rec.AdjScore = Text({"0", "83", "88", "", "XXX", "77", "79", WithNul("", "80")});
        if (offScale_ && random_() % 5 != 0) {
            // Differentials far above 9999, and far below 0 to offset them.
            rec.Score = Text({"85", "92", "101", "999"});
            rec.Rating = Text({"0.1", "0.1", "0.1", "0.1", "999"});
            rec.Slope = "1";
            return rec;
        }
        rec.Rating = Text(
            {"71.2", "69.8", "72.0", "70.5", "0.0", "", "XXX", "XXXX", "0", WithNul("0.0", "5")});
        rec.Slope = Text({"113", "121", "135", "98", "0", "", "XXX", WithNul("0", "1")});
        return rec;
    }

    std::mt19937 random_;
    bool offScale_;
};

// The index computation over the rounds of `list` dated `date` or earlier,
// in list order.
tb::Extended DirectIndex(const tb::ScoreList& list, const std::string& date,
                         const std::string& sex) {
    tb::ScoreList cut;
    for (const tb::ScoreRec& rec : list)
        if (!(date < rec.Date.str())) cut.push_back(rec);
    return tb::ComputeIndex(cut, {sex, ""}).index;
}

TEST(IndexHistory, MatchesTheIndexComputationOnEveryCut) {
    for (unsigned golfer = 0; golfer < 150; ++golfer) {
        SCOPED_TRACE("golfer " + std::to_string(golfer));
        RandomGolfer random(golfer);
        const tb::ScoreList list = random.List();
        const tb::ScoreList before = list;
        const std::string sex = golfer % 3 ? "0" : "1";
        const std::vector<tb::IndexPoint> history = tb::IndexHistory(list, sex);
        EXPECT_EQ(list, before);

        std::set<std::string> dates;
        for (const tb::ScoreRec& rec : list)
            dates.insert(rec.Date.str());
        ASSERT_EQ(history.size(), dates.size());
        auto date = dates.begin();
        for (const tb::IndexPoint& point : history) {
            ASSERT_EQ(point.date, *date);
            EXPECT_EQ(point.index, DirectIndex(list, *date, sex)) << "at date " << *date;
            ++date;
        }
    }
}

} // namespace
