#include "WhsTable.h"

#include "../data/Text.h"

#include <algorithm>

namespace tb {

namespace {
std::string ValueOrDash(const std::optional<int>& tenths) {
    return tenths ? FormatTenths(*tenths) : std::string("-");
}
} // namespace

std::vector<WhsRoundRow> WhsRoundRows(const WhsResult& result) {
    std::vector<WhsRoundRow> rows;
    rows.reserve(result.rounds.size());
    for (const WhsRound& round : result.rounds)
        rows.push_back({round.inCurrentIndex ? "*" : "", DateForDisplay(round.date), round.course,
                        std::to_string(round.ags), FormatTenths(round.differential10),
                        FormatTenths(round.exceptional10), ValueOrDash(round.index10),
                        ValueOrDash(round.low10),
                        round.source == WhsScoreSource::NetDoubleBogey
                            ? std::string()
                            : WhsSourceText(round.source)});
    return rows;
}

std::vector<WhsSkippedRow> WhsSkippedRows(const WhsResult& result) {
    std::vector<WhsSkippedRow> rows;
    rows.reserve(result.skipped.size());
    for (const WhsSkippedRound& round : result.skipped)
        rows.push_back({DateForDisplay(round.date), round.course, WhsSkipText(round.reason)});
    return rows;
}

std::string WhsValueText(const std::optional<int>& tenths) {
    return tenths ? FormatTenths(*tenths) : std::string("none");
}

std::string WhsStrokeIndexAdvice(const WhsResult& result, const StrokeIndexMap& strokeIndexes) {
    const bool wanted =
        strokeIndexes.empty() ||
        std::any_of(result.rounds.begin(), result.rounds.end(), [](const WhsRound& round) {
            return round.source == WhsScoreSource::NoStrokeIndexes;
        });
    if (!wanted) return {};
    return "Rounds on a course without stroke indexes count their AGS as stored.  To count "
           "them hole by hole (net double bogey), type the course's stroke indexes in the "
           "\"Stroke index\" row of the course: Edit Courses on the main window, then Modify.";
}

std::vector<WhsIndexPoint> WhsIndexHistory(const WhsResult& result) {
    std::vector<WhsIndexPoint> points;
    for (const WhsRound& round : result.rounds) {
        if (!round.index10) continue;
        if (!points.empty() && points.back().date == round.date) points.pop_back();
        points.push_back({round.date, *round.index10});
    }
    return points;
}

} // namespace tb
