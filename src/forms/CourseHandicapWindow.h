#pragma once
// A golfer's course handicap and predicted score at a course the user picks
// from the course list. Each request makes a new window (OpenFor), given the
// golfer's names and index.

#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

class QAction;
class QComboBox;
class QLabel;

namespace tb {

class THandicapForm : public TbForm {
    Q_OBJECT
public:
    explicit THandicapForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "CourseHandicapWindow.html"; }

    QLabel* CourseLabel;
    QComboBox* CourseField;
    TEdit* RatingField;
    TEdit* SlopeField;
    TEdit* ParField;
    TEdit* IndexField;
    TEdit* Hdcp1;
    TEdit* Hdcp2;
    TButton* OKButton;
    TButton* PrintButton;
    THiddenEdit* GolferName;
    THiddenEdit* GolferShortName;
    QAction* Exit1;
    QAction* Help2;
    QAction* AboutTarnbeck1;

    // Makes the window for one request and shows it for `opener`: the
    // golfer's long name, short name and index as the opener shows them.
    static void OpenFor(TbForm* opener, const QString& golferName, const QString& shortName,
                        const QString& index);

    void CourseFieldClick();
    void OKButtonClick();
    void PrintButtonClick();
    void Help2Click();
    void AboutTarnbeck1Click();

    bool CourseChosen() const { return courseChosen_; }

protected:
    void FormActivate() override;

private:
    void FormCreate();
    // Shows the course at `position` (1-based) and the golfer's handicap
    // and predicted score there.
    void CourseHandicap(int position);

    CourseSummaryList courses_;
    bool courseChosen_ = false;
};

} // namespace tb
