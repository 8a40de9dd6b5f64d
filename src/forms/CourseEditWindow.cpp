#include "CourseEditWindow.h"

#include "data/Errors.h"
#include "data/Text.h"
#include "handicap/ScoreEntry.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpressionValidator>

#include <vector>

namespace tb {

FormRef<TCourseForm> CourseForm;

TCourseForm::TCourseForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Course Maintenance");
    setWindowFlags(FixedDialogFlags);
}

void TCourseForm::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* grid = new QGridLayout(central);

    CourseName = new TEdit(central);
    CourseName->setMaxLength(30);
    CourseName->RefuseUnstorable(true);
    RatingField = new TEdit(central);
    RatingField->setMaxLength(4);
    RatingField->RefuseUnstorable();
    SlopeField = new TEdit(central);
    SlopeField->setMaxLength(3);
    SlopeField->RefuseUnstorable();
    grid->addWidget(LabelFor(CourseName, "Course Name:", central), 0, 0, 1, 2);
    grid->addWidget(CourseName, 0, 2, 1, 8);
    grid->addWidget(LabelFor(RatingField, "Rating:", central), 1, 0, 1, 2);
    grid->addWidget(RatingField, 1, 2, 1, 2);
    grid->addWidget(LabelFor(SlopeField, "Slope:", central), 1, 4, 1, 2);
    grid->addWidget(SlopeField, 1, 6, 1, 2);

    // The row of hole numbers over the row of pars: 1-9, OUT, 10-18, IN, Total.
    grid->addWidget(new QLabel("Hole:", central), 2, 0);
    grid->addWidget(new QLabel("Par:", central), 3, 0);
    auto parEdit = [&](int column, const QString& heading) {
        auto* label = new QLabel(heading, central);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 2, column);
        auto* edit = new TEdit(central, "0");
        edit->setFixedWidth(34);
        edit->RefuseUnstorable();
        grid->addWidget(edit, 3, column);
        return edit;
    };
    for (int hole = 1; hole <= 9; ++hole)
        Par[hole - 1] = parEdit(hole, QString::number(hole));
    ParOut = parEdit(10, "OUT");
    for (int hole = 10; hole <= 18; ++hole)
        Par[hole - 1] = parEdit(hole + 1, QString::number(hole));
    ParIn = parEdit(20, "IN");
    ParTotal = parEdit(21, "Total");
    NameHoleBoxes(Par, "par");
    NameSumBoxes(ParOut, ParIn, ParTotal, "Par");
    Par[0]->setAccessibleDescription("Leave it 0 and move on to type the total par alone.");
    ParOut->SetTabStop(false);
    ParIn->SetTabStop(false);
    // The boxes take what the course's fields keep, so that the sums stay
    // small whole numbers: a hole's par 2, the nine-hole sums and the total 3.
    for (TEdit* par : Par)
        par->setMaxLength(2);
    for (TEdit* sum : {ParOut, ParIn, ParTotal})
        sum->setMaxLength(3);

    BuildStrokeIndexRow(grid, central);

    OKButton = new TButton("OK", central);
    CancelButton = new TButton("Cancel", central);
    grid->addWidget(OKButton, 5, 15, 1, 3);
    grid->addWidget(CancelButton, 5, 18, 1, 3);
    OkPressed = new THiddenEdit(central, "0");
    SetTabOrder();

    for (int hole = 1; hole <= 18; ++hole)
        Par[hole - 1]->OnExit = [this, hole] { ParExit(hole); };
    Bind(&TCourseForm::OKButtonClick, OKButton);
    Bind(&TCourseForm::CancelButtonClick, CancelButton);
    FinishFixedDialog(OkPressed, CancelButton);
}

void TCourseForm::BuildStrokeIndexRow(QGridLayout* grid, QWidget* central) {
    // Under each hole's par, in the same columns; the sums have none.
    grid->addWidget(new QLabel("Stroke index", central), 4, 0);
    for (int hole = 1; hole <= 18; ++hole) {
        auto* edit = new TEdit(central);
        edit->setFixedWidth(34);
        edit->setMaxLength(2);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), edit));
        grid->addWidget(edit, 4, hole <= 9 ? hole : hole + 1);
        StrokeIndex[hole - 1] = edit;
    }
    NameHoleBoxes(StrokeIndex, "stroke index");
    DescribeBoxes(StrokeIndex, "Empty on every hole, or each of 1 to 18 once.");
}

