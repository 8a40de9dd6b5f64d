#pragma once
// A golfer's progress: a chart of the index after each date of play, with
// the rounds that make today's index marked, and beside it the statistics
// of the rounds (scores, putts, holes against par). The chart can be saved
// as PNG or PDF and the rounds exported as CSV. Each request makes a new
// window over a copy of the golfer's scores.

#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QAction;
class QChartView;
class QFormLayout;

namespace tb {

class TProgressForm : public TbForm {
    Q_OBJECT
public:
    // `sorted`: the golfer's scores, newest first.
    TProgressForm(const GolferRec& golfer, ScoreList sorted, QWidget* parent = nullptr);

    QChartView* ChartView;
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
    void BuildChart();
    void ShowStatistics();
    QString Proposed(const QString& suffix) const;

    GolferRec golfer_;
    ScoreList scores_;
};

// Opens a new progress window for `golfer` over `sorted` (newest first),
// handed back to `opener` when it closes.
void OpenProgress(TbForm* opener, const GolferRec& golfer, ScoreList sorted);

} // namespace tb
