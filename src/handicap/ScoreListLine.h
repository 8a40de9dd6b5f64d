#pragma once
// One line of a golfer's list of scores, in fixed-pitch columns under
// "Date       Score AGS  Rating Slope  Diff  Course".

#include "../data/Records.h"
#include "HandicapIndex.h"

#include <string>

namespace tb {

inline constexpr const char* ScoreListHeader = "Date       Score AGS  Rating Slope  Diff  Course";
inline constexpr const char* ScoreListLegend = "* = Used to calculate index   I = Incomplete score";

// Whether the score at 1-based `position` is one the index is made of.
bool IsUsedScore(const UsedScores& used, int position);
// The mark of the score at 1-based `position`: "*" used for the index, "I"
// incomplete, else a blank.
char ScoreMark(const ScoreRec& rec, int position, const UsedScores& used);

// The line of the score at 1-based `position`: its mark ("*" used for the
// index, "I" incomplete), number, date, score, AGS, rating, slope,
// differential and course.
std::string ScoreListLine(const ScoreRec& rec, int position, const UsedScores& used);

} // namespace tb
