// The entry points of tarnbeck-extras.so (see widgets/ExtrasModule.h). Each
// one has the type the loader looks it up as.

#include "widgets/ExtrasModule.h"
#include "forms/ProgressWindow.h"
#include "print/ReportPrinter.h"

#include "tarnbeck/BuildIdentity.h"

#include <type_traits>
#include <utility>

extern "C" {

const char* TarnbeckBuildIdentity() {
    return tb::BuildIdentity;
}

bool TarnbeckPrintReport(QWidget* parent, const tb::Report& report, const QString& pdfName) {
    return tb::PutReportOnPaper(parent, report, pdfName);
}

void TarnbeckOpenProgress(tb::TbForm* opener, const tb::GolferRec& golfer, tb::ScoreList* sorted) {
    tb::OpenProgressWindow(opener, golfer, std::move(*sorted));
}
}

static_assert(std::is_same_v<decltype(&TarnbeckBuildIdentity), tb::extras::BuildIdentityEntry>);
static_assert(std::is_same_v<decltype(&TarnbeckPrintReport), tb::extras::PrintReportEntry>);
static_assert(std::is_same_v<decltype(&TarnbeckOpenProgress), tb::extras::OpenProgressEntry>);
