#pragma once
// The golfer list "golfers.vxc": one line per golfer, LongName "~" ShortName
// "~" Sex "~". When the file is missing the list is built from the score
// files present.

#include "Notifier.h"
#include "Records.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tb {

inline constexpr const char* GolferFileName = "golfers.vxc";

void BlankGolferRec(GolferRec& golfer);

GolferRec ParseGolferLine(std::string_view line);
std::string FormatGolferLine(const GolferRec& golfer);

// Replaces `list` with dir/golfers.vxc, or with one male golfer per score
// file (*.vxp, any case) when that file does not exist. At most MaxGolfers
// are taken; the user is told of the rest. Gives the number of golfers.vxc
// lines past the first MaxGolfers, which are not read (0 after a scan: the
// score files not taken stay where they are). Throws InOutError.
int LoadGolfers(const std::filesystem::path& dir, GolferList& list, Notifier& notifier);
// Ascending by LongName, byte by byte (case-sensitive).
void SortGolfers(GolferList& list);
// Replaces dir/golfers.vxc with the list, then creates an empty score file for
// every golfer that has none. Throws InOutError; a failed list write leaves
// the old file as it was.
void SaveGolfers(const std::filesystem::path& dir, const GolferList& list);

} // namespace tb
