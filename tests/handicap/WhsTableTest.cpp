// What the windows show of the WHS index over time, and when they advise
// adding stroke indexes.

#include "handicap/WhsTable.h"
#include "data/ScoreFile.h"

#include <gtest/gtest.h>

namespace {

// Totals of 80 at rating 72.0, slope 113 (differential 8.0), newest first:
// the index after 3, 4 and 5 rounds is 6.0, 7.0 and 8.0.
tb::ScoreList Totals(std::initializer_list<const char*> dates) {
    tb::ScoreList list;
    for (const char* date : dates)
        list.push_back(tb::ParseScoreLine(std::string(date) + "~X~80~72.0~113~"));
    return list;
}

TEST(WhsTableTest, TheIndexAfterTheLastRoundOfEachDateAndTheAdviceWithoutStrokeIndexes) {
    const tb::WhsResult result = tb::ComputeWhsIndex(
        Totals({"20240105", "20240105", "20240103", "20240103", "20240101"}), {}, {});
    std::vector<std::pair<std::string, int>> points;
    for (const tb::WhsIndexPoint& point : tb::WhsIndexHistory(result))
        points.emplace_back(point.date, point.index10);
    EXPECT_EQ(points,
              (std::vector<std::pair<std::string, int>>{{"20240103", 60}, {"20240105", 80}}));
    EXPECT_NE(tb::WhsStrokeIndexAdvice(result, {}), "") << "a folder without stroke indexes";
    const tb::StrokeIndexMap pines = {{"PINES", {}}};
    EXPECT_EQ(tb::WhsStrokeIndexAdvice(result, pines), "") << "totals need none";
}

} // namespace
