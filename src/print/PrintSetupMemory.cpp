#include "print/PrintSetupMemory.h"

#include "data/IniFile.h"
#include "widgets/Placement.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace tb {

namespace {
constexpr const char* Section = "Printer";

std::optional<Dialogs::PrintSetup>& ThisRun() {
    static std::optional<Dialogs::PrintSetup> setup;
    return setup;
}

std::filesystem::path IniFile() {
    return IniFilePath().toStdString();
}

Dialogs::PrintSetup KeptInIniFile() {
    const auto file = IniFile();
    Dialogs::PrintSetup setup;
    setup.printer = QString::fromStdString(ReadIniText(file, Section, "Name").value_or(""));
    const int paper = ReadIniInteger(file, Section, "PaperSize", -1);
    if (paper >= 0 && paper <= QPageSize::LastPageSize) setup.paperSize = paper;
    setup.landscape = ReadIniInteger(file, Section, "Orientation", 0) == 1;
    return setup;
}

bool IsInstalled(const QString& printer) {
    return QPrinterInfo::availablePrinterNames().contains(printer);
}
} // namespace

Dialogs::PrintSetup RememberedPrintSetup() {
    Dialogs::PrintSetup setup = ThisRun() ? *ThisRun() : KeptInIniFile();
    if (!setup.printer.isEmpty() && !IsInstalled(setup.printer)) setup.printer.clear();
    return setup;
}

void RememberPrintSetup(const Dialogs::PrintSetup& setup) {
    ThisRun() = setup;
}

void SavePrintSetup(const Dialogs::PrintSetup& setup) {
    WriteIniTexts(IniFile(), Section,
                  {{"Name", setup.printer.toStdString()},
                   {"PaperSize", std::to_string(setup.paperSize)},
                   {"Orientation", setup.landscape ? "1" : "0"}});
}

void ForgetPrintSetupOfThisRun() {
    ThisRun().reset();
}

void ApplyPrintSetup(QPrinter& printer, const Dialogs::PrintSetup& setup, const QString& pdfPath) {
    if (setup.printer.isEmpty()) {
        printer.setOutputFileName(pdfPath);
    } else {
        printer.setOutputFileName(QString());
        printer.setPrinterName(setup.printer);
    }
    const QPageSize paper(static_cast<QPageSize::PageSizeId>(setup.paperSize));
    if (setup.paperSize >= 0 && paper.isValid()) printer.setPageSize(paper);
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

Dialogs::PrintSetup PrintSetupOf(const QPrinter& printer) {
    Dialogs::PrintSetup setup;
    if (printer.outputFileName().isEmpty()) setup.printer = printer.printerName();
    // A size typed in by hand has no id to keep: the printer's own is next.
    const QPageSize::PageSizeId paper = printer.pageLayout().pageSize().id();
    if (paper != QPageSize::Custom) setup.paperSize = paper;
    setup.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return setup;
}

} // namespace tb
