#include "Tbcmaint.h"

#include "Dialogs.h"
#include "Latin1.h"
#include "Placement.h"
#include "Tbcourse.h"
#include "Tbmain.h"
#include "data/CourseFile.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

QPointer<TCMaintForm> CMaintForm;

namespace {
const char* const DataDir = ".";
}

TCMaintForm::TCMaintForm(QWidget* parent)
    : TMaintForm("CMaintForm", "Save changes made to courses?", parent) {
    setWindowTitle("Course Maintenance");
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    setCentralWidget(central);

    CourseListBox = new QListWidget(central);
    AddButton = new TButton("Add", central);
    ModifyButton = new TButton("Modify", central);
    DeleteButton = new TButton("Delete", central);
    SaveButton = new TButton("Save", central);
    ExitButton = new TButton("Exit", central);
    auto* buttons = new QVBoxLayout;
    for (TButton* button : {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(CourseListBox, 1);
    layout->addLayout(buttons);
    setTabOrder(CourseListBox, AddButton);
    setTabOrder(AddButton, ModifyButton);
    setTabOrder(ModifyButton, DeleteButton);
    setTabOrder(DeleteButton, SaveButton);
    setTabOrder(SaveButton, ExitButton);

    QMenu* file = menuBar()->addMenu("&File");
    Save1 = file->addAction("&Save");
    Exit1 = file->addAction("&Exit");
    QMenu* edit = menuBar()->addMenu("&Edit");
    AddCourse1 = edit->addAction("&Add Course");
    ModifyCourse1 = edit->addAction("&Modify Course");
    DeleteCourse1 = edit->addAction("&Delete Course");

    connect(AddButton, &QPushButton::clicked, this, &TCMaintForm::AddButtonClick);
    connect(AddCourse1, &QAction::triggered, this, &TCMaintForm::AddButtonClick);
    connect(ModifyButton, &QPushButton::clicked, this, &TCMaintForm::ModifyButtonClick);
    connect(ModifyCourse1, &QAction::triggered, this, &TCMaintForm::ModifyButtonClick);
    connect(CourseListBox, &QListWidget::itemDoubleClicked, this, &TCMaintForm::ModifyButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TCMaintForm::DeleteButtonClick);
    connect(DeleteCourse1, &QAction::triggered, this, &TCMaintForm::DeleteButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TCMaintForm::SaveButtonClick);
    connect(Save1, &QAction::triggered, this, &TCMaintForm::SaveButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &TMaintForm::ExitButtonClick);
    connect(Exit1, &QAction::triggered, this, &TMaintForm::ExitButtonClick);

    FormCreate();
}

void TCMaintForm::FormCreate() {
    ReadPlacement(this, "CMaintForm", {385, 119, 98, 568});
    MessageNotifier notifier(this);
    LoadCourseList(DataDir, courses_, notifier);
    FillListBox();
    SetModified(false);
}

void TCMaintForm::FillListBox() {
    CourseListBox->clear();
    for (const CourseRec& course : courses_)
        CourseListBox->addItem(ToQt(course.Name));
}

void TCMaintForm::FormActivate() {
    const bool editedHere = CourseForm && CourseForm->Opener() == this;
    if (editedHere && CourseForm->OkPressed->text() == "1" && currentCourse_ == EditDropped) {
        CourseForm->OkPressed->setText("0");
        currentCourse_ = 0;
    }
    if (editedHere && CourseForm->OkPressed->text() == "1") {
        CourseForm->OkPressed->setText("0");
        if (currentCourse_ == 0) {
            courses_.emplace_back();
            currentCourse_ = static_cast<int>(courses_.size());
        }
        // The editor's widths: name 30, rating 4, slope 3, pars 2, total 3.
        CourseRec& course = courses_[currentCourse_ - 1];
        course.Name = ToCore(CourseForm->CourseName->text()).substr(0, 30);
        course.Rating = ToCore(CourseForm->RatingField->text()).substr(0, 4);
        course.Slope = ToCore(CourseForm->SlopeField->text()).substr(0, 3);
        for (int hole = 0; hole < 18; ++hole)
            course.Par[hole] = ToCore(CourseForm->Par[hole]->text()).substr(0, 2);
        course.ParTotal = ToCore(CourseForm->ParTotal->text()).substr(0, 3);
        SetModified(true);
    }
    SortCourseList(courses_);
    FillListBox();
    // The selection follows the position the course had before sorting.
    CourseListBox->setCurrentRow(currentCourse_ > 0 ? currentCourse_ - 1 : 0);
}

void TCMaintForm::AddButtonClick() {
    if (static_cast<int>(courses_.size()) >= MainForm->MaxCourses) {
        Dialogs::Warning(this, "You have reached the maximum allowed number of courses.  If "
                               "possible, delete some courses that you do not use.  Then, you "
                               "can enter more new ones.");
        return;
    }
    currentCourse_ = 0;
    CourseForm->OkPressed->setText("0");
    CourseForm->CourseName->setText("");
    CourseForm->RatingField->setText("");
    CourseForm->SlopeField->setText("");
    for (TEdit* par : CourseForm->Par)
        par->setText("0");
    CourseForm->ParOut->setText("0");
    CourseForm->ParIn->setText("0");
    CourseForm->ParTotal->setText("0");
    CourseForm->ShowFor(this);
}

void TCMaintForm::ModifyButtonClick() {
    const int row = CourseListBox->currentRow();
    if (row < 0 || row >= static_cast<int>(courses_.size())) return;
    currentCourse_ = row + 1;
    CourseForm->OkPressed->setText("0");
    const CourseRec& course = courses_[row];
    CourseForm->CourseName->setText(ToQt(course.Name));
    CourseForm->RatingField->setText(ToQt(course.Rating));
    CourseForm->SlopeField->setText(ToQt(course.Slope));
    for (int hole = 0; hole < 18; ++hole)
        CourseForm->Par[hole]->setText(ToQt(course.Par[hole]));
    CourseForm->ParTotal->setText(ToQt(course.ParTotal));
    CourseForm->ShowFor(this);
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

void TCMaintForm::SaveButtonClick() {
    SaveCourseList(DataDir, courses_);
    SetModified(false);
}

} // namespace tb
