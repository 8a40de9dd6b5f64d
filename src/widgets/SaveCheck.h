#pragma once
// Before a window writes a whole list back to the data file it read it from:
// the file may have been changed since by another window, another program or
// the user's own tools. Nothing is written over such changes unseen.

#include "data/Store.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"

#include <filesystem>
#include <functional>

namespace tb {

enum class SaveDecision { Write, Stop };

// What to do with a file `fileName` that was there when read and is gone now:
// Stop unless the user wants it written again.
SaveDecision AskAboutVanishedFile(QWidget* parent, const std::string& fileName,
                                  const char* itemsNoun);
// Tells the user that the list would exceed what it takes if both were kept.
void SayBothDoNotFit(QWidget* parent, const std::string& fileName, const char* itemsNoun,
                     int maxItems);

// Compares `file` with `read`, the version this window read it as, holding
// `base`. Unchanged: Write. Changed: the user is told what changed and
// chooses: keep both (`mine` becomes this window's changes applied to the
// file as it is now, read by `readNow`), replace (`mine` as it is) or cancel
// (Stop). Throws InOutError when the file can't be read.
template <class Rec>
SaveDecision CheckBeforeSave(QWidget* parent, const std::filesystem::path& file,
                             const FileVersion& read, const std::vector<Rec>& base,
                             std::vector<Rec>& mine, const ListKind<Rec>& kind,
                             const std::function<std::vector<Rec>()>& readNow) {
    const FileVersion now = VersionOnDisk(file);
    if (now == read) return SaveDecision::Write;
    const std::string fileName = file.filename().string();
    if (read.exists && !now.exists) return AskAboutVanishedFile(parent, fileName, kind.many);
    const std::vector<Rec> current = readNow();
    const OutsideChanges changes = CountChanges(base, current, kind);
    // The same records written anew: this window's changes are all there is.
    if (!changes.Any()) return SaveDecision::Write;
    const QString text = ToQt(DescribeOutsideChanges(fileName, changes, kind.one, kind.many));
    switch (Dialogs::ResolveOutsideChange(parent, text)) {
    case Dialogs::Answer::Button1: {
        std::vector<Rec> merged = KeepBoth(base, mine, current, kind);
        if (static_cast<int>(merged.size()) > kind.maxItems) {
            SayBothDoNotFit(parent, fileName, kind.many, kind.maxItems);
            return SaveDecision::Stop;
        }
        mine = std::move(merged);
        return SaveDecision::Write;
    }
    case Dialogs::Answer::Button2:
        return SaveDecision::Write;
    default:
        return SaveDecision::Stop;
    }
}

} // namespace tb
