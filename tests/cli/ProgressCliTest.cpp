// tarnbeck-cli progress and export on a small hand-made club. The index
// after each date is worked out by hand; the CSV is read back by Python's
// csv module, as a spreadsheet or a script would read it.

#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using tbtest::CliRun;
using tbtest::RunIn;
using Rows = std::vector<std::vector<std::string>>;

// A score file line: 18 holes of 5 and 18 putts of 2.
std::string Round(const std::string& date, const std::string& score, const std::string& rating,
                  const std::string& comment = "") {
    std::string line = date + "~OAK HOLLOW~" + score + "~" + rating + "~113~" + comment + "~";
    for (int i = 0; i < 36; ++i)
        line += i < 18 ? "5~" : "2~";
    return line + score + "~";
}

// Latin-1, as the files hold it: a comma, quotes, e acute and a grave.
const std::string Comment = "Windy, \"very\" d\xE9j\xE0 vu";

// Differentials (slope 113): 20, 18, 16, then 14 and 12 on one day, an
// incomplete round, and 11 with the comment. Newest first, as saved.
void WriteClub(const tbtest::TempDir& dir) {
    dir.Write("golfers.vxc", "Smith, John~SMITH~0~\r\nJones, Mary~JONES~1~\r\n"
                             "Nofile, Ned~NOFILE~0~\r\n");
    std::string lines;
    for (const std::string& line :
         {Round("19980706", "81", "70.0", Comment), Round("19980629", "80", "0.0"),
          Round("19980622", "84", "70.0"), Round("19980622", "82", "70.0"),
          Round("19980615", "86", "70.0"), Round("19980608", "88", "70.0"),
          Round("980601", "90", "70.0")})
        lines += line + "\r\n";
    dir.Write("SMITH.vxp", lines);
    dir.Write("JONES.vxp", "");
}

TEST(CliProgress, IndexAfterEachDate) {
    tbtest::TempDir dir;
    WriteClub(dir);
    CliRun run = RunIn(dir, {"progress", "SMITH"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "06/01/1998\t 36.4\n"
                       "06/08/1998\t 36.4\n"
                       "06/15/1998\t 36.4\n"
                       "06/22/1998\t 11.5\n" // five rounds: 12 x 0.96
                       "06/29/1998\t 11.5\n" // incomplete
                       "07/06/1998\t 10.6\n");
    EXPECT_NE(RunIn(dir, {"scores", "SMITH"}).out.find("\nIndex:  10.6\n"), std::string::npos);
}

// The pieces of `text` between the separators.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces{""};
    for (char c : text)
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    return pieces;
}

// The file's rows as Python's csv module reads them (UTF-8, strict).
Rows ReadCsv(const tbtest::TempDir& dir, const std::string& csv) {
    dir.Write("export.csv", csv);
    dir.Write("read.py", "import csv, sys\n"
                         "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                         "    for row in csv.reader(f, strict=True):\n"
                         "        print('\\x1f'.join(row))\n");
    const std::string command = "PYTHONIOENCODING=utf-8 python3 " + (dir / "read.py").string() +
                                " " + (dir / "export.csv").string();
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(c);
    EXPECT_TRUE(pipe && ::pclose(pipe) == 0) << "python3 could not read the CSV";
    Rows rows;
    std::vector<std::string> lines = Split(out, '\n');
    lines.pop_back(); // after the last line end
    for (const std::string& line : lines)
        rows.push_back(Split(line, '\x1f'));
    return rows;
}

std::vector<std::string> Row(const std::string& date, const std::string& score,
                             const std::string& rating, const std::string& differential,
                             const std::string& used, const std::string& incomplete,
                             const std::string& comment = "") {
    std::vector<std::string> row = {date,         score, score,      rating, "113",
                                    differential, used,  incomplete, comment};
    row.insert(row.begin() + 1, "OAK HOLLOW");
    row.insert(row.end(), 18, "5");
    row.insert(row.end(), 18, "2");
    return row;
}

const Rows SmithRows = {
    Row("1998-07-06", "81", "70.0", "11.0", "1", "0", "Windy, \"very\" d\xC3\xA9j\xC3\xA0 vu"),
    Row("1998-06-29", "80", "0.0", "0.0", "0", "1"),
    Row("1998-06-22", "84", "70.0", "14.0", "0", "0"),
    Row("1998-06-22", "82", "70.0", "12.0", "0", "0"),
    Row("1998-06-15", "86", "70.0", "16.0", "0", "0"),
    Row("1998-06-08", "88", "70.0", "18.0", "0", "0"),
    Row("1998-06-01", "90", "70.0", "20.0", "0", "0"),
};

bool CrLfLines(const std::string& text) {
    for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1))
        if (lf == 0 || text[lf - 1] != '\r') return false;
    return true;
}

const std::string Missing = "Error: Golfer score file \"NOFILE.vxp\" not found.\n";

