#pragma once
// The data folder's store: what a reader read from a data file (its version
// and the records it took), so that a later save can tell whether the file
// changed since, say what changed, and apply the reader's own additions,
// changes and deletions to the file as it is now instead of writing over it.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// The identity of a data file's content: whether it was there, its size and a
// hash of its bytes. Equal versions mean the same bytes.
struct FileVersion {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

FileVersion VersionOfBytes(std::string_view bytes);
// The version of `file` now: exists = false when it is not there. Throws
// InOutError when it is there but cannot be read.
FileVersion VersionOnDisk(const std::filesystem::path& file);
// The file's lines (as ReadLines splits them) and, when asked, its version.
std::vector<std::string> ReadLinesWithVersion(const std::filesystem::path& file,
                                              FileVersion* version);

// Lines present in `after` and not in `before` (indexes into `after`), and the
// other way round (indexes into `before`), each line counted as often as it
// stands: two equal rounds are two rounds.
struct LineDiff {
    std::vector<std::size_t> added;
    std::vector<std::size_t> removed;
};
LineDiff DiffLines(const std::vector<std::string>& before, const std::vector<std::string>& after);

// How a list of records is kept in its file: each record's line (its
// identity), the key that makes an added and a removed record one changed
// record, the nouns for the user, and the most the list takes.
template <class Rec> struct ListKind {
    std::string (*line)(const Rec&);
    std::string (*key)(const Rec&);
    const char* one;  // "round"
    const char* many; // "rounds"
    int maxItems;
};

// What happened to a file's records between two readings.
struct OutsideChanges {
    int added = 0;
    int changed = 0;
    int removed = 0;
    bool Any() const { return added + changed + removed > 0; }
};

// "SMITH.vxp was changed outside this window since it was opened: 2 rounds
// added, 1 changed."
std::string DescribeOutsideChanges(const std::string& fileName, const OutsideChanges& changes,
                                   const char* one, const char* many);
// "SMITH.vxp was deleted or renamed outside this window since it was opened."
std::string DescribeVanishedFile(const std::string& fileName);

template <class Rec>
std::vector<std::string> RecordLines(const std::vector<Rec>& list, const ListKind<Rec>& kind) {
    std::vector<std::string> lines;
    lines.reserve(list.size());
    for (const Rec& rec : list)
        lines.push_back(kind.line(rec));
    return lines;
}

template <class Rec>
OutsideChanges CountChanges(const std::vector<Rec>& before, const std::vector<Rec>& after,
                            const ListKind<Rec>& kind) {
    const LineDiff diff = DiffLines(RecordLines(before, kind), RecordLines(after, kind));
    std::multiset<std::string> removedKeys;
    for (std::size_t i : diff.removed)
        removedKeys.insert(kind.key(before[i]));
    OutsideChanges changes;
    for (std::size_t i : diff.added) {
        auto same = removedKeys.find(kind.key(after[i]));
        if (same == removedKeys.end()) continue;
        removedKeys.erase(same);
        ++changes.changed;
    }
    changes.added = static_cast<int>(diff.added.size()) - changes.changed;
    changes.removed = static_cast<int>(diff.removed.size()) - changes.changed;
    return changes;
}

// Keep both: the changes a reader made to its list (`mine`, read as `base`)
// applied to the file as it is now (`now`). Records the reader removed or
// changed leave where they still stand; records it added or changed come in.
// A record both sides changed is kept in both versions: nothing is lost.
template <class Rec>
std::vector<Rec> KeepBoth(const std::vector<Rec>& base, const std::vector<Rec>& mine,
                          const std::vector<Rec>& now, const ListKind<Rec>& kind) {
    const LineDiff diff = DiffLines(RecordLines(base, kind), RecordLines(mine, kind));
    std::multiset<std::string> gone;
    for (std::size_t i : diff.removed)
        gone.insert(kind.line(base[i]));
    std::vector<Rec> merged;
    merged.reserve(now.size() + diff.added.size());
    for (const Rec& rec : now) {
        auto removed = gone.find(kind.line(rec));
        if (removed != gone.end()) {
            gone.erase(removed);
            continue;
        }
        merged.push_back(rec);
    }
    for (std::size_t i : diff.added)
        merged.push_back(mine[i]);
    return merged;
}

} // namespace tb
