// The progress chart's scales: which stored dates it places, and its ticks.

#include "handicap/ChartScale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum tb::DatePlacement;

TEST(ChartScale, PlacesRealDaysUpToToday) {
    using namespace std::chrono;
    const year_month_day today = 2026y / December / 8;
    const struct {
        const char* stored;
        tb::DatePlacement placement;
    } cases[] = {{"20261208", Placed},  {"20261209", AfterToday}, {"690101", AfterToday},
                 {"20240229", Placed},  {"20230229", NotADay},    {"20241301", NotADay},
                 {"2024a101", NotADay}, {"00000101", NotADay},    {"hello", NotADay},
                 {"", NoDate}};
    for (const auto& c : cases)
        EXPECT_EQ(tb::PlaceDate(c.stored, today).placement, c.placement) << c.stored;
    EXPECT_EQ(tb::PlaceDate("700101", today).day, 1970y / January / 1);
}

TEST(ChartScale, TicksAtWholeOrHalfNumbersAroundTheValues) {
    const struct {
        double smallest, largest, low, high, step, decimals;
    } cases[] = {{14.9, 14.9, 14.5, 15.5, 0.5, 1}, {0, 2, -0.5, 2.5, 0.5, 1},
                 {-3.2, 4, -4, 5, 1, 0},           {11.0, 26.5, 10, 28, 2, 0},
                 {8.3, 36.4, 5, 40, 5, 0},         {20, 95, 10, 100, 10, 0}};
    for (const auto& c : cases) {
        const tb::AxisTicks t = tb::ValueTicks(c.smallest, c.largest);
        EXPECT_EQ(
            std::vector({t.low, t.high, t.step, 1.0 * t.decimals, t.low + t.intervals * t.step}),
            std::vector({c.low, c.high, c.step, c.decimals, c.high}))
            << c.smallest << ".." << c.largest;
    }
}

} // namespace
