#include "GolferFile.h"

#include "Backups.h"
#include "Errors.h"
#include "ScoreFile.h"
#include "ShortNames.h"
#include "Text.h"
#include "TextFile.h"

#include <algorithm>
#include <map>
#include <unistd.h>

namespace tb {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t MaxGolferLine = 60;

bool HasScoreFileExtension(const std::string& name) {
    if (name.size() < 4) return false;
    return UpperAscii(name.substr(name.size() - 4)) == ".VXP";
}

void TellTooMany(Notifier& notifier, const std::string& source) {
    notifier.PartlyRead(source + " holds more than " + std::to_string(MaxGolfers) +
                        " golfers; only the first " + std::to_string(MaxGolfers) + " were read.");
}

// The golfer a score file's name makes: its first 9 characters up to the
// last "." in them.
std::string ScannedShortName(const std::string& fileName) {
    std::string first9 = Copy(fileName, 1, 9);
    std::size_t dot = first9.rfind('.');
    return dot == std::string::npos ? first9 : first9.substr(0, dot);
}

std::vector<std::string> ScoreFilesIn(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        // A base name over 8 characters cannot be a golfer's score file.
        if (HasScoreFileExtension(name) && name.size() - 4 <= 8) names.push_back(name);
    }
    // Byte order, so that the same folder always gives the same golfers.
    std::sort(names.begin(), names.end());
    return names;
}

// One male golfer per score file. Two files whose names differ only in the
// case of ".vxp" make one golfer, who reads the one his short name finds;
// the user is told which file is not read.
void ScanScoreFiles(const fs::path& dir, GolferList& list, Notifier& notifier) {
    std::map<std::string, std::string> firstFileOf; // short name -> first file seen
    for (const std::string& name : ScoreFilesIn(dir)) {
        const std::string shortName = ScannedShortName(name);
        if (const auto first = firstFileOf.find(shortName); first != firstFileOf.end()) {
            // The golfer reads the file his short name's look-up finds: of
            // this name and the first one, the other stays unread.
            const std::string read = FindFileNoCase(dir, ScoreFileName(shortName)).filename();
            const std::string& unread = name == read ? first->second : name;
            notifier.Message("The folder holds more than one score file for \"" + shortName +
                             "\"; \"" + unread + "\" is not read.");
            continue;
        }
        firstFileOf.emplace(shortName, name);
        if (static_cast<int>(list.size()) == MaxGolfers) {
            TellTooMany(notifier, "The folder");
            break;
        }
        GolferRec golfer;
        golfer.LongName = shortName;
        golfer.ShortName = shortName;
        golfer.Sex = 0;
        list.push_back(golfer);
    }
}
} // namespace

void BlankGolferRec(GolferRec& golfer) {
    golfer.LongName = std::string(40, 'X');
    golfer.ShortName = "XXXXXXXX";
    golfer.Sex = 0;
}

GolferRec ParseGolferLine(std::string_view line) {
    if (line.size() > MaxGolferLine) line = line.substr(0, MaxGolferLine);
    // Text after the third "~" is ignored; a field without its "~" keeps its
    // blank value.
    const std::vector<std::string_view> fields = TildeFields(line, 3);
    GolferRec golfer;
    if (fields.size() < 2) BlankGolferRec(golfer);
    if (fields.size() >= 1) golfer.LongName = CutAtNul(fields[0]);
    if (fields.size() >= 2) golfer.ShortName = CutAtNul(fields[1]);
    // The sex is the last character of its field, a digit, else 0.
    const char last = fields.size() == 3 && !fields[2].empty() ? fields[2].back() : ' ';
    golfer.Sex = last >= '0' && last <= '9' ? last - '0' : 0;
    return golfer;
}

std::string FormatGolferLine(const GolferRec& golfer) {
    return CutAtNul(golfer.LongName.str()) + "~" + CutAtNul(golfer.ShortName.str()) + "~" +
           std::to_string(golfer.Sex) + "~";
}

int LoadGolfers(const fs::path& dir, GolferList& list, Notifier& notifier, FileVersion* version) {
    list.clear();
    list.reserve(MaxGolfers);
    fs::path file = dir / GolferFileName;
    if (!FileExists(file)) {
        if (version) *version = {};
        ScanScoreFiles(dir, list, notifier);
        return 0;
    }
    const std::vector<std::string> lines = ReadLinesWithVersion(file, version);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(MaxGolfers));
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(ParseGolferLine(lines[i]));
    const int unread = static_cast<int>(lines.size() - count);
    if (unread > 0)
        TellTooMany(notifier, std::string("The golfer file \"") + GolferFileName + "\"");
    return unread;
}

