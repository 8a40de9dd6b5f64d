#include "HandicapIndex.h"

#include "../data/ScoreFile.h"
#include "../data/Text.h"

#include <algorithm>

namespace tb {

namespace {
constexpr Extended Empty = 9999.0L;

// A differential among the best, and the list position of its score.
struct Place {
    Extended value = Empty;
    std::size_t position = 0;
};

Extended Stored48(const std::string& text) {
    return ToReal48(StoredNumber(text.c_str()));
}

std::string Cut80(std::string line) {
    if (line.size() > 80) line.resize(80);
    return line;
}

// The hub's rules: its detail lines and its zeroed ratings.
bool FollowsHub(IndexVariant variant) {
    return variant != IndexVariant::Standard;
}

std::string DifferentialLine(int k, const Place& place, const ScoreRec& rec, IndexVariant variant) {
    std::string line = "Differential " + std::to_string(k);
    if (k < 10)
        line += "   = ";
    else
        line += FollowsHub(variant) ? "  = " : " = ";
    // On screen a value below 10 gets one more space; the report keeps none.
    if (place.value < 10.0L && variant != IndexVariant::Report) line += " ";
    line += FormatFixed(place.value, 1, 4) + "  " + DateForDisplay(rec.Date.str()) + "  " +
            rec.CourseName.str();
    return Cut80(line);
}
} // namespace

Extended ScoreDifferential(Extended score, Extended rating, Extended slope) {
    if (score == 0 || slope == 0 || rating == 0) return 0;
    try {
        return RoundedDifferential(score, rating, slope);
    } catch (const OutOfRangeError&) {
        return 0; // as for a stored text that is no number
    }
}

Extended RoundedDifferential(Extended score, Extended rating, Extended slope) {
    Extended raw = ToReal48((score - rating) * 113 / slope);
    return ToReal48(static_cast<Extended>(RoundHalfEven(raw * 10)) * 0.1L);
}

Extended StoredScoreDifferential(const ScoreRec& rec) {
    const std::string& rating = rec.Rating;
    const std::string& slope = rec.Slope;
    if (rating.empty() || rating == "0.0" || rating == "XXX" || slope.empty() || slope == "0" ||
        slope == "XXX")
        return 0;
    auto filled = [](const std::string& text) {
        return !text.empty() && text != "0" && text != "XXX";
    };
    const std::string* score = filled(rec.AdjScore) ? &rec.AdjScore.str()
                               : filled(rec.Score)  ? &rec.Score.str()
                                                    : nullptr;
    if (!score) return 0;
    try {
        return ScoreDifferential(Stored48(*score), Stored48(rating), Stored48(slope));
    } catch (const OutOfRangeError&) {
        return 0; // a stored value no 6-byte real holds counts as no number
    }
}

Extended MaximumIndex(const std::string& sex) {
    return sex == "0" ? 36.4L : 40.4L;
}

IndexResult ComputeIndex(ScoreList& list, const IndexInput& input, IndexDetails* details) {
    IndexResult result;
    std::array<Place, 10> best;
    result.usedScores.fill(999);
    int n = 1;
    if (details) details->fill(std::string());

    const int limit = std::min<int>(static_cast<int>(list.size()), RecentScoresExamined);
    int valid = 0;
    for (std::size_t pos = 0; pos < list.size() && valid < limit; ++pos) {
        ScoreRec& rec = list[pos];
        rec.Score = CutAtNul(rec.Score.str());
        rec.AdjScore = CutAtNul(rec.AdjScore.str());
        rec.Rating = CutAtNul(rec.Rating.str());
        rec.Slope = CutAtNul(rec.Slope.str());
        if (!IsCompleteScore(rec)) continue;
        Extended d = StoredScoreDifferential(rec);
        if (FollowsHub(input.variant) && (rec.Rating == "XXX" || rec.Slope == "XXX"))
            rec.Rating = "0.0";
        ++valid;
        int k = 0;
        while (k < n && !(best[k].value > d))
            ++k;
        if (k < n) {
            for (int i = std::min(n, 9); i > k; --i) {
                best[i] = best[i - 1];
                result.usedScores[i] = result.usedScores[i - 1];
            }
            best[k] = {d, pos};
            result.usedScores[k] = static_cast<int>(pos) + 1;
            n = std::min(n + 1, 10);
        }
    }

    n = DifferentialsUsed(valid);
    result.valid = valid;
    result.used = n;
    const bool enough = valid >= 5;
    std::string message = enough ? "Calculated index using best " + std::to_string(n) + " out of " +
                                       std::to_string(valid) + " differentials."
                                 : "A golfer needs 5 valid scores to receive an index.";
    if (details) {
        std::string first =
            std::to_string(input.scoresOnFile < 0 ? list.size()
                                                  : static_cast<std::size_t>(input.scoresOnFile)) +
            " scores on file for " + input.longName + ".";
        if (FollowsHub(input.variant) && valid < 20)
            first += "  (" + std::to_string(valid) + " are valid)";
        (*details)[0] = Cut80(first);
        (*details)[1] = Cut80(message);
    }
    for (int i = n; i < 10; ++i)
        result.usedScores[i] = 999;
    std::array<Extended, 10> values;
    for (int k = 0; k < 10; ++k) {
        values[k] = best[k].value;
        if (details && k < n)
            (*details)[k + 2] =
                DifferentialLine(k + 1, best[k], list[best[k].position], input.variant);
    }
    const Extended index = IndexFromBest(values, valid, input.sex);
    if (details)
        (*details)[n + 3] =
            Cut80("The current index for " + input.longName + " is " + FormatFixed(index, 1, 4));
    result.index = index;
    return result;
}

int DifferentialsUsed(int valid) {
    if (valid < 5) return 0;
    if (valid <= 16) return (valid - 3) / 2;
    return std::min(valid, 20) - 10;
}

Extended IndexFromBest(const std::array<Extended, 10>& best, int valid, const std::string& sex) {
    if (valid < 5) return ToReal48(MaximumIndex(sex));
    const int used = DifferentialsUsed(valid);
    Extended sum = 0;
    for (int k = 0; k < used; ++k)
        sum = ToReal48(sum + best[k]);
    Extended index = ToReal48(sum / used * 0.96L);
    index = ToReal48(static_cast<Extended>(RoundHalfEven(index * 10)) * 0.1L);
    if (sex == "0" && index > 36.4L) index = ToReal48(36.4L);
    if (sex != "0" && index > 40.4L) index = ToReal48(40.4L);
    return index;
}

std::string FormatIndex(Extended index, int width) {
    return FormatFixed(index, 1, width);
}

} // namespace tb
