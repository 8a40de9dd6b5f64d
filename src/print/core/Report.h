#pragma once
// A report as the lines it is made of, in order: the same lines go to the
// printer, which places them, and to a text file, which gets their texts.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// A line placed on the line below the previous one.
inline constexpr float NextLine = -1;

struct ReportLine {
    std::string text;
    // Inches from the top of the paper for a line placed there, or NextLine.
    // Every line starts at the left margin.
    float absoluteY = NextLine;

    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

using Report = std::vector<ReportLine>;

// Where the first line of every report is placed.
inline constexpr float ReportTop = 1.0f;

// The texts of the lines, as a report file holds them.
std::vector<std::string> ReportTexts(const Report& report);

// Replaces `file` with the report's texts, each ended by CR LF, through the
// safe save: the file is written whole or left as it was. Throws InOutError.
void SaveReport(const std::filesystem::path& file, const Report& report);

// dir/SHORT followed by `extension`, the report file of a golfer. A short
// name that is not a plain file name (IsPlainShortName) names no file:
// InOutError "File not found".
std::filesystem::path GolferReportFile(const std::filesystem::path& dir, std::string_view shortName,
                                       std::string_view extension);

// Appends lines placed on the next line.
void AddLines(Report& report, const std::vector<std::string>& texts);

} // namespace tb
