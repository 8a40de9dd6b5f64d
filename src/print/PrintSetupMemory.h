#pragma once
// The printer, paper size and orientation last chosen in the print dialog,
// kept for the rest of the run and in tarnbeck.ini ("[Printer]": Name,
// PaperSize, Orientation) for the next one. Until a printer is chosen, the
// print dialog proposes a PDF file in the data folder.

#include "widgets/Dialogs.h"

class QPrinter;

namespace tb {

// The last choice of this run, else the one kept in tarnbeck.ini. A printer
// that is no longer installed gives way to the PDF file.
Dialogs::PrintSetup RememberedPrintSetup();
// Keeps the choice for the rest of the run.
void RememberPrintSetup(const Dialogs::PrintSetup& setup);
// Writes it to tarnbeck.ini for the next run (throws InOutError "Unable to
// write to tarnbeck.ini").
void SavePrintSetup(const Dialogs::PrintSetup& setup);
// Forgets this run's choice, as a new run starts (for tests).
void ForgetPrintSetupOfThisRun();

// Sets the printer up as `setup` says; a PDF file goes to `pdfPath`.
void ApplyPrintSetup(QPrinter& printer, const Dialogs::PrintSetup& setup, const QString& pdfPath);
// What the printer is set up for now.
Dialogs::PrintSetup PrintSetupOf(const QPrinter& printer);

} // namespace tb
