#include "print/ReportPrinter.h"

#include "data/Errors.h"
#include "print/PrintObject.h"
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
#include <cstdio>
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

// Prints into a temporary file beside `target`, then puts it in its place.
void PrintToPdf(QPrinter& printer, const Report& report, const QString& target) {
    const std::filesystem::path file = QFile::encodeName(target).toStdString();
    QTemporaryFile temporary(QFileInfo(target).absolutePath() + "/.tarnbeck-XXXXXX.pdf");
    if (!temporary.open()) ThrowIoError(errno, file);
    temporary.close();
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    printer.setOutputFileName(temporary.fileName());
    PrintLines(printer, report);
    if (!IsCompletePdf(temporary.fileName()))
        ThrowIoError(CutShortReason(temporary.fileName()), file);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        ThrowIoError(errno, file);
    temporary.setAutoRemove(false);
    printer.setOutputFileName(target);
}
} // namespace

bool PutReportOnPaper(QWidget* parent, const Report& report, const QString& pdfName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(pdfName);
    printer.setOutputFileName(QDir(DataDir).absoluteFilePath(pdfName));
    const bool chosen = Dialogs::ChoosePrinter([&] {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    });
    if (!chosen) return false;
    const QString target = printer.outputFileName();
    if (target.isEmpty())
        PrintLines(printer, report);
    else
        PrintToPdf(printer, report, target);
    return true;
}

} // namespace tb
