#pragma once
// Golfers' short names: the characters they may hold, the proposal made from
// a long name, and the score files they name (ShortName followed by ".vxp"),
// which are found whatever the case of their file names.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tb {

// The longest short name; it names the score file.
inline constexpr std::size_t MaxShortNameLength = 8;

// True for A-Z, 0-9, "-" and "_".
bool IsShortNameChar(char c);
// True when every character is one a short name may hold (also for "").
bool HasOnlyShortNameChars(std::string_view name);

// True when the short name can name a file in the data folder: not empty,
// not "." or "..", and without "/", "\\" or a control character. A short
// name from a hand-edited golfer list that fails this never names a file:
// its scores are "not found" and no file is made, renamed or deleted for it.
bool IsPlainShortName(std::string_view name);

// The first 8 characters of the long name, a-z turned to A-Z and every other
// character a short name may not hold replaced by "_".
std::string ShortNameBase(std::string_view longName);

// Candidate n for a base: n 0 is the base itself; n 1 to 9 the first 7
// characters of the base followed by n; 10 to 99 the first 6; from 100 on
// the first 5. Each is built from the base, never from another candidate.
std::string ShortNameCandidate(std::string_view base, int n);

// The first candidate, n = 0, 1, 2 ..., that is not taken. Candidates longer
// than 8 characters are never proposed: when every shorter one is taken the
// base itself is given back, and accepting it then meets its existing file.
// An empty base gives "".
std::string UniqueShortName(std::string_view base,
                            const std::function<bool(const std::string&)>& taken);

// Whether `dir` holds the score file of `shortName`, in any letter case.
bool ScoreFileExists(const std::filesystem::path& dir, std::string_view shortName);

// The short name proposed for a long name: its base, made unique against the
// score files in `dir` when `unique` (a golfer being added).
std::string ProposeShortName(const std::filesystem::path& dir, std::string_view longName,
                             bool unique);

// Renames the score file of `oldShortName` (found in any letter case) to
// `newShortName` followed by ".vxp". Never replaces a file: false when the old
// file is missing, when a file of the new name exists in any letter case
// (other than the old file itself), or when the rename fails.
bool RenameScoreFile(const std::filesystem::path& dir, std::string_view oldShortName,
                     std::string_view newShortName);
// Whether RenameScoreFile would succeed now, as far as it can be told
// without renaming: the old file is there and nothing answers to the new name.
bool CanRenameScoreFile(const std::filesystem::path& dir, std::string_view oldShortName,
                        std::string_view newShortName);

// Deletes the score file of `shortName`, found in any letter case, after
// keeping it in the backups (InOutError when it cannot be kept: the file then
// stays). A file that is missing or cannot be deleted is left as it is,
// without a word.
void DeleteScoreFile(const std::filesystem::path& dir, std::string_view shortName);

} // namespace tb
