// The commands that follow a golfer over time: the index after each date
// played, the index under the World Handicap System round by round, and the
// rounds as CSV for a spreadsheet. All print on stdout.

#include "Cli.h"
#include "data/CourseFile.h"
#include "data/StrokeIndexFile.h"
#include "data/Text.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Progress.h"
#include "handicap/WhsIndex.h"
#include "print/core/CsvExport.h"

namespace tbcli {

namespace {

// Gives ExitUnknown (told on stderr) when there is no such golfer.
int FindOne(Context& ctx, const std::string& shortName, tb::GolferRec& golfer) {
    const tb::GolferList golfers = LoadSortedGolfers(ctx);
    const tb::GolferRec* found = FindGolfer(golfers, shortName);
    if (!found) return Unknown("golfer", shortName);
    golfer = *found;
    return 0;
}

int Progress(Context& ctx, const std::string& shortName) {
    tb::GolferRec golfer;
    if (int code = FindOne(ctx, shortName, golfer)) return code;
    tb::ScoreList scores;
    LoadSortedScores(ctx, golfer, scores);
    for (const tb::IndexPoint& point : tb::IndexHistory(scores, std::to_string(golfer.Sex)))
        std::cout << tb::DateForDisplay(point.date) << '\t' << tb::FormatIndex(point.index, 5)
                  << '\n';
    return 0;
}

// Rounds of one date count in the reverse of their order in the file, so the
// scores are taken as read. The course list and the stroke indexes are read
// once the score file was, whether or not a round needs them.
int Whs(Context& ctx, const std::string& shortName) {
    tb::GolferRec golfer;
    if (int code = FindOne(ctx, shortName, golfer)) return code;
    tb::ScoreList scores;
    if (!LoadScoresAsRead(ctx, golfer, scores)) return 0;
    tb::CourseList courses;
    tb::LoadCourseList(ctx.dir, courses, ctx.notifier);
    const tb::StrokeIndexMap strokeIndexes =
        tb::UsableStrokeIndexes(tb::LoadStrokeIndexFile(ctx.dir, ctx.notifier).lines);
    for (const tb::WhsRound& round : tb::ComputeWhsIndex(scores, courses, strokeIndexes).rounds)
        std::cout << tb::WhsLine(round) << '\n';
    return 0;
}

void PrintCsv(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::cout << line << "\r\n";
}

int ExportOne(Context& ctx, const std::string& shortName) {
    tb::GolferRec golfer;
    if (int code = FindOne(ctx, shortName, golfer)) return code;
    tb::ScoreList scores;
    LoadSortedScores(ctx, golfer, scores);
    PrintCsv(tb::GolferCsvLines(golfer, scores));
    return 0;
}

// One header, then every golfer's rounds in golfer list order.
int ExportAll(Context& ctx) {
    std::cout << tb::GolferCsvHeader(true) << "\r\n";
    tb::ScoreList scores;
    for (const tb::GolferRec& golfer : LoadSortedGolfers(ctx)) {
        LoadSortedScores(ctx, golfer, scores);
        PrintCsv(tb::GolferCsvRows(golfer, scores, true));
    }
    return 0;
}

} // namespace

bool IsProgressCommand(const std::string& command) {
    return command == "progress" || command == "whs" || command == "export";
}

int RunProgressCommand(Context& ctx, const std::string& command,
                       const std::vector<std::string>& words) {
    if (command == "progress" || command == "whs") {
        if (words.size() != 1) return UsageError(command + " takes one short name");
        return command == "progress" ? Progress(ctx, words[0]) : Whs(ctx, words[0]);
    }
    if (words.size() != 1) return UsageError("export takes one short name or --all");
    return words[0] == "--all" ? ExportAll(ctx) : ExportOne(ctx, words[0]);
}

} // namespace tbcli
