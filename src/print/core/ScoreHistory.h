#pragma once
// A golfer's score history: the handicap index details, then every score,
// newest first, each one the index uses marked "*".

#include "../../data/Notifier.h"
#include "../../data/Records.h"
#include "../../handicap/HandicapIndex.h"
#include "Report.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tb {

// The golfer's scores read and sorted as the golfer list hub reads them for
// its activities: a score file that cannot be opened is an InOutError.
ScoreList LoadHistoryScores(const std::filesystem::path& dir, const GolferRec& golfer,
                            Notifier& notifier);

// The line of the score at 1-based `position`: mark ("*" used for the index,
// "I" incomplete), number, date, course, score, AGS, rating, slope and
// differential. A text that is no number counts as 0 in the differential.
std::string ScoreHistoryLine(const ScoreRec& rec, int position, const UsedScores& used);

// The report over `scores` (newest first). The index is computed over them
// as the hub computes it, with its side effect: a complete score whose Rating
// or Slope is "XXX" is left with the Rating "0.0".
Report ScoreHistoryReport(const GolferRec& golfer, ScoreList& scores);

// SHORT.vxo
std::string ScoreHistoryFileName(std::string_view shortName);
// Builds the report and replaces dir/SHORT.vxo with it, whole or not at all.
// Throws InOutError.
void WriteScoreHistory(const std::filesystem::path& dir, const GolferRec& golfer,
                       ScoreList& scores);
// What the user is told once the file is written.
std::string ScoreHistoryCreatedMessage(std::string_view shortName);

} // namespace tb
