// The course list "courses.vxc" and the golfer list "golfers.vxc": reading,
// the starter course list, the score-file scan, ordering and writing back.

#include "data/CourseFile.h"
#include "data/GolferFile.h"
#include "support/CorePrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct RecordingNotifier : tb::Notifier {
    std::vector<std::string> messages;
    void Message(const std::string& text) override { messages.push_back(text); }
};

const std::string AbcLine = "ABC~70.5~125~72~4~4~3~5~4~4~3~4~5~4~4~3~5~4~4~3~4~5~";

std::vector<std::string> Names(const tb::CourseList& list) {
    std::vector<std::string> names;
    for (const tb::CourseRec& c : list)
        names.push_back(c.Name);
    return names;
}

std::vector<std::string> Names(const tb::GolferList& list) {
    std::vector<std::string> names;
    for (const tb::GolferRec& g : list)
        names.push_back(g.LongName);
    return names;
}

struct CourseFileTest : ::testing::Test {
    tbtest::TempDir dir;
    RecordingNotifier notifier;
    tb::CourseList list;
};

TEST_F(CourseFileTest, SampleListIsRenamedOnFirstLoad) {
    const std::string sample = "ZEBRA~70.0~113~72~\r\n" + AbcLine + "\r\n";
    dir.Write("sample.vxc", sample);
    tb::LoadCourseList(dir.path(), list, notifier);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"ABC", "ZEBRA"}));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"courses.vxc"});
    EXPECT_EQ(dir.Read("courses.vxc"), sample);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(CourseFileTest, NoCourseListAndNoSample) {
    list.resize(3);
    tb::LoadCourseList(dir.path(), list, notifier);
    EXPECT_TRUE(list.empty());
    tb::CourseSummaryList summaries(2);
    tb::LoadCourseSummaries(dir.path(), summaries, notifier);
    EXPECT_TRUE(summaries.empty());
    EXPECT_EQ(notifier.messages,
              std::vector<std::string>(2, "Error renaming sample courses file!"));
    list = {tb::ParseCourseLine(AbcLine)};
    tb::SaveCourseList(dir.path(), list);
    EXPECT_EQ(dir.Read("courses.vxc"), AbcLine + "\r\n");
}

TEST_F(CourseFileTest, LineParsing) {
    const tb::CourseRec abc = tb::ParseCourseLine(AbcLine);
    EXPECT_EQ(abc.Name, "ABC");
    EXPECT_EQ(abc.Rating, "70.5");
    EXPECT_EQ(abc.Slope, "125");
    EXPECT_EQ(abc.ParTotal, "72");
    EXPECT_EQ(abc.Par[3], "5");
    EXPECT_EQ(abc.Par[17], "5");
    EXPECT_EQ(tb::FormatCourseLine(abc), AbcLine);

    // Par 10 and total 108, as the editor may save them, read back cut.
    tb::CourseRec edited = abc;
    edited.Par[0] = "10";
    edited.ParTotal = "108";
    const tb::CourseRec reread = tb::ParseCourseLine(tb::FormatCourseLine(edited));
    EXPECT_EQ(reread.Par[0], "1");
    EXPECT_EQ(reread.ParTotal, "10");

    // The last field without its "~" is lost.
    EXPECT_EQ(tb::ParseCourseLine(AbcLine.substr(0, AbcLine.size() - 1)).Par[17], "0");

    // A "~" inside the name ends it and shifts every later field.
    const tb::CourseRec shifted = tb::ParseCourseLine("OAK~HOLLOW~70.5~125~72~4~");
    EXPECT_EQ(shifted.Name, "OAK");
    EXPECT_EQ(shifted.Rating, "HOLL");
    EXPECT_EQ(shifted.Slope, "70.");
    EXPECT_EQ(shifted.ParTotal, "12");
    EXPECT_EQ(shifted.Par[0], "7");
    EXPECT_EQ(shifted.Par[1], "4");
    EXPECT_EQ(shifted.Par[2], "0");

    // Only the first 120 characters of a line are read.
    const tb::CourseRec longName =
        tb::ParseCourseLine(std::string(100, 'N') + "~70.5~125~72~4~4~3~5~");
    EXPECT_EQ(longName.Name, std::string(30, 'N'));
    EXPECT_EQ(longName.Par[2], "3");
    EXPECT_EQ(longName.Par[3], "0");

    EXPECT_EQ(tb::ParseCourseLine("A\0B~7\0~"s).Name, "A");
    EXPECT_EQ(tb::ParseCourseLine("A\0B~7\0~"s).Rating, "7");
}

