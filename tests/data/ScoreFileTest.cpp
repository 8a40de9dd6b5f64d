// A golfer's score file: reading every kind of line the file may hold, the
// readers' variants, the newest-first order and writing it back.

#include "data/ScoreFile.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "support/CorePrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct RecordingNotifier : tb::Notifier {
    std::vector<std::string> messages;
    void Message(const std::string& text) override { messages.push_back(text); }
};

// A complete round, every hole 5 with 2 putts.
tb::ScoreRec Round(const std::string& date, const std::string& course = "OAK HOLLOW") {
    tb::ScoreRec rec;
    tb::BlankScoreRec(rec);
    rec.Date = date;
    rec.CourseName = course;
    rec.Score = "90";
    rec.Rating = "71.2";
    rec.Slope = "121";
    for (auto& hole : rec.HoleScore)
        hole = "5";
    for (auto& putts : rec.Putts)
        putts = "2";
    rec.AdjScore = "88";
    return rec;
}

struct ScoreFileTest : ::testing::Test {
    tbtest::TempDir dir;
    RecordingNotifier notifier;
    tb::ScoreList list;

    tb::ScoreLoadResult Load(const std::string& bytes,
                             const tb::ScoreLoadVariant& variant = tb::GolferScoresRead) {
        dir.Write("SMITH.vxp", bytes);
        return tb::LoadScores(dir / "SMITH.vxp", list, notifier, variant);
    }
};

TEST_F(ScoreFileTest, EmptyFileHoldsNoScores) {
    tb::ScoreLoadResult r = Load("");
    EXPECT_TRUE(r.fileRead);
    EXPECT_FALSE(r.repaired);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ScoreFileTest, ShortLineWithSixDigitDate) {
    Load("991231~A~80~70.0~113~\r\n");
    ASSERT_EQ(list.size(), 1u);
    const tb::ScoreRec& rec = list[0];
    EXPECT_EQ(rec.Date, "19991231");
    EXPECT_EQ(rec.CourseName, "A");
    EXPECT_EQ(rec.Score, "80");
    EXPECT_EQ(rec.Rating, "70.0");
    EXPECT_EQ(rec.Slope, "113");
    EXPECT_EQ(rec.Comment, "");
    for (int h = 0; h < 18; ++h) {
        EXPECT_EQ(rec.HoleScore[h], "0");
        EXPECT_EQ(rec.Putts[h], "0");
    }
    EXPECT_EQ(rec.AdjScore, "0");
}

