// A course list of any bytes: the full reading comes sorted by name, the
// summary reading agrees with it field by field (only the placeholders of a
// line's missing rating or slope differ), and a save followed by a load gives
// the same records (a field read holds no "~", line end or NUL and is no
// wider than the reader keeps; a sorted list stays as it is when sorted).

#include "FuzzSupport.h"
#include "data/CourseFile.h"

#include <algorithm>

namespace {
namespace fs = std::filesystem;

void CheckSortedByName(const tb::CourseList& courses) {
    FUZZ_CHECK(std::is_sorted(courses.begin(), courses.end(),
                              [](const tb::CourseRec& a, const tb::CourseRec& b) {
                                  return a.Name.str() < b.Name.str();
                              }));
}

// The summary reading sorts by the same names from the same order, so its
// courses stand in the same places.
void CheckSummaries(const fs::path& folder, const tb::CourseList& courses) {
    tb::CourseSummaryList summaries;
    tbfuzz::QuietNotifier notifier;
    tb::LoadCourseSummaries(folder, summaries, notifier);
    FUZZ_CHECK(summaries.size() == courses.size());
    for (std::size_t i = 0; i < courses.size(); ++i) {
        const tb::CourseRec& course = courses[i];
        const tb::CourseSummary& summary = summaries[i];
        FUZZ_CHECK(summary.Name == course.Name);
        FUZZ_CHECK(summary.ParTotal == course.ParTotal);
        FUZZ_CHECK(summary.Rating == course.Rating ||
                   (course.Rating == "XXXX" && summary.Rating == "00.0"));
        FUZZ_CHECK(summary.Slope == course.Slope ||
                   (course.Slope == "XXX" && summary.Slope == "000"));
    }
}

void CheckSaveAndLoad(const fs::path& folder, const tb::CourseList& courses) {
    tb::SaveCourseList(folder, courses);
    tb::CourseList loaded;
    tbfuzz::QuietNotifier notifier;
    tb::LoadCourseList(folder, loaded, notifier);
    FUZZ_CHECK(loaded == courses);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& folder = tbfuzz::ScratchFolder();
    tbfuzz::WriteFile(folder / tb::CourseFileName, tbfuzz::AsText(data, size));
    tb::CourseList courses;
    tbfuzz::QuietNotifier notifier;
    tb::LoadCourseList(folder, courses, notifier);
    FUZZ_CHECK(courses.size() <= tb::MaxCourses);
    CheckSortedByName(courses);
    CheckSummaries(folder, courses);
    CheckSaveAndLoad(folder, courses);
    return 0;
}