const ListKind<GolferRec> GolfersKind{
    FormatGolferLine, [](const GolferRec& golfer) { return UpperAscii(golfer.ShortName.str()); },
    "golfer", "golfers", MaxGolfers};

void SortGolfers(GolferList& list) {
    // A list already in order (as golfer maintenance saves it) is left as it
    // is: the exchange below then never finds a smaller name further on.
    std::size_t ordered = 1;
    while (ordered < list.size() &&
           !(list[ordered].LongName.str() < list[ordered - 1].LongName.str()))
        ++ordered;
    if (ordered >= list.size()) return;
    for (std::size_t b = list.size(); b >= 2; --b)
        for (std::size_t i = b - 1; i >= 1; --i)
            if (list[b - 1].LongName.str() < list[i - 1].LongName.str())
                std::swap(list[b - 1], list[i - 1]);
}

void SaveGolfers(const fs::path& dir, const GolferList& list) {
    std::vector<std::string> lines;
    lines.reserve(list.size());
    for (const GolferRec& golfer : list)
        lines.push_back(FormatGolferLine(golfer));
    // The score files first: a list naming a golfer whose file could not be
    // created would be left behind by a failure half-way. When the list
    // cannot be written, the files made for it are removed again, so a failed
    // save changes nothing in the folder.
    std::vector<fs::path> created;
    try {
        for (const GolferRec& golfer : list) {
            const std::string shortName = CutAtNul(golfer.ShortName.str());
            // A name that cannot name a file is taken as having one.
            if (!IsPlainShortName(shortName) || ScoreFileExists(dir, shortName)) continue;
            const fs::path file = dir / ScoreFileName(shortName);
            CreateEmptyFile(file);
            created.push_back(file); // only what this save made is removed
        }
        KeepReplacedVersion keep(dir / GolferFileName, BackupFor::Save);
        SaveLines(dir / GolferFileName, lines, &keep);
    } catch (const InOutError&) {
        for (const fs::path& file : created)
            ::unlink(file.c_str());
        throw;
    }
}

} // namespace tb

namespace tb {

void ScoreFileChanges::AddRename(const std::string& from, const std::string& to) {
    for (auto it = renames.begin(); it != renames.end(); ++it) {
        if (it->to != from) continue;
        // Renamed back to the name it has on disk: nothing left to do.
        if (it->from == to)
            renames.erase(it);
        else
            it->to = to;
        return;
    }
    renames.push_back({from, to});
}

void ScoreFileChanges::AddDeletion(const std::string& shortName) {
    const std::string onDisk = NameOnDisk(shortName);
    std::erase_if(renames, [&](const Rename& rename) { return rename.to == shortName; });
    deletions.push_back(onDisk);
}

std::string ScoreFileChanges::NameOnDisk(const std::string& shortName) const {
    for (const Rename& rename : renames)
        if (rename.to == shortName) return rename.from;
    return shortName;
}

namespace {
std::string RenameFailure(const ScoreFileChanges::Rename& rename) {
    return "Unable to rename golfer file \"" + ScoreFileName(rename.from) + "\" to \"" +
           ScoreFileName(rename.to) + "\".";
}

bool NamedInList(const GolferList& list, const std::string& shortName) {
    const std::string wanted = UpperAscii(shortName);
    return std::any_of(list.begin(), list.end(), [&](const GolferRec& golfer) {
        return UpperAscii(golfer.ShortName.str()) == wanted;
    });
}
} // namespace

void SaveGolfersWithFiles(const fs::path& dir, const GolferList& list,
                          const ScoreFileChanges& changes) {
    std::vector<ScoreFileChanges::Rename> done;
    // The files to delete are kept in the backups before the list is
    // written, so that one that cannot be kept stops the save while it can
    // still be undone.
    std::vector<PendingDeletion> deletions;
    try {
        for (const ScoreFileChanges::Rename& rename : changes.renames) {
            if (!RenameScoreFile(dir, rename.from, rename.to))
                throw InOutError(RenameFailure(rename));
            done.push_back(rename);
        }
        for (const std::string& shortName : changes.deletions)
            if (!NamedInList(list, shortName) && IsPlainShortName(shortName))
                deletions.emplace_back(FindFileNoCase(dir, ScoreFileName(shortName)));
        SaveGolfers(dir, list);
    } catch (const InOutError&) {
        for (auto it = deletions.rbegin(); it != deletions.rend(); ++it)
            it->Cancel();
        for (auto it = done.rbegin(); it != done.rend(); ++it)
            RenameScoreFile(dir, it->to, it->from);
        throw;
    }
    // A file that cannot be deleted stays, as it always has, without a word.
    for (PendingDeletion& deletion : deletions)
        deletion.Delete();
}

} // namespace tb
