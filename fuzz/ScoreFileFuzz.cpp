// A golfer's score file of any bytes, read by each of the four readers.
//
// Each reader's list holds, line by line, what the reader makes of that line
// on its own, also when the list held another reader's records before. A
// save followed by a load with the same reader gives the saved records back,
// for all four readers: a field read from a file holds no "~", line end or
// NUL (the reader splits and cuts at them), is no longer than the reader
// keeps, a 6-digit date has already been widened to 8 digits, a missing
// field is saved as its placeholder text and read back as that same text,
// and a Score filled from AdjScore is no longer empty, so the load repairs
// nothing. Saved by one reader and loaded by another, the list may differ:
// a reader that fills Score from AdjScore finds an empty Score the other
// left. A list sorts newest first without losing a record. A line parsed and
// formatted parses back to the same record, whatever bytes it holds (line
// ends included).

#include "FuzzSupport.h"
#include "data/ScoreFile.h"
#include "data/TextFile.h"

#include <algorithm>

namespace {
namespace fs = std::filesystem;

const tb::ScoreLoadVariant* const Readers[] = {&tb::GolferScoresRead, &tb::HubRead, &tb::GroupRead,
                                               &tb::PrintRead};

// What the reader gives for the line read on its own.
tb::ScoreRec LineRecord(std::string_view line, const tb::ScoreLoadVariant& reader) {
    tb::ScoreRec rec = tb::ParseScoreLine(line, reader);
    if (reader.fillScoreFromAdjScore && rec.Score.empty() && !rec.AdjScore.empty())
        rec.Score = rec.AdjScore.str();
    return rec;
}

void CheckLoaded(std::string_view bytes, const tb::ScoreList& list,
                 const tb::ScoreLoadVariant& reader) {
    const std::vector<std::string_view> lines = tb::SplitLines(bytes);
    FUZZ_CHECK(list.size() == std::min<std::size_t>(lines.size(), tb::MaxScores));
    for (std::size_t i = 0; i < list.size(); ++i)
        FUZZ_CHECK(list[i] == LineRecord(lines[i], reader));
}

void CheckSaveAndLoad(const fs::path& file, const tb::ScoreList& loaded,
                      const tb::ScoreLoadVariant& reader) {
    tb::ScoreList saved = loaded;
    tb::SaveScores(file, saved);
    FUZZ_CHECK(saved == loaded); // nothing to cut: a field read holds no NUL
    tb::ScoreList reloaded;
    tbfuzz::QuietNotifier notifier;
    const tb::ScoreLoadResult result = tb::LoadScores(file, reloaded, notifier, reader);
    FUZZ_CHECK(result.fileRead && !result.repaired);
    FUZZ_CHECK(reloaded == saved);
}

// The records as lines in byte order: equal for two lists of the same records.
std::vector<std::string> RecordsInOrder(const tb::ScoreList& list) {
    std::vector<std::string> lines;
    for (const tb::ScoreRec& rec : list)
        lines.push_back(tb::FormatScoreLine(rec));
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Newest first, and the same records.
void CheckSorted(const tb::ScoreList& list) {
    tb::ScoreList sorted = list;
    tb::SortScores(sorted);
    auto newerFirst = [](const tb::ScoreRec& a, const tb::ScoreRec& b) {
        return a.Date.str() > b.Date.str();
    };
    FUZZ_CHECK(std::is_sorted(sorted.begin(), sorted.end(), newerFirst));
    FUZZ_CHECK(RecordsInOrder(sorted) == RecordsInOrder(list));
}

void CheckLineRoundTrip(std::string_view line, const tb::ScoreLoadVariant& reader) {
    const tb::ScoreRec rec = tb::ParseScoreLine(line, reader);
    FUZZ_CHECK(tb::ParseScoreLine(tb::FormatScoreLine(rec), reader) == rec);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tbfuzz::AsText(data, size);
    const fs::path& folder = tbfuzz::ScratchFolder();
    // Asked for as SMITH.vxp, found whatever the case of its name.
    tbfuzz::WriteFile(folder / "smith.VXP", bytes);
    tbfuzz::QuietNotifier notifier;
    // One list for every reader, as a form reuses its list file after file.
    static tb::ScoreList list;
    for (const tb::ScoreLoadVariant* reader : Readers) {
        FUZZ_CHECK(tb::LoadScores(folder / "SMITH.vxp", list, notifier, *reader).fileRead);
        CheckLoaded(bytes, list, *reader);
        CheckSaveAndLoad(folder / "SAVED.vxp", list, *reader);
        CheckLineRoundTrip(bytes, *reader);
    }
    CheckSorted(list);
    return 0;
}
