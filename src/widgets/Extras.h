#pragma once
// Printing and the progress chart, as the windows call them. Each call loads
// the extras module (widgets/ExtrasModule.h) once and hands over to it; a
// module that cannot be loaded, or one of another build, is an error of the
// command that needed it (std::runtime_error, shown by RunHandler).

#include "data/Records.h"
#include "print/core/Report.h"

#include <QString>

class QWidget;

namespace tb {

class TbForm;

// Puts `report` on paper through the print dialog, which proposes the PDF
// file `pdfName` in the data folder. False when the user cancelled the
// dialog. Throws InOutError.
bool PrintReport(QWidget* parent, const Report& report, const QString& pdfName);

// Opens a new progress window for `golfer` over `sorted` (newest first),
// handed back to `opener` when it closes.
void OpenProgress(TbForm* opener, const GolferRec& golfer, ScoreList sorted);

} // namespace tb
