#include "GolferFile.h"

#include "ScoreFile.h"
#include "Text.h"
#include "TextFile.h"

#include <algorithm>

namespace tb {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t MaxGolferLine = 60;

bool HasScoreFileExtension(const std::string& name) {
    if (name.size() < 4) return false;
    return UpperAscii(name.substr(name.size() - 4)) == ".VXP";
}

void TellTooMany(Notifier& notifier, const std::string& source) {
    notifier.Message(source + " holds more than " + std::to_string(MaxGolfers) +
                     " golfers; only the first " + std::to_string(MaxGolfers) + " were read.");
}

void ScanScoreFiles(const fs::path& dir, GolferList& list, Notifier& notifier) {
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        // A base name over 8 characters cannot be a golfer's score file.
        if (!HasScoreFileExtension(name) || name.size() - 4 > 8) continue;
        if (static_cast<int>(list.size()) == MaxGolfers) {
            TellTooMany(notifier, "The folder");
            break;
        }
        std::string first9 = Copy(name, 1, 9);
        std::size_t dot = first9.rfind('.');
        std::string base = dot == std::string::npos ? first9 : first9.substr(0, dot);
        GolferRec golfer;
        golfer.LongName = base;
        golfer.ShortName = base;
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
    GolferRec golfer;
    BlankGolferRec(golfer);
    if (line.size() > MaxGolferLine) line = line.substr(0, MaxGolferLine);
    int field = 0;
    std::string longName, shortName;
    int sex = 0;
    for (char c : line) {
        if (field >= 3) break;
        if (c == '~') {
            ++field;
            if (field == 1)
                golfer.LongName = CutAtNul(longName);
            else if (field == 2)
                golfer.ShortName = CutAtNul(shortName);
            else
                golfer.Sex = sex;
            continue;
        }
        if (field == 0)
            longName.push_back(c);
        else if (field == 1)
            shortName.push_back(c);
        else
            sex = (c >= '0' && c <= '9') ? c - '0' : 0;
    }
    return golfer;
}

std::string FormatGolferLine(const GolferRec& golfer) {
    return CutAtNul(golfer.LongName.str()) + "~" + CutAtNul(golfer.ShortName.str()) + "~" +
           std::to_string(golfer.Sex) + "~";
}

void LoadGolfers(const fs::path& dir, GolferList& list, Notifier& notifier) {
    list.clear();
    list.reserve(MaxGolfers);
    fs::path file = dir / GolferFileName;
    if (!FileExists(file)) {
        ScanScoreFiles(dir, list, notifier);
        return;
    }
    for (const std::string& line : ReadLines(file)) {
        if (static_cast<int>(list.size()) == MaxGolfers) {
            TellTooMany(notifier, std::string("The golfer file \"") + GolferFileName + "\"");
            break;
        }
        list.push_back(ParseGolferLine(line));
    }
}

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
    SaveLines(dir / GolferFileName, lines);
    for (const GolferRec& golfer : list) {
        std::string name = ScoreFileName(CutAtNul(golfer.ShortName.str()));
        if (!FileExists(FindFileNoCase(dir, name))) CreateEmptyFile(dir / name);
    }
}

} // namespace tb
