#include "RestoreBackupWindow.h"

#include "data/ScoreFile.h"
#include "handicap/HandicapIndex.h"
#include "handicap/ScoreListLine.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <string_view>

namespace tb {

namespace {
bool IsScoreFile(const std::string& name) {
    return QString::fromStdString(name).endsWith(".vxp", Qt::CaseInsensitive);
}

QString VersionText(const BackupVersion& version) {
    return QString::fromStdString(FormatBackupTime(version.keptAt)) +
           QString("  %1 bytes").arg(version.size, 9);
}
} // namespace

TRestoreForm::TRestoreForm(QWidget* parent) : TbForm(parent) {
    HandBackWhenClosed();
    setWindowTitle("Restore from Backup");
    auto* central = new QWidget(this);
    setCentralWidget(central);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    FilesLabel = new QLabel("&Files:", central);
    FilesListBox = new QListWidget(central);
    VersionsLabel = new QLabel("&Versions:", central);
    VersionsListBox = new QListWidget(central);
    VersionsListBox->setFont(fixed);
    ContentsLabel = new QLabel("&Contents:", central);
    ContentsMemo = new QPlainTextEdit(central);
    ContentsMemo->setReadOnly(true);
    ContentsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ContentsMemo->setFont(fixed);
    RestoreButton = new TButton("&Restore", central);
    CloseButton = new TButton("Close", central);
    NameByLabel(FilesLabel, FilesListBox);
    NameByLabel(VersionsLabel, VersionsListBox);
    NameByLabel(ContentsLabel, ContentsMemo);
    const QFontMetrics metrics(fixed);
    // A version's line (36 characters) with the list's frame and margins.
    VersionsListBox->setMinimumWidth(metrics.horizontalAdvance(QString(40, '0')));
    ContentsMemo->setMinimumWidth(metrics.horizontalAdvance(QString(72, '0')));

    auto* lists = new QGridLayout;
    lists->addWidget(FilesLabel, 0, 0);
    lists->addWidget(FilesListBox, 1, 0);
    lists->addWidget(VersionsLabel, 0, 1);
    lists->addWidget(VersionsListBox, 1, 1);
    lists->addWidget(ContentsLabel, 0, 2);
    lists->addWidget(ContentsMemo, 1, 2);
    lists->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(RestoreButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    setTabOrder(FilesListBox, VersionsListBox);
    setTabOrder(VersionsListBox, ContentsMemo);
    setTabOrder(ContentsMemo, RestoreButton);
    setTabOrder(RestoreButton, CloseButton);

    Bind(&TRestoreForm::RestoreButtonClick, RestoreButton);
    Bind(&TRestoreForm::CloseButtonClick, CloseButton);
    Connect(FilesListBox, &QListWidget::currentRowChanged, this, [this] { FileChosen(); });
    Connect(VersionsListBox, &QListWidget::currentRowChanged, this, [this] { VersionChosen(); });
    // Enter on a file goes on to its versions; Enter (or a double-click) on
    // a version restores it.
    Connect(FilesListBox, &QListWidget::itemActivated, this,
            [this] { FocusControl(VersionsListBox); });
    Connect(VersionsListBox, &QListWidget::itemActivated, this, [this] { RestoreButtonClick(); });
    SetCancelButton(CloseButton);
    UsePlacement("RestoreForm", {420, 120, 120, 900});
}

void TRestoreForm::FormShow() {
    FillFiles();
    FocusControl(FilesListBox);
}

void TRestoreForm::FillFiles() {
    const std::string chosen = ChosenFile();
    files_ = FilesWithBackups(DataDir);
    FilesListBox->clear();
    int row = 0;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        FilesListBox->addItem(ToQt(files_[i]));
        if (files_[i] == chosen) row = static_cast<int>(i);
    }
    if (!files_.empty()) FilesListBox->setCurrentRow(row);
    FileChosen();
}

std::string TRestoreForm::ChosenFile() const {
    const int row = FilesListBox->currentRow();
    return row >= 0 && row < static_cast<int>(files_.size()) ? files_[row] : std::string();
}

const BackupVersion* TRestoreForm::ChosenVersion() const {
    const int row = VersionsListBox->currentRow();
    return row >= 0 && row < static_cast<int>(versions_.size()) ? &versions_[row] : nullptr;
}

void TRestoreForm::FileChosen() {
    const std::string file = ChosenFile();
    versions_ = file.empty() ? std::vector<BackupVersion>() : ListBackups(DataDir, file);
    VersionsListBox->clear();
    for (const BackupVersion& version : versions_)
        VersionsListBox->addItem(VersionText(version));
    if (!versions_.empty()) VersionsListBox->setCurrentRow(0);
    VersionChosen();
}

void TRestoreForm::VersionChosen() {
    ContentsMemo->clear();
    const BackupVersion* version = ChosenVersion();
    RestoreButton->setEnabled(version != nullptr);
    if (!version) return;
    QStringList lines;
    for (const std::string& line : VersionLines(ChosenFile(), *version))
        lines << ToQt(line);
    ContentsMemo->setPlainText(lines.join('\n'));
}

std::vector<std::string> TRestoreForm::VersionLines(const std::string& file,
                                                    const BackupVersion& version) {
    const auto path = BackupVersionPath(DataDir, file, version.id);
    if (!IsScoreFile(file)) return ReadLines(path);
    // The rounds as the golfer's scores list shows them, with its marks
    // (which scores make the index does not depend on the golfer's sex).
    ScoreList scores;
    MessageNotifier notifier(this);
    LoadScores(path, scores, notifier);
    SortScores(scores);
    const IndexResult index = ComputeIndex(scores, IndexInput{});
    // The header stands over the dates: past the mark and the number.
    std::vector<std::string> lines{std::string(6, ' ') + ScoreListHeader};
    for (std::size_t i = 0; i < scores.size(); ++i)
        lines.push_back(ScoreListLine(scores[i], static_cast<int>(i) + 1, index.usedScores));
    // Made from a view: GCC 12 warns, wrongly, of the literal's copy in an
    // optimised build (-Warray-bounds).
    lines.emplace_back(std::string_view(ScoreListLegend));
    return lines;
}

void TRestoreForm::RestoreButtonClick() {
    const BackupVersion* version = ChosenVersion();
    if (!version) return;
    const std::string file = ChosenFile();
    const QString question = "Put back " + ToQt(file) + " as it was kept at " +
                             QString::fromStdString(FormatBackupTime(version->keptAt)) +
                             "?  The current " + ToQt(file) + " is kept as a backup.";
    if (Dialogs::Confirm(this, question) != Dialogs::Answer::Yes) return;
    RestoreBackup(DataDir, file, version->id);
    FillFiles();
    Dialogs::Message(this, ToQt(file) + " restored.");
}

void TRestoreForm::CloseButtonClick() {
    close();
}

void OpenRestoreWindow(TbForm* opener) {
    (new TRestoreForm())->ShowFor(opener);
}

} // namespace tb
