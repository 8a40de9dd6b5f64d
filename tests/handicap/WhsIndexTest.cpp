// The index under the World Handicap System, over golfers worked out by hand.
// Each golfer's rounds are listed oldest first; the score list is built newest
// first from them, as a saved file holds it. Each row gives what the round
// shows: AGS, differential, exceptional adjustment, index, low index, then
// the differential with every later adjustment ("*": today's index uses it),
// or why the round does not take part.

#include "handicap/WhsIndex.h"
#include "data/StrokeIndexFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Round {
    const char* date;
    const char* course;
    const char* rating;
    const char* slope;
    const char* holes; // 18 characters, a hole's strokes each ("A" = 10); "" = a total
    const char* adjScore;
    const char* score;
    const char* shows;
};

struct Golfer {
    const char* name;
    std::vector<Round> rounds;
    bool unsorted = false; // the oldest two lines stand first in the file
};

const char* const Total = "";
const char* const Fours = "444444444444444444";

// PINES, PLUS, NOSI: par 4 on every hole. PINES's stroke indexes run 1..18
// from hole 1, PLUS's 18..1; NOSI has none; NOPAR lacks the par of hole 18.
tb::CourseList Courses() {
    tb::CourseList courses;
    for (const char* name : {"NOPAR", "NOSI", "PINES", "PLUS"}) {
        tb::CourseRec course;
        course.Name = name;
        course.Rating = "72.0";
        course.Slope = "113";
        course.ParTotal = "72";
        for (auto& par : course.Par)
            par = "4";
        courses.push_back(course);
    }
    courses[0].Par[17] = "0";
    return courses;
}

