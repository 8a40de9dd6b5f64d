#include "ScoreListLine.h"

#include "../data/ScoreFile.h"
#include "../data/Text.h"

#include <algorithm>

namespace tb {

bool IsUsedScore(const UsedScores& used, int position) {
    return std::find(used.begin(), used.end(), position) != used.end();
}

char ScoreMark(const ScoreRec& rec, int position, const UsedScores& used) {
    if (IsUsedScore(used, position)) return '*';
    return IsCompleteScore(rec) ? ' ' : 'I';
}

std::string ScoreListLine(const ScoreRec& rec, int position, const UsedScores& used) {
    // Pieces in column order; each is appended on its own.
    const std::string pieces[] = {std::string(1, ScoreMark(rec, position, used)),
                                  " ",
                                  PadRight(std::to_string(position), 3),
                                  " ",
                                  DateForDisplay(rec.Date.str()),
                                  "  ",
                                  PadLeft(rec.Score.str(), 3),
                                  "  ",
                                  PadLeft(rec.AdjScore.str(), 3),
                                  "  ",
                                  PadRight(rec.Rating.str(), 4),
                                  "   ",
                                  PadRight(rec.Slope.str(), 3),
                                  "   ",
                                  FormatFixed(StoredScoreDifferential(rec), 1, 4),
                                  "   ",
                                  PadRight(rec.CourseName.str(), 30).substr(0, 25)};
    std::string line;
    for (const std::string& piece : pieces)
        line.append(piece);
    return line;
}

} // namespace tb
