#pragma once
// A golfer's score file: one line per round, 43 fields each ended by "~".

#include "Notifier.h"
#include "Records.h"
#include "Store.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tb {

// How one reader of score files differs from the golfer scores form's rules.
struct ScoreLoadVariant {
    // true: a missing file gives the "not found" message and an empty list;
    // false: it is an input/output error.
    bool reportMissingFile = true;
    // true: an empty Score beside a filled AdjScore is filled from it.
    bool fillScoreFromAdjScore = true;
    // What AdjScore holds when a line does not supply it.
    std::string adjScorePlaceholder = "0";
    // true: only what sorting and the index read (Date, Score, Rating, Slope,
    // AdjScore) is taken from the lines; the other fields are left empty.
    bool indexFieldsOnly = false;
    // With indexFieldsOnly: the course name is taken too (the index details
    // name each round's course).
    bool courseNameToo = false;
};

// The golfer scores form's reading (and the command-line tool's).
inline const ScoreLoadVariant GolferScoresRead{};
// The golfer list hub's: a missing file is an error, no repair. Fields a line
// lacks get the usual placeholders, so an older line without its AGS gives
// the same differential here as everywhere else.
inline const ScoreLoadVariant HubRead{false, false, "0"};
// The group-of-scores entry's: a missing file is an error, no repair, "XXX"
// for a missing AGS. A comment without its closing "~" is kept, so writing
// the list back never loses it.
inline const ScoreLoadVariant GroupRead{false, false, "XXX"};
// The golfer scores form's reading cut to what the index needs, for the
// indexes of many golfers at once.
inline const ScoreLoadVariant IndexFieldsRead{true, true, "0", true};
// The same with the course names, for the index details of one golfer.
inline const ScoreLoadVariant IndexDetailsRead{true, true, "0", true, true};
// The handicap reports': a missing file is an error; they read only what the
// index and the cards' recent scores need.
inline const ScoreLoadVariant PrintRead{false, true, "0", true};

void BlankScoreRec(ScoreRec& rec, const ScoreLoadVariant& variant = GolferScoresRead);

// One file line (without its line end) as a record.
ScoreRec ParseScoreLine(std::string_view line, const ScoreLoadVariant& variant = GolferScoresRead);
// The record as a file line, without the line end.
std::string FormatScoreLine(const ScoreRec& rec);

struct ScoreLoadResult {
    bool fileRead = false; // false: the file could not be opened (list empty)
    bool repaired = false; // an empty Score was filled from AdjScore: save is due
    int unreadLines = 0;   // lines past the MaxScores read (a save would drop them)
    int rounds = 0;        // the rounds the file gives (at most MaxScores)
    FileVersion version;   // what was read (exists = false: no file); not kept
                           // by a read of the index fields only
};

// Replaces `list` with the rounds of `file` (found whatever the case of its
// name). At most MaxScores rounds are taken; the user is told of the rest.
// A file that is there but cannot be read is an input/output error.
ScoreLoadResult LoadScores(const std::filesystem::path& file, ScoreList& list, Notifier& notifier,
                           const ScoreLoadVariant& variant = GolferScoresRead);

// The golfer's score file in `dir`, SHORT.vxp. A short name that is not a
// plain file name (IsPlainShortName) names no file: its scores are "not
// found", and saving them fails with an input/output error.
ScoreLoadResult LoadGolferScores(const std::filesystem::path& dir, std::string_view shortName,
                                 ScoreList& list, Notifier& notifier,
                                 const ScoreLoadVariant& variant = GolferScoresRead);
// The same, then sorted newest first (SortScores): how every reader of a
// golfer's scores takes them.
ScoreLoadResult LoadGolferScoresNewestFirst(const std::filesystem::path& dir,
                                            std::string_view shortName, ScoreList& list,
                                            Notifier& notifier,
                                            const ScoreLoadVariant& variant = GolferScoresRead);
// The newest of the golfer's rounds, as far as an index looks: the list
// LoadGolferScoresNewestFirst gives, cut after the round that makes
// `completeWanted` complete scores (IsCompleteScore). Only each line's date
// is read for the order; the rounds past the cut are not read at all. The
// result's `rounds` counts them all.
ScoreLoadResult LoadNewestScores(const std::filesystem::path& dir, std::string_view shortName,
                                 ScoreList& list, Notifier& notifier,
                                 const ScoreLoadVariant& variant, int completeWanted);
void SaveGolferScores(const std::filesystem::path& dir, std::string_view shortName,
                      ScoreList& list);
// The golfer's score file as it is named in `dir` (whatever the case of its
// name). A short name that names no file is an input/output error.
std::filesystem::path GolferScoreFile(const std::filesystem::path& dir, std::string_view shortName);

// A golfer's rounds as the store compares them; a changed round keeps its date.
extern const ListKind<ScoreRec> RoundsKind;

// Newest first: the exchange sort on Date whose order among equal dates the
// index computation relies on.
void SortScores(ScoreList& list);

// Rewrites `file` (the existing one whatever the case of its name) with the
// list, every field cut at its first NUL. On failure throws InOutError and
// leaves both the file and the list as they were.
void SaveScores(const std::filesystem::path& file, ScoreList& list);

// A score is complete when Score, Rating and Slope are filled and not zero.
bool IsCompleteScore(const ScoreRec& rec);

// The score file's name for a short name: SMITH gives SMITH.vxp.
std::string ScoreFileName(std::string_view shortName);

} // namespace tb
