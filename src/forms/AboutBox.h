#pragma once
// The about box: product name, version and release date.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tb {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Image1;
    QLineEdit* VersionField;
    QPushButton* OKButton;

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
};

// Creates a new about box and shows it modally over `parent`.
void ShowAboutBox(QWidget* parent);

} // namespace tb
