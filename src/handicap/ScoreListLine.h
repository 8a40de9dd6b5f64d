#pragma once
// One line of a golfer's list of scores, in fixed-pitch columns under
// "Date       Score AGS  Rating Slope  Diff  Course".

#include "../data/Records.h"
#include "HandicapIndex.h"

#include <string>

namespace tb {

inline constexpr const char* ScoreListHeader = "Date       Score AGS  Rating Slope  Diff  Course";
inline constexpr const char* ScoreListLegend = "* = Used to calculate index   I = Incomplete score";

// The line of the score at 1-based `position`: its mark ("*" used for the
// index, "I" incomplete), number, date, score, AGS, rating, slope,
// differential and course.
std::string ScoreListLine(const ScoreRec& rec, int position, const UsedScores& used);

} // namespace tb
