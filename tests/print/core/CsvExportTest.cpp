// The CSV export: dates a spreadsheet reads as days, the marks and
// differentials of the golfer scores list, and the file written whole.
// Reading the CSV back with a real parser is tested through tarnbeck-cli.

#include "print/core/CsvExport.h"
#include "data/Errors.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "handicap/ScoreListLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const tb::GolferRec Smith{"Smith, John", "SMITH", 0};

tb::ScoreRec Dated(const std::string& date) {
    tb::ScoreRec rec = tb::ParseScoreLine("20240101~OAK~85~71.2~121~");
    rec.Date = date;
    return rec;
}

TEST(CsvExport, DatesAreDaysWhenTheyCanBe) {
    const struct {
        std::string stored, field;
    } cases[] = {
        {"20240605", "2024-06-05"},
        {"20240229", "2024-02-29"},
        {"240605", "2024-06-05"}, // six digits, widened as the reader widens them
        {"990101", "1999-01-01"},
        {"20230229", "20230229"}, // no such day: the stored text
        {"20241301", "20241301"},
        {"99999999", "99999999"},
        {"", ""},
        {"2024-6-5", "2024-6-5"},
        {std::string("2024\0"
                     "0605",
                     9),
         "2024"},
        {"1,2", "\"1,2\""},
    };
    for (const auto& c : cases) {
        tb::ScoreList list{Dated(c.stored)};
        const std::string row = tb::GolferCsvRows(Smith, list, false).at(0);
        EXPECT_EQ(row.substr(0, c.field.size() + 1), c.field + ",") << row;
    }
}

// The marks and differentials read as the golfer scores list shows them.
TEST(CsvExport, MarksAndDifferentialsOfTheScoreList) {
    // Six rounds, one incomplete: five taken, the best one used.
    tb::ScoreList list;
    for (const char* line :
         {"20240606~OAK~85~71.2~121~", "20240605~OAK~80~0.0~121~", "20240604~OAK~70~72.0~121~",
          "20240603~OAK~79~XXX~121~", "20240602~OAK~88~70.5~121~", "20240601~OAK~101~72.0~121~"})
        list.push_back(tb::ParseScoreLine(line));
    tb::ScoreList exported = list;
    const std::vector<std::string> lines = tb::GolferCsvLines(Smith, exported);
    ASSERT_EQ(lines.size(), list.size() + 1);

    const tb::IndexResult index = tb::ComputeIndex(list, {"0", "Smith, John"});
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string shown =
            tb::ScoreListLine(list[i], static_cast<int>(i) + 1, index.usedScores);
        const std::string differential = tb::FormatFixed(tb::StoredScoreDifferential(list[i]), 1);
        const std::string marks =
            std::string(shown[0] == '*' ? "1" : "0") + "," + (shown[0] == 'I' ? "1" : "0");
        EXPECT_NE(lines[i + 1].find("," + differential + "," + marks + ","), std::string::npos)
            << lines[i + 1] << " for " << shown;
    }
    EXPECT_EQ(exported, list); // the same side effects as the index computation
}

std::vector<std::string> Columns(const std::string& header) {
    std::vector<std::string> columns{""};
    for (char c : header)
        if (c == ',')
            columns.emplace_back();
        else
            columns.back() += c;
    return columns;
}

// The names scripts and spreadsheets find the columns by.
TEST(CsvExport, HeaderNamesEveryColumn) {
    std::vector<std::string> expected = {
        "date",  "course",       "score",         "adjusted_gross_score", "rating",
        "slope", "differential", "used_in_index", "incomplete",           "comment"};
    for (const char* prefix : {"hole", "putts"})
        for (int hole = 1; hole <= 18; ++hole)
            expected.push_back(prefix + std::to_string(hole));
    EXPECT_EQ(Columns(tb::GolferCsvHeader(false)), expected);
    expected.insert(expected.begin(), {"long_name", "short_name"});
    EXPECT_EQ(Columns(tb::GolferCsvHeader(true)), expected);
}

TEST(CsvExport, SaveWritesCrLfLinesWholeOrNotAtAll) {
    tbtest::TempDir dir;
    tb::SaveCsv(dir / "SMITH.csv", {"a,b", "\"c\""});
    EXPECT_EQ(dir.Read("SMITH.csv"), "a,b\r\n\"c\"\r\n");
    EXPECT_THROW(tb::SaveCsv(dir / "gone" / "SMITH.csv", {"a"}), tb::InOutError);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"SMITH.csv"});
}

} // namespace
