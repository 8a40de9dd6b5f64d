// tarnbeck-cli: look up golfers, courses, scores and indexes in a Tarnbeck
// data folder, follow a golfer's index over time, export rounds as CSV, and
// write its report files, without the windowed program. Texts are printed as
// the bytes the files hold, except in CSV, which is UTF-8.

#include "Cli.h"
#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/GolferFile.h"
#include "data/ScoreFile.h"
#include "data/ShortNames.h"
#include "handicap/HandicapIndex.h"
#include "handicap/ScoreListLine.h"
#include "tarnbeck/Version.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace tbcli {

const char* const Usage =
    "usage: tarnbeck-cli [--dir DIR] COMMAND [ARGS]\n"
    "       tarnbeck-cli --help | --version\n"
    "commands:\n"
    "  golfers        list the golfers: long name, short name, sex (0 male, 1 female)\n"
    "  courses        list the courses: name, rating, slope, par, the 18 hole pars\n"
    "  scores SHORT   a golfer's scores with the index, as the golfer scores form lists them\n"
    "  index SHORT    how a golfer's index is obtained\n"
    "  indexes        every golfer's index: short name, index, long name\n"
    "  progress SHORT a golfer's index after each date played: date, index\n"
    "  whs SHORT      a golfer's index under the World Handicap System, round by round:\n"
    "                 date, course, AGS, differential, exceptional, index, low index\n"
    "  export SHORT   a golfer's rounds as CSV, newest first\n"
    "  export --all   every golfer's rounds as CSV, with the golfer's long and short name\n"
    "report files, written into the data folder (--course NAME anywhere after the command):\n"
    "  history SHORT  a golfer's score history, SHORT.vxo\n"
    "  handicap-list --course NAME SHORT [SHORT ...]\n"
    "                 the golfers' course handicaps at the course NAME, hdcplist.vxo\n"
    "  course-handicap SHORT --course NAME\n"
    "                 a golfer's course handicap at the course NAME, SHORT.vxh\n"
    "backups of the data files (FILE: SHORT.vxp, golfers.vxc, courses.vxc, strokeidx.vxc):\n"
    "  backups FILE   the kept versions of FILE, newest first: identifier, time kept, size\n"
    "  restore FILE ID\n"
    "                 puts the version ID of FILE back, keeping the current one; refused\n"
    "                 (exit 4) while Tarnbeck runs on the data folder\n";

int UsageError(const std::string& problem) {
    if (!problem.empty()) std::cerr << "tarnbeck-cli: " << problem << '\n';
    std::cerr << Usage;
    return ExitUsage;
}

int Unknown(const std::string& what, const std::string& name) {
    std::cerr << "unknown " << what << ": " << name << '\n';
    return ExitUnknown;
}

tb::GolferList LoadSortedGolfers(Context& ctx) {
    tb::GolferList golfers;
    tb::LoadGolfers(ctx.dir, golfers, ctx.notifier);
    tb::SortGolfers(golfers);
    return golfers;
}

const tb::GolferRec* FindGolfer(const tb::GolferList& golfers, const std::string& shortName) {
    for (const tb::GolferRec& golfer : golfers)
        if (golfer.ShortName == shortName) return &golfer;
    return nullptr;
}

namespace {
// True, after telling `notifier`, when the golfer's short name cannot name a
// score file.
bool TellUnnamedScoreFile(const tb::GolferRec& golfer, tb::Notifier& notifier) {
    const bool damaged = !tb::IsPlainShortName(golfer.ShortName.str());
    if (damaged)
        notifier.Message("tarnbeck-cli: the short name \"" + tb::ShowNuls(golfer.ShortName.str()) +
                         "\" cannot name a score file in the data folder");
    return damaged;
}

// The golfer's scores in file order; true when the golfer's short name could
// not name a score file (told to `notifier`).
bool LoadScoresInFileOrder(const std::filesystem::path& dir, const tb::GolferRec& golfer,
                           tb::ScoreList& scores, tb::Notifier& notifier,
                           const tb::ScoreLoadVariant& variant, tb::ScoreLoadResult& result) {
    result = tb::LoadGolferScores(dir, golfer.ShortName.str(), scores, notifier, variant);
    return TellUnnamedScoreFile(golfer, notifier);
}
} // namespace

