#pragma once
// A golfer's progress: how the index moved over time, and where the strokes
// go (scores, putts, holes against par). Nothing here changes a score list
// or any result the other computations give.

#include "../data/Records.h"
#include "HandicapIndex.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tb {

// The index after the rounds of one date.
struct IndexPoint {
    std::string date; // as stored (YYYYMMDD, or whatever the file holds)
    Extended index = 0;
};

// For each distinct stored date d, in ascending text order: the index the
// golfer scores window computes (the standard computation, `sex`) over
// `sorted` (newest first, as SortScores leaves it) kept in its order but cut
// to the rounds whose date text is at most d. Computed incrementally.
std::vector<IndexPoint> IndexHistory(const ScoreList& sorted, const std::string& sex);

// A round of the statistics' choosing: its list position (1-based), date and
// score.
struct NotableRound {
    int position = 0;
    std::string date;
    int score = 0;
};

// Holes against par: two under or better, one under, par, one over, two
// over, worse.
inline constexpr int ParResultKinds = 6;

struct RoundStatistics {
    int rounds = 0;
    int completeRounds = 0; // as the "I" mark counts them
    // Over the rounds with a total score (a whole number above 0): all of
    // them, and the newest 20 of them. Empty when there are none.
    std::optional<double> averageScore, averageScoreLast20;
    // Likewise over the rounds with an adjusted gross score.
    std::optional<double> averageAdjScore, averageAdjScoreLast20;
    std::optional<NotableRound> best, worst; // lowest and highest total score
    // Over the rounds with putts (not all zero).
    int roundsWithPutts = 0;
    std::optional<double> puttsPerRound, puttsPerHole;
    // Over the holes with a score, of the rounds whose course is still in the
    // course list (by name, exactly) with a par for that hole.
    int roundsOnListedCourses = 0;
    int holesAgainstPar = 0;
    std::array<int, ParResultKinds> holesByResult{};
    // Average score on par 3, 4 and 5 holes, and how many holes each is over.
    std::array<std::optional<double>, 3> averageOnPar{};
    std::array<int, 3> holesOnPar{};
};

RoundStatistics ComputeRoundStatistics(const ScoreList& sorted, const CourseList& courses);

} // namespace tb
