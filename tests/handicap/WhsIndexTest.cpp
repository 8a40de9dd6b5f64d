// The WHS index over golfers worked out by hand, rounds oldest first. Each
// row shows AGS, differential, exceptional adjustment, index, low index, then
// the differential with every later adjustment ("*": today's index uses it),
// or why the round does not take part. With them, what the windows make of
// the result: the chart's points and the advice to add stroke indexes.

#include "handicap/WhsIndex.h"
#include "data/CourseFile.h"
#include "data/ScoreFile.h"
#include "handicap/WhsTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// A round as stored. holes: a character per hole ("C" = 12), "" for a total;
// times: that many rounds on following days, each showing the same.
struct Round {
    const char *date, *course, *rating, *slope, *holes, *adjScore, *score, *shows;
    int times = 1;
};

struct Golfer {
    const char* name;
    std::vector<Round> rounds;
};

const char *const Total = "", *const Fours = "444444444444444444";

// Par 4 on every hole; stroke indexes 1..18 from hole 1 at PINES and NOPAR
// (which lacks the par of hole 18), 18..1 at PLUS, none at NOSI.
const std::string Up = "1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~";
tb::CourseList Courses() {
    tb::CourseList courses;
    for (const char* name : {"NOPAR", "NOSI", "PINES", "PLUS"})
        courses.push_back(tb::ParseCourseLine(std::string(name) + "~72.0~113~72~" +
                                              "4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~"));
    courses[0].Par[17] = "0";
    return courses;
}
const tb::StrokeIndexMap StrokeIndexes = tb::UsableStrokeIndexes(
    {"PINES~" + Up, "NOPAR~" + Up, "PLUS~18~17~16~15~14~13~12~11~10~9~8~7~6~5~4~3~2~1~"});