tb::StrokeIndexMap StrokeIndexes() {
    tb::StrokeIndexRow up{}, down{};
    for (int hole = 0; hole < 18; ++hole) {
        up[hole] = hole + 1;
        down[hole] = 18 - hole;
    }
    return {{"PINES", up}, {"PLUS", down}, {"NOPAR", up}};
}

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
        {"20250109", "X", "72.0", "113", Total, "91", "95",  "91 19.0 0.0 13.9 - 18.0"},
        {"20250110", "X", "72.0", "113", Total, "91", "95",  "91 19.0 0.0 13.9 - 18.0"},
        {"20250111", "X", "72.0", "113", Total, "84", "90",  "84 12.0 0.0 13.1 - 11.0*"},
        {"20250112", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 13.5 - 19.0"},  // 13.45
        {"20250113", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 13.5 - 19.0"},
        {"20250114", "X", "72.0", "113", Total, "83", "90",  "83 11.0 0.0 12.6 - 10.0*"},
        {"20250115", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 13.0 - 19.0"},
        {"20250116", "X", "72.0", "113", Total, "82", "90",  "82 10.0 0.0 12.1 - 9.0*"},
        {"20250117", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.5 - 19.0"},
        {"20250118", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.5 - 19.0"},
        {"20250119", "X", "72.0", "113", Total, "81", "90",  "81 9.0 0.0 12.0 - 8.0*"},
        {"20250120", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.4 - 19.0"},  // 12.35
        {"20250121", "X", "72.0", "113", Total, "92", "95",  "92 20.0 0.0 12.5 12.4 19.0"},
        {"20250122", "X", "72.0", "113", Total, "77", "80",  "77 4.0 -1.0 10.2 12.4 4.0*"},
    }},
    {"halves of a differential, days, bad ratings and slopes, rounds of one date", {
        {"19000229", "X", "72.0", "113", Total, "80", "80",  "not a day"},
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
        {"20240332", "X", "72.0", "113", Total, "80", "80",  "not a day"},
    }, true},
    {"net double bogey, plus handicaps, exceptional rounds adding up", {
        // No index yet: par + 5.
        {"20230101", "PINES", "72.0", "113", "C44444444444444444", "80", "80", "77 5.0 0.0 - - 2.0"},
        {"20230102", "PINES", "72.0", "113", "555555555555555555", "80", "90", "90 18.0 0.0 - - 15.0"},
        {"20230103", "NOSI",  "72.0", "113", "555555555555555555", "88", "90", "88 16.0 0.0 3.0 - 13.0"},
        // Index 3.0: course handicap 3, a stroke on holes 1 to 3.
        {"20230104", "PINES", "72.0", "113", "974844444444444444", "0",  "84", "80 8.0 0.0 4.0 - 5.0"},
        {"20230105", "NOPAR", "72.0", "113", "555555555555555555", "0",  "91", "91 19.0 0.0 5.0 - 16.0"},
        {"20230106", "GONE",  "72.0", "113", Fours,                "72", "72", "72 0.0 0.0 1.5 - -3.0*"},
        // Index 1.5 at rating 70.0: -0.5 gives -1, a stroke back on hole 1.
        {"20230107", "PLUS",  "70.0", "113", "664444444444444444", "76", "76", "75 5.0 0.0 2.5 - 2.0"},
        // Index 2.5: 2.5 gives 3.
        {"20230108", "PINES", "72.0", "113", "448444444444444444", "76", "76", "75 3.0 0.0 1.5 - 0.0"},
        {"20230109", "PINES", "72.0", "113", "333333333333333333", "54", "54", "54 -20.0 -2.0 -7.0 - -21.0*"},
        // Index -7.0: strokes back on holes 12 to 18.
        {"20230110", "PINES", "72.0", "113", "633333333333333333", "57", "57", "57 -16.0 -1.0 -13.3 - -16.0*"},
    }},
    {"soft and hard caps, the 365 days, only indexes from 20 rounds", {
        {"20230101", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 - - 0.0"},
        {"20230102", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 - - 0.0"},
        {"20230103", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -2.0 - 0.0"},
        {"20230104", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -1.0 - 0.0*"},
        {"20230105", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230106", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 -1.0 - 0.0*"},
        {"20230107", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230108", "X", "72.0", "113", Total, "72", "72", "72 0.0 0.0 0.0 - 0.0*"},
        {"20230109", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230110", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230111", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230112", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230113", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230114", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230115", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230116", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230117", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230118", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230119", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        {"20230120", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 0.0 - 30.0"},
        // The same day: no low index yet, 3.75 stands.
        {"20230120", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 3.8 - 30.0*"},
        // 365 days on: low 0.0; 7.5 softened to 5.3, at most 5.0.
        {"20240120", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 5.0 0.0 30.0*"},
        // 366 days on: low 5.0; 11.25 softened to 9.7.
        {"20240121", "X", "72.0", "113", Total, "102", "102", "102 30.0 0.0 9.7 5.0 30.0*"},
    }},
    {"the 54.0 maximum", {
        {"20230101", "X", "72.0", "113", Total, "150", "150", "150 78.0 0.0 - - 78.0"},
        {"20230102", "X", "72.0", "113", Total, "150", "150", "150 78.0 0.0 - - 78.0"},
        {"20230103", "X", "72.0", "113", Total, "150", "150", "150 78.0 0.0 54.0 - 78.0*"},
    }},
    // clang-format on
};

tb::ScoreRec RecordOf(const Round& round) {
    tb::ScoreRec rec;
    rec.Date = round.date;
    rec.CourseName = round.course;
    rec.Rating = round.rating;
    rec.Slope = round.slope;
    rec.AdjScore = round.adjScore;
    rec.Score = round.score;
    const std::string holes = round.holes;
    for (std::size_t hole = 0; hole < 18; ++hole) {
        const char c = hole < holes.size() ? holes[hole] : '0';
        rec.HoleScore[hole] = c >= 'A' ? std::to_string(c - 'A' + 10) : std::string(1, c);
    }
    return rec;
}

std::string Optional(const std::optional<int>& tenths) {
    return tenths ? tb::FormatTenths(*tenths) : "-";
}

std::string Shown(const tb::WhsRound& round) {
    return std::to_string(round.ags) + " " + tb::FormatTenths(round.differential10) + " " +
           tb::FormatTenths(round.exceptional10) + " " + Optional(round.index10) + " " +
           Optional(round.low10) + " " + tb::FormatTenths(round.currentDifferential10) +
           (round.inCurrentIndex ? "*" : "");
}

std::string Shown(tb::WhsSkipReason reason) {
    switch (reason) {
    case tb::WhsSkipReason::NotADay:
        return "not a day";
    case tb::WhsSkipReason::BadRatingOrSlope:
        return "bad rating or slope";
    case tb::WhsSkipReason::Incomplete:
        return "incomplete";
    case tb::WhsSkipReason::NoScore:
        return "no score";
    }
    return "?";
}

TEST(WhsIndexTest, HandWorkedGolfers) {
    for (const Golfer& golfer : Golfers) {
        SCOPED_TRACE(golfer.name);
        // Newest first, as saved: the older of one date on the lower line.
        tb::ScoreList list;
        for (auto round = golfer.rounds.rbegin(); round != golfer.rounds.rend(); ++round)
            list.push_back(RecordOf(*round));
        if (golfer.unsorted) std::rotate(list.begin(), list.end() - 2, list.end());
        const tb::WhsResult result = tb::ComputeWhsIndex(list, Courses(), StrokeIndexes());

        std::vector<std::string> shown;
        auto rounds = result.rounds.begin();
        auto skipped = result.skipped.begin();
        for (std::size_t i = 0; i < golfer.rounds.size(); ++i) {
            const std::string date = golfer.rounds[i].date;
            if (rounds != result.rounds.end() && rounds->date == date)
                shown.push_back(Shown(*rounds++));
            else if (skipped != result.skipped.end() && skipped->date == date)
                shown.push_back(Shown((skipped++)->reason));
            else
                shown.push_back("missing");
        }
        std::vector<std::string> expected;
        for (const Round& round : golfer.rounds)
            expected.push_back(round.shows);
        EXPECT_EQ(shown, expected);
        ASSERT_FALSE(result.rounds.empty());
        EXPECT_EQ(result.index10, result.rounds.back().index10);
    }
}

} // namespace
