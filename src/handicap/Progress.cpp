#include "Progress.h"

#include "../data/ScoreFile.h"
#include "../data/Text.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace tb {

namespace {

// The index computation's value for a place no differential has taken.
constexpr Extended EmptyPlace = 9999.0L;
// The most complete rounds the index takes, newest first.
constexpr std::size_t RoundsTaken = 20;

// What the index computation reads of a round: the four fields it cuts at
// their first NUL before it looks at them.
struct RoundForIndex {
    bool complete = false;
    Extended differential = 0;
};

RoundForIndex ReadForIndex(const ScoreRec& rec) {
    ScoreRec cut;
    cut.Score = CutAtNul(rec.Score.str());
    cut.AdjScore = CutAtNul(rec.AdjScore.str());
    cut.Rating = CutAtNul(rec.Rating.str());
    cut.Slope = CutAtNul(rec.Slope.str());
    if (!IsCompleteScore(cut)) return {};
    return {true, StoredScoreDifferential(cut)};
}

// List positions grouped by date, oldest date first (dates as text).
std::vector<std::size_t> PositionsByDate(const ScoreList& list) {
    std::vector<std::size_t> order(list.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&list](std::size_t a, std::size_t b) {
        return list[a].Date.str() < list[b].Date.str();
    });
    return order;
}

// The complete rounds the index takes from the rounds added so far: the 20
// first in list order. A round beyond them can never come back, since rounds
// are only ever added.
class TakenRounds {
public:
    void Add(std::size_t position) {
        if (positions_.size() == RoundsTaken && position > positions_.back()) return;
        positions_.insert(std::upper_bound(positions_.begin(), positions_.end(), position),
                          position);
        if (positions_.size() > RoundsTaken) positions_.pop_back();
    }

    // The index over the rounds taken. The best places hold the smallest
    // differentials in ascending order; one the places cannot take (at or
    // above the empty value) leaves a place empty, which counts as 9999.0
    // just as in the index computation.
    Extended Index(const std::vector<RoundForIndex>& rounds, const std::string& sex) const {
        std::vector<Extended> values;
        values.reserve(positions_.size());
        for (std::size_t position : positions_)
            values.push_back(std::min(rounds[position].differential, EmptyPlace));
        std::sort(values.begin(), values.end());
        std::array<Extended, 10> best;
        best.fill(EmptyPlace);
        std::copy_n(values.begin(), std::min(values.size(), best.size()), best.begin());
        return IndexFromBest(best, static_cast<int>(values.size()), sex);
    }

private:
    std::vector<std::size_t> positions_; // ascending
};

} // namespace

std::vector<IndexPoint> IndexHistory(const ScoreList& sorted, const std::string& sex) {
    std::vector<RoundForIndex> rounds;
    rounds.reserve(sorted.size());
    for (const ScoreRec& rec : sorted)
        rounds.push_back(ReadForIndex(rec));

    std::vector<IndexPoint> history;
    TakenRounds taken;
    const std::vector<std::size_t> order = PositionsByDate(sorted);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string& date = sorted[order[i]].Date.str();
        if (rounds[order[i]].complete) taken.Add(order[i]);
        const bool lastOfDate = i + 1 == order.size() || sorted[order[i + 1]].Date.str() != date;
        if (lastOfDate) history.push_back({date, taken.Index(rounds, sex)});
    }
    return history;
}

namespace {

constexpr int HoleCount = 18;
constexpr int NewestCounted = 20;

// A number as the statistics read it: a whole number, cut at the first NUL.
std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    if (!TryStrToInt(UpToNul(text), value)) return std::nullopt;
    return value;
}

std::optional<int> PositiveNumber(const std::string& text) {
    std::optional<int> value = WholeNumber(text);
    if (value && *value > 0) return value;
    return std::nullopt;
}

class Average {
public:
    void Add(long long sum, int count = 1) {
        sum_ += sum;
        count_ += count;
    }
    int count() const { return count_; }
    std::optional<double> Value() const {
        if (count_ == 0) return std::nullopt;
        return static_cast<double>(sum_) / count_;
    }

private:
    long long sum_ = 0;
    int count_ = 0;
};

// Over all rounds given, and over the first 20 of them (the newest).
struct TotalAverages {
    Average all, newest;
    void Add(int value) {
        if (all.count() < NewestCounted) newest.Add(value);
        all.Add(value);
    }
};

struct Sums {
    TotalAverages score, adjScore;
    Average puttsPerRound, puttsPerHole;
    std::array<Average, 3> onPar;
};

// Strokes on each hole; 0 for an empty hole.
std::array<int, HoleCount> HoleStrokes(const ScoreRec& rec) {
    std::array<int, HoleCount> strokes{};
    for (int hole = 0; hole < HoleCount; ++hole)
        strokes[hole] = PositiveNumber(rec.HoleScore[hole]).value_or(0);
    return strokes;
}

