// The handicap index over a score list of any bytes (one round a line, each
// parsed as a score file line), for both sexes and every variant:
// - with and without detail lines the computation gives the same result and
//   leaves the list the same;
// - the scores used are complete ones among the first 20 complete, best
//   first, and no score left out among those has a smaller differential;
// - the index is the mean of the used differentials times 0.96 to a tenth,
//   at most the maximum for the sex, which is also the index of a golfer
//   with fewer than 5 complete scores;
// - every differential is finite and no larger than a 64-bit whole number
//   of tenths holds, and, where the rounding's 64-bit integer holds it, only
//   changes its sign when score and rating swap;
// - the course handicap is the index times slope over 113, to a whole number.
//
// Two kinds of list are not checked in full, for faults known in the core:
// - a differential of 9999 or more is never ranked, since 9999 also marks an
//   empty place among the best differentials. When fewer differentials below
//   it are taken than are averaged, the index averages the marker 9999 and
//   the used scores name position 999. Such lists skip those checks.
// A value no 6-byte real holds, or a rounding beyond 64 bits, makes the
// differential 0.0 and the course handicap 0.

#include "FuzzSupport.h"
#include "data/Errors.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "handicap/CourseHandicap.h"
#include "handicap/HandicapIndex.h"

#include <algorithm>
#include <cmath>

