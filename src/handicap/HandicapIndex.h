#pragma once
// Score differentials and the handicap index: the average of the best
// differentials among the 20 most recent complete scores, times 0.96,
// rounded to a tenth, with a maximum by sex.

#include "../data/Records.h"
#include "Real48.h"

#include <array>
#include <string>

namespace tb {

// (score - rating) x 113 / slope, rounded to a tenth (an exact half to even);
// 0.0 when any of the three is 0, and when a step of the arithmetic leaves
// the range of a 6-byte real or of the rounding. The arguments are 6-byte
// reals.
Extended ScoreDifferential(Extended score, Extended rating, Extended slope);
// The same rounding with no test of the values: the caller has decided that
// there is a differential (the slope must not be 0). Throws OutOfRangeError
// where ScoreDifferential gives 0.0.
Extended RoundedDifferential(Extended score, Extended rating, Extended slope);

// The differential of a stored score: from AdjScore when it is filled, else
// from Score; 0.0 when Rating or Slope is missing. Never fails: a field that
// is no number, or one no 6-byte real can hold, counts as 0 (and so makes the
// differential 0.0).
Extended StoredScoreDifferential(const ScoreRec& rec);

// Which reader's version of the computation runs. The golfer list hub's
// differs in its detail lines and zeroes the Rating of a complete score
// whose Rating or Slope is "XXX". The score history report's is the hub's,
// except that its differential lines put no extra space before a value
// below 10.0.
enum class IndexVariant { Standard, Hub, Report };

struct IndexInput {
    std::string sex = "0"; // "0" male, anything else female
    std::string longName;  // named in the detail lines
    IndexVariant variant = IndexVariant::Standard;
    // The scores on file, named in the details, when the list holds only the
    // newest of them (LoadNewestScores); -1: the list holds them all.
    int scoresOnFile = -1;
};

inline constexpr int DetailLineCount = 14;
using IndexDetails = std::array<std::string, DetailLineCount>;
// List positions (1-based) of the scores whose differentials make the index,
// best first; 999 in the places not used.
using UsedScores = std::array<int, 10>;

// The index looks at the most recent complete scores, at most this many.
inline constexpr int RecentScoresExamined = 20;

struct IndexResult {
    Extended index = 0;
    int valid = 0; // complete scores taken (at most 20)
    int used = 0;  // differentials averaged
    UsedScores usedScores{};
};

// Mode "S" when `details` is given (its 14 lines are cleared and written),
// mode "N" otherwise. Writes each examined score's Score, AdjScore, Rating
// and Slope back cut at their first NUL.
IndexResult ComputeIndex(ScoreList& list, const IndexInput& input, IndexDetails* details = nullptr);

// How many of the best differentials are averaged when `valid` complete
// scores were taken: none below 5, then 1, 1, 2, 2, ... up to 10 of 20.
int DifferentialsUsed(int valid);
// The index from the first DifferentialsUsed(valid) values of `best`
// (ascending): their sum over their number, times 0.96, rounded to a tenth,
// at most the maximum by sex; the maximum when fewer than 5 were taken.
Extended IndexFromBest(const std::array<Extended, 10>& best, int valid, const std::string& sex);

// The index as the forms show it: one decimal, right-aligned in `width`.
std::string FormatIndex(Extended index, int width);

Extended MaximumIndex(const std::string& sex);

} // namespace tb
