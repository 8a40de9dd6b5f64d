#pragma once
// The course editor: one course's name, rating, slope, pars and stroke
// indexes, with live par totals. Its opener opens it through one of its
// entry points and takes the course back in its own FormActivate when
// OkPressed reads "1".

#include "data/Records.h"
#include "data/StrokeIndexFile.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <array>
#include <optional>

class QGridLayout;

namespace tb {

// What the editor hands back: the course and its stroke indexes.
struct EditedCourse {
    CourseRec course;
    std::optional<StrokeIndexRow> strokeIndexes; // none: the course has none
};

class TCourseForm : public TbForm {
    Q_OBJECT
public:
    explicit TCourseForm(QWidget* parent = nullptr);
    const char* HelpPage() const override { return "CourseEditWindow.html"; }

    TEdit* CourseName = nullptr;
    TEdit* RatingField = nullptr;
    TEdit* SlopeField = nullptr;
    std::array<TEdit*, 18> Par{}; // Par1 to Par18
    TEdit* ParOut = nullptr;
    TEdit* ParIn = nullptr;
    TEdit* ParTotal = nullptr;
    std::array<TEdit*, 18> StrokeIndex{}; // holes 1 to 18, under the pars
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    THiddenEdit* OkPressed = nullptr;

    // The ways into the editor. Each clears a result it may still hold for
    // another opener and shows it for `opener`.
    //
    // A new course: every field empty, the pars and their sums "0", no
    // stroke indexes.
    void OpenForNewCourse(TbForm* opener);
    // A new course whose rating, slope, pars and stroke indexes start as the
    // editor last held them (the holes of another set of tees are the same
    // holes); only the name is empty.
    void OpenForNewCourseFromLast(TbForm* opener);
    // A course of the list, to be changed, with the texts of its stroke
    // indexes (all empty when it has none).
    void OpenToChange(TbForm* opener, const CourseRec& course,
                      const StrokeIndexTexts& strokeIndexes);

    // The accepted course as a course list record, each text cut to the
    // width the course list keeps. Every opener takes the course through
    // this one mapping.
    CourseRec CourseAsRec() const;
    // The accepted course with its stroke indexes, which OK has checked.
    EditedCourse CourseAsEdited() const;

    void ParExit(int hole); // Par1Exit to Par18Exit (hole 1 to 18)
    void OKButtonClick();
    void CancelButtonClick();

protected:
    void BuildControls() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    void BuildStrokeIndexRow(QGridLayout* grid, QWidget* central);
    void SetTabOrder();
    StrokeIndexTexts TypedStrokeIndexes() const;
    // Fills empty pars with "0" and sums the nines; the total too when asked.
    void RecomputeTotals(bool includingTotal);
};

extern FormRef<TCourseForm> CourseForm;

} // namespace tb
