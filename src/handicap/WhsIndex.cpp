#include "WhsIndex.h"

#include "../data/Text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>

namespace tb {

namespace {

constexpr int HoleCount = 18;
constexpr int RoundsKept = 20;  // the most recent differentials an index looks at
constexpr int MaxIndex10 = 540; // 54.0
constexpr int SoftCap10 = 30;   // above the low index, half of the rise counts
constexpr int HardCap10 = 50;   // never more than this above the low index
constexpr int DaysLookedBack = 365;

// n / d to the nearest whole number, an exact half away from zero (d > 0).
long long RoundDiv(long long n, long long d) {
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

// "71.5", "72", "69.0" in tenths; none for any other text or for 0.
std::optional<int> RatingTenths(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    if (!AllDigits(whole)) return std::nullopt;
    int tenths = DigitsValue(whole) * 10;
    if (dot != std::string_view::npos) {
        const std::string_view decimal = text.substr(dot + 1);
        if (decimal.size() != 1 || !AllDigits(decimal)) return std::nullopt;
        tenths += decimal[0] - '0';
    }
    if (tenths <= 0) return std::nullopt;
    return tenths;
}

std::optional<int> SlopeValue(std::string_view text) {
    if (!AllDigits(text)) return std::nullopt;
    const int slope = DigitsValue(text);
    if (slope < 55 || slope > 155) return std::nullopt;
    return slope;
}

std::optional<int> PositiveWhole(const std::string& text) {
    int value = 0;
    if (!TryStrToInt(text, value) || value <= 0) return std::nullopt;
    return value;
}

// The calendar day a text of eight digits YYYYMMDD names, if any.
std::optional<std::chrono::year_month_day> CalendarDay(std::string_view date) {
    const std::optional<std::chrono::year_month_day> day = CalendarDate(date);
    if (!day || day->year() < std::chrono::year{1}) return std::nullopt;
    return day;
}

// Days since a fixed day of the Gregorian calendar, for a calendar day.
long DayNumber(std::string_view date) {
    return std::chrono::sys_days{*CalendarDay(date)}.time_since_epoch().count();
}

// Strokes received on the hole with stroke index `s` at course handicap `ch`;
// a plus handicap gives strokes back on the easiest holes first.
int StrokesReceived(int ch, int s) {
    if (ch >= 0) return ch / HoleCount + (s <= ch % HoleCount ? 1 : 0);
    const int given = -ch;
    return -(given / HoleCount + (s >= HoleCount + 1 - given % HoleCount ? 1 : 0));
}

// What the round's slope and rating give, and the index before it.
struct RoundTerms {
    int rating10 = 0;
    int slope = 0;
    std::optional<int> before10;
};

struct Adjusted {
    std::optional<int> ags; // none: the round does not take part
    WhsScoreSource source = WhsScoreSource::NetDoubleBogey;
    WhsSkipReason reason = WhsSkipReason::NoScore;
};

using Holes = std::array<int, HoleCount>;

// The hole scores that are whole numbers above 0 (the others 0), and how
// many there are.
int ReadHoles(const ScoreRec& rec, Holes& holes) {
    int scored = 0;
    for (int hole = 0; hole < HoleCount; ++hole) {
        const std::optional<int> value = PositiveWhole(rec.HoleScore[hole].str());
        holes[hole] = value.value_or(0);
        scored += value ? 1 : 0;
    }
    return scored;
}

// The course's pars, when each is a whole number above 0.
std::optional<Holes> ParsOf(const CourseRec& course) {
    Holes pars{};
    for (int hole = 0; hole < HoleCount; ++hole) {
        const std::optional<int> par = PositiveWhole(course.Par[hole].str());
        if (!par) return std::nullopt;
        pars[hole] = *par;
    }
    return pars;
}

class AgsReader {
public:
    AgsReader(const CourseList& courses, const StrokeIndexMap& strokeIndexes)
        : courses_(courses), strokeIndexes_(strokeIndexes) {}

    Adjusted Read(const ScoreRec& rec, const RoundTerms& terms) const {
        Holes holes{};
        const int scored = ReadHoles(rec, holes);
        if (scored == 0) return AsStored(rec, WhsScoreSource::TypedAsTotal);
        if (scored < HoleCount) return {std::nullopt, {}, WhsSkipReason::Incomplete};
        const auto course = std::find_if(courses_.begin(), courses_.end(), [&](const CourseRec& c) {
            return c.Name.str() == rec.CourseName.str();
        });
        if (course == courses_.end()) return AsStored(rec, WhsScoreSource::NoCourse);
        const std::optional<Holes> pars = ParsOf(*course);
        if (!pars) return AsStored(rec, WhsScoreSource::NoPars);
        const auto found = strokeIndexes_.find(rec.CourseName.str());
        if (found == strokeIndexes_.end()) return AsStored(rec, WhsScoreSource::NoStrokeIndexes);
        return {
            NetDoubleBogey(holes, *pars, found->second, terms), WhsScoreSource::NetDoubleBogey, {}};
    }

private:
    static Adjusted AsStored(const ScoreRec& rec, WhsScoreSource source) {
        std::optional<int> ags = PositiveWhole(rec.AdjScore.str());
        if (!ags) ags = PositiveWhole(rec.Score.str());
        return {ags, source, WhsSkipReason::NoScore};
    }

    // Each hole at most par + 2 + the strokes received there, or par + 5
    // before the golfer has an index.
    static int NetDoubleBogey(const Holes& holes, const Holes& pars, const StrokeIndexRow& si,
                              const RoundTerms& terms) {
        const int par = std::accumulate(pars.begin(), pars.end(), 0);
        const int ch = terms.before10
                           ? WhsCourseHandicap(*terms.before10, terms.slope, terms.rating10, par)
                           : 0;
        int ags = 0;
        for (int hole = 0; hole < HoleCount; ++hole) {
            const int most =
                terms.before10 ? pars[hole] + 2 + StrokesReceived(ch, si[hole]) : pars[hole] + 5;
            ags += std::min(holes[hole], most);
        }
        return ags;
    }

    const CourseList& courses_;
    const StrokeIndexMap& strokeIndexes_;
};

// How many of the lowest differentials an index averages, and what it adds,
// by the number of rounds that have taken part.
struct IndexRule {
    int lowest = 0; // 0: no index yet
    int adjustment10 = 0;
};

IndexRule RuleFor(int rounds) {
    if (rounds < 3) return {};
    if (rounds <= 5) return {1, rounds == 3 ? -20 : rounds == 4 ? -10 : 0};
    if (rounds <= 8) return {2, rounds == 6 ? -10 : 0};
    if (rounds <= 11) return {3, 0};
    if (rounds <= 14) return {4, 0};
    if (rounds <= 16) return {5, 0};
    if (rounds <= 18) return {6, 0};
    if (rounds == 19) return {7, 0};
    return {8, 0};
}

// The position of the first of the most recent 20 of `count` differentials.
std::size_t FirstRecent(std::size_t count) {
    return count > RoundsKept ? count - RoundsKept : 0;
}

// Positions (into `differentials`) of the lowest ones today's index uses:
// among the most recent 20, lowest first, the more recent of equals first.
std::vector<std::size_t> LowestRecent(const std::vector<int>& differentials) {
    const std::size_t count = differentials.size();
    const std::size_t first = FirstRecent(count);
    std::vector<std::size_t> recent(count - first);
    std::iota(recent.rbegin(), recent.rend(), first);
    std::stable_sort(recent.begin(), recent.end(), [&](std::size_t a, std::size_t b) {
        return differentials[a] < differentials[b];
    });
    recent.resize(
        std::min(recent.size(), static_cast<std::size_t>(RuleFor(static_cast<int>(count)).lowest)));
    return recent;
}

// The sum of the differentials LowestRecent picks. Which of equal ones it
// takes does not change the sum, so the lowest values are found without
// keeping their order or their positions.
long long SumOfLowestRecent(const std::vector<int>& differentials, int lowest) {
    const auto first = static_cast<std::ptrdiff_t>(FirstRecent(differentials.size()));
    std::array<int, RoundsKept> recent{};
    const auto end = std::copy(differentials.begin() + first, differentials.end(), recent.begin());
    const auto taken = recent.begin() + std::min<std::ptrdiff_t>(lowest, end - recent.begin());
    std::partial_sort(recent.begin(), taken, end);
    return std::accumulate(recent.begin(), taken, 0LL);
}

std::optional<int> IndexFrom(const std::vector<int>& differentials) {
    const IndexRule rule = RuleFor(static_cast<int>(differentials.size()));
    if (rule.lowest == 0) return std::nullopt;
    const long long sum = SumOfLowestRecent(differentials, rule.lowest);
    return static_cast<int>(RoundDiv(sum, rule.lowest)) + rule.adjustment10;
}

int Capped(int index10, std::optional<int> low10) {
    if (low10 && index10 > *low10 + SoftCap10) {
        const int above = index10 - (*low10 + SoftCap10);
        index10 = *low10 + SoftCap10 + static_cast<int>(RoundDiv(above, 2));
        index10 = std::min(index10, *low10 + HardCap10);
    }
    return std::min(index10, MaxIndex10);
}

int ExceptionalAdjustment(std::optional<int> before10, int differential10) {
    if (!before10) return 0;
    const int below = *before10 - differential10;
    return below >= 100 ? -20 : below >= 70 ? -10 : 0;
}

// The indexes after the rounds so far that the caps may compare with.
class LowIndexes {
public:
    void Add(long day, int index10, bool fromFullRecord) {
        if (fromFullRecord) indexes_.push_back({day, index10});
    }
    // The lowest after a round of the 365 days before `day` (not on it).
    std::optional<int> Before(long day) const {
        std::optional<int> low;
        for (const auto& [when, index10] : indexes_)
            if (when < day && when >= day - DaysLookedBack && (!low || index10 < *low))
                low = index10;
        return low;
    }

private:
    std::vector<std::pair<long, int>> indexes_;
};

// Rounds oldest first: by date, and those of one date in the reverse of their
// order in the list as read.
std::vector<std::size_t> WalkOrder(const ScoreList& asRead) {
    std::vector<std::size_t> order(asRead.size());
    std::iota(order.rbegin(), order.rend(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return asRead[a].Date.str() < asRead[b].Date.str();
    });
    return order;
}

// The walk over the rounds, oldest first: each round is read, adjusted and
// counted once.
class WhsWalk {
public:
    WhsWalk(const CourseList& courses, const StrokeIndexMap& strokeIndexes)
        : agsReader_(courses, strokeIndexes) {}

    void Take(const ScoreRec& rec, std::size_t position) {
        auto skip = [&](WhsSkipReason reason) {
            result_.skipped.push_back({position, rec.Date.str(), rec.CourseName.str(), reason});
        };
        if (!IsCalendarDay(rec.Date.str())) return skip(WhsSkipReason::NotADay);
        const std::optional<int> rating10 = RatingTenths(rec.Rating.str());
        const std::optional<int> slope = SlopeValue(rec.Slope.str());
        if (!rating10 || !slope) return skip(WhsSkipReason::BadRatingOrSlope);
        const Adjusted adjusted = agsReader_.Read(rec, {*rating10, *slope, before10_});
        if (!adjusted.ags) return skip(adjusted.reason);
        WhsRound round;
        round.position = position;
        round.date = rec.Date.str();
        round.course = rec.CourseName.str();
        round.ags = *adjusted.ags;
        round.source = adjusted.source;
        AddDifferential(round,
                        static_cast<int>(RoundDiv((10LL * round.ags - *rating10) * 113, *slope)));
        AddIndex(round);
        before10_ = round.index10;
        result_.rounds.push_back(std::move(round));
    }

    WhsResult Finish() {
        for (std::size_t i = 0; i < result_.rounds.size(); ++i)
            result_.rounds[i].currentDifferential10 = differentials_[i];
        for (std::size_t i : LowestRecent(differentials_))
            result_.rounds[i].inCurrentIndex = true;
        if (!result_.rounds.empty()) {
            result_.index10 = result_.rounds.back().index10;
            result_.low10 = result_.rounds.back().low10;
        }
        return std::move(result_);
    }

private:
    // An exceptional round's adjustment goes to it and the 19 rounds before.
    void AddDifferential(WhsRound& round, int raw10) {
        round.exceptional10 = ExceptionalAdjustment(before10_, raw10);
        differentials_.push_back(raw10);
        const std::size_t count = differentials_.size();
        for (std::size_t i = FirstRecent(count); i < count; ++i)
            differentials_[i] += round.exceptional10;
        round.differential10 = differentials_.back();
    }

    void AddIndex(WhsRound& round) {
        const long day = DayNumber(round.date);
        round.low10 = lows_.Before(day);
        if (const std::optional<int> index10 = IndexFrom(differentials_)) {
            round.index10 = Capped(*index10, round.low10);
            lows_.Add(day, *round.index10, differentials_.size() >= RoundsKept);
        }
    }

    const AgsReader agsReader_;
    WhsResult result_;
    std::vector<int> differentials_; // with every adjustment so far
    LowIndexes lows_;
    std::optional<int> before10_; // the index after the round before
};

} // namespace

int WhsCourseHandicap(int index10, int slope, int rating10, int par) {
    return static_cast<int>(
        RoundDiv(static_cast<long long>(index10) * slope + 113LL * (rating10 - 10 * par), 1130));
}

bool IsCalendarDay(std::string_view date) {
    return CalendarDay(date).has_value();
}

std::string FormatTenths(int tenths) {
    const int magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    return text.append(std::to_string(magnitude / 10))
        .append(".")
        .append(std::to_string(magnitude % 10));
}

WhsResult ComputeWhsIndex(const ScoreList& asRead, const CourseList& courses,
                          const StrokeIndexMap& strokeIndexes) {
    WhsWalk walk(courses, strokeIndexes);
    for (std::size_t position : WalkOrder(asRead))
        walk.Take(asRead[position], position);
    return walk.Finish();
}

std::string WhsLine(const WhsRound& round) {
    auto optional = [](const std::optional<int>& tenths) {
        return tenths ? FormatTenths(*tenths) : std::string("-");
    };
    return DateForDisplay(round.date) + '\t' + round.course + '\t' + std::to_string(round.ags) +
           '\t' + FormatTenths(round.differential10) + '\t' + FormatTenths(round.exceptional10) +
           '\t' + optional(round.index10) + '\t' + optional(round.low10);
}

std::string WhsSkipText(WhsSkipReason reason) {
    switch (reason) {
    case WhsSkipReason::NotADay:
        return "date not a day";
    case WhsSkipReason::BadRatingOrSlope:
        return "bad rating or slope";
    case WhsSkipReason::Incomplete:
        return "incomplete";
    case WhsSkipReason::NoScore:
        return "no score";
    }
    return {};
}

std::string WhsSourceText(WhsScoreSource source) {
    switch (source) {
    case WhsScoreSource::NetDoubleBogey:
        return "net double bogey";
    case WhsScoreSource::TypedAsTotal:
        return "typed as a total";
    case WhsScoreSource::NoCourse:
        return "course not in the course list, AGS as stored";
    case WhsScoreSource::NoPars:
        return "course pars missing, AGS as stored";
    case WhsScoreSource::NoStrokeIndexes:
        return "no stroke indexes, AGS as stored";
    }
    return {};
}

} // namespace tb
