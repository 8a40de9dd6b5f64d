// The golfer list from any bytes, two ways. The bytes as golfers.vxc: a save
// followed by a load gives the same list (a field read holds no "~", line end
// or NUL and is no longer than the reader keeps; the list is not sorted), and
// every golfer whose short name can name a file then has a score file. Each line of the bytes as
// the name of a file in an otherwise empty folder: the scan gives one male golfer per base name
// (".vxp" in any case, a base name of at most 8 characters), named by that base name, and the list
// it gives survives a save and a load as well.

#include "FuzzSupport.h"
#include "data/GolferFile.h"
#include "data/ShortNames.h"
#include "data/Text.h"
#include "data/TextFile.h"

#include <algorithm>
#include <set>

namespace {
namespace fs = std::filesystem;

// Enough names to go past the most golfers a list takes.
constexpr std::size_t MaxFileNames = tb::MaxGolfers + 20;

// A name the folder can hold, other than the golfer list's own (that file
// would be read instead of the scan).
bool CanNameScannedFile(std::string_view name) {
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name != tb::GolferFileName &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::set<std::string> FileNames(std::string_view bytes) {
    std::set<std::string> names;
    for (std::string_view line : tb::SplitLines(bytes))
        if (CanNameScannedFile(line) && names.size() < MaxFileNames) names.emplace(line);
    return names;
}

// The base names the scan must find, in byte order.
std::vector<std::string> ScoreFileBases(const std::set<std::string>& names) {
    std::vector<std::string> bases;
    for (const std::string& name : names)
        if (name.size() >= 4 && name.size() - 4 <= tb::MaxShortNameLength &&
            tb::UpperAscii(name.substr(name.size() - 4)) == ".VXP")
            bases.push_back(name.substr(0, name.size() - 4));
    // Files differing only in the case of ".vxp" make one golfer.
    std::sort(bases.begin(), bases.end());
    bases.erase(std::unique(bases.begin(), bases.end()), bases.end());
    return bases;
}

tb::GolferList Load(const fs::path& folder) {
    tb::GolferList golfers;
    tbfuzz::QuietNotifier notifier;
    tb::LoadGolfers(folder, golfers, notifier);
    return golfers;
}

void CheckSaveAndLoad(const fs::path& folder, const tb::GolferList& golfers) {
    tb::SaveGolfers(folder, golfers);
    FUZZ_CHECK(Load(folder) == golfers);
    // A short name that cannot name a file in the folder ("..", "../x")
    // never has one.
    for (const tb::GolferRec& golfer : golfers)
        FUZZ_CHECK(tb::ScoreFileExists(folder, golfer.ShortName.str()) ==
                   tb::IsPlainShortName(golfer.ShortName.str()));
}

bool AnyShortNameHolds(const tb::GolferList& golfers, char c) {
    return std::any_of(golfers.begin(), golfers.end(), [c](const tb::GolferRec& golfer) {
        return golfer.ShortName.str().find(c) != std::string::npos;
    });
}

void CheckScan(std::string_view bytes) {
    const fs::path& folder = tbfuzz::ScratchFolder();
    tbfuzz::ClearScratchFolder();
    const std::set<std::string> names = FileNames(bytes);
    for (const std::string& name : names)
        tbfuzz::WriteFile(folder / name, "");
    const tb::GolferList golfers = Load(folder);
    std::vector<std::string> found;
    for (const tb::GolferRec& golfer : golfers) {
        FUZZ_CHECK(golfer.LongName == golfer.ShortName.str() && golfer.Sex == 0);
        found.push_back(golfer.ShortName.str());
    }
    std::sort(found.begin(), found.end());
    const std::vector<std::string> expected = ScoreFileBases(names);
    FUZZ_CHECK(found.size() == std::min<std::size_t>(expected.size(), tb::MaxGolfers));
    FUZZ_CHECK(std::includes(expected.begin(), expected.end(), found.begin(), found.end()));
    // A file's name may hold "~", which the golfer list's lines cannot (the
    // long name is the short name here).
    if (!AnyShortNameHolds(golfers, '~')) CheckSaveAndLoad(folder, golfers);
}

void CheckGolferFile(std::string_view bytes) {
    const fs::path& folder = tbfuzz::ScratchFolder();
    tbfuzz::ClearScratchFolder();
    tbfuzz::WriteFile(folder / tb::GolferFileName, bytes);
    const tb::GolferList golfers = Load(folder);
    FUZZ_CHECK(golfers.size() <= tb::MaxGolfers);
    // A short name read from the file may hold "/" ("../x", "/x"): the save
    // makes no score file for it, so the list is saved like any other.
    CheckSaveAndLoad(folder, golfers);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tbfuzz::AsText(data, size);
    CheckGolferFile(bytes);
    CheckScan(bytes);
    return 0;
}
