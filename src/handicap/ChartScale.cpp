#include "ChartScale.h"

#include "../data/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace tb {

namespace {

// The digits at `from` (0-based) of `text`, `count` of them, as a number;
// none unless they are all digits.
std::optional<unsigned> Digits(const std::string& text, std::size_t from, std::size_t count) {
    const char* first = text.data() + from;
    const char* last = first + count;
    if (!std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    unsigned value = 0;
    std::from_chars(first, last, value);
    return value;
}

// A stored date read as the scores list shows it (MM/DD/YYYY); none when the
// list shows no number there.
std::optional<std::chrono::year_month_day> ReadDate(const std::string& stored) {
    const std::string shown = DateForDisplay(stored); // MM/DD/YYYY, or 99/99/9999
    const auto month = Digits(shown, 0, 2), day = Digits(shown, 3, 2), year = Digits(shown, 6, 4);
    if (!month || !day || !year) return std::nullopt;
    return std::chrono::year_month_day{std::chrono::year{static_cast<int>(*year)},
                                       std::chrono::month{*month}, std::chrono::day{*day}};
}

} // namespace

PlacedDate PlaceDate(const std::string& stored, std::chrono::year_month_day today) {
    if (stored.empty()) return {DatePlacement::NoDate, {}};
    const std::optional<std::chrono::year_month_day> day = ReadDate(stored);
    // Year 0 is a day to the calendar arithmetic, yet no year anyone played in.
    if (!day || !day->ok() || day->year() < std::chrono::year{1})
        return {DatePlacement::NotADay, {}};
    if (std::chrono::sys_days{*day} > std::chrono::sys_days{today})
        return {DatePlacement::AfterToday, {}};
    return {DatePlacement::Placed, *day};
}

AxisTicks ValueTicks(double smallest, double largest, int maxIntervals) {
    if (!std::isfinite(smallest) || !std::isfinite(largest)) return {};
    if (smallest > largest) std::swap(smallest, largest);
    // Steps 0.5, 1, 2 times 1, 10, 100, ...: 0.5, 1, 2, 5, 10, 20, 50, ...
    for (double scale = 1; scale < 1e300; scale *= 10) {
        for (const double base : {0.5, 1.0, 2.0}) {
            const double step = base * scale;
            const double low = std::floor((smallest - step / 2) / step) * step;
            const double high = std::ceil((largest + step / 2) / step) * step;
            const auto intervals = static_cast<int>(std::lround((high - low) / step));
            if (intervals <= maxIntervals) return {low, high, step, intervals, step < 1 ? 1 : 0};
        }
    }
    return {};
}

} // namespace tb
