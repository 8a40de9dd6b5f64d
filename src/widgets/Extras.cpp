// The program's side of printing and the progress chart: each call loads
// tarnbeck-extras.so from the folder of the shared library this code is in
// (once) and hands over to it.

#include "Extras.h"
#include "ExtrasModule.h"

#include "tarnbeck/BuildIdentity.h"

#include <dlfcn.h>

#include <optional>
#include <stdexcept>
#include <utility>

namespace tb {

namespace extras {
namespace {
[[noreturn]] void Unavailable(const std::string& reason) {
    throw std::runtime_error("Printing and charts are not available: " + reason);
}

[[noreturn]] void LoadFailed() {
    const char* reason = dlerror();
    Unavailable(reason ? reason : "unknown error");
}

// The module file sits beside the shared library, in the build folder as
// where it is installed, whatever program loads them.
std::string ModulePath() {
    Dl_info library{};
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &library) == 0 || !library.dli_fname)
        Unavailable("the program's library cannot be found");
    const std::string libraryPath = library.dli_fname;
    return libraryPath.substr(0, libraryPath.rfind('/') + 1) + ModuleFileName;
}

template <typename Entry> Entry Lookup(void* module, const char* name) {
    void* entry = dlsym(module, name);
    if (!entry) LoadFailed();
    return reinterpret_cast<Entry>(entry);
}

// A module of another build is laid out for another library: none of its
// entry points may be called, only the identity it reports.
void CheckBuild(void* module, const std::string& path) {
    void* entry = dlsym(module, BuildIdentityName);
    const std::string built = entry ? reinterpret_cast<BuildIdentityEntry>(entry)() : "unknown";
    if (built == BuildIdentity) return;
    dlclose(module);
    Unavailable(path + " is from another build of Tarnbeck (" + built + "; this program is " +
                BuildIdentity + ")");
}
} // namespace

Entries Load(const std::string& path) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) LoadFailed();
    CheckBuild(module, path);
    return {Lookup<PrintReportEntry>(module, PrintReportName),
            Lookup<OpenProgressEntry>(module, OpenProgressName)};
}
} // namespace extras

namespace {
const extras::Entries& LoadedModule() {
    static std::optional<extras::Entries> entries;
    if (!entries) entries = extras::Load(extras::ModulePath());
    return *entries;
}
} // namespace

bool PrintReport(QWidget* parent, const Report& report, const QString& pdfName) {
    return LoadedModule().printReport(parent, report, pdfName);
}

void OpenProgress(TbForm* opener, const GolferRec& golfer, ScoreList sorted) {
    LoadedModule().openProgress(opener, golfer, &sorted);
}

} // namespace tb
