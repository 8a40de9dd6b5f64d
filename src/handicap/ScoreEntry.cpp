#include "ScoreEntry.h"

#include "../data/EntryKeys.h"
#include "../data/Text.h"
#include "HandicapIndex.h"

namespace tb {

int HoleMaximum(Extended index) {
    if (index >= 50) return 11;
    if (index >= 40) return 10;
    if (index >= 30) return 9;
    if (index >= 20) return 8;
    if (index >= 10) return 7;
    return 6;
}

std::string AdjustedGrossScore(const std::string& total, const std::array<std::string, 18>& holes,
                               const std::string& index) {
    if (total.empty() || total == "0" || total == "00") return "";
    const int maximum = HoleMaximum(StrToFloat(index));
    long long excess = 0;
    for (const std::string& hole : holes) {
        if (hole.empty()) continue;
        int strokes = StrToInt(hole);
        if (strokes > maximum) excess += strokes - maximum;
    }
    return std::to_string(StrToInt(total) - excess);
}

std::string SumText(const std::vector<std::string>& values) {
    long long sum = 0;
    for (const std::string& value : values)
        sum += StrToInt(value);
    return std::to_string(sum);
}

namespace {
// The box's text as a 6-byte real. A number no 6-byte real holds is refused
// as text that is no number would be.
Extended BoxReal48(const std::string& text) {
    try {
        return ToReal48(StrToFloat(text));
    } catch (const OutOfRangeError&) {
        ThrowNotAFloat(text);
    }
}
} // namespace

std::string ScoreFormDifferential(const std::string& adjScore, const std::string& total,
                                  const std::string& rating, const std::string& slope) {
    Extended base = 0;
    if (!adjScore.empty() && adjScore != "XXX" && StrToFloat(adjScore) != 0)
        base = BoxReal48(adjScore);
    else if (!total.empty() && total != "0")
        base = BoxReal48(total);
    // The rating is tested as text: "0" or "00" is neither empty nor "0.0",
    // so it takes part in the arithmetic as the value 0.
    Extended differential = 0;
    if (base != 0 && !rating.empty() && rating != "0.0" && !slope.empty() &&
        StrToFloat(slope) != 0) {
        const Extended rating48 = BoxReal48(rating);
        const Extended slope48 = BoxReal48(slope);
        try {
            differential = RoundedDifferential(base, rating48, slope48);
        } catch (const OutOfRangeError&) {
            // Only the rating box holds enough characters for a value that
            // takes the arithmetic out of range (a slope or score of three
            // characters cannot): its text is the one refused.
            ThrowNotAFloat(rating);
        }
    }
    std::string text = FormatFixed(differential, 1, 4);
    if (text.size() > 8) text.resize(8);
    return text;
}

namespace {
bool IsWholeNumber(const std::string& text) {
    int value = 0;
    return TryStrToInt(text, value);
}

using Box = TypedRoundProblem::Box;

std::optional<TypedRoundProblem> NotWhole(const std::string& text, Box box, int hole,
                                          const std::string& what) {
    if (IsWholeNumber(text)) return std::nullopt;
    return TypedRoundProblem{box, hole, what + " must be a whole number."};
}
} // namespace

std::optional<TypedRoundProblem> FirstTypedRoundProblem(const TypedRound& round) {
    if (std::string why = DateProblem(round.date); !why.empty())
        return TypedRoundProblem{Box::Date, 0, why};
    for (int hole = 1; hole <= 18; ++hole) {
        const std::string number = std::to_string(hole);
        if (auto problem =
                NotWhole(round.holes[hole - 1], Box::Hole, hole, "The score of hole " + number))
            return problem;
        if (auto problem =
                NotWhole(round.putts[hole - 1], Box::Putts, hole, "The putts of hole " + number))
            return problem;
    }
    if (!round.total.empty())
        if (auto problem = NotWhole(round.total, Box::Total, 0, "The total")) return problem;
    if (!round.adjScore.empty())
        return NotWhole(round.adjScore, Box::AdjScore, 0, "The adjusted gross score");
    return std::nullopt;
}

} // namespace tb