namespace {

using tb::Extended;

constexpr Extended DifferentialBound = 1e18L;
// Well within what a 64-bit integer holds, after multiplying by 10.
constexpr Extended RoundingRange = 1e17L;
constexpr Extended EmptyPlace = 9999;
constexpr std::size_t MostScoresTaken = 20;
constexpr int NotUsed = 999;

Extended Stored48(const std::string& text) {
    return tb::ToReal48(tb::StoredNumber(text.c_str()));
}

// Within the rounding to `step` and the 40-bit significands' error.
bool Near(Extended a, Extended b, Extended step) {
    return std::fabs(a - b) <= step / 2 + 1e-9L * (1 + std::fabs(b));
}

tb::ScoreList ListFrom(std::string_view bytes) {
    tb::ScoreList list;
    for (std::string_view line : tb::SplitLines(bytes)) {
        if (list.size() == tb::MaxScores) break;
        list.push_back(tb::ParseScoreLine(line));
    }
    return list;
}

void CheckDifferential(Extended differential) {
    FUZZ_CHECK(std::isfinite(differential) && std::fabs(differential) <= DifferentialBound);
}

void CheckDifferentials(const tb::ScoreRec& rec) {
    CheckDifferential(tb::StoredScoreDifferential(rec));
    Extended score, rating, slope;
    try {
        score = Stored48(rec.Score), rating = Stored48(rec.Rating), slope = Stored48(rec.Slope);
    } catch (const tb::OutOfRangeError&) {
        return; // beyond a 6-byte real: only the bound above applies
    }
    const Extended differential = tb::ScoreDifferential(score, rating, slope);
    CheckDifferential(differential);
    if (std::fabs((score - rating) * 113 / slope) < RoundingRange)
        FUZZ_CHECK(tb::ScoreDifferential(rating, score, slope) == -differential);
}

// The list as the computation looks at it: the numbers' texts cut at a NUL.
tb::ScoreList CutAtNul(tb::ScoreList list) {
    for (tb::ScoreRec& rec : list) {
        rec.Score = tb::CutAtNul(rec.Score.str());
        rec.AdjScore = tb::CutAtNul(rec.AdjScore.str());
        rec.Rating = tb::CutAtNul(rec.Rating.str());
        rec.Slope = tb::CutAtNul(rec.Slope.str());
    }
    return list;
}

// List positions (0-based) of the complete scores the computation takes.
std::vector<std::size_t> TakenScores(const tb::ScoreList& cut) {
    std::vector<std::size_t> taken;
    for (std::size_t pos = 0; pos < cut.size() && taken.size() < MostScoresTaken; ++pos)
        if (tb::IsCompleteScore(cut[pos])) taken.push_back(pos);
    return taken;
}

// The used scores' list positions (0-based), best first; 999 in the rest.
std::vector<std::size_t> UsedPositions(const tb::ScoreList& cut, const tb::IndexResult& result) {
    FUZZ_CHECK(result.used >= 0 && result.used <= std::min(result.valid, 10));
    FUZZ_CHECK((result.used == 0) == (result.valid < 5));
    std::vector<std::size_t> used;
    for (int k = 0; k < 10; ++k) {
        const int position = result.usedScores[static_cast<std::size_t>(k)];
        if (k >= result.used) {
            FUZZ_CHECK(position == NotUsed);
            continue;
        }
        FUZZ_CHECK(position >= 1 && position <= static_cast<int>(cut.size()));
        used.push_back(static_cast<std::size_t>(position - 1));
    }
    return used;
}

void CheckUsedScores(const tb::ScoreList& cut, const tb::IndexResult& result) {
    const std::vector<std::size_t> taken = TakenScores(cut);
    FUZZ_CHECK(result.valid == static_cast<int>(taken.size()));
    const std::vector<std::size_t> used = UsedPositions(cut, result);
    auto differential = [&](std::size_t pos) { return tb::StoredScoreDifferential(cut[pos]); };
    for (std::size_t k = 0; k < used.size(); ++k) {
        FUZZ_CHECK(std::count(taken.begin(), taken.end(), used[k]) == 1);
        FUZZ_CHECK(std::count(used.begin(), used.end(), used[k]) == 1);
        if (k > 0) FUZZ_CHECK(differential(used[k - 1]) <= differential(used[k]));
    }
    if (used.empty()) return;
    for (std::size_t pos : taken)
        if (std::count(used.begin(), used.end(), pos) == 0)
            FUZZ_CHECK(differential(pos) >= differential(used.back()));
}

void CheckIndexValue(const tb::ScoreList& cut, const tb::IndexInput& input,
                     const tb::IndexResult& result) {
    const Extended maximum = tb::ToReal48(tb::MaximumIndex(input.sex));
    FUZZ_CHECK(std::isfinite(result.index) && result.index <= maximum);
    if (result.used == 0) {
        FUZZ_CHECK(result.index == maximum);
        return;
    }
    Extended sum = 0;
    for (int k = 0; k < result.used; ++k)
        sum += tb::StoredScoreDifferential(
            cut[static_cast<std::size_t>(result.usedScores[static_cast<std::size_t>(k)] - 1)]);
    FUZZ_CHECK(Near(result.index, std::min(maximum, sum / result.used * 0.96L), 0.1L));
}

// The course handicap for the index shown, with the first round's Slope as
// the course's slope and its Score standing in for the par total.
void CheckCourseHandicap(const tb::ScoreRec& rec, Extended index) {
    const std::string indexText = tb::FormatIndex(index, 4);
    long double slope = 0;
    int parTotal = 0;
    const bool areNumbers =
        tb::TryStrToFloat(rec.Slope.str(), slope) && tb::TryStrToInt(rec.Score.str(), parTotal);
    Extended exact = 0;
    bool inRange = true;
    try {
        exact = tb::ToReal48(tb::StrToFloat(indexText)) * tb::ToReal48(slope) / 113;
        inRange = std::fabs(exact) < RoundingRange;
    } catch (const tb::OutOfRangeError&) {
        exact = INFINITY, inRange = false;
    }
    try {
        const tb::CourseHandicapResult result =
            tb::ComputeCourseHandicap(indexText, rec.Slope.str(), rec.Score.str());
        FUZZ_CHECK(areNumbers);
        if (inRange) FUZZ_CHECK(Near(static_cast<Extended>(result.handicap), exact, 1));
        if (!(std::fabs(exact) < 9.2e18L)) FUZZ_CHECK(result.handicap == 0);
        FUZZ_CHECK(result.predicted == result.handicap + parTotal);
    } catch (const tb::ConvertError&) {
        FUZZ_CHECK(!areNumbers);
    }
}

// Whether the scores taken give fewer differentials below the empty places'
// 9999 than are averaged (see above).
bool AveragesEmptyPlaces(const tb::ScoreList& cut, const tb::IndexResult& result) {
    const std::vector<std::size_t> taken = TakenScores(cut);
    const auto ranked = std::count_if(taken.begin(), taken.end(), [&](std::size_t pos) {
        return tb::StoredScoreDifferential(cut[pos]) < EmptyPlace;
    });
    return ranked < result.used;
}

tb::IndexResult CheckIndex(const tb::ScoreList& list, const tb::IndexInput& input) {
    tb::ScoreList plain = list, detailed = list;
    tb::IndexDetails details;
    const tb::IndexResult result = tb::ComputeIndex(plain, input);
    const tb::IndexResult withDetails = tb::ComputeIndex(detailed, input, &details);
    FUZZ_CHECK(result.index == withDetails.index && result.valid == withDetails.valid &&
               result.used == withDetails.used && result.usedScores == withDetails.usedScores);
    FUZZ_CHECK(plain == detailed);
    const tb::ScoreList cut = CutAtNul(list);
    if (AveragesEmptyPlaces(cut, result)) return result;
    CheckUsedScores(cut, result);
    CheckIndexValue(cut, input, result);
    return result;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tb::ScoreList list = ListFrom(tbfuzz::AsText(data, size));
    for (const tb::ScoreRec& rec : list)
        CheckDifferentials(rec);
    for (const char* sex : {"0", "1"})
        for (tb::IndexVariant variant :
             {tb::IndexVariant::Standard, tb::IndexVariant::Hub, tb::IndexVariant::Report}) {
            const tb::IndexResult result = CheckIndex(list, {sex, "SMITH", variant});
            if (!list.empty()) CheckCourseHandicap(list.front(), result.index);
        }
    return 0;
}