TEST_F(CourseFileTest, EmptyLinesHoldTheSlotPlaceholders) {
    dir.Write("courses.vxc", AbcLine + "\r\n\r\nSHORT~71.0~\r\n");
    tb::LoadCourseList(dir.path(), list, notifier);
    ASSERT_EQ(list.size(), 3u);
    const tb::CourseRec& blank = list[2]; // thirty X sorts last
    EXPECT_EQ(blank.Name, std::string(30, 'X'));
    EXPECT_EQ(blank.Rating, "XXXX");
    EXPECT_EQ(blank.Slope, "XXX");
    EXPECT_EQ(blank.ParTotal, "00");
    for (const auto& par : blank.Par)
        EXPECT_EQ(par, "0");
    EXPECT_EQ(list[1].Name, "SHORT");
    EXPECT_EQ(list[1].Slope, "XXX");

    // The score form's reading starts each slot empty or zero instead.
    tb::LoadCourseList(dir.path(), list, notifier, tb::CourseSlotFill::ScoreForm);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Name, ""); // the empty line
    EXPECT_EQ(list[0].Rating, "0.0");
    EXPECT_EQ(list[0].Slope, "0");
    EXPECT_EQ(list[0].ParTotal, "");
    EXPECT_EQ(list[0].Par[0], "");
    EXPECT_EQ(list[2].Name, "SHORT");
    EXPECT_EQ(list[2].Rating, "71.0");
    EXPECT_EQ(list[2].Slope, "0");

    tb::CourseSummaryList summaries;
    tb::LoadCourseSummaries(dir.path(), summaries, notifier);
    ASSERT_EQ(summaries.size(), 3u);
    EXPECT_EQ(summaries[0], (tb::CourseSummary{"ABC", "70.5", "125", "72"}));
    EXPECT_EQ(summaries[1], (tb::CourseSummary{"SHORT", "71.0", "000", "00"}));
    EXPECT_EQ(summaries[2], (tb::CourseSummary{std::string(30, 'X'), "00.0", "000", "00"}));
    EXPECT_TRUE(notifier.messages.empty());
}

// Courses of one name come in the order the list has always given them,
// which is not the order read (the two ABBEYs).
TEST_F(CourseFileTest, SortedByNameByteForByte) {
    dir.Write("courses.vxc", "ZEBRA~~\r\nABBEYFIELD~~\nabbey~~\r\nABBEY~70.0~\r\nZEBRA~~\r\n"
                             "ABBEY~70.2~\r\n");
    tb::LoadCourseList(dir.path(), list, notifier);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"ABBEY", "ABBEY", "ABBEYFIELD", "ZEBRA",
                                                     "ZEBRA", "abbey"}));
    EXPECT_EQ(list[0].Rating.str() + list[1].Rating.str(), "70.270.0");
}

TEST_F(CourseFileTest, SaveAndLoadAgainKeepOrderAndBytes) {
    list = {tb::ParseCourseLine(AbcLine), tb::ParseCourseLine("OAK HOLLOW~71.2~121~72~")};
    tb::ClearCourse(list.emplace_back());
    tb::SaveCourseList(dir.path(), list);
    const std::string bytes = dir.Read("courses.vxc");
    EXPECT_EQ(bytes.substr(0, AbcLine.size() + 2), AbcLine + "\r\n");
    tb::CourseList reread;
    tb::LoadCourseList(dir.path(), reread, notifier);
    EXPECT_EQ(reread, list);
    tb::SaveCourseList(dir.path(), reread);
    EXPECT_EQ(dir.Read("courses.vxc"), bytes);
}

TEST_F(CourseFileTest, AtMostTwoHundredCourses) {
    std::string file;
    for (int i = 0; i < 203; ++i)
        file += "C" + std::to_string(1000 + i) + "~70.0~113~72~\r\n";
    dir.Write("courses.vxc", file);
    EXPECT_EQ(tb::LoadCourseList(dir.path(), list, notifier), 3); // the lines left unread
    EXPECT_EQ(list.size(), 200u);
    EXPECT_EQ(list.back().Name, "C1199");
    EXPECT_EQ(notifier.messages.size(), 1u);
}

struct GolferFileTest : ::testing::Test {
    tbtest::TempDir dir;
    RecordingNotifier notifier;
    tb::GolferList list;

    void Load() {
        tb::LoadGolfers(dir.path(), list, notifier);
        tb::SortGolfers(list);
    }
};