TEST_F(ScoreFileTest, LineParsing) {
    const std::string tail = std::string(36, '~'); // the holes and putts, empty
    const struct {
        const char* name;
        std::string line;
        std::string date, course, score, comment, adj;
    } cases[] = {
        {"unclosed comment kept", "19990101~A~80~70.0~113~windy", "19990101", "A", "80", "windy",
         "0"},
        {"line ends inside Score", "19990101~A~8", "19990101", "A", "XXX", "", "0"},
        {"six-digit date before 2000", "700101~A~", "19700101", "A", "XXX", "", "0"},
        {"six-digit date after 2000", "691231~A~", "20691231", "A", "XXX", "", "0"},
        {"high byte counts as above 7",
         "\xE9"
         "10101~A~",
         "19\xE9"
         "10101",
         "A", "XXX", "", "0"},
        {"seven-digit date kept", "1999010~A~", "1999010", "A", "XXX", "", "0"},
        {"date cut to 8", "199901015~A~", "19990101", "A", "XXX", "", "0"},
        {"course cut to 30", "19990101~" + std::string(40, 'C') + "~", "19990101",
         std::string(30, 'C'), "XXX", "", "0"},
        {"comment cut to 100", "19990101~A~80~70.0~113~" + std::string(150, 'w') + "~", "19990101",
         "A", "80", std::string(100, 'w'), "0"},
        {"NUL ends a field",
         "1999\0"
         "0101~A\0B~80~"s,
         "1999", "A", "80", "", "0"},
        {"no tilde at all", "hello world", "99999999", std::string(30, 'X'), "XXX", "", "0"},
        {"empty line", "", "99999999", std::string(30, 'X'), "XXX", "", "0"},
        {"AGS and fields after the 43rd", "1~A~80~70.0~113~c~" + tail + "83~extra~more~", "1", "A",
         "80", "c", "83"},
        {"AGS without its tilde", "1~A~80~70.0~113~c~" + tail + "83", "1", "A", "80", "c", "0"},
        {"binary junk", "\x01\xff\x7f~\r~~\t~\xfe", "\x01\xff\x7f", "\r", "", "", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tb::ScoreRec rec = tb::ParseScoreLine(c.line);
        EXPECT_EQ(rec.Date.str(), c.date);
        EXPECT_EQ(rec.CourseName.str(), c.course);
        EXPECT_EQ(rec.Score.str(), c.score);
        EXPECT_EQ(rec.Comment.str(), c.comment);
        EXPECT_EQ(rec.AdjScore.str(), c.adj);
    }
}

// The reading rules walked one character at a time: a "~" ends a field,
// whose text is cut at a NUL and then to its read limit.
tb::ScoreRec ReadCharByChar(std::string_view line, const tb::ScoreLoadVariant& variant) {
    tb::ScoreRec rec;
    tb::BlankScoreRec(rec, variant);
    auto limit = [](int field) -> std::size_t {
        const std::size_t first[] = {8, 30, 3, 4, 3, 100};
        return field <= 6 ? first[field - 1] : field == 43 ? 3 : 2;
    };
    auto store = [&](int field, const std::string& gathered) {
        const std::string text = tb::CutAtNul(gathered).substr(0, limit(field));
        switch (field) {
        case 1:
            rec.Date = text.size() == 6
                           ? (static_cast<unsigned char>(text[0]) >= '7' ? "19" : "20") + text
                           : text;
            break;
        case 2:
            rec.CourseName = text;
            break;
        case 3:
            rec.Score = text;
            break;
        case 4:
            rec.Rating = text;
            break;
        case 5:
            rec.Slope = text;
            break;
        case 6:
            rec.Comment = text;
            break;
        case 43:
            rec.AdjScore = text;
            break;
        default:
            (field <= 24 ? rec.HoleScore[field - 7] : rec.Putts[field - 25]) = text;
        }
    };
    int field = 1;
    std::string gathered;
    for (char c : line) {
        if (field > 43) break;
        if (c != '~') {
            gathered += c;
            continue;
        }
        store(field++, gathered);
        gathered.clear();
    }
    if (field == 6) store(6, gathered);
    return rec;
}

TEST_F(ScoreFileTest, ParsingMatchesACharacterWalkOnRandomLines) {
    const std::string alphabet = "~~~~~~0123456789.7X \0\xE9\r"s;
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string line;
        const std::size_t length = random() % 320;
        for (std::size_t i = 0; i < length; ++i)
            line += random() % 8 == 0 ? static_cast<char>(random())
                                      : alphabet[random() % alphabet.size()];
        for (const tb::ScoreLoadVariant* variant :
             {&tb::GolferScoresRead, &tb::HubRead, &tb::GroupRead})
            ASSERT_EQ(tb::ParseScoreLine(line, *variant), ReadCharByChar(line, *variant))
                << "round " << round;
        // What the index reads, and nothing else.
        tb::ScoreRec expected = ReadCharByChar(line, tb::GolferScoresRead);
        expected.CourseName = expected.Comment = "";
        for (int hole = 0; hole < 18; ++hole)
            expected.HoleScore[hole] = expected.Putts[hole] = "";
        ASSERT_EQ(tb::ParseScoreLine(line, tb::IndexFieldsRead), expected) << "round " << round;
        expected.CourseName = ReadCharByChar(line, tb::GolferScoresRead).CourseName;
        ASSERT_EQ(tb::ParseScoreLine(line, tb::IndexDetailsRead), expected) << "round " << round;
    }
}

