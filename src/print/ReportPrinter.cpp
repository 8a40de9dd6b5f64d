#include "print/ReportPrinter.h"

#include "data/Errors.h"
#include "data/TextFile.h"
#include "print/PrintObject.h"
#include "print/PrintSetupMemory.h"
#include "widgets/Dialogs.h"
#include "widgets/TbForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <sys/resource.h>

namespace tb {

namespace {
void PrintLines(QPrinter& printer, const Report& report) {
    TPrintObject print(printer);
    print.Start();
    print.SetMargins(0.5, 0.5, 0.5, 0.5);
    print.SetDetailArea(1.0, 10.0);
    print.SetFont("Courier", 12);
    print.TopOfDetail();
    for (const ReportLine& line : report)
        print.PrintText(line.text, -1, line.absoluteY);
    print.Finish();
}

// A PDF written to the end closes with its end-of-file marker; one cut short
// (a full disk) does not.
bool IsCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 6) return false;
    file.seek(std::max<qint64>(0, file.size() - 32));
    return file.readAll().contains("%%EOF");
}

// Why a PDF was cut short, which the printer does not say: the process's
// file-size limit when the file reached it, or else a full disk.
int CutShortReason(const QString& path) {
    rlimit limit{};
    const bool limited = ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    return limited && static_cast<rlim_t>(QFileInfo(path).size()) >= limit.rlim_cur ? EFBIG
                                                                                    : ENOSPC;
}

// The printer writes only to a named file: the report is printed into a
// temporary one, checked whole, and its bytes then replace `target` as every
// file the program writes is replaced (through a link, keeping the mode, the
// old file left as it was on any failure).
void PrintToPdf(QPrinter& printer, const Report& report, const QString& target) {
    const std::filesystem::path file = QFile::encodeName(target).toStdString();
    QTemporaryFile printed(QDir::tempPath() + "/tarnbeck-XXXXXX.pdf");
    if (!printed.open()) ThrowIoError(errno, file);
    printed.close();
    printer.setOutputFileName(printed.fileName());
    PrintLines(printer, report);
    printer.setOutputFileName(target);
    if (!IsCompletePdf(printed.fileName())) ThrowIoError(CutShortReason(printed.fileName()), file);
    if (!printed.open()) ThrowIoError(errno, file);
    const QByteArray bytes = printed.readAll();
    if (printed.error() != QFileDevice::NoError) ThrowIoError(EIO, file);
    SaveBytes(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
} // namespace

bool PutReportOnPaper(QWidget* parent, const Report& report, const QString& pdfName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(pdfName);
    const QString pdfPath = QDir(DataDir).absoluteFilePath(pdfName);
    Dialogs::PrintSetup setup = RememberedPrintSetup();
    ApplyPrintSetup(printer, setup, pdfPath);
    const bool chosen = Dialogs::ChoosePrinter(setup, [&](Dialogs::PrintSetup& choice) {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        choice = PrintSetupOf(printer);
        return true;
    });
    if (!chosen) return false;
    if (PrintSetupOf(printer) != setup) ApplyPrintSetup(printer, setup, pdfPath);
    RememberPrintSetup(setup);
    const QString target = printer.outputFileName();
    if (target.isEmpty())
        PrintLines(printer, report);
    else
        PrintToPdf(printer, report, target);
    // Written once the report is out, so that a settings file that cannot
    // be written is told after the report rather than instead of it.
    SavePrintSetup(setup);
    return true;
}

} // namespace tb