void TCourseForm::SetTabOrder() {
    // As the screen reads: name, rating, slope, the pars, the total, the
    // stroke indexes, OK, Cancel (the nine-hole sums are skipped).
    std::vector<QWidget*> order{CourseName, RatingField, SlopeField};
    order.insert(order.end(), Par.begin(), Par.end());
    order.push_back(ParTotal);
    order.insert(order.end(), StrokeIndex.begin(), StrokeIndex.end());
    order.push_back(OKButton);
    order.push_back(CancelButton);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TCourseForm::OpenForNewCourse(TbForm* opener) {
    EnsureBuilt();
    for (TEdit* empty : {CourseName, RatingField, SlopeField})
        empty->clear();
    for (TEdit* par : Par)
        par->setText("0");
    for (TEdit* sum : {ParOut, ParIn, ParTotal})
        sum->setText("0");
    for (TEdit* strokeIndex : StrokeIndex)
        strokeIndex->clear();
    ShowAfreshFor(opener);
}

void TCourseForm::OpenForNewCourseFromLast(TbForm* opener) {
    EnsureBuilt();
    CourseName->clear();
    ShowAfreshFor(opener);
}

void TCourseForm::OpenToChange(TbForm* opener, const CourseRec& course,
                               const tb::StrokeIndexTexts& strokeIndexes) {
    EnsureBuilt();
    CourseName->setText(ToQt(course.Name));
    RatingField->setText(ToQt(course.Rating));
    SlopeField->setText(ToQt(course.Slope));
    for (int hole = 0; hole < 18; ++hole)
        Par[hole]->setText(ToQt(course.Par[hole]));
    ParTotal->setText(ToQt(course.ParTotal));
    for (int hole = 0; hole < 18; ++hole)
        StrokeIndex[hole]->setText(ToQt(strokeIndexes[hole]));
    ShowAfreshFor(opener);
}

CourseRec TCourseForm::CourseAsRec() const {
    // The editor's widths: name 30, rating 4, slope 3, pars 2, total 3.
    auto cut = [](const QLineEdit* edit, std::size_t width) {
        return ToCore(edit->text()).substr(0, width);
    };
    CourseRec course;
    course.Name = cut(CourseName, 30);
    course.Rating = cut(RatingField, 4);
    course.Slope = cut(SlopeField, 3);
    for (int hole = 0; hole < 18; ++hole)
        course.Par[hole] = cut(Par[hole], 2);
    course.ParTotal = cut(ParTotal, 3);
    return course;
}

EditedCourse TCourseForm::CourseAsEdited() const {
    return {CourseAsRec(), CheckStrokeIndexRow(TypedStrokeIndexes()).row};
}

tb::StrokeIndexTexts TCourseForm::TypedStrokeIndexes() const {
    tb::StrokeIndexTexts texts;
    for (int hole = 0; hole < 18; ++hole)
        texts[hole] = ToCore(StrokeIndex[hole]->text());
    return texts;
}

void TCourseForm::RecomputeTotals(bool includingTotal) {
    for (TEdit* par : Par)
        if (par->text().isEmpty()) par->setText("0");
    ParOut->setText(ToQt(SumText(TextsOf(Par, 1, 9))));
    ParIn->setText(ToQt(SumText(TextsOf(Par, 10, 18))));
    if (includingTotal)
        ParTotal->setText(ToQt(SumText({ToCore(ParOut->text()), ToCore(ParIn->text())})));
}

void TCourseForm::FormActivate() {
    if (!CourseName->text().isEmpty()) RecomputeTotals(false);
    FocusControl(CourseName);
}

void TCourseForm::ParExit(int hole) {
    RecomputeTotals(true);
    if (hole == 1 && Par[0]->text() == "0") ParTotal->setFocus();
}

void TCourseForm::OKButtonClick() {
    if (RatingField->text().isEmpty()) RatingField->setText("0.0");
    if (SlopeField->text().isEmpty()) SlopeField->setText("0");
    if (ParTotal->text().isEmpty() || StrToInt(ToCore(ParTotal->text())) <= 0) {
        Dialogs::Message(this, "You must enter a value of greater than zero for the Total Par.");
        FocusControl(ParTotal);
        return;
    }
    const StrokeIndexCheck strokeIndexes = CheckStrokeIndexRow(TypedStrokeIndexes());
    if (!strokeIndexes.problem.empty()) {
        FocusControl(StrokeIndex[strokeIndexes.hole - 1]);
        throw ConvertError(strokeIndexes.problem);
    }
    OkPressed->setText("1");
    HideToOpener();
}

void TCourseForm::CancelButtonClick() {
    OkPressed->setText("0");
    HideToOpener();
}

bool TCourseForm::FormCloseQuery() {
    // The title bar's close box hides the editor like Cancel; it lives on.
    CancelButtonClick();
    return false;
}

} // namespace tb
