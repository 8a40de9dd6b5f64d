// The progress chart's scales: which stored dates it places, and its ticks.

#include "handicap/ChartScale.h"

#include <gtest/gtest.h>

#include <cstdio>
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
        double smallest, largest, low, high, step;
    } cases[] = {{14.9, 14.9, 14.5, 15.5, 0.5}, {0, 2, -0.5, 2.5, 0.5}, {-3.2, 4, -4, 5, 1},
                 {11.0, 26.5, 10, 28, 2},       {8.3, 36.4, 5, 40, 5},  {20, 95, 10, 100, 10}};
    for (const auto& c : cases) {
        const tb::AxisTicks ticks = tb::ValueTicks(c.smallest, c.largest);
        EXPECT_EQ(std::vector({ticks.low, ticks.high, ticks.step}),
                  std::vector({c.low, c.high, c.step}))
            << c.smallest << ".." << c.largest;
        for (int i = 0; i <= ticks.intervals; ++i) { // each label shows its tick exactly
            char label[32];
            std::snprintf(label, sizeof label, "%.*f", ticks.decimals, ticks.low + i * ticks.step);
            EXPECT_EQ(std::stod(label), ticks.low + i * ticks.step) << label;
        }
    }
}

} // namespace
