#pragma once
// The two-choice dialog: a question with two answers and Cancel.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tb {

class TTwoChoiceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTwoChoiceDlg(QWidget* parent = nullptr);

    // Shows the dialog modally: 1 for Button1, 2 for Button2, -1 for Cancel.
    // Closing it by its title bar counts as the second answer, as the
    // platform's own cancel code did.
    int Ask();

    QPlainTextEdit* MemoField;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* CancelButton;
};

} // namespace tb
