#include "HandicapReports.h"

#include "../../data/ScoreFile.h"
#include "../../data/Text.h"
#include "../../handicap/CourseHandicap.h"
#include "../../handicap/ScoreListLine.h"

#include <algorithm>

namespace tb {

namespace {
// The cards begin with an empty line half an inch from the top of the paper.
constexpr float CardsTop = 0.5f;
constexpr int CardScores = 20;
constexpr int CardRowLength = 5;

// Right-aligned in at least `width` characters; a longer text is kept whole.
std::string AlignRight(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string AlignRight(long long value, std::size_t width) {
    return AlignRight(std::to_string(value), width);
}

// The score at a 1-based list position, "*" after it when the index uses it;
// 4 spaces past the golfer's last score.
std::string CardCell(const GolferHandicap& golfer, int position) {
    if (position > static_cast<int>(golfer.recentScores.size())) return std::string(4, ' ');
    const std::string& score = golfer.recentScores[static_cast<std::size_t>(position - 1)];
    return AlignRight(score + (IsUsedScore(golfer.usedScores, position) ? "*" : " "), 4);
}

std::string CardRow(const GolferHandicap& golfer, int first) {
    std::string row = "    " + AlignRight(first, 2);
    for (int position = first; position < first + CardRowLength; ++position)
        row += "  " + CardCell(golfer, position);
    return row;
}

void AddCard(Report& report, const GolferHandicap& golfer, const CourseSummary& course,
             const std::string& today) {
    AddLines(report, {"", "", "Name:   " + golfer.longName, "Course: " + course.Name.str(),
                      "Effective Date: " + today,
                      "Scores Posted:  " + AlignRight(golfer.scoreCount, 3) + "         HCP INDEX",
                      std::string(29, ' ') + FormatIndex(golfer.index, 5), "",
                      "SCORE HISTORY - MOST RECENT 1ST  *IF USED"});
    for (int first = 1; first <= CardScores; first += CardRowLength)
        report.push_back({CardRow(golfer, first)});
}
} // namespace

namespace {
// `scores` is the list to read into: one list serves file after file.
GolferHandicap ReadGolferHandicapInto(const std::filesystem::path& dir, const GolferRec& golfer,
                                      ScoreList& scores, Notifier& notifier) {
    LoadGolferScoresNewestFirst(dir, golfer.ShortName.str(), scores, notifier, PrintRead);
    GolferHandicap result;
    result.longName = golfer.LongName.str();
    const IndexResult index = ComputeIndex(scores, {std::to_string(golfer.Sex), result.longName});
    result.scoreCount = static_cast<int>(scores.size());
    result.index = index.index;
    result.usedScores = index.usedScores;
    for (std::size_t i = 0; i < scores.size() && i < CardScores; ++i)
        result.recentScores.push_back(scores[i].Score.str());
    return result;
}
} // namespace

GolferHandicap ReadGolferHandicap(const std::filesystem::path& dir, const GolferRec& golfer,
                                  Notifier& notifier) {
    ScoreList scores;
    return ReadGolferHandicapInto(dir, golfer, scores, notifier);
}

std::vector<GolferHandicap> ReadGolferHandicaps(const std::filesystem::path& dir,
                                                const std::vector<GolferRec>& golfers,
                                                Notifier& notifier) {
    std::vector<GolferHandicap> result;
    result.reserve(golfers.size());
    ScoreList scores;
    for (const GolferRec& golfer : golfers)
        result.push_back(ReadGolferHandicapInto(dir, golfer, scores, notifier));
    return result;
}

std::string HandicapListLine(const GolferHandicap& golfer, const CourseSummary& course) {
    const CourseHandicapResult handicap =
        StoredCourseHandicap(golfer.index, course.Slope, course.ParTotal);
    return PadRight(golfer.longName, 20) + "   " + FormatIndex(golfer.index, 5) + "        " +
           AlignRight(handicap.handicap, 3) + "         " + AlignRight(handicap.predicted, 3);
}

Report HandicapListReport(const CourseSummary& course, const std::vector<GolferHandicap>& golfers,
                          const std::string& today) {
    Report report{{"TARNBECK COURSE HANDICAPS AS OF:  " + today, ReportTop}};
    AddLines(report, {"", "Course: " + course.Name.str(),
                      "Rating: " + course.Rating.str() + "  Slope: " + course.Slope.str() +
                          "  Par: " + course.ParTotal.str(),
                      "", std::string(33, ' ') + "Course   Predicted",
                      "Golfer                 Index   Handicap       Score", ""});
    for (const GolferHandicap& golfer : golfers)
        report.push_back({HandicapListLine(golfer, course)});
    return report;
}

Report HandicapCardsReport(const CourseSummary& course, const std::vector<GolferHandicap>& golfers,
                           const std::string& today) {
    Report report{{"", CardsTop}};
    for (const GolferHandicap& golfer : golfers)
        AddCard(report, golfer, course, today);
    return report;
}

void WriteHandicapList(const std::filesystem::path& dir, const CourseSummary& course,
                       const std::vector<GolferHandicap>& golfers, const std::string& today) {
    SaveReport(dir / HandicapListFileName, HandicapListReport(course, golfers, today));
}

} // namespace tb
