#pragma once
// The course list "courses.vxc": one line per course, 22 fields each ended by
// "~": Name, Rating, Slope, ParTotal, then the 18 hole pars.

#include "Notifier.h"
#include "Records.h"
#include "Store.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

inline constexpr const char* CourseFileName = "courses.vxc";
inline constexpr const char* SampleCourseFileName = "sample.vxc";

// What a slot holds before its line is read.
enum class CourseSlotFill {
    Placeholders, // ClearCourse: thirty X, "XXXX", "XXX", pars "0", total "00"
    ScoreForm,    // the score form's: empty name, "0.0", "0", empty pars and total
    Summary,      // the summary reading's: thirty X, "00.0", "000", total "00"
};

void ClearCourse(CourseRec& course, CourseSlotFill fill = CourseSlotFill::Placeholders);

CourseRec ParseCourseLine(std::string_view line,
                          CourseSlotFill fill = CourseSlotFill::Placeholders);
std::string FormatCourseLine(const CourseRec& course);

// Fills `list` from dir/courses.vxc and sorts it. When the file is missing,
// dir/sample.vxc is renamed to it first; if that fails the user is told
// "Error renaming sample courses file!" and the list stays empty. Gives the
// number of lines past the first MaxCourses, which are not read (the user is
// told of them). `version`, when given, is set to what was read.
int LoadCourseList(const std::filesystem::path& dir, CourseList& list, Notifier& notifier,
                   CourseSlotFill fill = CourseSlotFill::Placeholders,
                   FileVersion* version = nullptr);
void SortCourseList(CourseList& list);
// A new data folder (neither dir/courses.vxc nor dir/sample.vxc) gets the
// starter course list `starter` as dir/sample.vxc, which the first reading
// of the course list makes its course list. Throws InOutError when it
// cannot be written.
void PlaceStarterCourses(const std::filesystem::path& dir, std::string_view starter);
// The course list as the store compares it; a changed course keeps its name.
extern const ListKind<CourseRec> CoursesKind;
// Replaces dir/courses.vxc with the list; throws InOutError, file untouched.
// Given `strokeIndexLines`, dir/strokeidx.vxc is replaced with them in the
// same save: once the new course list is safely written beside the old one,
// just before it replaces it. A failure of either leaves both files as they
// were: when the course list then cannot replace its old version, the stroke
// index file is put back as it was (and the error says so if it cannot be).
void SaveCourseList(const std::filesystem::path& dir, const CourseList& list,
                    const std::vector<std::string>* strokeIndexLines = nullptr);

void LoadCourseSummaries(const std::filesystem::path& dir, CourseSummaryList& list,
                         Notifier& notifier);

} // namespace tb
