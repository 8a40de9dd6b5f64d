#include "ScoreFile.h"

#include "Errors.h"
#include "Text.h"
#include "TextFile.h"

#include <cstdint>

namespace tb {
namespace fs = std::filesystem;

namespace {
constexpr int FieldCount = 43;
constexpr int CommentField = 6;

// Read limit of field n (1-based, file order).
std::size_t ReadLimit(int field) {
    switch (field) {
    case 1:
        return 8;
    case 2:
        return 30;
    case 3:
        return 3;
    case 4:
        return 4;
    case 5:
        return 3;
    case 6:
        return 100;
    case 43:
        return 3;
    default:
        return 2; // hole scores and putts
    }
}

void SetField(ScoreRec& rec, int field, std::string_view value) {
    switch (field) {
    case 1:
        rec.Date = value;
        break;
    case 2:
        rec.CourseName = value;
        break;
    case 3:
        rec.Score = value;
        break;
    case 4:
        rec.Rating = value;
        break;
    case 5:
        rec.Slope = value;
        break;
    case 6:
        rec.Comment = value;
        break;
    case 43:
        rec.AdjScore = value;
        break;
    default:
        if (field <= 24)
            rec.HoleScore[field - 7] = value;
        else
            rec.Putts[field - 25] = value;
    }
}

const std::string& GetField(const ScoreRec& rec, int field) {
    switch (field) {
    case 1:
        return rec.Date;
    case 2:
        return rec.CourseName;
    case 3:
        return rec.Score;
    case 4:
        return rec.Rating;
    case 5:
        return rec.Slope;
    case 6:
        return rec.Comment;
    case 43:
        return rec.AdjScore;
    default:
        return field <= 24 ? rec.HoleScore[field - 7].str() : rec.Putts[field - 25].str();
    }
}
} // namespace

void BlankScoreRec(ScoreRec& rec, const ScoreLoadVariant& variant) {
    rec.Date = "99999999";
    rec.CourseName = std::string(30, 'X');
    rec.Score = variant.scorePlaceholder;
    rec.Rating = variant.ratingPlaceholder;
    rec.Slope = variant.slopePlaceholder;
    rec.Comment = "";
    for (auto& hole : rec.HoleScore)
        hole = "0";
    for (auto& putts : rec.Putts)
        putts = "0";
    rec.AdjScore = variant.adjScorePlaceholder;
}

ScoreRec ParseScoreLine(std::string_view line, const ScoreLoadVariant& variant) {
    ScoreRec rec;
    BlankScoreRec(rec, variant);
    // A NUL ends a field's text; most lines hold none, so look only once.
    const bool hasNul = line.find('\0') != std::string_view::npos;
    auto fieldText = [&](std::string_view text, int field) {
        if (hasNul) text = text.substr(0, text.find('\0'));
        return text.substr(0, ReadLimit(field));
    };
    int field = 1;
    std::size_t start = 0;
    for (; field <= FieldCount; ++field) {
        std::size_t tilde = line.find('~', start);
        if (tilde == std::string_view::npos) break;
        SetField(rec, field, fieldText(line.substr(start, tilde - start), field));
        // Character order is byte order: a byte above 0x7F is "7" or higher.
        if (field == 1 && rec.Date.size() == 6)
            rec.Date =
                std::string(static_cast<unsigned char>(rec.Date.str()[0]) >= '7' ? "19" : "20") +
                rec.Date.str();
        start = tilde + 1;
    }
    // A comment left without its closing "~" is still the comment, except
    // for the readers that drop it.
    if (field == CommentField && variant.keepUnclosedComment)
        rec.Comment = fieldText(line.substr(start), field);
    return rec;
}

std::string FormatScoreLine(const ScoreRec& rec) {
    std::string line;
    line.reserve(280);
    for (int field = 1; field <= FieldCount; ++field) {
        line += GetField(rec, field);
        line += '~';
    }
    return line;
}

ScoreLoadResult LoadScores(const fs::path& file, ScoreList& list, Notifier& notifier,
                           const ScoreLoadVariant& variant) {
    ScoreLoadResult result;
    list.clear();
    list.reserve(MaxScores);
    fs::path actual = FindFileNoCase(file.parent_path(), file.filename().string());
    std::string content;
    try {
        content = ReadFileBytes(actual);
    } catch (const InOutError&) {
        if (!variant.reportMissingFile) throw;
        notifier.Message("Error: Golfer score file \"" + file.filename().string() +
                         "\" not found.");
        return result;
    }
    result.fileRead = true;
    for (std::string_view line : SplitLines(content)) {
        if (static_cast<int>(list.size()) == MaxScores) {
            notifier.Message("The score file \"" + file.filename().string() +
                             "\" holds more than " + std::to_string(MaxScores) +
                             " scores; only the first " + std::to_string(MaxScores) +
                             " were read.");
            break;
        }
        ScoreRec rec = ParseScoreLine(line, variant);
        if (variant.fillScoreFromAdjScore && rec.Score.empty() && !rec.AdjScore.empty()) {
            rec.Score = rec.AdjScore.str();
            result.repaired = true;
        }
        list.push_back(std::move(rec));
    }
    return result;
}

namespace {
// A date as a key whose order is the text's byte order, a shorter text before
// a longer one that starts with it: the first 15 bytes, zero-filled, then the
// length.
struct DateKey {
    std::uint64_t high = 0, low = 0;