void AddTotals(const ScoreRec& rec, int position, RoundStatistics& stats, Sums& sums) {
    if (std::optional<int> adjScore = PositiveNumber(rec.AdjScore)) sums.adjScore.Add(*adjScore);
    std::optional<int> score = PositiveNumber(rec.Score);
    if (!score) return;
    sums.score.Add(*score);
    const NotableRound round{position, rec.Date.str(), *score};
    if (!stats.best || *score < stats.best->score) stats.best = round;
    if (!stats.worst || *score > stats.worst->score) stats.worst = round;
}

void AddPutts(const ScoreRec& rec, const std::array<int, HoleCount>& strokes, Sums& sums) {
    int putts = 0, holes = 0;
    for (int hole = 0; hole < HoleCount; ++hole) {
        if (strokes[hole] == 0) continue;
        putts += std::max(WholeNumber(rec.Putts[hole]).value_or(0), 0);
        ++holes;
    }
    if (putts == 0) return; // no putts kept for this round
    sums.puttsPerHole.Add(putts, holes);
    if (holes == HoleCount) sums.puttsPerRound.Add(putts);
}

// Two under or better, one under, par, one over, two over, worse.
int ResultKind(int strokes, int par) {
    return std::clamp(strokes - par + 2, 0, ParResultKinds - 1);
}

// The courses by their names cut at the first NUL; of one name, the first.
using CoursesByName = std::unordered_map<std::string_view, const CourseRec*>;

CoursesByName IndexCourses(const CourseList& courses) {
    CoursesByName byName;
    byName.reserve(courses.size());
    for (const CourseRec& course : courses)
        byName.emplace(UpToNul(course.Name.str()), &course);
    return byName;
}

const CourseRec* FindCourse(const CoursesByName& courses, std::string_view name) {
    const auto found = courses.find(name);
    return found == courses.end() ? nullptr : found->second;
}

void AddHolesAgainstPar(const CourseRec& course, const std::array<int, HoleCount>& strokes,
                        RoundStatistics& stats, Sums& sums) {
    bool counted = false;
    for (int hole = 0; hole < HoleCount; ++hole) {
        const int par = PositiveNumber(course.Par[hole]).value_or(0);
        if (strokes[hole] == 0 || par == 0) continue;
        ++stats.holesByResult[ResultKind(strokes[hole], par)];
        ++stats.holesAgainstPar;
        if (par >= 3 && par <= 5) sums.onPar[par - 3].Add(strokes[hole]);
        counted = true;
    }
    if (counted) ++stats.roundsOnListedCourses;
}

bool IsCompleteAsShown(const ScoreRec& rec) {
    ScoreRec cut;
    cut.Score = CutAtNul(rec.Score.str());
    cut.Rating = CutAtNul(rec.Rating.str());
    cut.Slope = CutAtNul(rec.Slope.str());
    return IsCompleteScore(cut);
}

void TakeAverages(const Sums& sums, RoundStatistics& stats) {
    stats.averageScore = sums.score.all.Value();
    stats.averageScoreLast20 = sums.score.newest.Value();
    stats.averageAdjScore = sums.adjScore.all.Value();
    stats.averageAdjScoreLast20 = sums.adjScore.newest.Value();
    stats.roundsWithPutts = sums.puttsPerRound.count();
    stats.holesWithPutts = sums.puttsPerHole.count();
    stats.puttsPerRound = sums.puttsPerRound.Value();
    stats.puttsPerHole = sums.puttsPerHole.Value();
    for (std::size_t par = 0; par < sums.onPar.size(); ++par) {
        stats.averageOnPar[par] = sums.onPar[par].Value();
        stats.holesOnPar[par] = sums.onPar[par].count();
    }
}

} // namespace

RoundStatistics ComputeRoundStatistics(const ScoreList& sorted, const CourseList& courses) {
    RoundStatistics stats;
    Sums sums;
    stats.rounds = static_cast<int>(sorted.size());
    const CoursesByName byName = IndexCourses(courses);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const ScoreRec& rec = sorted[i];
        if (IsCompleteAsShown(rec)) ++stats.completeRounds;
        AddTotals(rec, static_cast<int>(i) + 1, stats, sums);
        const std::array<int, HoleCount> strokes = HoleStrokes(rec);
        AddPutts(rec, strokes, sums);
        if (const CourseRec* course = FindCourse(byName, UpToNul(rec.CourseName.str())))
            AddHolesAgainstPar(*course, strokes, stats, sums);
    }
    TakeAverages(sums, stats);
    return stats;
}

} // namespace tb
