#include "CourseMaintenanceWindow.h"

#include "CourseEditWindow.h"
#include "data/CourseFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"
#include "widgets/Placement.h"
#include "widgets/SaveCheck.h"

#include <algorithm>

#include <QAction>
#include <QListWidget>

namespace tb {

QPointer<TCMaintForm> CMaintForm;

TCMaintForm::TCMaintForm(QWidget* parent)
    : TMaintForm({"Course Maintenance",
                  "CMaintForm",
                  {385, 119, 98, 568},
                  "Save changes made to courses?",
                  "&Add Course",
                  "&Modify Course",
                  "&Delete Course",
                  false,
                  CourseFileName,
                  "courses",
                  MaxCourses},
                 parent) {
    CourseListBox = List();
    AddCourse1 = AddItem();
    ModifyCourse1 = ModifyItem();
    DeleteCourse1 = DeleteItem();
    FormCreate();
}

void TCMaintForm::FormCreate() {
    MessageNotifier notifier(this);
    SetUnreadLines(
        LoadCourseList(DataDir, courses_, notifier, CourseSlotFill::Placeholders, &readVersion_));
    read_ = courses_;
    FillListBox();
    SetModified(false);
}

void TCMaintForm::FillListBox() {
    CourseListBox->clear();
    for (const CourseRec& course : courses_)
        CourseListBox->addItem(ToQt(course.Name));
}

void TCMaintForm::FormActivate() {
    if (TakeResultFrom(CourseForm.Get())) TakeEditedCourse();
    SortCourseList(courses_);
    FillListBox();
    // The selection follows the position the course had before sorting.
    CourseListBox->setCurrentRow(currentCourse_ > 0 ? currentCourse_ - 1 : 0);
}

void TCMaintForm::TakeEditedCourse() {
    // A course deleted while it was in the editor takes nothing back.
    if (currentCourse_ == EditDropped) {
        currentCourse_ = 0;
        return;
    }
    if (currentCourse_ == 0) {
        courses_.emplace_back();
        currentCourse_ = static_cast<int>(courses_.size());
    }
    courses_[currentCourse_ - 1] = CourseForm->CourseAsRec();
    SetModified(true);
}

void TCMaintForm::AddButtonClick() {
    if (static_cast<int>(courses_.size()) >= MaxCourses) {
        Dialogs::Warning(this, "You have reached the maximum allowed number of courses.  If "
                               "possible, delete some courses that you do not use.  Then, you "
                               "can enter more new ones.");
        return;
    }
    currentCourse_ = 0;
    CourseForm->OpenForNewCourse(this);
}

void TCMaintForm::ModifyButtonClick() {
    const int row = CourseListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(courses_.size())) return;
    currentCourse_ = row + 1;
    editing_ = courses_[row];
    CourseForm->OpenToChange(this, editing_);
}

void TCMaintForm::DeleteButtonClick() {
    const int row = CourseListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(courses_.size())) return;
    if (Dialogs::Confirm(this, "Are you sure you want to delete this course?") !=
        Dialogs::Answer::Yes)
        return;
    courses_.erase(courses_.begin() + row);
    // A course open in the editor keeps its place in the list.
    if (row + 1 == currentCourse_)
        currentCourse_ = EditDropped;
    else if (row + 1 < currentCourse_)
        --currentCourse_;
    delete CourseListBox->takeItem(row);
    SetModified(true);
    CourseListBox->setCurrentRow(std::min(row, CourseListBox->count() - 1));
}

CourseList TCMaintForm::ReadCoursesNow() {
    CourseList now;
    MessageNotifier notifier(this);
    LoadCourseList(DataDir, now, notifier);
    return now;
}

void TCMaintForm::FindEditedCourse() {
    if (currentCourse_ <= 0) return;
    const auto at = static_cast<std::size_t>(currentCourse_ - 1);
    if (at < courses_.size() && courses_[at] == editing_) return;
    auto found = std::find(courses_.begin(), courses_.end(), editing_);
    currentCourse_ =
        found == courses_.end() ? EditDropped : static_cast<int>(found - courses_.begin()) + 1;
}

void TCMaintForm::SaveButtonClick() {
    if (!MayDropUnreadLines()) return;
    const std::filesystem::path file = std::filesystem::path(DataDir) / CourseFileName;
    CourseList toSave = courses_;
    if (CheckBeforeSave<CourseRec>(this, file, readVersion_, read_, toSave, CoursesKind,
                                   [this] { return ReadCoursesNow(); }) == SaveDecision::Stop)
        return;
    SortCourseList(toSave);
    SaveCourseList(DataDir, toSave);
    const bool merged = toSave != courses_;
    courses_ = std::move(toSave);
    read_ = courses_;
    readVersion_ = VersionOnDisk(file);
    Saved();
    if (!merged) return;
    FindEditedCourse();
    const int row = CourseListBox->currentRow();
    FillListBox();
    CourseListBox->setCurrentRow(std::min(row, CourseListBox->count() - 1));
}

} // namespace tb
