#pragma once
// The golfer list "golfers.vxc": one line per golfer, LongName "~" ShortName
// "~" Sex "~". When the file is missing the list is built from the score
// files present.

#include "Notifier.h"
#include "Records.h"
#include "Store.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

inline constexpr const char* GolferFileName = "golfers.vxc";

void BlankGolferRec(GolferRec& golfer);

GolferRec ParseGolferLine(std::string_view line);
std::string FormatGolferLine(const GolferRec& golfer);

// Replaces `list` with dir/golfers.vxc, or with one male golfer per score
// file (*.vxp, any case) when that file does not exist. At most MaxGolfers
// are taken; the user is told of the rest. Gives the number of golfers.vxc
// lines past the first MaxGolfers, which are not read (0 after a scan: the
// score files not taken stay where they are). `version`, when given, is set
// to what was read (exists = false after a scan). Throws InOutError.
int LoadGolfers(const std::filesystem::path& dir, GolferList& list, Notifier& notifier,
                FileVersion* version = nullptr);
// The golfer list as the store compares it; a changed golfer keeps its short name.
extern const ListKind<GolferRec> GolfersKind;

// Ascending by LongName, byte by byte (case-sensitive).
void SortGolfers(GolferList& list);
// Replaces dir/golfers.vxc with the list, then creates an empty score file for
// every golfer that has none. Throws InOutError; a failed list write leaves
// the old file as it was.
void SaveGolfers(const std::filesystem::path& dir, const GolferList& list);

// The score-file changes that go with a save of the golfer list: a changed
// short name renames its golfer's file, a deleted golfer's file goes. They
// are made when the list is saved, not before, so that a list left unsaved
// never names a file that is gone.
struct ScoreFileChanges {
    struct Rename {
        std::string from; // the short name the file has on disk
        std::string to;
    };
    std::vector<Rename> renames;
    std::vector<std::string> deletions; // short names whose files go

    bool Empty() const { return renames.empty() && deletions.empty(); }
    // A golfer's short name changed from `from` to `to` in the list: joined
    // to a rename still to be made of the same file.
    void AddRename(const std::string& from, const std::string& to);
    // The file of the short name the list calls `shortName` is to go.
    void AddDeletion(const std::string& shortName);
    // The short name the file of `shortName` (as the list calls it) has on
    // disk until the renames are made.
    std::string NameOnDisk(const std::string& shortName) const;
};

// Saves the list with its score-file changes, in an order that loses
// nothing on failure: the renames first, then the list (SaveGolfers), then
// the deletions of files no golfer of the list names, each kept in the
// backups before the list is written. A failed rename, a file to delete that
// cannot be kept, or a failed list write undoes the renames made and throws
// InOutError; nothing has been deleted then. A file that cannot be deleted
// stays, without a word.
void SaveGolfersWithFiles(const std::filesystem::path& dir, const GolferList& list,
                          const ScoreFileChanges& changes);

} // namespace tb
