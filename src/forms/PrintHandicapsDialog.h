#pragma once
// The handicap reports for one course and a chosen set of golfers: the
// handicap list, on paper or in "hdcplist.vxo", and the handicap cards, on
// paper. The golfers are moved between the golfer list and the print list
// with ">", ">>", "<" and "<<". Each request makes a new window.

#include "data/Records.h"
#include "print/core/HandicapReports.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tb {

class TPrintHandicapsDlg : public TbForm {
    Q_OBJECT
public:
    explicit TPrintHandicapsDlg(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "PrintHandicapsDialog.html"; }

    QLabel* Label1;
    QComboBox* CourseField;
    QLabel* SrcLabel;
    QListWidget* GolferListBox; // golfers not chosen, kept sorted
    QLabel* DstLabel;
    QListWidget* PrintListBox; // golfers chosen, in the order they arrived
    TButton* IncludeBtn;
    TButton* IncAllBtn;
    TButton* ExcludeBtn;
    TButton* ExAllBtn;
    TButton* PrintListButton;
    TButton* PrintCardsButton;
    TButton* ExitButton;

    void IncludeBtnClick();
    void ExcludeBtnClick();
    void IncAllBtnClick();
    void ExcAllBtnClick();
    void PrintListButtonClick();
    void PrintCardsButtonClick();
    void ExitButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void MoveSelected(QListWidget* source, QListWidget* destination);
    void MoveAll(QListWidget* source, QListWidget* destination);
    // Selects the line at `position` of `source` (the nearest one there is)
    // and sets the buttons.
    void SetItem(QListWidget* source, int position);
    void SetButtons();
    void AddLine(QListWidget* destination, QListWidgetItem* line);
    // The course and the golfers of the print list; false (after saying
    // so) when either is missing.
    bool ReportInputs(CourseSummary& course, std::vector<GolferRec>& golfers);
    std::vector<GolferHandicap> ReadHandicaps(const std::vector<GolferRec>& golfers);

    CourseSummaryList courses_;
    GolferList golfers_;
    bool courseChosen_ = false;
};

} // namespace tb
