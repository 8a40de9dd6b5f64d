#pragma once
// The course editor: one course's name, rating, slope and pars, with live
// par totals. Its opener opens it through one of its entry points and takes
// the course back in its own FormActivate when OkPressed reads "1".

#include "data/Records.h"
#include "widgets/Controls.h"
#include "widgets/TbForm.h"

#include <array>

namespace tb {

class TCourseForm : public TbForm {
    Q_OBJECT
public:
    explicit TCourseForm(QWidget* parent = nullptr);

    TEdit* CourseName = nullptr;
    TEdit* RatingField = nullptr;
    TEdit* SlopeField = nullptr;
    std::array<TEdit*, 18> Par{}; // Par1 to Par18
    TEdit* ParOut = nullptr;
    TEdit* ParIn = nullptr;
    TEdit* ParTotal = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    THiddenEdit* OkPressed = nullptr;

    // The ways into the editor. Each clears a result it may still hold for
    // another opener and shows it for `opener`.
    //
    // A new course: every field empty, the pars and their sums "0".
    void OpenForNewCourse(TbForm* opener);
    // A new course whose rating, slope and pars start as the editor last
    // held them; only the name is empty.
    void OpenForNewCourseFromLast(TbForm* opener);
    // A course of the list, to be changed.
    void OpenToChange(TbForm* opener, const CourseRec& course);

    // The accepted course as a course list record, each text cut to the
    // width the course list keeps. Every opener takes the course through
    // this one mapping.
    CourseRec CourseAsRec() const;

    void ParExit(int hole); // Par1Exit to Par18Exit (hole 1 to 18)
    void OKButtonClick();
    void CancelButtonClick();

protected:
    void BuildControls() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

private:
    // Fills empty pars with "0" and sums the nines; the total too when asked.
    void RecomputeTotals(bool includingTotal);
};

extern FormRef<TCourseForm> CourseForm;

} // namespace tb
