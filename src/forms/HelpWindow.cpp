#include "HelpWindow.h"

#include "widgets/Accessible.h"
#include "widgets/Help.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QTextDocument>

#include <array>

namespace tb {

QPointer<THelpForm> HelpForm;

namespace {
// The guide's pages in the order of its contents: getting started, the
// windows as a user meets them, then the subjects.
constexpr std::array PageFiles{
    "index.html",
    "MainWindow.html",
    "GolferListWindow.html",
    "ScoreForm.html",
    "GroupOfScoresWindow.html",
    "GolferScoresWindow.html",
    "CurrentIndexWindow.html",
    "WhsIndexWindow.html",
    "CourseHandicapWindow.html",
    "PrintHandicapsDialog.html",
    "ProgressWindow.html",
    "GolferMaintenanceWindow.html",
    "GolferNameDialog.html",
    "CourseMaintenanceWindow.html",
    "CourseEditWindow.html",
    "RestoreBackupWindow.html",
    "TwoChoiceDialog.html",
    "AboutBox.html",
    "files.html",
    "reports.html",
    "progress.html",
    "cli.html",
    "backups.html",
    "whs.html",
};

void ShowHelpWindow(TbForm* from, const char* page) {
    if (!HelpForm) HelpForm = new THelpForm();
    HelpForm->ShowPage(from, QString::fromLatin1(page));
}
} // namespace

QUrl HelpPageUrl(const QString& page) {
    return QUrl("qrc:/help/" + page);
}

void RegisterHelpWindow() {
    SetHelpShower(&ShowHelpWindow);
}

THelpForm::THelpForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Tarnbeck Help");
    BuildLayout();
    ReadPages();
    // Wide enough for the widest window's picture beside the contents.
    UsePlacement("HelpForm", {700, 40, 40, 1200});
    SetEscapeCommand([this] { close(); });

    Bind(&THelpForm::BackButtonClick, BackButton);
    Bind(&THelpForm::ForwardButtonClick, ForwardButton);
    Connect(FindField, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(PageBrowser, &QTextBrowser::backwardAvailable, BackButton, &QWidget::setEnabled);
    connect(PageBrowser, &QTextBrowser::forwardAvailable, ForwardButton, &QWidget::setEnabled);
    connect(PageBrowser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { LinkClicked(link); });
    connect(PageBrowser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { PageShown(url); });
    connect(ContentsListBox, &QListWidget::currentRowChanged, this,
            [this](int row) { PageChosen(row); });
}

void THelpForm::BuildLayout() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    ContentsLabel = new QLabel("&Contents:", central);
    ContentsListBox = new QListWidget(central);
    BackButton = new TButton("&Back", central);
    ForwardButton = new TButton("&Forward", central);
    FindLabel = new QLabel("F&ind:", central);
    FindField = new QLineEdit(central);
    FindResultLabel = new QLabel(central);
    PageBrowser = new QTextBrowser(central);
    // Links lead only to the guide's own pages (LinkClicked).
    PageBrowser->setOpenLinks(false);
    NameByLabel(ContentsLabel, ContentsListBox);
    NameByLabel(FindLabel, FindField);
    PageBrowser->setAccessibleName("Help page");
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    // Room for the guide's longest page titles.
    ContentsListBox->setFixedWidth(fontMetrics().averageCharWidth() * 38);

    auto* bar = new QHBoxLayout;
    bar->addWidget(BackButton);
    bar->addWidget(ForwardButton);
    bar->addSpacing(fontMetrics().averageCharWidth() * 2);
    bar->addWidget(FindLabel);
    bar->addWidget(FindField, 1);
    bar->addWidget(FindResultLabel, 1);
    auto* layout = new QGridLayout(central);
    layout->addWidget(ContentsLabel, 0, 0);
    layout->addWidget(ContentsListBox, 1, 0);
    layout->addLayout(bar, 0, 1);
    layout->addWidget(PageBrowser, 1, 1);
    layout->setColumnStretch(1, 1);
    setTabOrder(ContentsListBox, BackButton);
    setTabOrder(BackButton, ForwardButton);
    setTabOrder(ForwardButton, FindField);
    setTabOrder(FindField, PageBrowser);
}

void THelpForm::ReadPages() {
    for (const char* file : PageFiles) {
        QFile source(":/help/" + QString::fromLatin1(file));
        if (!source.open(QIODevice::ReadOnly)) continue;
        QTextDocument page;
        page.setHtml(QString::fromUtf8(source.readAll()));
        QString title = page.metaInformation(QTextDocument::DocumentTitle);
        if (title.isEmpty()) title = QString::fromLatin1(file).section('.', 0, 0);
        pages_.push_back({QString::fromLatin1(file), title, page.toPlainText()});
        ContentsListBox->addItem(title);
    }
}

void THelpForm::ShowPage(TbForm* from, const QString& page) {
    if (from != this) openedFrom_ = from;
    FindResultLabel->clear();
    Open(HelpPageUrl(page));
    show();
    BringForward();
}

void THelpForm::Open(const QUrl& url) {
    PageBrowser->setSource(url);
}

void THelpForm::LinkClicked(const QUrl& link) {
    // Offline: a link out of the guide opens nothing.
    const QUrl target = PageBrowser->source().resolved(link);
    if (target.scheme() == "qrc") Open(target);
}

void THelpForm::PageChosen(int row) {
    if (row >= 0 && ShownPage() != row) Open(HelpPageUrl(pages_[row].file));
}

void THelpForm::PageShown(const QUrl& url) {
    const QSignalBlocker quiet(ContentsListBox);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].file == url.fileName()) ContentsListBox->setCurrentRow(static_cast<int>(i));
}

int THelpForm::ShownPage() const {
    const QString shown = PageBrowser->source().fileName();
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].file == shown) return static_cast<int>(i);
    return -1;
}

void THelpForm::BackButtonClick() {
    PageBrowser->backward();
}

void THelpForm::ForwardButtonClick() {
    PageBrowser->forward();
}

void THelpForm::FindNext() {
    const QString text = FindField->text();
    FindResultLabel->clear();
    if (text.isEmpty() || PageBrowser->find(text)) return;
    // On through the pages after this one, this one last from its top.
    const int count = static_cast<int>(pages_.size());
    const int shown = ShownPage();
    for (int step = 1; step <= count; ++step) {
        const Page& page = pages_[(shown + step + count) % count];
        if (!page.text.contains(text, Qt::CaseInsensitive)) continue;
        Open(HelpPageUrl(page.file));
        PageBrowser->moveCursor(QTextCursor::Start);
        PageBrowser->find(text);
        return;
    }
    FindResultLabel->setText("\"" + text + "\" is not in the guide.");
}

void THelpForm::FormHide() {
    // Back to the window the guide was opened from, as it was: no hand-over.
    if (openedFrom_ && openedFrom_->isVisible()) openedFrom_->BringForward();
}

} // namespace tb