TEST_F(ScoreFileTest, EmptyScoreIsRepairedFromAdjustedScore) {
    const std::string line = "19990101~A~~70.0~113~~" + std::string(36, '~') + "88~\r\n";
    tb::ScoreLoadResult r = Load(line);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(r.repaired);
    EXPECT_EQ(list[0].Score, "88");
    for (const tb::ScoreLoadVariant* variant : {&tb::HubRead, &tb::GroupRead}) {
        r = Load(line, *variant);
        EXPECT_FALSE(r.repaired);
        EXPECT_EQ(list[0].Score, "");
    }
    r = Load(line, tb::PrintRead);
    EXPECT_EQ(list[0].Score, "88");
}

TEST_F(ScoreFileTest, ReaderVariantsPlaceholdersAndUnclosedComment) {
    const std::string file = "19990101~A~80~70.0~113~windy\r\n\r\n";
    // Every reader that reads comments keeps one whose closing "~" is
    // missing: the hub and the group entry write their list back, and must
    // not lose it.
    for (const tb::ScoreLoadVariant* variant :
         {&tb::GolferScoresRead, &tb::HubRead, &tb::GroupRead}) {
        Load(file, *variant);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].Comment, "windy");
        EXPECT_EQ(list[1].Date, "99999999");
        EXPECT_EQ(list[1].Score, "XXX");
        EXPECT_EQ(list[1].Rating, "XXXX");
        EXPECT_EQ(list[1].Slope, "XXX");
    }
    Load(file, tb::GroupRead);
    EXPECT_EQ(list[0].AdjScore, "XXX");
    // The hub reads an older line without its AGS as everyone else does, so
    // its index matches the golfer scores form's and its save writes no
    // made-up "000" into the line.
    Load(file, tb::HubRead);
    EXPECT_EQ(list[0].AdjScore, "0");
    EXPECT_EQ(list[1].AdjScore, "0");
    Load(file, tb::PrintRead);
    EXPECT_EQ(list[1].AdjScore, "0");
}

TEST_F(ScoreFileTest, MissingFile) {
    tb::ScoreLoadResult r = tb::LoadScores(dir / "X.vxp", list, notifier);
    EXPECT_FALSE(r.fileRead);
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0], "Error: Golfer score file \"X.vxp\" not found.");
    notifier.messages.clear();
    for (const tb::ScoreLoadVariant* variant : {&tb::HubRead, &tb::GroupRead, &tb::PrintRead}) {
        list.assign(3, Round("20000101"));
        try {
            tb::LoadScores(dir / "X.vxp", list, notifier, *variant);
            ADD_FAILURE() << "no error";
        } catch (const tb::InOutError& e) {
            EXPECT_EQ(e.Text(), "File not found");
        }
    }
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ScoreFileTest, LineEndsAndAnEmptyLineBetweenScores) {
    // CR LF, a bare LF, and a last line without any line end.
    Load("20010101~A~80~70.0~113~\r\n\r\n20020202~B~81~70.0~113~\n20030303~C~82~70.0~113~");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].Date, "20010101");
    EXPECT_EQ(list[1].Date, "99999999");
    EXPECT_EQ(list[2].CourseName, "B");
    EXPECT_EQ(list[3].CourseName, "C");
    EXPECT_TRUE(tb::IsCompleteScore(list[1])); // placeholders count as complete
    tb::SortScores(list);
    EXPECT_EQ(list[0].Date, "99999999"); // shown as 99/99/9999 and sorted first
    EXPECT_EQ(list[1].Date, "20030303");
}

TEST_F(ScoreFileTest, JunkNeverCrashes) {
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 256));
    junk += std::string(1 << 20, 'y') + "~" + std::string(100000, '\0') + "~~\n";
    Load(junk);
    EXPECT_FALSE(list.empty());
    EXPECT_LE(list.size(), static_cast<std::size_t>(tb::MaxScores));
    for (const tb::ScoreRec& rec : list)
        EXPECT_LE(rec.Comment.size(), 100u);
}

