#pragma once
// The course handicap sheet: the golfer, the course with its rating, slope
// and par, the golfer's index and the course handicap and predicted score
// sentences, as the course handicap window shows them.

#include "../../data/Records.h"
#include "Report.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tb {

// The texts the course handicap window shows.
struct CourseHandicapSheet {
    std::string longName;          // the golfer's long name
    CourseSummary course;          // the course chosen
    std::string indexText;         // the index as shown, leading spaces included
    std::string handicapSentence;  // "Handicap for ... at this course is: ..."
    std::string predictedSentence; // "Predicted score for ... is: ..."
};

// The sheet's 11 lines; `today` as "mm/dd/yyyy" shows it.
Report CourseHandicapReport(const CourseHandicapSheet& sheet, const std::string& today);

// SHORT.vxh
std::string CourseHandicapFileName(std::string_view shortName);
// Builds the sheet and replaces dir/SHORT.vxh with it, whole or not at all.
// Throws InOutError.
void WriteCourseHandicap(const std::filesystem::path& dir, std::string_view shortName,
                         const CourseHandicapSheet& sheet, const std::string& today);
// What the user is told once the file is written.
std::string CourseHandicapCreatedMessage(std::string_view shortName);

} // namespace tb
