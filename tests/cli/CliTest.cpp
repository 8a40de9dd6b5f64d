// tarnbeck-cli run as a separate process on small hand-made data folders.
// Every expected line below is worked out by hand from the file layouts and
// the handicap rules, not produced by the library.

#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using tbtest::CliRun;
using tbtest::RunCli;
using tbtest::RunIn;

std::string Join(const std::vector<std::string>& lines, const std::string& eol = "\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + eol;
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0, lf;
    while ((lf = text.find('\n', start)) != std::string::npos) {
        lines.push_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    EXPECT_EQ(start, text.size()) << "output does not end with a line feed";
    return lines;
}

// A score file line: date, course, score, rating, slope, comment, 18 holes of
// 5, 18 putts of 2, the AGS, every field closed by "~".
std::string Round(const std::string& date, const std::string& course, const std::string& score,
                  const std::string& rating, const std::string& slope, const std::string& ags) {
    std::string line = date + "~" + course + "~" + score + "~" + rating + "~" + slope + "~~";
    for (int i = 0; i < 36; ++i)
        line += i < 18 ? "5~" : "2~";
    return line + ags + "~";
}

// The course column of a list line: the name filled with spaces to 25.
std::string Col(const std::string& course) {
    return course + std::string(25 - course.size(), ' ');
}

const std::string Cote = "C\xD4TE D'AZUR"; // Latin-1, passed through as bytes
const std::string Header = "Date       Score AGS  Rating Slope  Diff  Course";
const std::string Legend = "* = Used to calculate index   I = Incomplete score";

// Four golfers: SMITH with eleven rounds (two incomplete, one repaired, a
// six-digit date, a comment left open), JONES with four complete rounds,
// MULLER with an empty file and NOFILE with none.
void WriteClub(const tbtest::TempDir& dir, const std::string& eol) {
    dir.Write("golfers.vxc", Join({"Smith, John~SMITH~0~", "Jones, Mary~JONES~1~",
                                   "Nofile, Ned~NOFILE~0~", "M\xFCller, J\xF6rg~MULLER~0~"},
                                  eol));
    // Oldest first, so that every round moves when sorted.
    dir.Write("SMITH.VXP", Join({Round("19980614", "OAK HOLLOW", "85", "71.2", "121", "83"),
                                 Round("980620", "PINE RIDGE", "90", "70.0", "113", "88"),
                                 Round("19980701", "PINE RIDGE", "80", "70.0", "113", "80"),
                                 Round("19980705", "OAK HOLLOW", "", "71.2", "121", "95"),
                                 Round("19980710", Cote, "92", "72.0", "130", "90"),
                                 Round("19980715", "PINE RIDGE", "0", "70.0", "113", "0"),
                                 Round("19980720", "PINE RIDGE", "84", "", "113", "84"),
                                 "19980725~OAK HOLLOW~78~71.2~121~windy",
                                 Round("19980801", "PINE RIDGE", "88", "70.0", "113", "86"),
                                 Round("19980805", "PINE RIDGE", "83", "70.0", "113", "83"),
                                 Round("19980810", "PINE RIDGE", "81", "70.0", "113", "81")},
                                eol));
    dir.Write("JONES.vxp", Join({Round("010315", "PINE RIDGE", "95", "70.0", "113", "92"),
                                 Round("20010401", "PINE RIDGE", "100", "70.0", "113", "97"),
                                 Round("20010410", "PINE RIDGE", "99", "0.0", "113", "99"),
                                 Round("20010420", "PINE RIDGE", "90", "70.0", "113", "90"),
                                 Round("20010501", "PINE RIDGE", "91", "70.0", "113", "91")},
                                eol));
    dir.Write("MULLER.vxp", "");
}

const std::vector<std::string> SmithScores = {
    "Scores for Smith, John",
    "Index:   8.8",
    Header,
    "* 1   08/10/1998   81   81  70.0   113   11.0   " + Col("PINE RIDGE"),
    "  2   08/05/1998   83   83  70.0   113   13.0   " + Col("PINE RIDGE"),
    "  3   08/01/1998   88   86  70.0   113   16.0   " + Col("PINE RIDGE"),
    "* 4   07/25/1998   78    0  71.2   121    6.4   " + Col("OAK HOLLOW"),
    "I 5   07/20/1998   84   84         113    0.0   " + Col("PINE RIDGE"),
    "I 6   07/15/1998    0    0  70.0   113    0.0   " + Col("PINE RIDGE"),
    "  7   07/10/1998   92   90  72.0   130   15.6   " + Col(Cote),
    "  8   07/05/1998   95   95  71.2   121   22.2   " + Col("OAK HOLLOW"),
    "* 9   07/01/1998   80   80  70.0   113   10.0   " + Col("PINE RIDGE"),
    "  10  06/20/1998   90   88  70.0   113   18.0   " + Col("PINE RIDGE"),
    "  11  06/14/1998   85   83  71.2   121   11.0   " + Col("OAK HOLLOW"),
    Legend,
};

const std::vector<std::string> SmithIndex = {
    "11 scores on file for Smith, John.",
    "Calculated index using best 3 out of 9 differentials.",
    "Differential 1   =   6.4  07/25/1998  OAK HOLLOW",
    "Differential 2   = 10.0  07/01/1998  PINE RIDGE",
    "Differential 3   = 11.0  08/10/1998  PINE RIDGE",
    "",
    "The current index for Smith, John is  8.8",
};

class CliClub : public ::testing::TestWithParam<std::string> {};

// The same folder written with CR LF, bare LF and bare CR line ends.
INSTANTIATE_TEST_SUITE_P(LineEnds, CliClub, ::testing::Values("\r\n", "\n", "\r"),
                         [](const auto& info) {
                             return info.param == "\n" ? "LF" : info.param == "\r" ? "CR" : "CRLF";
                         });

TEST_P(CliClub, ScoresListMarksUsedAndIncompleteRounds) {
    tbtest::TempDir dir;
    WriteClub(dir, GetParam());
    const std::string before = dir.Read("SMITH.VXP");
    CliRun run = RunIn(dir, {"scores", "SMITH"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Join(SmithScores));
    EXPECT_EQ(dir.Read("SMITH.VXP"), before); // the repaired score is not saved
}

TEST_P(CliClub, IndexDetailsOfSmith) {
    tbtest::TempDir dir;
    WriteClub(dir, GetParam());
    CliRun run = RunIn(dir, {"index", "SMITH"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Join(SmithIndex));
    // Older rounds past the twentieth complete one are on file too.
    const std::vector<std::string> older(21, Round("19970101", "OAK", "85", "71.2", "121", "83"));
    dir.Write("SMITH.VXP", dir.Read("SMITH.VXP") + Join(older, GetParam()));
    run = RunIn(dir, {"index", "SMITH"});
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "32 scores on file for Smith, John.");
}

TEST_P(CliClub, WomanWithFourCompleteRoundsGetsTheMaximum) {
    tbtest::TempDir dir;
    WriteClub(dir, GetParam());
    CliRun scores = RunIn(dir, {"scores", "JONES"});
    EXPECT_EQ(scores.code, 0);
    EXPECT_EQ(
        scores.out,
        Join({"Scores for Jones, Mary", "Index:  40.4", Header,
              "  1   05/01/2001   91   91  70.0   113   21.0   " + Col("PINE RIDGE"),
              "  2   04/20/2001   90   90  70.0   113   20.0   " + Col("PINE RIDGE"),
              "I 3   04/10/2001   99   99  0.0    113    0.0   " + Col("PINE RIDGE"),
              "  4   04/01/2001  100   97  70.0   113   27.0   " + Col("PINE RIDGE"),
              "  5   03/15/2001   95   92  70.0   113   22.0   " + Col("PINE RIDGE"), Legend}));
    CliRun index = RunIn(dir, {"index", "JONES"});
    EXPECT_EQ(index.code, 0);
    EXPECT_EQ(index.out, Join({"5 scores on file for Jones, Mary.",
                               "A golfer needs 5 valid scores to receive an index.", "",
                               "The current index for Jones, Mary is 40.4"}));
}

TEST_P(CliClub, MissingAndEmptyScoreFiles) {
    tbtest::TempDir dir;
    WriteClub(dir, GetParam());
    const std::string missing = "Error: Golfer score file \"NOFILE.vxp\" not found.\n";
    CliRun scores = RunIn(dir, {"scores", "NOFILE"});
    EXPECT_EQ(scores.code, 0);
    EXPECT_EQ(scores.err, missing);
    EXPECT_EQ(scores.out, Join({"Scores for Nofile, Ned", "Index:  36.4", Header, Legend}));
    EXPECT_FALSE(dir.Exists("NOFILE.vxp"));

    CliRun index = RunIn(dir, {"index", "MULLER"});
    EXPECT_EQ(index.code, 0);
    EXPECT_EQ(index.err, "");
    EXPECT_EQ(index.out, Join({"0 scores on file for M\xFCller, J\xF6rg.",
                               "A golfer needs 5 valid scores to receive an index.", "",
                               "The current index for M\xFCller, J\xF6rg is 36.4"}));
}

TEST_P(CliClub, GolfersAndIndexesInListOrder) {
    tbtest::TempDir dir;
    WriteClub(dir, GetParam());
    CliRun golfers = RunIn(dir, {"golfers"});
    EXPECT_EQ(golfers.code, 0);
    EXPECT_EQ(golfers.out, Join({"Jones, Mary\tJONES\t1", "M\xFCller, J\xF6rg\tMULLER\t0",
                                 "Nofile, Ned\tNOFILE\t0", "Smith, John\tSMITH\t0"}));
    CliRun indexes = RunIn(dir, {"indexes"});
    EXPECT_EQ(indexes.code, 0);
    EXPECT_EQ(indexes.err, "Error: Golfer score file \"NOFILE.vxp\" not found.\n");
    EXPECT_EQ(indexes.out, Join({"JONES\t 40.4\tJones, Mary", "MULLER\t 36.4\tM\xFCller, J\xF6rg",
                                 "NOFILE\t 36.4\tNofile, Ned", "SMITH\t  8.8\tSmith, John"}));
}

TEST(Cli, GolferFileFieldsCutsAndByteOrder) {
    for (const std::string eol : {"\r\n", "\n"}) {
        tbtest::TempDir dir;
        dir.Write("golfers.vxc",
                  Join({"SMITH, JOHN~SMITHJ~1~", "Smith, Ann~SMITHA~1~", "ADAMS~ADAMS", "",
                        "Zeller~ZELLER~x~", "\xC4rger~AERGER~0~", std::string("AB\0CD~ABCD~1~", 13),
                        "SMITHSON~SMITHS~0~7~", std::string(55, 'L') + "~AB~1~"},
                       eol));
        CliRun run = RunIn(dir, {"golfers"});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        // A line counts up to its 60th character only, so the last golfer's
        // sex digit (the 60th) is never closed by its "~" and stays 0.
        EXPECT_EQ(run.out,
                  Join({"AB\tABCD\t1", "ADAMS\tXXXXXXXX\t0", std::string(41, 'L') + "\tAB\t0",
                        "SMITH, JOHN\tSMITHJ\t1", "SMITHSON\tSMITHS\t0", "Smith, Ann\tSMITHA\t1",
                        std::string(40, 'X') + "\tXXXXXXXX\t0", "Zeller\tZELLER\t0",
                        "\xC4rger\tAERGER\t0"}));
    }
}

TEST(Cli, WithoutGolferFileTheScoreFilesAreTheGolfers) {
    tbtest::TempDir dir;
    dir.Write("SMITHJ.VXP", Round("19990101", "A", "80", "70.0", "113", "80") + "\r\n");
    dir.Write("JONES.vxp", "");
    dir.Write("notes.txt", "not a score file\r\n");
    dir.Write("LONGERNAME.vxp", ""); // no room for such a name: not a golfer
    CliRun golfers = RunIn(dir, {"golfers"});
    EXPECT_EQ(golfers.code, 0);
    EXPECT_EQ(golfers.out, "JONES\tJONES\t0\nSMITHJ\tSMITHJ\t0\n");
    CliRun scores = RunIn(dir, {"scores", "SMITHJ"});
    EXPECT_EQ(scores.code, 0);
    EXPECT_EQ(scores.err, "");
    EXPECT_EQ(scores.out,
              Join({"Scores for SMITHJ", "Index:  36.4", Header,
                    "  1   01/01/1999   80   80  70.0   113   10.0   " + Col("A"), Legend}));
    EXPECT_FALSE(dir.Exists("golfers.vxc"));

    // An empty golfer list is a list: the score files are no longer looked at.
    dir.Write("golfers.vxc", "");
    EXPECT_EQ(RunIn(dir, {"golfers"}).out, "");
    CliRun unknown = RunIn(dir, {"scores", "SMITHJ"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.err, "unknown golfer: SMITHJ\n");
}

// Also: a NUL ends a field, over-long fields are cut, text after the 43rd
// "~" is ignored, and a date cut short by a NUL sorts last.
TEST(Cli, ShortNamesMatchExactlyAndFieldsAreCut) {
    tbtest::TempDir dir;
    dir.Write("golfers.vxc", "Zed~DUP~0~\r\nAbe~DUP~1~\r\n");
    dir.Write("DUP.vxp",
              Join({Round(std::string("1999\0"
                                      "0101",
                                      9),
                          "ABC", "90", "70.0", "113", "90"),
                    Round("19990102", std::string("OAK\0HOLLOW", 10), "80", "70.0", "113", "80") +
                        "99~junk~",
                    Round("19990103", "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789", "81", "70.0", "113",
                          "81")}));
    CliRun run = RunIn(dir, {"scores", "DUP"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              Join({"Scores for Abe", "Index:  40.4", Header,
                    "  1   01/03/1999   81   81  70.0   113   11.0   "
                    "ABCDEFGHIJKLMNOPQRSTUVWXY",
                    "  2   01/02/1999   80   80  70.0   113   10.0   " + Col("OAK"),
                    "  3   99/99/9999   90   90  70.0   113   20.0   " + Col("ABC"), Legend}));
    CliRun lower = RunIn(dir, {"index", "dup"});
    EXPECT_EQ(lower.code, 1);
    EXPECT_EQ(lower.out, "");
    EXPECT_EQ(lower.err, "unknown golfer: dup\n");
}

TEST(Cli, CoursesRenameTheSampleSortAndCutFields) {
    tbtest::TempDir dir;
    const std::string pars = "4~4~3~5~4~4~3~4~5~4~4~3~5~4~4~3~4~5~";
    const std::string sample =
        Join({"ZEBRA~70.5~125~72~" + pars, "ABBEYFIELD~69.8~118~100~10~" + pars.substr(2, 33), "",
              "ABBEY~71.0~130~71~" + pars, Cote + "~72.0~130~72~" + pars,
              std::string(100, 'N') + "~70.5~125~72~4~4~4~5~4~4~"},
             "\r\n");
    dir.Write("sample.vxc", sample);
    const std::string zeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    const std::string expected =
        Join({"ABBEY\t71.0\t130\t71\t4 4 3 5 4 4 3 4 5 4 4 3 5 4 4 3 4 5",
              "ABBEYFIELD\t69.8\t118\t10\t1 4 3 5 4 4 3 4 5 4 4 3 5 4 4 3 4 0",
              Cote + "\t72.0\t130\t72\t4 4 3 5 4 4 3 4 5 4 4 3 5 4 4 3 4 5",
              std::string(30, 'N') + "\t70.5\t125\t72\t4 4 4" + zeros.substr(5),
              std::string(30, 'X') + "\tXXXX\tXXX\t00\t" + zeros,
              "ZEBRA\t70.5\t125\t72\t4 4 3 5 4 4 3 4 5 4 4 3 5 4 4 3 4 5"});
    CliRun run = RunIn(dir, {"courses"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expected);
    EXPECT_FALSE(dir.Exists("sample.vxc"));
    EXPECT_EQ(dir.Read("courses.vxc"), sample);
    EXPECT_EQ(RunIn(dir, {"courses"}).out, expected);

    tbtest::TempDir empty;
    CliRun none = RunIn(empty, {"courses"});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "Error renaming sample courses file!\n");
}

// Dates from 12/28/2003 backwards, 28 days a month, newest first.
std::string BigDate(int i) {
    const int month = 12 - i / 28, day = 28 - i % 28;
    return "2003" + std::string(month < 10 ? "0" : "") + std::to_string(month) +
           (day < 10 ? "0" : "") + std::to_string(day);
}

TEST(Cli, OverlongScoreFileReadsTheFirst200) {
    tbtest::TempDir dir;
    dir.Write("golfers.vxc", "Big, Bertha~BIG~1~\r\n");
    std::vector<std::string> lines;
    for (int i = 0; i < 205; ++i)
        lines.push_back(
            Round(BigDate(i), i < 200 ? "BIG COURSE" : "DROPPED", "80", "70.0", "113", "80"));
    dir.Write("BIG.vxp", Join(lines, "\r\n"));

    CliRun scores = RunIn(dir, {"scores", "BIG"});
    EXPECT_EQ(scores.code, 0);
    ASSERT_EQ(SplitLines(scores.err).size(), 1u);
    EXPECT_NE(scores.err.find("BIG.vxp"), std::string::npos) << scores.err;
    std::vector<std::string> out = SplitLines(scores.out);
    ASSERT_EQ(out.size(), 204u);
    EXPECT_EQ(out[1], "Index:   9.6");
    // Twenty equal differentials: the ten newest are the ones used.
    EXPECT_EQ(out[3], "* 1   12/28/2003   80   80  70.0   113   10.0   " + Col("BIG COURSE"));
    EXPECT_EQ(out[12], "* 10  12/19/2003   80   80  70.0   113   10.0   " + Col("BIG COURSE"));
    EXPECT_EQ(out[13], "  11  12/18/2003   80   80  70.0   113   10.0   " + Col("BIG COURSE"));
    EXPECT_EQ(out[202], "  200 05/25/2003   80   80  70.0   113   10.0   " + Col("BIG COURSE"));
    EXPECT_EQ(out[203], Legend);
    EXPECT_EQ(scores.out.find("DROPPED"), std::string::npos);

    CliRun index = RunIn(dir, {"index", "BIG"});
    EXPECT_EQ(index.code, 0);
    out = SplitLines(index.out);
    ASSERT_EQ(out.size(), 14u);
    EXPECT_EQ(out[0], "200 scores on file for Big, Bertha.");
    EXPECT_EQ(out[1], "Calculated index using best 10 out of 20 differentials.");
    EXPECT_EQ(out[2], "Differential 1   = 10.0  12/28/2003  BIG COURSE");
    EXPECT_EQ(out[11], "Differential 10 = 10.0  12/19/2003  BIG COURSE");
    EXPECT_EQ(out[12], "");
    EXPECT_EQ(out[13], "The current index for Big, Bertha is  9.6");
}

TEST(Cli, OverlongGolferAndCourseFilesReadTheFirstOnes) {
    tbtest::TempDir dir;
    std::vector<std::string> golfers, courses;
    for (int i = 1000; i < 1305; ++i)
        golfers.push_back("G" + std::to_string(i) + "~S" + std::to_string(i) + "~0~");
    for (int i = 1000; i < 1205; ++i)
        courses.push_back("C" + std::to_string(i) + "~70.0~113~72~");
    dir.Write("golfers.vxc", Join(golfers, "\r\n"));
    dir.Write("courses.vxc", Join(courses, "\r\n"));

    CliRun g = RunIn(dir, {"golfers"});
    EXPECT_EQ(g.code, 0);
    std::vector<std::string> out = SplitLines(g.out);
    ASSERT_EQ(out.size(), 300u);
    EXPECT_EQ(out.front(), "G1000\tS1000\t0");
    EXPECT_EQ(out.back(), "G1299\tS1299\t0");
    ASSERT_EQ(SplitLines(g.err).size(), 1u);
    EXPECT_NE(g.err.find("golfers.vxc"), std::string::npos) << g.err;

    CliRun c = RunIn(dir, {"courses"});
    EXPECT_EQ(c.code, 0);
    out = SplitLines(c.out);
    ASSERT_EQ(out.size(), 200u);
    EXPECT_EQ(out.back(),
              "C1199\t70.0\t113\t72\t" + std::string("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"));
    ASSERT_EQ(SplitLines(c.err).size(), 1u);
    EXPECT_NE(c.err.find("courses.vxc"), std::string::npos) << c.err;
}

TEST(Cli, DefaultFolderIsTheCurrentOne) {
    tbtest::TempDir dir;
    dir.Write("golfers.vxc", "Solo~SOLO~0~\r\n");
    CliRun run = RunCli({"golfers"}, dir.path());
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "Solo\tSOLO\t0\n");
}

TEST(Cli, UsageErrorsExitWith2) {
    tbtest::TempDir dir;
    const std::string usage = "usage: tarnbeck-cli [--dir DIR] COMMAND [ARGS]\n";
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--dir"},
        {"--dir", dir.path().string()},
        {"frobnicate"},
        {"scores"},
        {"index", "A", "B"},
        {"golfers", "extra"},
        {"indexes", "x"},
        {"courses", "x"},
        {"--dir", (dir / "gone").string(), "golfers"}};
    for (const auto& args : wrong) {
        CliRun run = RunCli(args, dir.path());
        EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(usage), std::string::npos) << run.err;
    }
    EXPECT_TRUE(dir.Entries().empty()); // nothing was read or created
    EXPECT_NE(RunCli({"--dir", (dir / "gone").string(), "golfers"}, dir.path())
                  .err.find("no such directory: " + (dir / "gone").string()),
              std::string::npos);
}

// A folder the tool cannot use as it stands ends the run at once with one
// clear line on stderr and a non-zero exit, never with a hang or a listing
// that reads as complete.
TEST(Cli, BadFoldersFailClearlyWithoutHanging) {
    const std::string round = Round("20240601", "OAK", "85", "71.2", "121", "83") + "\r\n";
    const struct {
        const char* name;
        std::function<void(const tbtest::TempDir&)> make;
        std::vector<std::string> args;
        bool asNobody;
        int code;
        std::string err;
    } cases[] = {
        {"golfer list is a FIFO",
         [](const tbtest::TempDir& d) { ::mkfifo((d / "golfers.vxc").c_str(), 0644); },
         {"golfers"},
         false,
         3,
         "tarnbeck-cli: File access denied\n"},
        {"golfer list is an endless device",
         [](const tbtest::TempDir& d) {
             std::filesystem::create_symlink("/dev/zero", d / "golfers.vxc");
         },
         {"indexes"},
         false,
         3,
         "tarnbeck-cli: File access denied\n"},
        {"short name leading into another folder",
         [&](const tbtest::TempDir& d) {
             d.Write("golfers.vxc", "Up~sub/up~0~\r\n");
             std::filesystem::create_directory(d / "sub");
             d.Write("sub/up.vxp", round);
         },
         {"scores", "sub/up"},
         false,
         3,
         "Error: Golfer score file \"sub/up.vxp\" not found.\n"
         "tarnbeck-cli: the short name \"sub/up\" cannot name a score file in the data folder\n"},
        {"score file an ordinary user may not read",
         [&](const tbtest::TempDir& d) {
             d.Write("golfers.vxc", "Smith~SMITH~0~\r\n");
             d.Write("SMITH.vxp", round);
             std::filesystem::permissions(d / "SMITH.vxp", std::filesystem::perms::none);
         },
         {"index", "SMITH"},
         true,
         3,
         "tarnbeck-cli: File access denied\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        c.make(dir);
        const std::vector<std::string> before = dir.Entries();
        CliRun run = RunIn(dir, c.args, c.asNobody);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(dir.Entries(), before);
    }
}

// The report commands' club: SMITH with five rounds of differential 10.0
// (index 9.6), JONES with none (index 40.4), NOFILE without a score file, one
// course, and a handicap list written earlier.
void WriteReportClub(const tbtest::TempDir& dir, const char* courseFile = "courses.vxc") {
    dir.Write("golfers.vxc",
              Join({"Smith, John~SMITH~0~", "Jones, Mary~JONES~1~", "Nofile, Ned~NOFILE~0~"}));
    std::vector<std::string> rounds;
    for (int day = 1; day <= 5; ++day)
        rounds.push_back(
            Round("2024060" + std::to_string(day), "OAK HOLLOW", "80", "70.0", "113", "80"));
    dir.Write("SMITH.vxp", Join(rounds, "\r\n"));
    dir.Write("JONES.vxp", "");
    dir.Write(courseFile, "OAK HOLLOW~71.2~121~72~\r\n");
    dir.Write("hdcplist.vxo", "earlier\r\n");
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%Y", std::localtime(&now));
    return text;
}

TEST(Cli, ReportCommandsWriteTheirFiles) {
    const struct {
        std::vector<std::string> args;
        std::string out, file;
        std::vector<std::string> lines; // "%" stands for the date written
    } cases[] = {
        {{"history", "SMITH"},
         "Score file \"SMITH.vxo\" created.\n",
         "SMITH.vxo",
         {"TARNBECK PERSONAL GOLF HISTORY FOR:  Smith, John", "",
          "5 scores on file for Smith, John.  (5 are valid)",
          "Calculated index using best 1 out of 5 differentials.",
          "Differential 1   = 10.0  06/05/2024  OAK HOLLOW", "",
          "The current index for Smith, John is  9.6", "",
          "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF",
          "*  1 - 06/05/2024  OAK HOLLOW              80   80  70.0    113    10.0",
          "   2 - 06/04/2024  OAK HOLLOW              80   80  70.0    113    10.0",
          "   3 - 06/03/2024  OAK HOLLOW              80   80  70.0    113    10.0",
          "   4 - 06/02/2024  OAK HOLLOW              80   80  70.0    113    10.0",
          "   5 - 06/01/2024  OAK HOLLOW              80   80  70.0    113    10.0", "",
          "* = score used in index calculation."}},
        {{"handicap-list", "SMITH", "--course", "OAK HOLLOW", "JONES", "SMITH"},
         "Handicap file \"HDCPLIST.VXO\" created.\n",
         "hdcplist.vxo",
         {"TARNBECK COURSE HANDICAPS AS OF:  %", "", "Course: OAK HOLLOW",
          "Rating: 71.2  Slope: 121  Par: 72", "",
          "                                 Course   Predicted",
          "Golfer                 Index   Handicap       Score", "",
          "Smith, John              9.6         10          82",
          "Jones, Mary             40.4         43         115",
          "Smith, John              9.6         10          82"}},
        {{"course-handicap", "--course", "OAK HOLLOW", "SMITH"},
         "Handicap file \"SMITH.vxh\" created.\n",
         "SMITH.vxh",
         {"TARNBECK COURSE HANDICAP AS OF:  %", "FOR:  Smith, John", "AT:   OAK HOLLOW", "",
          "Course Rating: 71.2", "Slope Rating:  121", "Par:           72", "Index:          9.6",
          "", "Handicap for Smith, John at this course is: 10",
          "Predicted score for Smith, John is: 82"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        tbtest::TempDir dir;
        WriteReportClub(dir);
        const std::string before = Today();
        CliRun run = RunIn(dir, c.args);
        // The run may end on the next day.
        const std::string date =
            dir.Read(c.file).find(before) != std::string::npos ? before : Today();
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, c.out);
        std::string expected = Join(c.lines, "\r\n");
        if (const auto mark = expected.find('%'); mark != std::string::npos)
            expected.replace(mark, 1, date);
        EXPECT_EQ(dir.Read(c.file), expected);
    }
}

// A report command that fails writes nothing and leaves the earlier files as
// they were.
TEST(Cli, ReportCommandFailures) {
    const std::string oak = "OAK HOLLOW";
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string err; // not for usage errors: those show the usage text
        const char* courseFile = "courses.vxc";
    } cases[] = {
        {"unknown golfer", {"history", "NOBODY"}, 1, "unknown golfer: NOBODY\n"},
        {"no score file", {"history", "NOFILE"}, 3, "tarnbeck-cli: File not found\n"},
        {"course looked up first",
         {"handicap-list", "--course", "NOWHERE", "NOBODY"},
         1,
         "unknown course: NOWHERE\n"},
        {"any golfer unknown",
         {"handicap-list", "--course", oak, "SMITH", "NOBODY"},
         1,
         "unknown golfer: NOBODY\n"},
        {"a golfer without a score file",
         {"handicap-list", "--course", oak, "SMITH", "NOFILE"},
         3,
         "tarnbeck-cli: File not found\n"},
        {"unknown course",
         {"course-handicap", "SMITH", "--course", "NOWHERE"},
         1,
         "unknown course: NOWHERE\n"},
        {"scores read before the starter course list is renamed",
         {"course-handicap", "NOFILE", "--course", oak},
         3,
         "tarnbeck-cli: File not found\n",
         "sample.vxc"},
        {"history without its short name", {"history"}, 2, ""},
        {"history of two golfers", {"history", "SMITH", "JONES"}, 2, ""},
        {"history at a course", {"history", "SMITH", "--course", oak}, 2, ""},
        {"list without --course", {"handicap-list", "SMITH"}, 2, ""},
        {"list without golfers", {"handicap-list", "--course", oak}, 2, ""},
        {"--course twice", {"handicap-list", "--course", oak, "--course", oak, "SMITH"}, 2, ""},
        {"--course without its name", {"handicap-list", "SMITH", "--course"}, 2, ""},
        {"course handicap without a golfer", {"course-handicap", "--course", oak}, 2, ""},
        {"course handicap of two golfers",
         {"course-handicap", "SMITH", "JONES", "--course", oak},
         2,
         ""},
        {"course handicap without --course", {"course-handicap", "SMITH"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        WriteReportClub(dir, c.courseFile);
        const std::vector<std::string> before = dir.Entries();
        CliRun run = RunIn(dir, c.args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.out, "");
        if (c.code == 2)
            EXPECT_NE(run.err.find("usage: tarnbeck-cli [--dir DIR] COMMAND"), std::string::npos);
        else
            EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(dir.Entries(), before);
        EXPECT_EQ(dir.Read("hdcplist.vxo"), "earlier\r\n");
    }
}

} // namespace