    explicit DateKey(std::string_view date) {
        static_assert(decltype(ScoreRec::Date)::capacity <= 15);
        for (std::size_t i = 0; i < 15; ++i) {
            std::uint64_t byte = i < date.size() ? static_cast<unsigned char>(date[i]) : 0;
            if (i < 8)
                high = high << 8 | byte;
            else
                low = low << 8 | byte;
        }
        low = low << 8 | date.size();
    }
    friend bool operator<(const DateKey& a, const DateKey& b) {
        return a.high < b.high || (a.high == b.high && a.low < b.low);
    }
};
} // namespace

void SortScores(ScoreList& list) {
    const std::size_t count = list.size();
    if (count < 2) return;
    // Which records are exchanged depends only on how their dates compare, so
    // the exchange pattern runs on the keys and the records move once.
    struct Slot {
        DateKey date;
        std::size_t from;
    };
    std::vector<Slot> slots;
    slots.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        slots.push_back({DateKey(list[i].Date.str()), i});
    for (std::size_t i = 0; i + 1 < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j)
            if (slots[i].date < slots[j].date) std::swap(slots[i], slots[j]);
    // Position i takes the record from slots[i].from: follow each cycle.
    for (std::size_t i = 0; i < count; ++i) {
        if (slots[i].from == i) continue;
        ScoreRec held = std::move(list[i]);
        std::size_t to = i;
        while (slots[to].from != i) {
            const std::size_t from = slots[to].from;
            list[to] = std::move(list[from]);
            slots[to].from = to;
            to = from;
        }
        list[to] = std::move(held);
        slots[to].from = to;
    }
}

void SaveScores(const fs::path& file, ScoreList& list) {
    ScoreList cut = list;
    std::vector<std::string> lines;
    lines.reserve(cut.size());
    for (ScoreRec& rec : cut) {
        for (int field = 1; field <= FieldCount; ++field)
            SetField(rec, field, CutAtNul(GetField(rec, field)));
        lines.push_back(FormatScoreLine(rec));
    }
    SaveLines(FindFileNoCase(file.parent_path(), file.filename().string()), lines);
    list = std::move(cut);
}

bool IsCompleteScore(const ScoreRec& rec) {
    return !rec.Score.empty() && rec.Score != "0" && !rec.Rating.empty() && rec.Rating != "0.0" &&
           !rec.Slope.empty() && rec.Slope != "0";
}

std::string ScoreFileName(std::string_view shortName) {
    return std::string(shortName) + ".vxp";
}

} // namespace tb
