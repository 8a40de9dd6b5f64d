#include "HandicapReports.h"

#include "../../data/ScoreFile.h"
#include "../../data/Text.h"
#include "../../handicap/CourseHandicap.h"
#include "../../handicap/ScoreListLine.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <utility>

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
    // The cards show the most recent scores, no more than the index looks at.
    static_assert(CardScores <= RecentScoresExamined);
    const ScoreLoadResult read = LoadNewestScores(dir, golfer.ShortName.str(), scores, notifier,
                                                  PrintRead, RecentScoresExamined);
    GolferHandicap result;
    result.longName = golfer.LongName.str();
    const IndexResult index = ComputeIndex(scores, {std::to_string(golfer.Sex), result.longName});
    result.scoreCount = read.rounds;
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

namespace {
// Messages held back, to be passed on later in the order they came.
class HeldMessages : public Notifier {
public:
    void Message(const std::string& text) override { held_.emplace_back(false, text); }
    void PartlyRead(const std::string& text) override { held_.emplace_back(true, text); }
    void PassOn(Notifier& notifier) const {
        for (const auto& [partly, text] : held_)
            partly ? notifier.PartlyRead(text) : notifier.Message(text);
    }

private:
    std::vector<std::pair<bool, std::string>> held_;
};

// Golfers [from, to) in turn, into the same places of `result`; stops at the
// first whose file cannot be read.
void ReadGolferRange(const std::filesystem::path& dir, const std::vector<GolferRec>& golfers,
                     std::size_t from, std::size_t to, std::vector<GolferHandicap>& result,
                     Notifier& notifier) {
    ScoreList scores;
    for (std::size_t i = from; i < to; ++i)
        result[i] = ReadGolferHandicapInto(dir, golfers[i], scores, notifier);
}

// Fewer golfers than this are read on one thread: a second would not pay.
constexpr std::size_t GolfersWorthASecondThread = 32;
} // namespace

std::vector<GolferHandicap> ReadGolferHandicaps(const std::filesystem::path& dir,
                                                const std::vector<GolferRec>& golfers,
                                                Notifier& notifier) {
    std::vector<GolferHandicap> result(golfers.size());
    if (golfers.size() < GolfersWorthASecondThread) {
        ReadGolferRange(dir, golfers, 0, golfers.size(), result, notifier);
        return result;
    }
    // The second half is read on a thread of its own while this one reads
    // the first. Its messages are held and passed on after the first half's,
    // and its error raised after them: the user sees what reading the golfers
    // one by one would show, and an error in either half stops the report.
    const std::size_t half = golfers.size() / 2;
    HeldMessages held;
    std::future<void> second;
    try {
        second = std::async(std::launch::async, [&] {
            ReadGolferRange(dir, golfers, half, golfers.size(), result, held);
        });
    } catch (const std::system_error&) { // no thread to be had: one by one
        ReadGolferRange(dir, golfers, 0, golfers.size(), result, notifier);
        return result;
    }
    ReadGolferRange(dir, golfers, 0, half, result, notifier); // on error, `second` is waited for
    second.wait();
    held.PassOn(notifier);
    second.get();
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
