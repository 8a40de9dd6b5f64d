#pragma once
// The two-choice dialog: a question with two answers and Cancel.

#include <QDialog>

class QTextEdit;
class QPushButton;

namespace tb {

class TTwoChoiceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTwoChoiceDlg(QWidget* parent = nullptr);

    // Shows the dialog modally, centred on the screen: 1 for Button1, 2 for
    // Button2, -1 for Cancel (or Escape). Closing it by its title bar counts
    // as the second answer, as the platform's own cancel code did.
    int Ask();

    QTextEdit* MemoField;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* CancelButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Lets the dialogs seam ask its two-choice questions with this dialog.
void RegisterTwoChoiceDialog();

} // namespace tb
