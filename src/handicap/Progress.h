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
// to the rounds whose date text is at most d. Dates compare as whole texts,
// byte by byte, as SortScores compares them; a date that is no date is one
// more text. Each round is read once; `sorted` is not changed.
std::vector<IndexPoint> IndexHistory(const ScoreList& sorted, const std::string& sex);

// A round of the statistics' choosing: its list position (1-based), date and
// score.
struct NotableRound {
    int position = 0;
    std::string date; // as stored
    int score = 0;
};

// Holes against par: two under or better, one under, par, one over, two
// over, worse.
inline constexpr int ParResultKinds = 6;

// Where a golfer's strokes go. Every text is taken cut at its first NUL, and
// a number is a whole number as the program reads one (StrToInt). A hole has
// a score when its text is a number above 0; a hole without one is empty.
// A round counts only where it can:
// - a total score (Score, AdjScore) counts whatever the holes hold, as the
//   index takes it (a round may be typed as a total alone);
// - holes count one by one, so the holes a round has count even when others
//   are empty;
// - putts count on the holes with a score; putts per round only over rounds
//   with no empty hole, where the putts of all 18 holes are known.
struct RoundStatistics {
    int rounds = 0;
    int completeRounds = 0; // as the "I" mark counts them
    // Over the rounds with a total score (a number above 0): all of them, and
    // the newest 20 of them. Empty when there are none.
    std::optional<double> averageScore, averageScoreLast20;
    // Likewise over the rounds with an adjusted gross score.
    std::optional<double> averageAdjScore, averageAdjScoreLast20;
    // Lowest and highest total score, complete or not; the newest of equals.
    std::optional<NotableRound> best, worst;
    // A round has putts when the putts of its holes with a score are not all
    // zero (a text that is no number, or one below zero, counts as zero).
    // Putts per round: over the rounds with putts and no empty hole
    // (roundsWithPutts); per hole: over the holes with a score of every round
    // with putts (holesWithPutts).
    int roundsWithPutts = 0;
    int holesWithPutts = 0;
    std::optional<double> puttsPerRound, puttsPerHole;
    // Over the holes with a score, of the rounds whose course is still in the
    // course list (by name, exactly; the first of equal names) with a par
    // (a number above 0) for that hole. roundsOnListedCourses counts the
    // rounds that gave at least one such hole.
    int roundsOnListedCourses = 0;
    int holesAgainstPar = 0;
    std::array<int, ParResultKinds> holesByResult{};
    // Average score on par 3, 4 and 5 holes, and how many holes each is over.
    std::array<std::optional<double>, 3> averageOnPar{};
    std::array<int, 3> holesOnPar{};
};

RoundStatistics ComputeRoundStatistics(const ScoreList& sorted, const CourseList& courses);

} // namespace tb
