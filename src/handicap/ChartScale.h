#pragma once
// The progress chart's scales: which stored dates its time axis can place,
// and value-axis ticks at round numbers. Plain arithmetic; the window only
// applies what these give.

#include <chrono>
#include <string>

namespace tb {

// Why a round's date is or is not on the time axis.
enum class DatePlacement { Placed, NoDate, NotADay, AfterToday };

struct PlacedDate {
    DatePlacement placement = DatePlacement::NoDate;
    std::chrono::year_month_day day{}; // the day, when placed
};

// A stored date (YYYYMMDD, or YYMMDD read as the scores list shows it) on a
// time axis that ends at `today`: a real calendar day (year 1 or later) not
// later than today is placed; anything else is not, and says why.
PlacedDate PlaceDate(const std::string& stored, std::chrono::year_month_day today);

// A value axis from `low` to `high` with a tick every `step`.
struct AxisTicks {
    double low = 0, high = 1, step = 0.5;
    int intervals = 2; // (high - low) / step
    int decimals = 1;  // what a label needs: 1 for half steps, 0 otherwise
};

// The ticks for values from `smallest` to `largest`: the smallest step of
// 0.5, 1, 2, 5, 10, 20, 50, ... that needs at most `maxIntervals` intervals,
// the ends being the multiples of the step at least half a step beyond the
// values, so that no point sits on the plot's edge.
AxisTicks ValueTicks(double smallest, double largest, int maxIntervals = 10);

} // namespace tb
