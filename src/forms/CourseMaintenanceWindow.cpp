#include "CourseMaintenanceWindow.h"

#include "CourseEditWindow.h"
#include "data/CourseFile.h"
#include "data/StrokeIndexFile.h"
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
    CourseListBox->setAccessibleName("Courses");
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
    // A file that cannot be read keeps the window from opening, as the
    // course list does: no empty list stands for it.
    StrokeIndexFile strokes = LoadStrokeIndexFile(DataDir, notifier);
    strokeLines_ = strokes.lines;
    strokeRead_ = std::move(strokes.lines);
    strokeVersion_ = strokes.version;
    FillListBox();
    SetModified(false);
}

void TCMaintForm::FillListBox() {
    ShowLines(CourseListBox, TextsOf(courses_, &CourseRec::Name));
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
    const bool adding = currentCourse_ == 0;
    if (adding) {
        courses_.emplace_back();
        currentCourse_ = static_cast<int>(courses_.size());
    }
    const EditedCourse edited = CourseForm->CourseAsEdited();
    courses_[currentCourse_ - 1] = edited.course;
    TakeStrokeIndexes(adding, edited);
    SetModified(true);
}

void TCMaintForm::TakeStrokeIndexes(bool adding, const EditedCourse& edited) {
    // A new course typed without stroke indexes leaves the lines alone,
    // those of another course of its name included.
    if (adding && !edited.strokeIndexes) return;
    const std::string& name = edited.course.Name.str();
    const std::string& oldName = editing_.Name.str();
    if (!adding && oldName != name && !NameInList(oldName))
        RenameCourseStrokeIndexes(strokeLines_, oldName, name);
    SetCourseStrokeIndexes(strokeLines_, name, edited.strokeIndexes);
}

bool TCMaintForm::NameInList(const std::string& name) const {
    return std::any_of(courses_.begin(), courses_.end(),
                       [&](const CourseRec& course) { return course.Name.str() == name; });
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
    CourseForm->OpenToChange(this, editing_,
                             CourseStrokeIndexTexts(strokeLines_, editing_.Name.str()));
}

void TCMaintForm::DeleteButtonClick() {
    const int row = CourseListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(courses_.size())) return;
    if (Dialogs::Confirm(this, "Are you sure you want to delete this course?") !=
        Dialogs::Answer::Yes)
        return;
    const std::string name = courses_[row].Name.str();
    courses_.erase(courses_.begin() + row);
    if (!NameInList(name)) DeleteCourseStrokeIndexes(strokeLines_, name);
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

bool TCMaintForm::StrokeIndexesToWrite(const std::vector<std::string>& toSave) const {
    return toSave != strokeRead_ ||
           VersionOnDisk(std::filesystem::path(DataDir) / StrokeIndexFileName) != strokeVersion_;
}

void TCMaintForm::SaveButtonClick() {
    if (!MayDropUnreadLines()) return;
    const std::filesystem::path file = std::filesystem::path(DataDir) / CourseFileName;
    const std::filesystem::path strokeFile = std::filesystem::path(DataDir) / StrokeIndexFileName;
    // Both files are checked before either is written.
    CourseList toSave = courses_;
    if (CheckBeforeSave<CourseRec>(this, file, readVersion_, read_, toSave, CoursesKind,
                                   [this] { return ReadCoursesNow(); }) == SaveDecision::Stop)
        return;
    std::vector<std::string> strokesToSave = strokeLines_;
    auto readStrokesNow = [this] {
        MessageNotifier notifier(this);
        return LoadStrokeIndexFile(DataDir, notifier).lines;
    };
    if (CheckBeforeSave<std::string>(this, strokeFile, strokeVersion_, strokeRead_, strokesToSave,
                                     StrokeIndexLinesKind, readStrokesNow) == SaveDecision::Stop)
        return;
    SortCourseList(toSave);
    const bool writeStrokes = StrokeIndexesToWrite(strokesToSave);
    SaveCourseList(DataDir, toSave, writeStrokes ? &strokesToSave : nullptr);
    const bool merged = toSave != courses_;
    courses_ = std::move(toSave);
    read_ = courses_;
    readVersion_ = VersionOnDisk(file);
    strokeLines_ = std::move(strokesToSave);
    strokeRead_ = strokeLines_;
    strokeVersion_ = VersionOnDisk(strokeFile);
    Saved();
    if (!merged) return;
    FindEditedCourse();
    const int row = CourseListBox->currentRow();
    FillListBox();
    CourseListBox->setCurrentRow(std::min(row, CourseListBox->count() - 1));
}

} // namespace tb
