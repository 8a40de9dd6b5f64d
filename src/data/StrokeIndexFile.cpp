#include "StrokeIndexFile.h"

#include "Backups.h"
#include "Errors.h"
#include "Text.h"
#include "TextFile.h"

#include <algorithm>
#include <limits>
#include <set>

namespace tb {
namespace fs = std::filesystem;

namespace {
constexpr int FieldCount = 1 + StrokeIndexHoles;

std::string NoUseText(int count) {
    return std::string("The stroke index file \"") + StrokeIndexFileName + "\" holds " +
           std::to_string(count) + (count == 1 ? " line" : " lines") +
           " that cannot be used (each of 1 to 18 must be used once); they were skipped.";
}

// Whether the line is one of `course`'s lines that can be changed.
bool IsLineOf(const std::string& line, std::string_view course) {
    const std::optional<StrokeIndexLine> parsed = ParseStrokeIndexLine(line);
    return parsed && parsed->course == course;
}

StrokeIndexCheck HoleProblem(int hole, const std::string& what) {
    return {{}, "Stroke index for hole " + std::to_string(hole) + " " + what, hole};
}
} // namespace

std::optional<StrokeIndexLine> ParseStrokeIndexLine(std::string_view line) {
    const std::vector<std::string_view> fields = TildeFields(line, FieldCount);
    if (static_cast<int>(fields.size()) < FieldCount) return std::nullopt;
    StrokeIndexLine parsed;
    parsed.course = CutAtNul(fields[0]);
    for (std::size_t i = 1; i < fields.size(); ++i)
        parsed.values[i - 1] = CutAtNul(fields[i]);
    return parsed;
}

std::string FormatStrokeIndexLine(std::string_view course, const StrokeIndexRow& row) {
    std::string line = std::string(course) + "~";
    for (int value : row)
        line += std::to_string(value) + "~";
    return line;
}

namespace {
// The first way a line's values break the rule that each of 1 to 18 stands
// once, found hole by hole; `row` holds the values read.
struct RowBreak {
    enum class Kind { None, Missing, NotANumber, OutOfRange, Twice } kind = Kind::None;
    int hole = 0;  // where it shows
    int first = 0; // Twice: the hole that has the value first
};

// `textAt(hole)` gives the text of hole 1 to 18.
template <class TextAt> RowBreak FirstBreak(TextAt textAt, StrokeIndexRow& row) {
    using Kind = RowBreak::Kind;
    std::array<int, StrokeIndexHoles + 1> holeOf{}; // the hole that has each value
    for (int hole = 1; hole <= StrokeIndexHoles; ++hole) {
        const std::string_view text = textAt(hole);
        int& value = row[static_cast<std::size_t>(hole - 1)];
        if (text.empty()) return {Kind::Missing, hole};
        if (!TryStrToInt(text, value)) return {Kind::NotANumber, hole};
        if (value < 1 || value > StrokeIndexHoles) return {Kind::OutOfRange, hole};
        int& first = holeOf[static_cast<std::size_t>(value)];
        if (first != 0) return {Kind::Twice, hole, first};
        first = hole;
    }
    return {};
}
} // namespace

StrokeIndexCheck CheckStrokeIndexRow(const StrokeIndexTexts& texts) {
    const bool allEmpty = std::all_of(texts.begin(), texts.end(),
                                      [](const std::string& text) { return text.empty(); });
    if (allEmpty) return {};
    StrokeIndexRow row{};
    const RowBreak broken = FirstBreak(
        [&](int hole) -> std::string_view { return texts[static_cast<std::size_t>(hole - 1)]; },
        row);
    const auto hole = static_cast<std::size_t>(broken.hole - 1);
    switch (broken.kind) {
    case RowBreak::Kind::None:
        return {row, {}, 0};
    case RowBreak::Kind::Missing:
        return HoleProblem(broken.hole, "is missing; fill in all 18 holes or none.");
    case RowBreak::Kind::NotANumber:
        return HoleProblem(broken.hole, "is not a whole number: \"" + texts[hole] + "\".");
    case RowBreak::Kind::OutOfRange:
        return HoleProblem(broken.hole, "is " + std::to_string(row[hole]) +
                                            "; each of 1 to 18 must be used once.");
    case RowBreak::Kind::Twice:
        break;
    }
    return {{},
            "Stroke index " + std::to_string(row[hole]) +
                " is used twice; each of 1 to 18 must be used once.",
            broken.first};
}

namespace {
// The file's lines; none when there is no file.
StrokeIndexFile ReadStrokeIndexLines(const fs::path& dir) {
    StrokeIndexFile file;
    try {
        file.lines = ReadLinesWithVersion(dir / StrokeIndexFileName, &file.version);
    } catch (const InOutError& error) {
        if (!IsMissingFileError(error)) throw;
        return {};
    }
    return file;
}

void TellUnusable(int unusable, Notifier& notifier) {
    if (unusable > 0) notifier.PartlyRead(NoUseText(unusable));
}

// The usable rows of the lines, and how many lines cannot be used, from one
// reading of each line.
struct SortedOutLines {
    StrokeIndexMap usable;
    int unusable = 0;
};

// The row CheckStrokeIndexRow makes of the values of a line's `fields`, read
// in place; none where it gives none.
std::optional<StrokeIndexRow> UsableRow(const std::vector<std::string_view>& fields) {
    const bool allEmpty =
        std::all_of(fields.begin() + 1, fields.begin() + FieldCount,
                    [](std::string_view field) { return UpToNul(field).empty(); });
    if (allEmpty) return std::nullopt;
    StrokeIndexRow row{};
    const RowBreak broken =
        FirstBreak([&](int hole) { return UpToNul(fields[static_cast<std::size_t>(hole)]); }, row);
    if (broken.kind != RowBreak::Kind::None) return std::nullopt;
    return row;
}

// The same sorting as ParseStrokeIndexLine and CheckStrokeIndexRow give,
// on the lines' own text: only the usable rows' courses are copied.
SortedOutLines SortOutLines(const std::vector<std::string>& lines) {
    SortedOutLines sorted;
    std::set<std::string_view> seen;
    for (const std::string& line : lines) {
        const std::vector<std::string_view> fields = TildeFields(line, FieldCount);
        if (static_cast<int>(fields.size()) < FieldCount) {
            ++sorted.unusable;
            continue;
        }
        const std::string_view course = UpToNul(fields[0]);
        const std::optional<StrokeIndexRow> row = UsableRow(fields);
        if (!row) ++sorted.unusable;
        // A course's first line that is not broken is its line, usable or not.
        if (seen.insert(course).second && row) sorted.usable.emplace(course, *row);
    }
    return sorted;
}
} // namespace

StrokeIndexFile LoadStrokeIndexFile(const fs::path& dir, Notifier& notifier) {
    StrokeIndexFile file = ReadStrokeIndexLines(dir);
    TellUnusable(SortOutLines(file.lines).unusable, notifier);
    return file;
}

StrokeIndexMap UsableStrokeIndexes(const std::vector<std::string>& lines) {
    return SortOutLines(lines).usable;
}

StrokeIndexMap LoadUsableStrokeIndexes(const fs::path& dir, Notifier& notifier) {
    SortedOutLines sorted = SortOutLines(ReadStrokeIndexLines(dir).lines);
    TellUnusable(sorted.unusable, notifier);
    return std::move(sorted.usable);
}

StrokeIndexTexts CourseStrokeIndexTexts(const std::vector<std::string>& lines,
                                        std::string_view course) {
    for (const std::string& line : lines) {
        std::optional<StrokeIndexLine> parsed = ParseStrokeIndexLine(line);
        if (parsed && parsed->course == course) return parsed->values;
    }
    return {};
}

void SetCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view course,
                            const std::optional<StrokeIndexRow>& row) {
    if (!row) {
        DeleteCourseStrokeIndexes(lines, course);
        return;
    }
    const std::string line = FormatStrokeIndexLine(course, *row);
    auto own = std::find_if(lines.begin(), lines.end(),
                            [course](const std::string& text) { return IsLineOf(text, course); });
    if (own == lines.end())
        lines.push_back(line);
    else
        *own = line;
}

void RenameCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view from,
                               std::string_view to) {
    for (std::string& line : lines)
        if (IsLineOf(line, from)) line = std::string(to) + line.substr(line.find('~'));
}

void DeleteCourseStrokeIndexes(std::vector<std::string>& lines, std::string_view course) {
    std::erase_if(lines, [course](const std::string& line) { return IsLineOf(line, course); });
}

const ListKind<std::string> StrokeIndexLinesKind{
    [](const std::string& line) { return line; },
    [](const std::string& line) { return line.substr(0, line.find('~')); }, "stroke index line",
    "stroke index lines", std::numeric_limits<int>::max()};

void SaveStrokeIndexFile(const fs::path& dir, const std::vector<std::string>& lines) {
    KeepReplacedVersion keep(dir / StrokeIndexFileName, BackupFor::Save);
    SaveLines(dir / StrokeIndexFileName, lines, &keep);
}

} // namespace tb
