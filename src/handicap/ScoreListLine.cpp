#include "ScoreListLine.h"

#include "../data/ScoreFile.h"
#include "../data/Text.h"

#include <algorithm>

namespace tb {

std::string ScoreListLine(const ScoreRec& rec, int position, const UsedScores& used) {
    char mark = ' ';
    if (std::find(used.begin(), used.end(), position) != used.end())
        mark = '*';
    else if (!IsCompleteScore(rec))
        mark = 'I';
    std::string line(1, mark);
    line += " " + PadRight(std::to_string(position), 3) + " " + DateForDisplay(rec.Date.str());
    line += "  " + PadLeft(rec.Score.str(), 3) + "  " + PadLeft(rec.AdjScore.str(), 3);
    line += "  " + PadRight(rec.Rating.str(), 4) + "   " + PadRight(rec.Slope.str(), 3);
    line += "   " + FormatFixed(StoredScoreDifferential(rec), 1, 4);
    line += "   " + PadRight(rec.CourseName.str(), 30).substr(0, 25);
    return line;
}

} // namespace tb
