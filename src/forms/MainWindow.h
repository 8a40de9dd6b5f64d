#pragma once
// The main window: a launcher for golfer maintenance, course maintenance and
// the golfer list, holding the program-wide limits and the version text.

#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <QLineEdit>

#include <functional>

class QAction;
class QLabel;

namespace tb {

class TMainForm : public TbForm {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "MainWindow.html"; }

    // The program-wide limits, as the core lists hold them.
    int MaxGolfers = 0;
    int MaxScores = 0;
    int MaxCourses = 0;
    QString VersionText;
    QString ReleaseDateText;

    QLabel* Label1;
    TImage* Image1;
    TButton* EditGolferButton;
    TButton* EditCoursesButton;
    TButton* EnterScoresButton;
    TButton* ExitButton;
    QLineEdit* VersionField;
    QAction* RestoreFromBackup1;
    QAction* Exit1;
    QAction* EditGolfers1;
    QAction* EditCourses1;
    QAction* EnterScores1;
    QAction* Help2;
    QAction* AboutTarnbeck1;

    void EditGolferButtonClick();
    void EditCoursesButtonClick();
    void EnterScoresButtonClick();
    void RestoreFromBackup1Click();
    void Image1Click();
    void Help2Click();
    void ExitButtonClick();
    void Exit1Click();

    // The other forms made at start-up: made once this window has first been
    // drawn, so that the user sees it as soon as can be, or before a command
    // that opens a working window, whichever comes first.
    void MakeAfterFirstDrawing(std::function<void()> makeForms);
    void MakeWaitingForms();

protected:
    void FormCreate();
    bool FormCloseQuery() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> waitingForms_;
};

extern TMainForm* MainForm;

} // namespace tb
