#include "data/Store.h"

#include "data/Errors.h"
#include "data/TextFile.h"

#include <algorithm>
#include <functional>
#include <map>

namespace tb {

namespace fs = std::filesystem;

FileVersion VersionOfBytes(std::string_view bytes) {
    // The library's string hash (64 bits, eight bytes a step): cheap, and any
    // outside edit of a data file changes it. Versions are only ever compared
    // within one run, never stored.
    return {true, bytes.size(), std::hash<std::string_view>{}(bytes)};
}

FileVersion VersionOnDisk(const fs::path& file) {
    try {
        return VersionOfBytes(ReadFileBytes(file));
    } catch (const InOutError& error) {
        if (IsMissingFileError(error)) return {};
        throw;
    }
}

std::vector<std::string> ReadLinesWithVersion(const fs::path& file, FileVersion* version) {
    const std::string content = ReadFileBytes(file);
    if (version) *version = VersionOfBytes(content);
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(content))
        lines.emplace_back(line);
    return lines;
}

LineDiff DiffLines(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    // Each line of `before` matches one equal line of `after`, in order.
    std::map<std::string_view, std::vector<std::size_t>> unmatched;
    for (std::size_t i = before.size(); i-- > 0;)
        unmatched[before[i]].push_back(i);
    LineDiff diff;
    for (std::size_t i = 0; i < after.size(); ++i) {
        auto found = unmatched.find(after[i]);
        if (found == unmatched.end() || found->second.empty()) {
            diff.added.push_back(i);
            continue;
        }
        found->second.pop_back();
    }
    for (const auto& [line, indexes] : unmatched)
        diff.removed.insert(diff.removed.end(), indexes.begin(), indexes.end());
    std::sort(diff.removed.begin(), diff.removed.end());
    return diff;
}

namespace {
std::string Counted(int count, const char* one, const char* many, const char* what) {
    return std::to_string(count) + " " + (count == 1 ? one : many) + " " + what;
}
} // namespace

std::string DescribeOutsideChanges(const std::string& fileName, const OutsideChanges& changes,
                                   const char* one, const char* many) {
    std::vector<std::string> parts;
    if (changes.added > 0) parts.push_back(Counted(changes.added, one, many, "added"));
    if (changes.changed > 0) parts.push_back(Counted(changes.changed, one, many, "changed"));
    if (changes.removed > 0) parts.push_back(Counted(changes.removed, one, many, "removed"));
    // The noun once, with the first count: "2 rounds added, 1 changed".
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t space = parts[i].find(' ');
        parts[i].erase(space, parts[i].find(' ', space + 1) - space);
    }
    std::string text = fileName + " was changed outside this window since it was opened";
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? ": " : ", ") + parts[i];
    return text + ".";
}

std::string DescribeVanishedFile(const std::string& fileName) {
    return fileName + " was deleted or renamed outside this window since it was opened.";
}

} // namespace tb
