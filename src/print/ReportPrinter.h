#pragma once
// Puts a report on paper: the print dialog, then the report's lines placed
// by the print object in 12-point Courier within the body area from 1.0 to
// 10.0 inches. The dialog proposes a PDF file in the data folder, which is
// what its Print gives where no printer is installed.

#include "print/core/Report.h"

#include <QString>

class QWidget;

namespace tb {

// False when the user cancelled the print dialog. A PDF file is replaced
// only once it is complete: a failure leaves an earlier one as it was.
// Throws InOutError. In the extras module; the windows call it through
// PrintReport (widgets/Extras.h).
bool PutReportOnPaper(QWidget* parent, const Report& report, const QString& pdfName);

} // namespace tb
