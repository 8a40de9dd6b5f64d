#include "ScoreHistory.h"

#include "../../data/ScoreFile.h"
#include "../../data/Text.h"
#include "../../handicap/ScoreListLine.h"

#include <algorithm>
#include <initializer_list>

namespace tb {

namespace {
constexpr const char* Extension = ".vxo";
constexpr const char* HistoryHeader =
    "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF";

bool IsOneOf(const std::string& text, std::initializer_list<const char*> values) {
    return std::find(values.begin(), values.end(), text) != values.end();
}

Extended Stored48(const std::string& text) {
    return ToReal48(StoredNumber(text.c_str()));
}

// The differential a score line shows, computed for the line alone: from the
// AGS when it is filled, else from the score; 0 when the score, rating or
// slope is missing.
Extended LineDifferential(const ScoreRec& rec) {
    if (IsOneOf(rec.Score, {"", "0"}) || IsOneOf(rec.Rating, {"", "0.0", "XXX"}) ||
        IsOneOf(rec.Slope, {"", "0", "XXX"}))
        return 0;
    const std::string& score =
        IsOneOf(rec.AdjScore, {"", "0", "000", "XXX"}) ? rec.Score.str() : rec.AdjScore.str();
    try {
        return ScoreDifferential(Stored48(score), Stored48(rec.Rating), Stored48(rec.Slope));
    } catch (const OutOfRangeError&) {
        return 0; // a stored value no 6-byte real holds counts as no number
    }
}

// The details as far as the index line, two lines after the last
// differential used.
void AddIndexDetails(Report& report, const IndexDetails& details, int used) {
    for (int line = 0; line < used + 4; ++line)
        report.push_back({details[static_cast<std::size_t>(line)]});
}

void AddScoreLines(Report& report, const ScoreList& scores, const UsedScores& used) {
    if (scores.empty()) {
        AddLines(report, {"", "    NO SCORES ON FILE FOR THIS GOLFER"});
        return;
    }
    for (std::size_t i = 0; i < scores.size(); ++i)
        report.push_back({ScoreHistoryLine(scores[i], static_cast<int>(i) + 1, used)});
    AddLines(report, {"", "* = score used in index calculation."});
}
} // namespace

ScoreList LoadHistoryScores(const std::filesystem::path& dir, const GolferRec& golfer,
                            Notifier& notifier) {
    ScoreList scores;
    LoadGolferScoresNewestFirst(dir, golfer.ShortName.str(), scores, notifier, HubRead);
    return scores;
}

std::string ScoreHistoryLine(const ScoreRec& rec, int position, const UsedScores& used) {
    // Pieces in column order; each is appended on its own.
    const std::string pieces[] = {std::string(1, ScoreMark(rec, position, used)),
                                  PadLeft(std::to_string(position), 3),
                                  " - ",
                                  DateForDisplay(rec.Date.str()),
                                  "  ",
                                  PadRight(rec.CourseName.str(), 21),
                                  "  ",
                                  PadLeft(rec.Score.str(), 3),
                                  "  ",
                                  PadLeft(rec.AdjScore.str(), 3),
                                  "  ",
                                  rec.Rating.str(),
                                  "    ",
                                  rec.Slope.str(),
                                  "    ",
                                  FormatFixed(LineDifferential(rec), 1, 4)};
    std::string line;
    for (const std::string& piece : pieces)
        line.append(piece);
    return line;
}

Report ScoreHistoryReport(const GolferRec& golfer, ScoreList& scores) {
    const std::string& longName = golfer.LongName.str();
    IndexDetails details;
    const IndexResult index = ComputeIndex(
        scores, {std::to_string(golfer.Sex), longName, IndexVariant::Report}, &details);
    Report report{{"TARNBECK PERSONAL GOLF HISTORY FOR:  " + longName, ReportTop}, {""}};
    AddIndexDetails(report, details, index.used);
    AddLines(report, {"", HistoryHeader});
    AddScoreLines(report, scores, index.usedScores);
    return report;
}

std::string ScoreHistoryFileName(std::string_view shortName) {
    return std::string(shortName) + Extension;
}

void WriteScoreHistory(const std::filesystem::path& dir, const GolferRec& golfer,
                       ScoreList& scores) {
    const std::filesystem::path file = GolferReportFile(dir, golfer.ShortName.str(), Extension);
    SaveReport(file, ScoreHistoryReport(golfer, scores));
}

std::string ScoreHistoryCreatedMessage(std::string_view shortName) {
    return "Score file \"" + ScoreHistoryFileName(shortName) + "\" created.";
}

} // namespace tb
