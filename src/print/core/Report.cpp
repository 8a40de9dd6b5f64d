#include "Report.h"

#include "../../data/Errors.h"
#include "../../data/ShortNames.h"
#include "../../data/TextFile.h"

#include <cerrno>

namespace tb {

std::vector<std::string> ReportTexts(const Report& report) {
    std::vector<std::string> texts;
    texts.reserve(report.size());
    for (const ReportLine& line : report)
        texts.push_back(line.text);
    return texts;
}

void SaveReport(const std::filesystem::path& file, const Report& report) {
    SaveLines(file, ReportTexts(report));
}

std::filesystem::path GolferReportFile(const std::filesystem::path& dir, std::string_view shortName,
                                       std::string_view extension) {
    std::string name(shortName);
    name += extension;
    if (!IsPlainShortName(shortName)) ThrowIoError(ENOENT, name);
    return dir / name;
}

void AddLines(Report& report, const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        report.push_back({text});
}

} // namespace tb