const std::vector<Golfer> Golfers = {
    // clang-format off
    {"the table from 1 to 21 rounds, an exceptional round leaving the oldest two out", {
        {"20250101", "X", "71.5", "113", Total, "86", "89",  "86 14.5 0.0 - - 14.5"},
        {"20250102", "X", "72.0", "113", Total, "0",  "90",  "90 18.0 0.0 - - 18.0"},
        {"20250103", "X", "72.0", "113", Total, "88", "90",  "88 16.0 0.0 12.5 - 15.0"},  // -2.0
        {"20250104", "X", "72.0", "113", Total, "89", "90",  "89 17.0 0.0 13.5 - 16.0"},  // -1.0
        {"20250105", "X", "72.0", "113", Total, "87", "90",  "87 15.0 0.0 14.5 - 14.0*"},
        {"20250106", "X", "72.0", "113", Total, "86", "90",  "86 14.0 0.0 13.3 - 13.0*"}, // 14.25, -1.0
        {"20250107", "X", "72.0", "113", Total, "88", "90",  "88 16.0 0.0 14.3 - 15.0"},
        {"20250108", "X", "71.7", "113", Total, "85", "90",  "85 13.3 0.0 13.7 - 12.3*"}, // 13.65
        {"20250109", "X", "72.0", "113", Total, "91", "95",  "91 19.0 0.0 13.9 - 18.0", 2},
        {"20250111", "X", "72.0", "113", Total, "84", "90",  "84 12.0 0.0 13.1 - 11.0*"},
        {"20250112", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 13.5 - 19.0", 2},  // 13.45
        {"20250114", "X", "72.0", "113", Total, "83", "90",  "83 11.0 0.0 12.6 - 10.0*"},
        {"20250115", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 13.0 - 19.0"},
        {"20250116", "X", "72.0", "113", Total, "82", "90",  "82 10.0 0.0 12.1 - 9.0*"},
        {"20250117", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.5 - 19.0", 2},
        {"20250119", "X", "72.0", "113", Total, "81", "90",  "81 9.0 0.0 12.0 - 8.0*"},
        {"20250120", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.4 - 19.0"},  // 12.35
        {"20250121", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.5 12.4 19.0"},
        {"20250122", "X", "72.0", "113", Total, "77", "80",  "77 4.0 -1.0 10.2 12.4 4.0*"},
    }},
    {"halves of a differential, days, bad ratings and slopes, rounds of one date", {
        {"19000229", "X", "72.0", "113", Total, "80", "80",  "date not a day"},
        {"20000229", "X", "74.3", "114", Total, "80", "80",  "80 5.7 0.0 - - 5.7"},    // 5.65
        {"20240302", "X", "75.7", "114", Total, "70", "70",  "70 -5.7 0.0 - - -5.7"},  // -5.65
        {"20240304", "X", "72.0", "54",  Total, "80", "80",  "bad rating or slope"},
        {"20240305", "X", "72.",  "113", Total, "80", "80",  "bad rating or slope"},
        {"20240306", "PINES", "72.0", "113", "500000000000000000", "80", "80", "incomplete"},
        {"20240307", "X", "72.0", "113", Total, "",   "XXX", "no score"},
        {"20240308", "X", "72.0", "113", Total, "60", "60",  "60 -12.0 0.0 -14.0 - -12.0*"},
        {"20240308", "X", "72.0", "113", Total, "80", "80",  "80 8.0 0.0 -13.0 - 8.0"},
        {"20240310", "X", "0.0",  "113", Total, "80", "80",  "bad rating or slope"},
        {"20240311", "X", "72.0", "156", Total, "80", "80",  "bad rating or slope"},
        {"20240332", "X", "72.0", "113", Total, "80", "80",  "date not a day"},
    }},
    {"net double bogey, plus handicaps, exceptional rounds adding up", {
        {"20230101", "PINES", "72.0", "113", "C44444444444444444", "80", "80", "77 5.0 0.0 - - 2.0"},  // No index yet: par + 5.
        {"20230102", "PINES", "72.0", "113", "555555555555555555", "80", "90", "90 18.0 0.0 - - 15.0"},
        {"20230103", "NOSI",  "72.0", "113", "555555555555555555", "88", "90", "88 16.0 0.0 3.0 - 13.0"},
        {"20230104", "PINES", "72.0", "113", "974844444444444444", "0",  "84", "80 8.0 0.0 4.0 - 5.0"},  // Index 3.0: course handicap 3, a stroke on holes 1 to 3.
        {"20230105", "NOPAR", "72.0", "113", "555555555555555555", "0",  "91", "91 19.0 0.0 5.0 - 16.0"},
        {"20230106", "GONE",  "72.0", "113", Fours,                "72", "72", "72 0.0 0.0 1.5 - -3.0*"},
        {"20230107", "PLUS",  "70.0", "113", "664444444444444444", "76", "76", "75 5.0 0.0 2.5 - 2.0"},  // Index 1.5 at rating 70.0: -0.5 gives -1, a stroke back on hole 1.
        {"20230108", "PINES", "72.0", "113", "448444444444444444", "76", "76", "75 3.0 0.0 1.5 - 0.0"},  // Index 2.5: 2.5 gives 3.
        {"20230109", "PINES", "72.5", "113", "444444444433333333", "64", "64", "64 -10.5 -2.0 -3.8 - -11.5*"},  // 10.0 below: -2.0
        {"20230110", "PINES", "71.8", "113", "744443333333333333", "0",  "62", "61 -11.8 -1.0 -8.8 - -11.8*"},  // Index -3.8: course handicap -4; 7.0 below: -1.0
    }},
    {"soft and hard caps, the 365 days, only indexes from 20 rounds", {
        {"20230101", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 - - 0.0", 2},
        {"20230103", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -2.0 - 0.0"},
        {"20230104", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -1.0 - 0.0*"},
        {"20230105", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230106", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -1.0 - 0.0*"},
        {"20230107", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230108", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230109", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0", 12},
        {"20230120", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 3.8 - 30.0*"},  // The same day: no low index yet, 3.75 stands.
        {"20240120", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 5.0 0.0 30.0*"},  // 365 days on: low 0.0; 7.5 softened to 5.3, at most 5.0.
        {"20240121", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 9.7 5.0 30.0*"},  // 366 days on: low 5.0; 11.25 softened to 9.7.
    }},
    {"the 54.0 maximum", {
        {"20230101", "X", "72.0", "113", Total, "150", "150", "150 78.0 0.0 - - 78.0", 2},
        {"20230103", "X", "72.0", "113", Total, "150", "150", "150 78.0 0.0 54.0 - 78.0*"},
    }},
    // clang-format on
};

// The round's line in the score file, with empty putts.
tb::ScoreRec RecordOf(const Round& r, int day) {
    std::string line = std::to_string(std::stoi(r.date) + day) + "~" + r.course + "~" + r.score +
                       "~" + r.rating + "~" + r.slope + "~~";
    for (char c : *r.holes ? std::string(r.holes) : std::string(18, '0'))
        line += (c == 'C' ? "12" : std::string(1, c)) + "~";
    return tb::ParseScoreLine(line + std::string(18, '~') + r.adjScore + "~");
}

// The printed line from the AGS on, then the differential as it is now.
std::string Shown(const tb::WhsRound& round) {
    std::string line = tb::WhsLine(round);
    line.erase(0, line.find('\t', line.find('\t') + 1) + 1);
    std::replace(line.begin(), line.end(), '\t', ' ');
    return line + " " + tb::FormatTenths(round.currentDifferential10) +
           (round.inCurrentIndex ? "*" : "");
}

// The chart's points: the index after the last round of each date.
std::vector<std::pair<std::string, int>> LastOfEachDate(const tb::WhsResult& result) {
    std::map<std::string, int> last;
    for (const tb::WhsRound& round : result.rounds)
        if (round.index10) last[round.date] = *round.index10;
    return {last.begin(), last.end()};
}

TEST(WhsIndexTest, HandWorkedGolfers) {
    for (const Golfer& golfer : Golfers) {
        SCOPED_TRACE(golfer.name);
        tb::ScoreList oldestFirst;
        std::vector<std::string> expected;
        for (const Round& round : golfer.rounds)
            for (int day = 0; day < round.times; ++day) {
                oldestFirst.push_back(RecordOf(round, day));
                expected.push_back(round.shows);
            }
        tb::ScoreList list(oldestFirst.rbegin(),
                           oldestFirst.rend()); // for the oldest two lines, which stand first.
        std::rotate(list.begin(), list.end() - 2, list.end());
        const tb::WhsResult result = tb::ComputeWhsIndex(list, Courses(), StrokeIndexes);

        std::vector<std::string> shown;
        auto rounds = result.rounds.begin();
        auto skipped = result.skipped.begin();
        for (const tb::ScoreRec& rec : oldestFirst) {
            if (rounds != result.rounds.end() && rounds->date == rec.Date.str())
                shown.push_back(Shown(*rounds++));
            else if (skipped != result.skipped.end() && skipped->date == rec.Date.str())
                shown.push_back(tb::WhsSkipText((skipped++)->reason));
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(result.index10, result.rounds.back().index10);
        std::vector<std::pair<std::string, int>> points;
        for (const tb::WhsIndexPoint& point : tb::WhsIndexHistory(result))
            points.emplace_back(point.date, point.index10);
        EXPECT_EQ(points, LastOfEachDate(result));
        // The windows' advice: where a round wants stroke indexes (NOSI), or
        // in a folder without any; rounds typed as totals need none.
        EXPECT_EQ(tb::WhsStrokeIndexAdvice(result, StrokeIndexes).empty(), &golfer != &Golfers[2]);
        EXPECT_NE(tb::WhsStrokeIndexAdvice(result, {}), "");
    }
}

} // namespace
