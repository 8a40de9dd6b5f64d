// The report commands: each writes the same file as the windowed program's
// File answer, and only once every golfer, course and score file it needs
// has been found and read.

#include "Cli.h"
#include "data/CourseFile.h"
#include "data/Text.h"
#include "handicap/CourseHandicap.h"
#include "handicap/HandicapIndex.h"
#include "print/core/CourseHandicapSheet.h"
#include "print/core/HandicapReports.h"
#include "print/core/ScoreHistory.h"

#include <optional>

namespace tbcli {

namespace {

// The words after a report command: the course of "--course NAME", which
// may stand anywhere among them, and the short names, in order.
struct ReportArgs {
    std::optional<std::string> course;
    std::vector<std::string> shortNames;
};

// False for a "--course" without its name, or a second one.
bool ParseReportArgs(const std::vector<std::string>& words, ReportArgs& parsed) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--course") {
            parsed.shortNames.push_back(words[i]);
            continue;
        }
        if (parsed.course || i + 1 >= words.size()) return false;
        parsed.course = words[++i];
    }
    return true;
}

// The first course in list order with exactly this name, or null.
const tb::CourseSummary* FindCourse(const tb::CourseSummaryList& courses, const std::string& name) {
    for (const tb::CourseSummary& course : courses)
        if (course.Name == name) return &course;
    return nullptr;
}

int Created(const std::string& message) {
    std::cout << message << '\n';
    return 0;
}

int History(Context& ctx, const ReportArgs& args) {
    if (args.course || args.shortNames.size() != 1)
        return UsageError("history takes one short name");
    const tb::GolferList golfers = LoadSortedGolfers(ctx);
    const tb::GolferRec* golfer = FindGolfer(golfers, args.shortNames[0]);
    if (!golfer) return Unknown("golfer", args.shortNames[0]);
    tb::ScoreList scores = tb::LoadHistoryScores(ctx.dir, *golfer, ctx.notifier);
    tb::WriteScoreHistory(ctx.dir, *golfer, scores);
    return Created(tb::ScoreHistoryCreatedMessage(golfer->ShortName.str()));
}

int HandicapList(Context& ctx, const ReportArgs& args) {
    if (!args.course || args.shortNames.empty())
        return UsageError("handicap-list takes --course NAME and one short name or more");
    tb::CourseSummaryList courses;
    tb::LoadCourseSummaries(ctx.dir, courses, ctx.notifier);
    const tb::CourseSummary* course = FindCourse(courses, *args.course);
    if (!course) return Unknown("course", *args.course);
    const tb::GolferList golfers = LoadSortedGolfers(ctx);
    std::vector<tb::GolferRec> chosen;
    for (const std::string& shortName : args.shortNames) {
        const tb::GolferRec* golfer = FindGolfer(golfers, shortName);
        if (!golfer) return Unknown("golfer", shortName);
        chosen.push_back(*golfer);
    }
    const auto handicaps = tb::ReadGolferHandicaps(ctx.dir, chosen, ctx.notifier);
    tb::WriteHandicapList(ctx.dir, *course, handicaps, tb::TodayForDisplay());
    return Created(tb::HandicapListCreatedMessage);
}

// The sheet as the course handicap window shows it when the golfer list
// opened it: the index at least 4 wide, the sentences from the index.
tb::CourseHandicapSheet SheetFor(const tb::GolferRec& golfer, const tb::CourseSummary& course,
                                 tb::Extended index) {
    const std::string& longName = golfer.LongName.str();
    const tb::CourseHandicapResult result =
        tb::StoredCourseHandicap(index, course.Slope, course.ParTotal);
    return {longName, course, tb::FormatIndex(index, 4),
            tb::HandicapSentence(longName, result.handicap),
            tb::PredictedScoreSentence(longName, result.predicted)};
}

int CourseHandicap(Context& ctx, const ReportArgs& args) {
    if (!args.course || args.shortNames.size() != 1)
        return UsageError("course-handicap takes one short name and --course NAME");
    const tb::GolferList golfers = LoadSortedGolfers(ctx);
    const tb::GolferRec* golfer = FindGolfer(golfers, args.shortNames[0]);
    if (!golfer) return Unknown("golfer", args.shortNames[0]);
    // The scores before the course list, whose reading may rename the
    // starter list: a golfer without a score file changes nothing.
    tb::ScoreList scores = tb::LoadHistoryScores(ctx.dir, *golfer, ctx.notifier);
    const tb::IndexResult index = tb::ComputeIndex(
        scores, {std::to_string(golfer->Sex), golfer->LongName.str(), tb::IndexVariant::Hub});
    tb::CourseSummaryList courses;
    tb::LoadCourseSummaries(ctx.dir, courses, ctx.notifier);
    const tb::CourseSummary* course = FindCourse(courses, *args.course);
    if (!course) return Unknown("course", *args.course);
    tb::WriteCourseHandicap(ctx.dir, golfer->ShortName.str(),
                            SheetFor(*golfer, *course, index.index), tb::TodayForDisplay());
    return Created(tb::CourseHandicapCreatedMessage(golfer->ShortName.str()));
}

} // namespace

bool IsReportCommand(const std::string& command) {
    return command == "history" || command == "handicap-list" || command == "course-handicap";
}

int RunReportCommand(Context& ctx, const std::string& command,
                     const std::vector<std::string>& words) {
    ReportArgs args;
    if (!ParseReportArgs(words, args))
        return UsageError("--course needs a course name and is given once");
    if (command == "history") return History(ctx, args);
    if (command == "handicap-list") return HandicapList(ctx, args);
    return CourseHandicap(ctx, args);
}

} // namespace tbcli
