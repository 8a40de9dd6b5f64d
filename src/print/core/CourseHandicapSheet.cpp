#include "CourseHandicapSheet.h"

#include "../../data/Text.h"

namespace tb {

namespace {
constexpr const char* Extension = ".vxh";

// A label and its value, the line cut to `most` characters.
std::string Labelled(const std::string& label, const std::string& value, int most) {
    return Copy(label + value, 1, most);
}
} // namespace

Report CourseHandicapReport(const CourseHandicapSheet& sheet, const std::string& today) {
    const CourseSummary& course = sheet.course;
    Report report{{"TARNBECK COURSE HANDICAP AS OF:  " + today, ReportTop}};
    AddLines(report,
             {"FOR:  " + CutAtNul(sheet.longName), "AT:   " + CutAtNul(course.Name.str()), "",
              Labelled("Course Rating: ", course.Rating, 20),
              Labelled("Slope Rating:  ", course.Slope, 19),
              Labelled("Par:           ", course.ParTotal, 18), "Index:         " + sheet.indexText,
              "", sheet.handicapSentence, sheet.predictedSentence});
    return report;
}

std::string CourseHandicapFileName(std::string_view shortName) {
    return std::string(shortName) + Extension;
}

void WriteCourseHandicap(const std::filesystem::path& dir, std::string_view shortName,
                         const CourseHandicapSheet& sheet, const std::string& today) {
    SaveReport(GolferReportFile(dir, shortName, Extension), CourseHandicapReport(sheet, today));
}

std::string CourseHandicapCreatedMessage(std::string_view shortName) {
    return "Handicap file \"" + CourseHandicapFileName(shortName) + "\" created.";
}

} // namespace tb
