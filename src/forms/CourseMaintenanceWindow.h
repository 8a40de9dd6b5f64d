#pragma once
// Course maintenance: adds, changes and deletes courses through the course
// editor and writes the list to "courses.vxc" on Save, with the courses'
// stroke indexes in "strokeidx.vxc" in the same save. Each window keeps its
// own lists; a save applies them to the files as they are then (SaveCheck.h).

#include "data/Records.h"
#include "data/Store.h"
#include "widgets/Controls.h"
#include "widgets/MaintForm.h"

#include <QPointer>

#include <string>
#include <vector>

class QAction;
class QListWidget;

namespace tb {

struct EditedCourse;

class TCMaintForm : public TMaintForm {
    Q_OBJECT
public:
    explicit TCMaintForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "CourseMaintenanceWindow.html"; }

    QListWidget* CourseListBox;
    QAction* AddCourse1;
    QAction* ModifyCourse1;
    QAction* DeleteCourse1;

    void AddButtonClick() override;
    void ModifyButtonClick() override;
    void DeleteButtonClick() override;
    void SaveButtonClick() override;

    const CourseList& Courses() const { return courses_; }

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void FillListBox();
    void TakeEditedCourse();
    // The stroke index lines follow an accepted course: its row set, and
    // its lines renamed when its name changed and no other course keeps it.
    void TakeStrokeIndexes(bool adding, const EditedCourse& edited);
    bool NameInList(const std::string& name) const;
    CourseList ReadCoursesNow();
    // Whether the stroke index file is to be written with the course list:
    // only when its lines change or the file was changed outside, so that a
    // folder without one gets none when no course has stroke indexes.
    bool StrokeIndexesToWrite(const std::vector<std::string>& toSave) const;
    // After a save changed the list's order or content: the course in the
    // editor is found again by what it was, or dropped when it is gone.
    void FindEditedCourse();

    CourseList courses_;
    CourseList read_;         // the list as read, which a save compares the file with
    FileVersion readVersion_; // the file's version then
    CourseRec editing_;       // the course as it was handed to the editor
    // The stroke index file's lines, as edited and as read, and its version.
    std::vector<std::string> strokeLines_;
    std::vector<std::string> strokeRead_;
    FileVersion strokeVersion_;
    // The course handed to the editor (1-based); 0 while a new course is
    // being added; EditDropped when it was deleted while in the editor.
    static constexpr int EditDropped = -1;
    int currentCourse_ = 0;
};

// The newest course maintenance window.
extern QPointer<TCMaintForm> CMaintForm;

} // namespace tb