void LoadSortedScores(Context& ctx, const tb::GolferRec& golfer, tb::ScoreList& scores) {
    tb::ScoreLoadResult result;
    if (LoadScoresInFileOrder(ctx.dir, golfer, scores, ctx.notifier, tb::GolferScoresRead, result))
        ctx.damagedGolferList = true;
    tb::SortScores(scores);
}

bool LoadScoresAsRead(Context& ctx, const tb::GolferRec& golfer, tb::ScoreList& scores) {
    tb::ScoreLoadResult result;
    if (LoadScoresInFileOrder(ctx.dir, golfer, scores, ctx.notifier, tb::GolferScoresRead, result))
        ctx.damagedGolferList = true;
    return result.fileRead;
}

} // namespace tbcli

namespace {
namespace fs = std::filesystem;
using namespace tbcli;

tb::IndexInput InputFor(const tb::GolferRec& golfer) {
    return {std::to_string(golfer.Sex), golfer.LongName.str(), tb::IndexVariant::Standard};
}

int ListGolfers(Context& ctx) {
    for (const tb::GolferRec& golfer : LoadSortedGolfers(ctx))
        std::cout << golfer.LongName.str() << '\t' << golfer.ShortName.str() << '\t' << golfer.Sex
                  << '\n';
    return 0;
}

int ListCourses(Context& ctx) {
    tb::CourseList courses;
    tb::LoadCourseList(ctx.dir, courses, ctx.notifier);
    for (const tb::CourseRec& course : courses) {
        std::cout << course.Name.str() << '\t' << course.Rating.str() << '\t' << course.Slope.str()
                  << '\t' << course.ParTotal.str() << '\t';
        for (std::size_t i = 0; i < course.Par.size(); ++i)
            std::cout << (i ? " " : "") << course.Par[i].str();
        std::cout << '\n';
    }
    return 0;
}

int ShowScores(Context& ctx, const tb::GolferRec& golfer) {
    tb::ScoreList scores;
    LoadSortedScores(ctx, golfer, scores);
    tb::IndexResult result = tb::ComputeIndex(scores, InputFor(golfer));
    std::cout << "Scores for " << golfer.LongName.str() << '\n';
    std::cout << "Index: " << tb::FormatIndex(result.index, 5) << '\n';
    std::cout << tb::ScoreListHeader << '\n';
    for (std::size_t i = 0; i < scores.size(); ++i)
        std::cout << tb::ScoreListLine(scores[i], static_cast<int>(i) + 1, result.usedScores)
                  << '\n';
    std::cout << tb::ScoreListLegend << '\n';
    return 0;
}

int ShowIndex(Context& ctx, const tb::GolferRec& golfer) {
    tb::ScoreList scores;
    // Only what the index details read is taken from the file.
    const tb::ScoreLoadResult read =
        tb::LoadNewestScores(ctx.dir, golfer.ShortName.str(), scores, ctx.notifier,
                             tb::IndexDetailsRead, tb::RecentScoresExamined);
    if (TellUnnamedScoreFile(golfer, ctx.notifier)) ctx.damagedGolferList = true;
    tb::IndexInput input = InputFor(golfer);
    input.scoresOnFile = read.rounds;
    tb::IndexDetails details;
    tb::IndexResult result = tb::ComputeIndex(scores, input, &details);
    const int indexLine = result.used + 3; // the line after the empty one
    for (int line = 0; line <= indexLine; ++line)
        std::cout << details[line] << '\n';
    return 0;
}

// What one golfer gives the indexes command: its line, and the messages that
// come before it (or the error that ends the run there).
struct IndexLine {
    std::string line;
    std::string messages;
    bool damaged = false;
    std::exception_ptr error;
};

class BufferNotifier : public tb::Notifier {
public:
    explicit BufferNotifier(std::string& text) : text_(text) {}
    void Message(const std::string& text) override { text_ += text + '\n'; }

private:
    std::string& text_;
};

void ComputeIndexLine(const fs::path& dir, const tb::GolferRec& golfer, tb::ScoreList& scores,
                      IndexLine& result) {
    try {
        BufferNotifier notifier(result.messages);
        // Only what the index reads is taken from the files.
        tb::LoadNewestScores(dir, golfer.ShortName.str(), scores, notifier, tb::IndexFieldsRead,
                             tb::RecentScoresExamined);
        result.damaged = TellUnnamedScoreFile(golfer, notifier);
        const tb::IndexResult index = tb::ComputeIndex(scores, InputFor(golfer));
        result.line = golfer.ShortName.str() + '\t' + tb::FormatIndex(index.index, 5) + '\t' +
                      golfer.LongName.str() + '\n';
    } catch (...) {
        result.error = std::current_exception();
    }
}

int ListIndexes(Context& ctx) {
    const tb::GolferList golfers = LoadSortedGolfers(ctx);
    // The golfers are read and their indexes computed on every core; the
    // lines and messages are then printed in list order, as one by one.
    std::vector<IndexLine> results(golfers.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        tb::ScoreList scores;
        for (std::size_t i; (i = next++) < golfers.size();)
            ComputeIndexLine(ctx.dir, golfers[i], scores, results[i]);
    };
    const unsigned helpers = std::min(3u, std::max(1u, std::thread::hardware_concurrency()) - 1);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < helpers && golfers.size() > 1; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    for (const IndexLine& result : results) {
        std::cerr << result.messages;
        if (result.damaged) ctx.damagedGolferList = true;
        if (result.error) std::rethrow_exception(result.error);
        std::cout << result.line;
    }
    return 0;
}

int RunCommand(Context& ctx, int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t next = 0;
    if (next < args.size() && args[next] == "--dir") {
        if (next + 1 >= args.size()) return UsageError("--dir needs a folder");
        ctx.dir = args[next + 1];
        next += 2;
        // A folder that is not there would read as an empty club.
        std::error_code error;
        if (!fs::is_directory(ctx.dir, error))
            return UsageError("no such directory: " + ctx.dir.string());
    }
    if (next >= args.size()) return UsageError("");
    const std::string command = args[next++];
    const std::size_t argCount = args.size() - next;

    if (command == "--help" || command == "--version") {
        if (argCount != 0) return UsageError(command + " takes no arguments");
        if (command == "--help")
            std::cout << Usage;
        else
            std::cout << "tarnbeck-cli " << tb::Version << '\n';
        return 0;
    }

    if (command == "golfers" || command == "courses" || command == "indexes") {
        if (argCount != 0) return UsageError(command + " takes no arguments");
        if (command == "golfers") return ListGolfers(ctx);
        if (command == "courses") return ListCourses(ctx);
        return ListIndexes(ctx);
    }
    if (command == "scores" || command == "index") {
        if (argCount != 1) return UsageError(command + " takes one short name");
        const std::string shortName = args[next];
        tb::GolferList golfers = LoadSortedGolfers(ctx);
        const tb::GolferRec* golfer = FindGolfer(golfers, shortName);
        if (!golfer) return Unknown("golfer", shortName);
        return command == "scores" ? ShowScores(ctx, *golfer) : ShowIndex(ctx, *golfer);
    }
    if (IsProgressCommand(command))
        return RunProgressCommand(ctx, command,
                                  std::vector<std::string>(args.begin() + next, args.end()));
    if (IsBackupCommand(command))
        return RunBackupCommand(ctx, command,
                                std::vector<std::string>(args.begin() + next, args.end()));
    if (IsReportCommand(command))
        return RunReportCommand(ctx, command,
                                std::vector<std::string>(args.begin() + next, args.end()));
    return UsageError("unknown command: " + command);
}

int Run(int argc, char** argv) {
    Context ctx;
    int code = RunCommand(ctx, argc, argv);
    if (code == 0 && ctx.damagedGolferList) code = ExitInOutError;
    // Output that could not be written is no success.
    std::cout.flush();
    if (!std::cout) throw tb::InOutError("Unable to write the output");
    return code;
}
} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Whatever goes wrong ends in one line on stderr and exit 3, never in an
    // abort or a half-written listing reported as success.
    try {
        return Run(argc, argv);
    } catch (const tb::InOutError& error) {
        std::cerr << "tarnbeck-cli: " << error.Text() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "tarnbeck-cli: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "tarnbeck-cli: unexpected error\n";
    }
    return ExitInOutError;
}
