#include "print/ReportPrinter.h"

#include <QDate>

namespace tb {

std::string TodayForReports() {
    return QDate::currentDate().toString("MM/dd/yyyy").toStdString();
}

} // namespace tb
