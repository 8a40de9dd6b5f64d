#pragma once
// Course maintenance: adds, changes and deletes courses through the course
// editor and writes the list to "courses.vxc" on Save. Each window keeps
// its own list; a save applies it to the file as it is then (SaveCheck.h).

#include "data/Records.h"
#include "data/Store.h"
#include "widgets/Controls.h"
#include "widgets/MaintForm.h"

#include <QPointer>

class QAction;
class QListWidget;

namespace tb {

class TCMaintForm : public TMaintForm {
    Q_OBJECT
public:
    explicit TCMaintForm(QWidget* parent = nullptr);

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
    CourseList ReadCoursesNow();
    // After a save changed the list's order or content: the course in the
    // editor is found again by what it was, or dropped when it is gone.
    void FindEditedCourse();

    CourseList courses_;
    CourseList read_;         // the list as read, which a save compares the file with
    FileVersion readVersion_; // the file's version then
    CourseRec editing_;       // the course as it was handed to the editor
    // The course handed to the editor (1-based); 0 while a new course is
    // being added; EditDropped when it was deleted while in the editor.
    static constexpr int EditDropped = -1;
    int currentCourse_ = 0;
};

// The newest course maintenance window.
extern QPointer<TCMaintForm> CMaintForm;

} // namespace tb
