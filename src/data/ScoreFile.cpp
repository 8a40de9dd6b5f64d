#include "ScoreFile.h"

#include "Errors.h"
#include "Text.h"
#include "TextFile.h"

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

void SetField(ScoreRec& rec, int field, const std::string& value) {
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
    rec.Score = "XXX";
    rec.Rating = "XXXX";
    rec.Slope = "XXX";
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
    int field = 1;
    std::string gathered;
    for (char c : line) {
        if (field > FieldCount) break;
        if (c != '~') {
            if (gathered.size() < ReadLimit(field)) gathered.push_back(c);
            continue;
        }
        SetField(rec, field, CutAtNul(gathered));
        if (field == 1 && rec.Date.size() == 6)
            rec.Date = std::string(rec.Date.str()[0] >= '7' ? "19" : "20") + rec.Date.str();
        gathered.clear();
        ++field;
    }
    // A comment left without its closing "~" is still the comment.
    if (field == CommentField) rec.Comment = CutAtNul(gathered);
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
    std::vector<std::string> lines;
    try {
        lines = ReadLines(actual);
    } catch (const InOutError&) {
        if (!variant.reportMissingFile) throw;
        notifier.Message("Error: Golfer score file \"" + file.filename().string() +
                         "\" not found.");
        return result;
    }
    result.fileRead = true;
    for (const std::string& line : lines) {
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

void SortScores(ScoreList& list) {
    const std::size_t count = list.size();
    for (std::size_t i = 0; i + 1 < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j)
            if (list[i].Date.str() < list[j].Date.str()) std::swap(list[i], list[j]);
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
