#include "CourseFile.h"

#include "Backups.h"
#include "Errors.h"
#include "StrokeIndexFile.h"
#include "Text.h"
#include "TextFile.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>

namespace tb {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t MaxCourseLine = 120;
constexpr int FieldCount = 22;

// Characters kept from the file for field n (1-based, file order).
std::size_t ReadWidth(int field) {
    switch (field) {
    case 1:
        return 30;
    case 2:
        return 4;
    case 3:
        return 3;
    case 4:
        return 2;
    default:
        return 1; // hole pars
    }
}

void SetField(CourseRec& course, int field, std::string_view value) {
    switch (field) {
    case 1:
        course.Name = value;
        break;
    case 2:
        course.Rating = value;
        break;
    case 3:
        course.Slope = value;
        break;
    case 4:
        course.ParTotal = value;
        break;
    default:
        course.Par[field - 5] = value;
    }
}

// The course file to read: courses.vxc, renamed from sample.vxc when missing.
// Empty when neither can be had (the user has been told).
bool PrepareCourseFile(const fs::path& dir, Notifier& notifier) {
    fs::path courses = dir / CourseFileName;
    if (FileExists(courses)) return true;
    fs::path sample = dir / SampleCourseFileName;
    if (!FileExists(sample) || std::rename(sample.c_str(), courses.c_str()) != 0) {
        notifier.Message("Error renaming sample courses file!");
        return false;
    }
    return true;
}

int ReadCourses(const fs::path& dir, CourseList& list, Notifier& notifier, CourseSlotFill fill,
                FileVersion* version) {
    list.clear();
    list.reserve(MaxCourses);
    if (version) *version = {};
    if (!PrepareCourseFile(dir, notifier)) return 0;
    const std::string content = ReadFileBytes(dir / CourseFileName);
    if (version) *version = VersionOfBytes(content);
    const std::vector<std::string_view> lines = SplitLines(content);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(MaxCourses));
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(ParseCourseLine(lines[i], fill));
    const int unread = static_cast<int>(lines.size() - count);
    if (unread > 0)
        notifier.PartlyRead(std::string("The course file \"") + CourseFileName +
                            "\" holds more than " + std::to_string(MaxCourses) +
                            " courses; only the first " + std::to_string(MaxCourses) +
                            " were read.");
    return unread;
}
} // namespace

void ClearCourse(CourseRec& course, CourseSlotFill fill) {
    switch (fill) {
    case CourseSlotFill::Placeholders:
    case CourseSlotFill::Summary:
        course.Name = std::string(30, 'X');
        course.Rating = fill == CourseSlotFill::Summary ? "00.0" : "XXXX";
        course.Slope = fill == CourseSlotFill::Summary ? "000" : "XXX";
        for (auto& par : course.Par)
            par = "0";
        course.ParTotal = "00";
        break;
    case CourseSlotFill::ScoreForm:
        course.Name = "";
        course.Rating = "0.0";
        course.Slope = "0";
        for (auto& par : course.Par)
            par = "";
        course.ParTotal = "";
        break;
    }
}

CourseRec ParseCourseLine(std::string_view line, CourseSlotFill fill) {
    CourseRec course;
    ClearCourse(course, fill);
    if (line.size() > MaxCourseLine) line = line.substr(0, MaxCourseLine);
    const std::vector<std::string_view> fields = TildeFields(line, FieldCount);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int field = static_cast<int>(i) + 1;
        SetField(course, field, UpToNul(fields[i].substr(0, ReadWidth(field))));
    }
    return course;
}

std::string FormatCourseLine(const CourseRec& course) {
    std::string line = course.Name.str() + "~" + course.Rating.str() + "~" + course.Slope.str() +
                       "~" + course.ParTotal.str() + "~";
    for (const auto& par : course.Par)
        line += par.str() + "~";
    return line;
}

void PlaceStarterCourses(const fs::path& dir, std::string_view starter) {
    if (FileExists(dir / CourseFileName) || FileExists(dir / SampleCourseFileName)) return;
    SaveBytes(dir / SampleCourseFileName, starter);
}

int LoadCourseList(const fs::path& dir, CourseList& list, Notifier& notifier, CourseSlotFill fill,
                   FileVersion* version) {
    const int unread = ReadCourses(dir, list, notifier, fill, version);
    SortCourseList(list);
    return unread;
}

const ListKind<CourseRec> CoursesKind{FormatCourseLine,
                                      [](const CourseRec& course) { return course.Name.str(); },
                                      "course", "courses", MaxCourses};

