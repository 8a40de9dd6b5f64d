#pragma once
// A golfer's progress: a chart of the index after each date of play, with
// the rounds that make today's index marked and the WHS index as a second
// line, and beside it the current indexes and the statistics
// of the rounds (scores, putts, holes against par). The chart can be saved
// as PNG or PDF and the rounds exported as CSV. Each request makes a new
// window over a copy of the golfer's scores.

#include "data/Records.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Progress.h"
#include "handicap/WhsIndex.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <chrono>
#include <optional>
#include <string>
#include <unordered_map>

class QAction;
class QChart;
class QChartView;
class QFormLayout;
class QLabel;

namespace tb {

// Stored dates on the chart's time axis; none for a date it cannot place.
using DatesOnAxis = std::unordered_map<std::string, std::optional<qint64>>;

class TProgressForm : public TbForm {
    Q_OBJECT
public:
    // `sorted`: the golfer's scores, newest first.
    TProgressForm(const GolferRec& golfer, ScoreList sorted, QWidget* parent = nullptr);
    const char* HelpPage() const override { return "ProgressWindow.html"; }

    // The chart and, under it, the rounds whose dates it cannot place: what
    // a saved PNG or PDF shows.
    QWidget* ChartPanel;
    QChartView* ChartView;
    QLabel* NotShown;
    QFormLayout* Statistics;
    TButton* CloseButton;
    QAction* SavePng1;
    QAction* SavePdf1;
    QAction* ExportCsv1;
    QAction* Close1;

    void SavePng1Click();
    void SavePdf1Click();
    void ExportCsv1Click();

private:
    // The program's own index over a copy of the scores, which the
    // computation may change (`indexed`).
    IndexResult OwnIndex(ScoreList& indexed) const;
    // The chart of the `indexHistory` (IndexHistory over the scores), with
    // `index` over `indexed` (OwnIndex).
    QChart* BuildChart(const IndexResult& index, const ScoreList& indexed,
                       const std::vector<IndexPoint>& indexHistory);
    void ShowChart(QChart* chart);
    void ListNotShown();
    void ShowStatistics(const IndexResult& own);
    // A stored date on the time axis; none for one the chart cannot place.
    // Each date is placed once, the rounds' dates while the window is made
    // (datesOnAxis_): the lines share their dates, and a local midnight
    // costs a look at the time zone each time.
    std::optional<qint64> DateOnAxis(const std::string& stored);
    QString Proposed(const QString& suffix) const;

    GolferRec golfer_;
    ScoreList scores_;
    CourseList courses_;
    WhsResult whs_;
    std::chrono::year_month_day today_;
    DatesOnAxis datesOnAxis_;
};

// Opens a new progress window for `golfer` over `sorted` (newest first),
// handed back to `opener` when it closes. In the extras module; the windows
// call it through OpenProgress (widgets/Extras.h).
void OpenProgressWindow(TbForm* opener, const GolferRec& golfer, ScoreList sorted);

} // namespace tb