TEST_F(ScoreFileTest, LongestLineRoundTrips) {
    tb::ScoreRec rec;
    rec.Date = "20011231";
    rec.CourseName = std::string(30, 'K');
    rec.Score = "123";
    rec.Rating = "72.5";
    rec.Slope = "155";
    rec.Comment = std::string(100, 'c');
    for (int h = 0; h < 18; ++h) {
        rec.HoleScore[h] = std::to_string(10 + h);
        rec.Putts[h] = std::to_string(20 + h);
    }
    rec.AdjScore = "119";
    const std::string line = tb::FormatScoreLine(rec);
    EXPECT_EQ(line.size(), 266u);
    EXPECT_EQ(tb::ParseScoreLine(line), rec);
}

TEST_F(ScoreFileTest, TooManyLinesGiveTwoHundredScoresAndOneMessage) {
    std::string file;
    for (int i = 0; i < 205; ++i)
        file += "20010101~A~80~70.0~113~\r\n";
    Load(file);
    EXPECT_EQ(list.size(), 200u);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_NE(notifier.messages[0].find("SMITH.vxp"), std::string::npos);
}

TEST_F(ScoreFileTest, SameDateOrderFollowsTheExchangeSort) {
    // A and B share a date, C is newer: the exchange puts C first and A last.
    list = {Round("20000101", "A"), Round("20000101", "B"), Round("20010101", "C")};
    tb::SortScores(list);
    EXPECT_EQ(list[0].CourseName, "C");
    EXPECT_EQ(list[1].CourseName, "B");
    EXPECT_EQ(list[2].CourseName, "A");

    list = {Round("1999", "short"), Round("19990101", "long"), Round("2000", "new")};
    tb::SortScores(list);
    EXPECT_EQ(list[0].CourseName, "new");
    EXPECT_EQ(list[1].CourseName, "long"); // a prefix sorts below the longer date
    EXPECT_EQ(list[2].CourseName, "short");
}

TEST_F(ScoreFileTest, SortMatchesTheExchangePatternOnRandomDates) {
    // The order among equal dates is whatever this exchange gives; the index
    // depends on it, so every record carries a tag to follow it.
    auto exchange = [](tb::ScoreList list) {
        for (std::size_t i = 0; i + 1 < list.size(); ++i)
            for (std::size_t j = i + 1; j < list.size(); ++j)
                if (list[i].Date.str() < list[j].Date.str()) std::swap(list[i], list[j]);
        return list;
    };
    const std::string dates[] = {"20010101", "20010101", "2001",    "200101011", "",
                                 "\xE9",     "19991231", "2001\0"s, "99999999",  "20010102"};
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        tb::ScoreList list;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            list.push_back(Round(dates[random() % std::size(dates)]));
            list.back().Comment = std::to_string(i);
        }
        const tb::ScoreList expected = exchange(list);
        tb::SortScores(list);
        ASSERT_EQ(list, expected) << "round " << round;
    }
}

TEST_F(ScoreFileTest, NewestScoresAreTheSortedListCutAfterTheWantedCompleteScores) {
    const std::string dates[] = {"20010101", "010101", "910101", "2001\0"s, "\xE9", "19991231"};
    const std::string scores[] = {"", "0", "85", "XXX"}, ratings[] = {"0.0", "70.1", ""};
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        std::string file;
        const std::size_t lines = random() % 230;
        for (std::size_t i = 0; i < lines; ++i)
            file += random() % 40 == 0
                        ? "no fields\r\n"
                        : dates[random() % std::size(dates)] + "~C" + std::to_string(i) + "~" +
                              scores[random() % 4] + "~" + ratings[random() % 3] + "~120~" +
                              std::string(37, '~') + scores[random() % 3] + "~\r\n";
        dir.Write("SMITH.vxp", file);
        tb::ScoreList all;
        RecordingNotifier told;
        tb::LoadGolferScoresNewestFirst(dir.path(), "SMITH", all, told, tb::PrintRead);
        const int wanted = round % 3 == 0 ? 1 : 20;
        // `list` still holds the last round's records: they are overwritten.
        notifier.messages.clear();
        const tb::ScoreLoadResult read =
            tb::LoadNewestScores(dir.path(), "SMITH", list, notifier, tb::PrintRead, wanted);
        std::size_t cut = 0;
        for (int complete = 0; cut < all.size() && complete < wanted; ++cut)
            complete += tb::IsCompleteScore(all[cut]);
        all.resize(cut);
        ASSERT_EQ(list, all) << "round " << round;
        EXPECT_EQ(read.rounds, static_cast<int>(std::min<std::size_t>(lines, tb::MaxScores)));
        EXPECT_EQ(notifier.messages, told.messages);
    }
}

