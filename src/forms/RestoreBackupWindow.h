#pragma once
// Restore from Backup: the data files that have kept versions, the versions
// of the chosen file (when each was kept, its size), what the chosen version
// holds (its lines; for a score file its rounds as the golfer's scores list
// shows them), and Restore, which puts it back after a Yes/No question. The
// version it replaces is kept in turn. Each request makes a new window.

#include "data/Backups.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace tb {

class TRestoreForm : public TbForm {
    Q_OBJECT
public:
    explicit TRestoreForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "RestoreBackupWindow.html"; }

    QLabel* FilesLabel;
    QListWidget* FilesListBox;
    QLabel* VersionsLabel;
    QListWidget* VersionsListBox;
    QLabel* ContentsLabel;
    QPlainTextEdit* ContentsMemo;
    TButton* RestoreButton;
    TButton* CloseButton;

    void RestoreButtonClick();
    void CloseButtonClick();

protected:
    void FormShow() override;

private:
    void FillFiles();
    void FileChosen();
    void VersionChosen();
    std::string ChosenFile() const;
    const BackupVersion* ChosenVersion() const;
    std::vector<std::string> VersionLines(const std::string& file, const BackupVersion& version);

    std::vector<std::string> files_;
    std::vector<BackupVersion> versions_;
};

// Opens a new restore window for `opener`.
void OpenRestoreWindow(TbForm* opener);

} // namespace tb
