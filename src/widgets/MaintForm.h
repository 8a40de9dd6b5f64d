#pragma once
// What golfer maintenance and course maintenance share: a list edited in
// memory beside the buttons Add, Modify, Delete, Save and Exit (with the same
// commands in the menus), a Save button enabled exactly while there are
// unsaved changes, and Exit (or the title bar's close box) asking whether to
// save them first.

#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <string>

class QAction;
class QListWidget;

namespace tb {

struct MaintWindowTexts {
    const char* caption;
    const char* placementSection; // the window's section of the settings file
    PlacementDefaults placement;
    const char* saveQuestion; // asked at Exit while changes are unsaved
    const char* addItem;      // the Edit menu's three items
    const char* modifyItem;
    const char* deleteItem;
    bool exitBeforeSave;   // tab order: ..., Delete, Exit, Save instead of Save, Exit
    const char* fileName;  // the list's file, named when a save would drop lines
    const char* itemsNoun; // "courses", "golfers"
    int maxItems;          // the most the list takes
};

// Before saving a list read only in part: false when the user does not want
// the `unread` lines past the first `maxItems` dropped from `fileName` (the
// file is then left as it is).
bool MayDropUnreadLines(QWidget* parent, const std::string& fileName, int unread,
                        const char* itemsNoun, int maxItems);

class TMaintForm : public TbForm {
    Q_OBJECT
public:
    TButton* AddButton;
    TButton* ModifyButton;
    TButton* DeleteButton;
    TButton* SaveButton;
    TButton* ExitButton;
    QAction* Save1;
    QAction* Exit1;

    virtual void AddButtonClick() = 0;
    virtual void ModifyButtonClick() = 0;
    virtual void DeleteButtonClick() = 0;
    virtual void SaveButtonClick() = 0;
    // Asks about unsaved changes, then closes the window.
    void ExitButtonClick();
    bool Modified() const { return modified_; }
    // Asks about unsaved changes before the program ends.
    bool QueryEnd() override { return ConfirmLeave(); }

protected:
    TMaintForm(const MaintWindowTexts& texts, QWidget* parent);

    QListWidget* List() const { return list_; }
    QAction* AddItem() const { return addItem_; }
    QAction* ModifyItem() const { return modifyItem_; }
    QAction* DeleteItem() const { return deleteItem_; }

    void SetModified(bool modified);
    bool FormCloseQuery() override;

    // The list's file held this many lines past the ones the list takes.
    void SetUnreadLines(int unread) { unreadLines_ = unread; }
    // Before a save: false when the list was read only in part and the user
    // does not want the unread lines dropped (the file is then left as it is).
    bool MayDropUnreadLines();
    // After a save: the file holds exactly the list.
    void Saved();

private:
    // False when the user cancels; Yes saves first (a failed save throws).
    bool ConfirmLeave();

    MaintWindowTexts texts_;
    QListWidget* list_;
    QAction* addItem_;
    QAction* modifyItem_;
    QAction* deleteItem_;
    bool modified_ = false;
    bool closing_ = false;
    int unreadLines_ = 0;
};

} // namespace tb
