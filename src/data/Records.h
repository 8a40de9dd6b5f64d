#pragma once
// The records of the three data files and the sizes of their lists.

#include "ShortString.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tb {

// Program-wide limits: the most golfers, scores per golfer and courses.
inline constexpr int MaxGolfers = 300;
inline constexpr int MaxScores = 200;
inline constexpr int MaxCourses = 200;

// One posted round. Capacities are what a field holds in memory; the score
// file reader keeps one character less of each (the read limit).
struct ScoreRec {
    ShortString<9> Date;
    ShortString<31> CourseName;
    ShortString<4> Score;
    ShortString<5> Rating;
    ShortString<4> Slope;
    ShortString<101> Comment;
    std::array<ShortString<3>, 18> HoleScore;
    std::array<ShortString<3>, 18> Putts;
    ShortString<4> AdjScore;

    friend bool operator==(const ScoreRec&, const ScoreRec&) = default;
};

// Positions 1..size(), newest first after SortScores; never more than MaxScores.
using ScoreList = std::vector<ScoreRec>;

struct CourseRec {
    ShortString<31> Name;
    ShortString<5> Rating;
    ShortString<4> Slope;
    std::array<ShortString<2>, 18> Par;
    ShortString<3> ParTotal;

    friend bool operator==(const CourseRec&, const CourseRec&) = default;
};

using CourseList = std::vector<CourseRec>;

// The first four course fields, as the summary reading gives them.
struct CourseSummary {
    ShortString<31> Name;
    ShortString<5> Rating;
    ShortString<4> Slope;
    ShortString<3> ParTotal;

    friend bool operator==(const CourseSummary&, const CourseSummary&) = default;
};

using CourseSummaryList = std::vector<CourseSummary>;

struct GolferRec {
    ShortString<41> LongName;
    ShortString<9> ShortName;
    std::int32_t Sex = 0; // 0 male, 1 female

    friend bool operator==(const GolferRec&, const GolferRec&) = default;
};

using GolferList = std::vector<GolferRec>;

} // namespace tb
