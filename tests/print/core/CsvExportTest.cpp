// The CSV export: dates a spreadsheet reads as days, and the file written
// whole. The columns, marks and quoting, read back by a real CSV parser, are
// tested through tarnbeck-cli.

#include "print/core/CsvExport.h"
#include "data/Errors.h"
#include "data/ScoreFile.h"
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
        {std::string("2024") + '\0' + "0605", "2024"},
        {"1,2", "\"1,2\""},
    };
    for (const auto& c : cases) {
        tb::ScoreList list{Dated(c.stored)};
        const std::string row = tb::GolferCsvRows(Smith, list, false).at(0);
        EXPECT_EQ(row.substr(0, c.field.size() + 1), c.field + ",") << row;
    }
}

TEST(CsvExport, SaveWritesCrLfLinesWholeOrNotAtAll) {
    tbtest::TempDir dir;
    tb::SaveCsv(dir / "SMITH.csv", {"a,b", "\"c\""});
    EXPECT_EQ(dir.Read("SMITH.csv"), "a,b\r\n\"c\"\r\n");
    EXPECT_THROW(tb::SaveCsv(dir / "gone" / "SMITH.csv", {"a"}), tb::InOutError);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"SMITH.csv"});
}

} // namespace