TEST_F(ScoreFileTest, SaveAndLoadAgainAreByteForByte) {
    tb::ScoreRec bare;
    tb::BlankScoreRec(bare);
    list = {Round("20010505", "ABBEY"), Round("20000101", "ZEBRA"), bare};
    list[1].Comment = "windy, 3 putts on 7";
    tb::SaveScores(dir / "SMITH.vxp", list);
    const std::string bytes = dir.Read("SMITH.vxp");
    EXPECT_EQ(bytes.substr(0, 53), "20010505~ABBEY~90~71.2~121~~5~5~5~5~5~5~5~5~5~5~5~5~5");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "~0~\r\n"); // the placeholder AGS

    tb::ScoreList copy = list;
    tb::LoadScores(dir / "SMITH.vxp", list, notifier);
    EXPECT_EQ(list, copy);
    tb::SaveScores(dir / "SMITH.vxp", list);
    EXPECT_EQ(dir.Read("SMITH.vxp"), bytes);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITH.vxp", "backups"}));
}

TEST_F(ScoreFileTest, SaveCutsFieldsAtNulInTheListToo) {
    list = {Round("20010505", "OAK\0HOLLOW"s)};
    list[0].Comment = "a\0b"s;
    tb::SaveScores(dir / "SMITH.vxp", list);
    EXPECT_EQ(list[0].CourseName, "OAK");
    EXPECT_EQ(list[0].Comment, "a");
    EXPECT_EQ(dir.Read("SMITH.vxp").substr(0, 28), "20010505~OAK~90~71.2~121~a~5");
}

TEST_F(ScoreFileTest, FileIsFoundWhateverItsCase) {
    dir.Write("SMITH.VXP", "20010101~UPPER~80~70.0~113~\r\n");
    tb::LoadScores(dir / "SMITH.vxp", list, notifier);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].CourseName, "UPPER");
    list.push_back(Round("20000101"));
    tb::SaveScores(dir / "SMITH.vxp", list);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITH.VXP", "backups"}));
    tb::LoadScores(dir / "smith.vxp", list, notifier);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ScoreFileTest, SavingCreatesAMissingFile) {
    list = {Round("20010101")};
    tb::SaveScores(dir / "NEW.vxp", list);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"NEW.vxp"});
    list.clear();
    tb::SaveScores(dir / "NEW.vxp", list);
    EXPECT_EQ(dir.Read("NEW.vxp"), "");
}

TEST(ScoreRecord, Completeness) {
    const struct {
        const char *score, *rating, *slope;
        bool complete;
    } cases[] = {
        {"85", "71.2", "121", true}, {"0", "71.2", "121", false}, {"", "71.2", "121", false},
        {"85", "0.0", "121", false}, {"85", "", "121", false},    {"85", "71.2", "0", false},
        {"85", "71.2", "", false},   {"00", "0", "00", true},     {"XXX", "XXXX", "XXX", true},
    };
    for (const auto& c : cases) {
        tb::ScoreRec rec;
        rec.Score = c.score;
        rec.Rating = c.rating;
        rec.Slope = c.slope;
        EXPECT_EQ(tb::IsCompleteScore(rec), c.complete)
            << c.score << " / " << c.rating << " / " << c.slope;
    }
    EXPECT_EQ(tb::ScoreFileName("SMITH"), "SMITH.vxp");
}

} // namespace
