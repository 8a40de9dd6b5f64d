#pragma once
// Printing and the progress chart live in a module of their own,
// tarnbeck-extras.so, loaded the first time a report is printed or a
// progress window opened (widgets/Extras.h). The printing and chart
// libraries resolve thousands of symbols when they are loaded; kept out of
// the program itself, that cost is not paid at every start-up.
//
// Everything the program and the module share (the core, this window kit,
// the windows) is in one private shared library, libtarnbeck-shared.so,
// which both link; the module sits beside it. The program exports nothing,
// and the module reaches nothing of the program but through that library.
// The module is laid out for the library of its own build only, so it
// carries the build's identity, and a module of another build is refused.

#include "data/Records.h"
#include "print/core/Report.h"

#include <QString>

#include <string>

class QWidget;

namespace tb {

class TbForm;

namespace extras {

inline constexpr const char* ModuleFileName = "tarnbeck-extras.so";

// The module's entry points, looked up by these names.
using BuildIdentityEntry = const char* (*)();
using PrintReportEntry = bool (*)(QWidget* parent, const Report& report, const QString& pdfName);
using OpenProgressEntry = void (*)(TbForm* opener, const GolferRec& golfer, ScoreList* sorted);
inline constexpr const char* BuildIdentityName = "TarnbeckBuildIdentity";
inline constexpr const char* PrintReportName = "TarnbeckPrintReport";
inline constexpr const char* OpenProgressName = "TarnbeckOpenProgress";

struct Entries {
    PrintReportEntry printReport;
    OpenProgressEntry openProgress;
};

// Loads the module at `path` and gives its entry points. Throws
// std::runtime_error, the command's error, when it cannot be loaded, lacks
// an entry point, or was built elsewhere than this program.
Entries Load(const std::string& path);

} // namespace extras
} // namespace tb
