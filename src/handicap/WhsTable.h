#pragma once
// What the windows show of the WHS index: the rounds as table rows, the
// rounds that do not take part with the reason, the current values in
// words, the advice on stroke indexes, and the index over time for a chart.

#include "WhsIndex.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tb {

// The columns of a round that takes part, as the table heads them: the mark
// ("*" for the differentials today's index uses, as the golfer's scores are
// marked), then the round's line, then where its AGS came from when that is
// not net double bogey.
inline constexpr std::array<const char*, 9> WhsRoundColumns = {
    "", "Date", "Course", "AGS", "Differential", "Exceptional", "Index after", "Low index", "Note"};
inline constexpr const char* WhsRoundsLegend = "* = Used to calculate today's index";
using WhsRoundRow = std::array<std::string, WhsRoundColumns.size()>;

inline constexpr std::array<const char*, 3> WhsSkippedColumns = {"Date", "Course", "Reason"};
using WhsSkippedRow = std::array<std::string, WhsSkippedColumns.size()>;

// The rounds that take part, oldest first: MM/DD/YYYY, the course as stored,
// the AGS, the differential as the index used it at that round, the
// exceptional-score adjustment, the index after the round and its low index
// ("-" where there is none).
std::vector<WhsRoundRow> WhsRoundRows(const WhsResult& result);
// The rounds that do not take part, in the same order, with the reason.
std::vector<WhsSkippedRow> WhsSkippedRows(const WhsResult& result);

// An index with one decimal, or "none" while there is none yet.
std::string WhsValueText(const std::optional<int>& tenths);

// How to add stroke indexes, when the folder has none or a round that takes
// part had to take its AGS as stored for want of them; otherwise empty.
std::string WhsStrokeIndexAdvice(const WhsResult& result, const StrokeIndexMap& strokeIndexes);

// The index after the last round of each date that has one, oldest first.
struct WhsIndexPoint {
    std::string date; // YYYYMMDD
    int index10 = 0;
};
std::vector<WhsIndexPoint> WhsIndexHistory(const WhsResult& result);

} // namespace tb
