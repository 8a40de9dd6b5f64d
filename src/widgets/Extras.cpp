// The program's side of printing and the progress chart: each call loads
// tarnbeck-extras.so from the program's folder (once) and hands over to it.
// A module that cannot be loaded is an error of the command that needed it.

#include "ExtrasModule.h"

#include "forms/ProgressWindow.h"
#include "print/ReportPrinter.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace tb {

namespace {
[[noreturn]] void Unavailable() {
    throw std::runtime_error("Printing and charts are not available: " + std::string(dlerror()));
}

void* LoadedModule() {
    static void* module = nullptr;
    if (module) return module;
    const QString path = QCoreApplication::applicationDirPath() + '/' + extras::ModuleFileName;
    module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) Unavailable();
    return module;
}

template <typename Entry> Entry Lookup(const char* name) {
    void* entry = dlsym(LoadedModule(), name);
    if (!entry) Unavailable();
    return reinterpret_cast<Entry>(entry);
}
} // namespace

bool PrintReport(QWidget* parent, const Report& report, const QString& pdfName) {
    static const auto entry = Lookup<extras::PrintReportEntry>(extras::PrintReportName);
    return entry(parent, report, pdfName);
}

void OpenProgress(TbForm* opener, const GolferRec& golfer, ScoreList sorted) {
    static const auto entry = Lookup<extras::OpenProgressEntry>(extras::OpenProgressName);
    entry(opener, golfer, &sorted);
}

} // namespace tb