void SortCourseList(CourseList& list) {
    // The exchanges the list has always been sorted by, so that courses of
    // one name keep the order they have always had. They are made on each
    // course's rank among the names (equal names, equal ranks), so that each
    // step compares two numbers rather than two names, and on positions, so
    // that each record moves once rather than at every exchange.
    const std::size_t count = list.size();
    std::vector<std::size_t> byName(count);
    std::iota(byName.begin(), byName.end(), std::size_t{0});
    std::sort(byName.begin(), byName.end(), [&](std::size_t a, std::size_t b) {
        return list[a].Name.str() < list[b].Name.str();
    });
    // (rank, position in the list as read), one for each place.
    std::vector<std::pair<std::size_t, std::size_t>> at(count);
    for (std::size_t k = 0, rank = 0; k < count; ++k) {
        if (k > 0 && list[byName[k]].Name.str() != list[byName[k - 1]].Name.str()) ++rank;
        at[byName[k]] = {rank, byName[k]};
    }
    for (std::size_t i = count; i >= 2; --i)
        for (std::size_t j = i - 1; j >= 1; --j)
            if (at[i - 1].first < at[j - 1].first) std::swap(at[i - 1], at[j - 1]);
    CourseList sorted;
    sorted.reserve(count);
    for (const auto& [rank, from] : at)
        sorted.push_back(std::move(list[from]));
    list = std::move(sorted);
}

namespace {
std::optional<std::string> BytesIfThere(const fs::path& file) {
    if (!FileExists(file)) return std::nullopt;
    return ReadFileBytes(file);
}

// The course list's replaced version, kept as every save keeps it, with the
// stroke index file saved in the same step.
class WithStrokeIndexes : public ReplacedVersion {
public:
    WithStrokeIndexes(const fs::path& dir, const std::vector<std::string>& lines)
        : dir_(dir), lines_(lines), courses_(dir / CourseFileName, BackupFor::Save),
          before_(BytesIfThere(dir / StrokeIndexFileName)) {}

    void Keep() override {
        courses_.Keep();
        try {
            SaveStrokeIndexFile(dir_, lines_);
        } catch (...) {
            courses_.Undo();
            throw;
        }
        saved_ = true;
    }
    void Undo() override {
        courses_.Undo();
        if (saved_) leftNew_ = !PutBack();
    }
    void Done() override { courses_.Done(); }
    // The stroke index file holds the new lines while the course list does not.
    bool LeftNew() const { return leftNew_; }

private:
    bool PutBack() {
        const fs::path file = dir_ / StrokeIndexFileName;
        try {
            if (before_) {
                SaveBytes(file, *before_);
                return true;
            }
            std::error_code ec;
            return fs::remove(file, ec);
        } catch (const InOutError&) {
            return false;
        }
    }

    fs::path dir_;
    const std::vector<std::string>& lines_;
    KeepReplacedVersion courses_;
    std::optional<std::string> before_; // the stroke index file's bytes, when it was there
    bool saved_ = false;
    bool leftNew_ = false;
};
} // namespace

void SaveCourseList(const fs::path& dir, const CourseList& list,
                    const std::vector<std::string>* strokeIndexLines) {
    std::vector<std::string> lines;
    lines.reserve(list.size());
    for (const CourseRec& course : list)
        lines.push_back(FormatCourseLine(course));
    if (!strokeIndexLines) {
        KeepReplacedVersion keep(dir / CourseFileName, BackupFor::Save);
        SaveLines(dir / CourseFileName, lines, &keep);
        return;
    }
    WithStrokeIndexes keep(dir, *strokeIndexLines);
    try {
        SaveLines(dir / CourseFileName, lines, &keep);
    } catch (const InOutError& error) {
        if (!keep.LeftNew()) throw;
        throw InOutError(error.Text() + "\n" + StrokeIndexFileName +
                             " holds the new stroke indexes; the course list was not saved.",
                         error.ErrnoValue(), error.File());
    }
}

void LoadCourseSummaries(const fs::path& dir, CourseSummaryList& list, Notifier& notifier) {
    CourseList courses;
    LoadCourseList(dir, courses, notifier, CourseSlotFill::Summary);
    list.clear();
    list.reserve(courses.size());
    for (const CourseRec& course : courses)
        list.push_back({course.Name, course.Rating, course.Slope, course.ParTotal});
}

} // namespace tb
