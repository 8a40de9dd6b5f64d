#pragma once
// The handicap reports for one course and a chosen set of golfers: the
// handicap list (a line per golfer: index, course handicap, predicted score)
// and the handicap cards (a block per golfer with the last twenty scores).

#include "../../data/Notifier.h"
#include "../../data/Records.h"
#include "../../handicap/HandicapIndex.h"
#include "Report.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tb {

// What the handicap reports show of one golfer.
struct GolferHandicap {
    std::string longName;
    int scoreCount = 0;
    Extended index = 0;
    UsedScores usedScores{};
    // Score of the newest rounds, list positions 1 to 20 at most.
    std::vector<std::string> recentScores;
};

// The golfer's scores read and sorted as the handicap reports read them (a
// score file that cannot be opened is an InOutError), and his index.
GolferHandicap ReadGolferHandicap(const std::filesystem::path& dir, const GolferRec& golfer,
                                  Notifier& notifier);
// The same for each golfer in turn: all are read before anything is printed
// or written, so that a file that cannot be read stops the report at once.
std::vector<GolferHandicap> ReadGolferHandicaps(const std::filesystem::path& dir,
                                                const std::vector<GolferRec>& golfers,
                                                Notifier& notifier);

// The golfer's line: name, index, course handicap and predicted score under
// the list's headings. A slope or par that is no number counts as 0.
std::string HandicapListLine(const GolferHandicap& golfer, const CourseSummary& course);

// `today` is the date the reports are made, as "mm/dd/yyyy" shows it.
Report HandicapListReport(const CourseSummary& course, const std::vector<GolferHandicap>& golfers,
                          const std::string& today);
Report HandicapCardsReport(const CourseSummary& course, const std::vector<GolferHandicap>& golfers,
                           const std::string& today);

inline constexpr const char* HandicapListFileName = "hdcplist.vxo";
// Builds the list and replaces dir/hdcplist.vxo with it, whole or not at
// all. Throws InOutError.
void WriteHandicapList(const std::filesystem::path& dir, const CourseSummary& course,
                       const std::vector<GolferHandicap>& golfers, const std::string& today);
// What the user is told once the file is written.
inline constexpr const char* HandicapListCreatedMessage = "Handicap file \"HDCPLIST.VXO\" created.";

} // namespace tb