TEST_F(GolferFileTest, LineParsing) {
    const struct {
        const char* name;
        std::string line;
        std::string longName, shortName;
        int sex;
    } cases[] = {
        {"woman", "SMITH, JOHN~SMITHJ~1~", "SMITH, JOHN", "SMITHJ", 1},
        {"empty line", "", std::string(40, 'X'), "XXXXXXXX", 0},
        {"unterminated short name", "ADAMS~ADAMS", "ADAMS", "XXXXXXXX", 0},
        {"unterminated sex", "ADAMS~AD~1", "ADAMS", "AD", 0},
        {"not a digit gives 0", "A~B~F~", "A", "B", 0},
        {"last digit counts", "A~B~12~", "A", "B", 2},
        {"rest after third tilde ignored", "A~B~1~9~junk", "A", "B", 1},
        {"long name cut to capacity", std::string(45, 'L') + "~S~1~", std::string(41, 'L'), "S", 1},
        {"short name cut to capacity", "A~ABCDEFGHIJK~1~", "A", "ABCDEFGHI", 1},
        {"only 60 characters count", std::string(58, 'L') + "~AB~1~", std::string(41, 'L'),
         "XXXXXXXX", 0},
        {"NUL ends a name", "A\0B~S\0T~1~"s, "A", "S", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const tb::GolferRec g = tb::ParseGolferLine(c.line);
        EXPECT_EQ(g.LongName.str(), c.longName);
        EXPECT_EQ(g.ShortName.str(), c.shortName);
        EXPECT_EQ(g.Sex, c.sex);
    }
}

TEST_F(GolferFileTest, ScanOfScoreFilesWhenTheListIsMissing) {
    dir.Write("SMITHJ.VXP", "");
    dir.Write("JONES.VXP", "20010101~A~80~70.0~113~\r\n");
    dir.Write("ABCDEFGH.vxp", "");
    dir.Write("LONGERNAME.vxp", ""); // base over 8 characters: not a golfer's file
    dir.Write("mixed.Vxp", "");
    dir.Write("notes.txt", "");
    dir.Write("SMITH.vxp.bak", "");
    Load();
    EXPECT_EQ(Names(list), (std::vector<std::string>{"ABCDEFGH", "JONES", "SMITHJ", "mixed"}));
    for (const tb::GolferRec& g : list) {
        EXPECT_EQ(g.ShortName.str(), g.LongName.str());
        EXPECT_EQ(g.Sex, 0);
    }
    EXPECT_FALSE(dir.Exists("golfers.vxc"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(GolferFileTest, NoListAndNoScoreFilesGiveAnEmptyList) {
    list.resize(2);
    Load();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(dir.Exists("golfers.vxc"));
}

TEST_F(GolferFileTest, EmptyListFileMeansNoScan) {
    dir.Write("SMITHJ.VXP", "");
    dir.Write("golfers.vxc", "");
    Load();
    EXPECT_TRUE(list.empty());
    // Saving an empty list gives the same: an empty file, no scan next time.
    std::remove((dir / "golfers.vxc").c_str());
    tb::SaveGolfers(dir.path(), list);
    EXPECT_EQ(dir.Read("golfers.vxc"), "");
    Load();
    EXPECT_TRUE(list.empty());
}

TEST_F(GolferFileTest, SaveWritesIdenticalLinesAndCreatesOnlyMissingScoreFiles) {
    const std::string file = "SMITH, JOHN~SMITHJ~1~\r\n\r\nADAMS~ADAMS~0~\r\nBAKER~SMITH~0~\r\n";
    dir.Write("golfers.vxc", file);
    dir.Write("ADAMS.vxp", "20010101~A~80~70.0~113~\r\n");
    dir.Write("SMITH.VXP", "20020202~B~81~70.0~113~\r\n");
    Load();
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"ADAMS", "BAKER", "SMITH, JOHN", std::string(40, 'X')}));
    EXPECT_EQ(list[2].Sex, 1);
    tb::SaveGolfers(dir.path(), list);
    EXPECT_EQ(dir.Read("golfers.vxc"),
              "ADAMS~ADAMS~0~\r\nBAKER~SMITH~0~\r\nSMITH, JOHN~SMITHJ~1~\r\n" +
                  std::string(40, 'X') + "~XXXXXXXX~0~\r\n");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"ADAMS.vxp", "SMITH.VXP", "SMITHJ.vxp",
                                                       "XXXXXXXX.vxp", "backups", "golfers.vxc"}));
    EXPECT_EQ(dir.Read("ADAMS.vxp"), "20010101~A~80~70.0~113~\r\n");
    EXPECT_EQ(dir.Read("SMITH.VXP"), "20020202~B~81~70.0~113~\r\n");
    EXPECT_EQ(dir.Read("SMITHJ.vxp"), "");
}

TEST_F(GolferFileTest, SortIsCaseSensitiveWithPrefixesFirst) {
    list = {tb::ParseGolferLine("Smith~A~0~"), tb::ParseGolferLine("SMITHSON~B~0~"),
            tb::ParseGolferLine("SMITH~C~0~"), tb::ParseGolferLine("ADAMS~D~0~")};
    tb::SortGolfers(list);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"ADAMS", "SMITH", "SMITHSON", "Smith"}));
}

TEST_F(GolferFileTest, AtMostThreeHundredGolfers) {
    std::string file;
    for (int i = 0; i < 301; ++i)
        file += "G" + std::to_string(1000 + i) + "~S" + std::to_string(i) + "~0~\r\n";
    dir.Write("golfers.vxc", file);
    EXPECT_EQ(tb::LoadGolfers(dir.path(), list, notifier), 1); // the line left unread
    EXPECT_EQ(list.size(), 300u);
    EXPECT_EQ(list.back().LongName, "G1299");
    EXPECT_EQ(notifier.messages.size(), 1u);

    tbtest::TempDir scanDir;
    for (int i = 0; i < 301; ++i)
        scanDir.Write("S" + std::to_string(i) + ".vxp", "");
    notifier.messages.clear();
    tb::LoadGolfers(scanDir.path(), list, notifier);
    EXPECT_EQ(list.size(), 300u);
    EXPECT_EQ(notifier.messages.size(), 1u);
}

} // namespace
