#pragma once
// The arithmetic of the score form: nine-hole sums, the adjusted gross score
// (every hole capped at a maximum set by the handicap index) and the
// differential shown while a round is typed.

#include "Real48.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tb {

// Most strokes counted on one hole for a handicap index.
int HoleMaximum(Extended index);

// The adjusted gross score as text, or "" when there is no total ("", "0" or
// "00"). Throws ConvertError for an index, hole or total that is no number.
std::string AdjustedGrossScore(const std::string& total, const std::array<std::string, 18>& holes,
                               const std::string& index);

// The sum of whole numbers as plain decimal text. Throws ConvertError at the
// first text that is no whole number (an empty one included).
std::string SumText(const std::vector<std::string>& values);

// The differential the score form shows for its AGS, total, rating and slope
// texts: one decimal, right-aligned in at least 4 characters, at most 8.
// Throws ConvertError for a text that is no number.
std::string ScoreFormDifferential(const std::string& adjScore, const std::string& total,
                                  const std::string& rating, const std::string& slope);

// The boxes of a round as typed on the score form.
struct TypedRound {
    std::string date;
    std::array<std::string, 18> holes;
    std::array<std::string, 18> putts;
    std::string total;
    std::string adjScore;
};

// A box whose value the round cannot be stored with, and why.
struct TypedRoundProblem {
    enum class Box { Date, Hole, Putts, Total, AdjScore };
    Box box;
    int hole = 0; // 1 to 18 for Hole and Putts
    std::string message;
};

// The first box, in the order the form is typed (the date, then score and
// putts hole by hole, the total, the AGS), that holds no calendar day or no
// whole number. An empty total or AGS is a round without a total, which the
// files keep as incomplete; an empty hole or putts box is refused.
std::optional<TypedRoundProblem> FirstTypedRoundProblem(const TypedRound& round);

} // namespace tb
