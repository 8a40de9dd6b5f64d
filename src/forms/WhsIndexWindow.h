#pragma once
// A golfer's index under the World Handicap System, beside the program's
// own: the current index and low index, every round that takes part oldest
// first (its AGS, differential, exceptional-score adjustment, the index after
// it), the differentials today's index uses marked, and the rounds that do
// not take part with the reason. Each request makes a new window.

#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QLabel;
class QTreeWidget;

namespace tb {

class TWhsIndexForm : public TbForm {
    Q_OBJECT
public:
    explicit TWhsIndexForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "WhsIndexWindow.html"; }

    QLabel* IndexField;
    QLabel* LowIndexField;
    QLabel* StrokeIndexAdvice;
    QTreeWidget* RoundsTable;
    QLabel* RoundsLegend;
    QLabel* SkippedLabel;
    QTreeWidget* SkippedTable;
    TButton* CloseButton;

    // Reads the course list and the stroke indexes, then shows for `opener`
    // the WHS index of `golferName` over `scores`, the golfer's score list in
    // the order of the file (as read, or as its window will save it).
    static void OpenFor(TbForm* opener, const QString& golferName, const ScoreList& scores);

    void CloseButtonClick();
};

} // namespace tb
