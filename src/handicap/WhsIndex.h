#pragma once
// The handicap index under the World Handicap System, beside the program's
// own: adjusted gross scores by net double bogey, score differentials,
// exceptional-score adjustments, the index after each round from the lowest
// of the 20 most recent differentials, and the soft and hard caps against the
// low index of the past year. Every value is an exact whole number of tenths.

#include "../data/Records.h"
#include "../data/StrokeIndexFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tb {

// Where a round's adjusted gross score comes from.
enum class WhsScoreSource {
    NetDoubleBogey, // hole by hole, each hole at most its maximum
    TypedAsTotal,   // no hole scores: the stored AGS, else the total
    NoCourse,       // hole scores, but the course is not in the course list
    NoPars,         // hole scores, but the course lacks a par above 0
    NoStrokeIndexes // hole scores, but the course has no stroke indexes
};

// Why a round does not take part.
enum class WhsSkipReason {
    NotADay,          // the date is no calendar day
    BadRatingOrSlope, // slope outside 55..155, or rating not plain decimal above 0
    Incomplete,       // some holes scored and others not
    NoScore           // neither a stored AGS nor a total above 0
};

// One round that takes part, oldest first.
struct WhsRound {
    std::size_t position = 0; // in the score list as read (0 = its first line)
    std::string date;         // YYYYMMDD
    std::string course;       // as stored
    int ags = 0;
    WhsScoreSource source = WhsScoreSource::NetDoubleBogey;
    // With its adjustments as the index used it at this round.
    int differential10 = 0;
    int exceptional10 = 0;         // 0, -10 or -20
    std::optional<int> index10;    // after this round; none before 3 rounds
    std::optional<int> low10;      // the low index the caps compared with
    int currentDifferential10 = 0; // with the adjustments of every later round too
    bool inCurrentIndex = false;   // one of the differentials today's index uses
};

struct WhsSkippedRound {
    std::size_t position = 0;
    std::string date; // as stored
    std::string course;
    WhsSkipReason reason = WhsSkipReason::NotADay;
};

struct WhsResult {
    std::vector<WhsRound> rounds;         // oldest first
    std::vector<WhsSkippedRound> skipped; // in the same order
    // After the newest round; none while fewer than 3 rounds take part.
    std::optional<int> index10;
    std::optional<int> low10;
};

// `asRead`: the golfer's score list in file order (not sorted): rounds of
// one date are taken in the reverse of their order there. `courses`: the
// course list (the first of equal names counts).
WhsResult ComputeWhsIndex(const ScoreList& asRead, const CourseList& courses,
                          const StrokeIndexMap& strokeIndexes);

// index x slope / 113 + (rating - par), to the nearest whole number (a half
// away from zero), from the index and rating in tenths.
int WhsCourseHandicap(int index10, int slope, int rating10, int par);

// The round as the command-line tool prints it, fields separated by TAB:
// MM/DD/YYYY, course, AGS, differential, exceptional, index, low ("-" for
// an index or low index there is none of).
std::string WhsLine(const WhsRound& round);
// Why a round does not take part, and where its AGS comes from, in words.
std::string WhsSkipText(WhsSkipReason reason);
std::string WhsSourceText(WhsScoreSource source);

// Tenths with one decimal: "0.0", "-3.5", "54.0".
std::string FormatTenths(int tenths);

// Whether the text is eight digits YYYYMMDD naming a day, years 0001..9999.
bool IsCalendarDay(std::string_view date);

} // namespace tb
