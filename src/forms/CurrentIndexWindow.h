#pragma once
// How a golfer's index was obtained: the number of scores on file, the rule
// that applied, each differential used with its date and course, and the
// index, as the index computation writes them. Each request makes a new
// window, shown beside its opener.

#include "handicap/HandicapIndex.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <array>

class QLineEdit;

namespace tb {

class TIndexForm : public TbForm {
    Q_OBJECT
public:
    explicit TIndexForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "CurrentIndexWindow.html"; }

    std::array<QLineEdit*, DetailLineCount> Field; // Field1 to Field14
    TButton* OkButton;
    TButton* CancelButton;

    // Shows the lines the index computation wrote.
    void ShowDetails(const IndexDetails& details);

    void OkButtonClick();
    void CancelButtonClick();
};

} // namespace tb