TEST(CliProgress, ExportReadBackByACsvParser) {
    tbtest::TempDir dir;
    WriteClub(dir);
    for (const std::string which : {"SMITH", "--all"}) {
        SCOPED_TRACE(which);
        const bool all = which == "--all";
        CliRun run = RunIn(dir, {"export", which});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, all ? Missing : ""); // JONES has no rounds, NOFILE no file
        EXPECT_TRUE(CrLfLines(run.out));
        Rows expected = SmithRows;
        for (auto& row : expected)
            if (all) row.insert(row.begin(), {"Smith, John", "SMITH"});
        const Rows rows = ReadCsv(dir, run.out);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0].size(), all ? 48u : 46u);
        EXPECT_EQ(rows[0][all ? 2 : 0], "date");
        EXPECT_EQ(Rows(rows.begin() + 1, rows.end()), expected);
    }
}

TEST(CliProgress, UnknownGolferMissingFileAndUsage) {
    const struct {
        std::vector<std::string> args;
        int code;
        std::string out, err; // err "" for usage errors: they show the usage text
    } cases[] = {
        {{"progress", "NOBODY"}, 1, "", "unknown golfer: NOBODY\n"},
        {{"export", "NOBODY"}, 1, "", "unknown golfer: NOBODY\n"},
        {{"progress", "NOFILE"}, 0, "", Missing},
        {{"whs", "NOBODY"}, 1, "", "unknown golfer: NOBODY\n"},
        {{"whs", "NOFILE"}, 0, "", Missing}, // no course list read: no message of it
        {{"whs"}, 2, "", ""},
        {{"progress", "JONES"}, 0, "", ""},
        {{"progress"}, 2, "", ""},
        {{"export"}, 2, "", ""},
        {{"export", "--all", "SMITH"}, 2, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        tbtest::TempDir dir;
        WriteClub(dir);
        CliRun run = RunIn(dir, c.args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.out, c.out);
        if (c.code == 2)
            EXPECT_NE(run.err.find("usage: tarnbeck-cli"), std::string::npos) << run.err;
        else
            EXPECT_EQ(run.err, c.err);
    }
    // A golfer without scores is an empty table: the header alone.
    tbtest::TempDir dir;
    WriteClub(dir);
    CliRun run = RunIn(dir, {"export", "NOFILE"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, Missing);
    EXPECT_EQ(ReadCsv(dir, run.out).size(), 1u);
}

// A round of OAK HOLLOW's format: the first hole `first`, the others `rest`
// (0: typed as a total), the AGS stored as the score.
std::string WhsRound(const std::string& date, const std::string& course, int first, int rest,
                     int score) {
    std::string line = date + "~" + course + "~" + std::to_string(score) + "~70.0~113~~";
    for (int hole = 0; hole < 36; ++hole)
        line += std::to_string(hole == 0 ? first : hole < 18 ? rest : 2) + "~";
    return line + std::to_string(score) + "~\r\n";
}

// Par 4 everywhere; stroke indexes 1 to 18 at OAK HOLLOW, none at NO SI. A
// blown first hole counts par + 5 before an index, then par + 2 + 1 stroke.
TEST(CliProgress, WhsIndexRoundByRound) {
    tbtest::TempDir dir;
    WriteClub(dir);
    const std::string fours = "4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~";
    dir.Write("courses.vxc", "OAK HOLLOW~70.0~113~72~" + fours + "\r\nNO SI~70.0~113~72~" + fours);
    dir.Write("strokeidx.vxc",
              "BROKEN~1~2~\r\nOAK HOLLOW~1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\r\n");
    dir.Write("SMITH.vxp", WhsRound("20240230", "OAK HOLLOW", 5, 5, 90) +
                               WhsRound("20240104", "NO SI", 12, 5, 97) +
                               WhsRound("20240103", "OAK HOLLOW", 12, 5, 97) +
                               WhsRound("20240102", "OAK HOLLOW", 0, 0, 88) +
                               WhsRound("20240102", "OAK HOLLOW", 5, 5, 90) +
                               WhsRound("20240101", "OAK HOLLOW", 12, 5, 97));
    CliRun run = RunIn(dir, {"whs", "SMITH"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "The stroke index file \"strokeidx.vxc\" holds 1 line that cannot be used "
                       "(each of 1 to 18 must be used once); they were skipped.\n");
    EXPECT_EQ(run.out, "01/01/2024\tOAK HOLLOW\t94\t24.0\t0.0\t-\t-\n"
                       "01/02/2024\tOAK HOLLOW\t90\t20.0\t0.0\t-\t-\n"
                       "01/02/2024\tOAK HOLLOW\t88\t18.0\t0.0\t16.0\t-\n"
                       "01/03/2024\tOAK HOLLOW\t92\t22.0\t0.0\t17.0\t-\n"
                       "01/04/2024\tNO SI\t97\t27.0\t0.0\t18.0\t-\n");
    // A stroke-index file that cannot be read is an input/output error.
    std::filesystem::remove(dir / "strokeidx.vxc");
    std::filesystem::create_directory(dir / "strokeidx.vxc");
    run = RunIn(dir, {"whs", "SMITH"});
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.out, "");
}

} // namespace
