#pragma once
// Tarnbeck Help: the user guide carried in the program's resources, read in
// a browser of its own (no web browser, no network). The contents list on
// the left, Back and Forward, and a find box: Enter finds the next place of
// its text in the page, and once the page has no more, in the pages after it
// in the contents. One window per run, opened at the page of the window F1
// or Help > Help was used in; it takes part in no hand-over, and Escape or
// closing it brings that window forward again.

#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <vector>

class QListWidget;
class QTextBrowser;

namespace tb {

class THelpForm : public TbForm {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    const char* HelpPage() const override { return "index.html"; }
    bool IsWorkWindow() const override { return false; }

    // Shows the guide's `page` and brings the window forward for `from`.
    void ShowPage(TbForm* from, const QString& page);

    QLabel* ContentsLabel;
    QListWidget* ContentsListBox;
    TButton* BackButton;
    TButton* ForwardButton;
    QLabel* FindLabel;
    QLineEdit* FindField;
    QLabel* FindResultLabel;
    QTextBrowser* PageBrowser;

    void BackButtonClick();
    void ForwardButtonClick();
    void FindNext();

protected:
    void FormHide() override;

private:
    struct Page {
        QString file, title, text;
    };
    void BuildLayout();
    void ReadPages();
    void Open(const QUrl& url);
    void LinkClicked(const QUrl& link);
    void PageChosen(int row);
    void PageShown(const QUrl& url);
    int ShownPage() const;

    std::vector<Page> pages_;
    QPointer<TbForm> openedFrom_;
};

// Where the guide's `page` is in the program's resources.
QUrl HelpPageUrl(const QString& page);

// The help window of this run, once opened.
extern QPointer<THelpForm> HelpForm;

// Lets every window open the guide with this window (at start-up).
void RegisterHelpWindow();

} // namespace tb
