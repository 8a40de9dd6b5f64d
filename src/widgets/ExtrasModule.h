#pragma once
// Printing and the progress chart live in a module of their own,
// tarnbeck-extras.so beside the program, loaded the first time a report is
// printed or a progress window opened. The printing and chart libraries
// resolve thousands of symbols when they are loaded; kept out of the
// program itself, that cost is not paid at every start-up. The program
// exports its own symbols for the module, which holds only the printing and
// chart code and calls back into the program for everything else.

#include "data/Records.h"
#include "print/core/Report.h"

#include <QString>

class QWidget;

namespace tb {

class TbForm;

namespace extras {

inline constexpr const char* ModuleFileName = "tarnbeck-extras.so";

// The module's entry points, looked up by these names.
using PrintReportEntry = bool (*)(QWidget* parent, const Report& report, const QString& pdfName);
using OpenProgressEntry = void (*)(TbForm* opener, const GolferRec& golfer, ScoreList* sorted);
inline constexpr const char* PrintReportName = "TarnbeckPrintReport";
inline constexpr const char* OpenProgressName = "TarnbeckOpenProgress";

} // namespace extras
} // namespace tb
