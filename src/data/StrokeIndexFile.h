#pragma once
// The stroke indexes of the courses, "strokeidx.vxc" beside the course list:
// one line per course, the course name and the stroke index of each of the
// 18 holes (1 the hardest hole, 18 the easiest), each field ended by "~".

#include "Notifier.h"
#include "Store.h"

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

inline constexpr const char* StrokeIndexFileName = "strokeidx.vxc";
inline constexpr int StrokeIndexHoles = 18;

// Holes 1 to 18; together each of 1..18 exactly once.
using StrokeIndexRow = std::array<int, StrokeIndexHoles>;
// The usable rows by course name, matched exactly (byte for byte).
using StrokeIndexMap = std::map<std::string, StrokeIndexRow, std::less<>>;
// The 18 texts of a row as typed or read.
using StrokeIndexTexts = std::array<std::string, StrokeIndexHoles>;

// One line of the file: fields end at "~" and are cut at a NUL; what follows
// the 19th "~" is ignored.
struct StrokeIndexLine {
    std::string course;
    StrokeIndexTexts values;
};

// The line's fields; none when it is broken (fewer than 19 "~").
std::optional<StrokeIndexLine> ParseStrokeIndexLine(std::string_view line);
std::string FormatStrokeIndexLine(std::string_view course, const StrokeIndexRow& row);

// What a row of texts gives: the row when it is each of 1..18 exactly once,
// none when all 18 are empty (the course has no stroke indexes), and
// otherwise the problem in words for the user. Values are whole numbers as
// StrToInt reads them.
struct StrokeIndexCheck {
    std::optional<StrokeIndexRow> row;
    std::string problem; // empty: the row may be kept
    // The hole to correct (1 to 18): the one named, or for a value used
    // twice the first hole that holds it; 0 when there is no problem.
    int hole = 0;
};
StrokeIndexCheck CheckStrokeIndexRow(const StrokeIndexTexts& texts);

// The file's lines as read, kept whole so that a save writes back every line
// it was not asked to change, broken ones included.
struct StrokeIndexFile {
    std::vector<std::string> lines;
    FileVersion version; // exists = false: no file
};

// Reads dir/strokeidx.vxc. A missing file gives no lines and no message; one
// that is there but cannot be read is an input/output error. Lines that are
// broken or whose values are not each of 1..18 once are told to the user
// once, as a list read in part is told.
StrokeIndexFile LoadStrokeIndexFile(const std::filesystem::path& dir, Notifier& notifier);

// The rows the handicap computations use: for each course name the first
// line that is not broken, when its values are each of 1..18 once.
StrokeIndexMap UsableStrokeIndexes(const std::vector<std::string>& lines);

// UsableStrokeIndexes of the lines LoadStrokeIndexFile reads, told to the
// user as it tells them, reading each line once.
StrokeIndexMap LoadUsableStrokeIndexes(const std::filesystem::path& dir, Notifier& notifier);

// The texts the course editor shows for a course: those of its first line
// that is not broken; all empty when it has none.
StrokeIndexTexts CourseStrokeIndexTexts(const std::vector<std::string>& lines,
                                        std::string_view course);

// Course maintenance's changes, made on the lines before they are saved with
// the course list. Setting a row replaces the course's line (the first one
// not broken) or adds one; setting none removes the course's lines. Lines
// that are broken are never touched.
void SetCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view course,
                            const std::optional<StrokeIndexRow>& row);
void RenameCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view from,
                               std::string_view to);
void DeleteCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view course);

// The file's lines as the store compares them, for a save that finds the
// file changed since it was read; a changed line keeps its course name.
extern const ListKind<std::string> StrokeIndexLinesKind;

// Replaces dir/strokeidx.vxc with the lines (CR LF), keeping the replaced
// version as a backup; throws InOutError with the file untouched.
void SaveStrokeIndexFile(const std::filesystem::path& dir, const std::vector<std::string>& lines);

} // namespace tb
