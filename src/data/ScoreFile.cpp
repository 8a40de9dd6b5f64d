#include "ScoreFile.h"

#include "Backups.h"
#include "Errors.h"
#include "ShortNames.h"
#include "Text.h"
#include "TextFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

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

namespace {
// What field n (1-based, file order) holds when a line does not supply it.
std::string_view Placeholder(int field, const ScoreLoadVariant& variant) {
    switch (field) {
    case 1:
        return "99999999";
    case 2:
        return "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"; // 30 X
    case 3:
        return "XXX";
    case 4:
        return "XXXX";
    case 5:
        return "XXX";
    case 6:
        return "";
    case 43:
        return variant.adjScorePlaceholder;
    default:
        return "0"; // hole scores and putts
    }
}

// Field `field` as read from its characters: cut at a NUL (only looked for
// when the line holds one), then to the field's read limit.
std::string_view FieldText(std::string_view text, int field, bool lineHasNul) {
    if (lineHasNul) text = text.substr(0, text.find('\0'));
    return text.substr(0, ReadLimit(field));
}

// The bytes of `word` that are 0, each marked by its top bit (exactly: no
// borrow runs from one byte into the next).
constexpr std::uint64_t ZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((word & low7) + low7) | word | low7);
}

// Finds the "~" that closes each field, at most 43 of them (characters after
// the 43rd are ignored), noting whether a NUL stands among the bytes looked
// at. Eight bytes at a time: this scan is most of the time spent reading a
// score file. Gives how many fields the line closes. With `indexFieldsOnly`
// the ends of fields 6 to 41, which the index does not read, are counted
// but not noted.
int FindFieldEnds(std::string_view line, std::array<std::size_t, FieldCount>& ends, bool& hasNul,
                  bool indexFieldsOnly) {
    constexpr int FirstUnread = 5, LastUnread = 40; // places in `ends`
    int closed = 0;
    hasNul = false;
    const char* const data = line.data();
    const std::size_t size = line.size();
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t tildes = 0x7E7E7E7E7E7E7E7EULL;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + i, sizeof word);
            if (ZeroBytes(word)) hasNul = true;
            const std::uint64_t tildesFound = ZeroBytes(word ^ tildes);
            // One bit at most in each byte: their sum, byte by byte.
            const int count = static_cast<int>(((tildesFound >> 7) * 0x0101010101010101ULL) >> 56);
            if (indexFieldsOnly && closed >= FirstUnread && closed + count - 1 <= LastUnread) {
                closed += count;
                continue;
            }
            for (std::uint64_t found = tildesFound; found; found &= found - 1) {
                ends[static_cast<std::size_t>(closed++)] = i + std::countr_zero(found) / 8;
                if (closed == FieldCount) return closed;
            }
        }
    }
    for (; i < size; ++i) {
        if (data[i] == '~') {
            ends[static_cast<std::size_t>(closed++)] = i;
            if (closed == FieldCount) break;
        } else if (data[i] == '\0') {
            hasNul = true;
        }
    }
    return closed;
}

void ClearFieldsTheIndexDoesNotRead(ScoreRec& rec) {
    auto clear = [](auto& field) {
        if (!field.empty()) field = std::string_view();
    };
    clear(rec.CourseName);
    clear(rec.Comment);
    for (auto& hole : rec.HoleScore)
        clear(hole);
    for (auto& putts : rec.Putts)
        clear(putts);
}

// Field 1 of a line, the date, held without a string of its own: it is
// read from every line of a file to order the rounds.
class LineDate {
public:
    explicit LineDate(std::string_view line) {
        // Up to the first "~", NUL or read limit; the date is there when the
        // line closes a field at all.
        std::size_t end = 0;
        while (end < line.size() && end < ReadLimit(1) && line[end] != '~' && line[end] != '\0')
            ++end;
        const bool closed =
            end < line.size() && (line[end] == '~' || line.find('~', end) != line.npos);
        const std::string_view date = closed ? line.substr(0, end) : Placeholder(1, PrintRead);
        // Character order is byte order: a byte above 0x7F is "7" or higher.
        if (date.size() == 6) Append(static_cast<unsigned char>(date[0]) >= '7' ? "19" : "20");
        Append(date);
    }
    std::string_view View() const { return {text_.data(), size_}; }

private:
    void Append(std::string_view part) {
        std::memcpy(text_.data() + size_, part.data(), part.size());
        size_ += part.size();
    }
    std::array<char, 8> text_{};
    std::size_t size_ = 0;
};

// Every field of `rec` is written: from the line, or with its placeholder.
void ParseScoreLineInto(std::string_view line, ScoreRec& rec, const ScoreLoadVariant& variant) {
    std::array<std::size_t, FieldCount> ends;
    bool hasNul = false;
    const int closed = FindFieldEnds(line, ends, hasNul, variant.indexFieldsOnly);
    auto startOf = [&](int field) {
        return field == 1 ? std::size_t{0} : ends[static_cast<std::size_t>(field - 2)] + 1;
    };
    // Field n as the line gives it, or its placeholder when the line ends
    // before the field's "~".
    auto value = [&](int field) {
        if (field > closed) return Placeholder(field, variant);
        const std::size_t start = startOf(field);
        return FieldText(std::string_view(line.data() + start,
                                          ends[static_cast<std::size_t>(field - 1)] - start),
                         field, hasNul);
    };
    rec.Date = LineDate(line).View();
    rec.Score = value(3);
    rec.Rating = value(4);
    rec.Slope = value(5);
    if (variant.indexFieldsOnly) {
        rec.AdjScore = value(43);
        ClearFieldsTheIndexDoesNotRead(rec);
        if (variant.courseNameToo) rec.CourseName = value(2);
        return;
    }
    rec.CourseName = value(2);
    rec.Comment = value(6);
    for (int hole = 0; hole < 18; ++hole)
        rec.HoleScore[static_cast<std::size_t>(hole)] = value(7 + hole);
    for (int hole = 0; hole < 18; ++hole)
        rec.Putts[static_cast<std::size_t>(hole)] = value(25 + hole);
    rec.AdjScore = value(43);
    // A comment left without its closing "~" is still the comment.
    if (closed + 1 == CommentField)
        rec.Comment = FieldText(line.substr(startOf(CommentField)), CommentField, hasNul);
}
} // namespace

void BlankScoreRec(ScoreRec& rec, const ScoreLoadVariant& variant) {
    for (int field = 1; field <= FieldCount; ++field)
        SetField(rec, field, Placeholder(field, variant));
}

ScoreRec ParseScoreLine(std::string_view line, const ScoreLoadVariant& variant) {
    ScoreRec rec;
    ParseScoreLineInto(line, rec, variant);
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

namespace {
std::string TooManyScores(const std::string& fileName) {
    return "The score file \"" + fileName + "\" holds more than " + std::to_string(MaxScores) +
           " scores; only the first " + std::to_string(MaxScores) + " were read.";
}

// A score file that is not there: the "not found" message and an empty list,
// or an input/output error, as the reader's variant says.
ScoreLoadResult MissingScoreFile(const std::string& fileName, ScoreList& list, Notifier& notifier,
                                 const ScoreLoadVariant& variant) {
    list.clear();
    if (!variant.reportMissingFile) ThrowIoError(ENOENT, fileName);
    notifier.Message("Error: Golfer score file \"" + fileName + "\" not found.");
    return {};
}
} // namespace

namespace {
// The lines of a score file taken as rounds (at most MaxScores; the user is
// told of the rest), cut out of `content`, which holds the file's bytes.
// False when there is no file: the list is emptied, and the file told of as
// "not found" or thrown as missing, as `variant` says.
bool ReadRoundLines(const fs::path& file, std::string& content,
                    std::vector<std::string_view>& lines, ScoreList& list, Notifier& notifier,
                    const ScoreLoadVariant& variant, ScoreLoadResult& result) {
    const std::string fileName = file.filename().string();
    try {
        content = ReadFileBytesNoCase(file);
    } catch (const InOutError& error) {
        // Only a file that is not there reads as an empty list: one that is
        // there but cannot be read must never be replaced by the next save.
        if (!IsMissingFileError(error)) {
            list.clear();
            throw;
        }
        result = MissingScoreFile(fileName, list, notifier, variant);
        return false;
    }
    result.fileRead = true;
    // A list of the index fields only is never written back (it would lose
    // the others), so its version is never asked for.
    if (!variant.indexFieldsOnly) result.version = VersionOfBytes(content);
    lines = SplitLines(content);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(MaxScores));
    result.unreadLines = static_cast<int>(lines.size() - count);
    if (result.unreadLines > 0) notifier.PartlyRead(TooManyScores(fileName));
    lines.resize(count);
    result.rounds = static_cast<int>(count);
    return true;
}

void ReadRound(std::string_view line, ScoreRec& rec, const ScoreLoadVariant& variant,
               ScoreLoadResult& result) {
    ParseScoreLineInto(line, rec, variant);
    if (variant.fillScoreFromAdjScore && rec.Score.empty() && !rec.AdjScore.empty()) {
        rec.Score = rec.AdjScore.str();
        result.repaired = true;
    }
}

// The positions of `count` rounds newest first: the exchange sort on their
// dates (`dateAt(i)`), whose order among equal dates the index relies on.
template <class DateAt>
std::vector<std::size_t> NewestFirstOrder(std::size_t count, DateAt dateAt) {
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    // Rounds already newest first (as every saved file has them) keep their
    // places: the exchange below would never find a later date greater.
    std::size_t ordered = 1;
    while (ordered < count && !(dateAt(ordered - 1) < dateAt(ordered)))
        ++ordered;
    if (ordered >= count) return order;
    for (std::size_t i = 0; i + 1 < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j)
            if (dateAt(order[i]) < dateAt(order[j])) std::swap(order[i], order[j]);
    return order;
}
} // namespace

ScoreLoadResult LoadScores(const fs::path& file, ScoreList& list, Notifier& notifier,
                           const ScoreLoadVariant& variant) {
    ScoreLoadResult result;
    std::string content;
    std::vector<std::string_view> lines;
    if (!ReadRoundLines(file, content, lines, list, notifier, variant, result)) return result;
    // The records already in the list are overwritten field by field, which
    // spares building and freeing them when one list loads file after file.
    list.reserve(MaxScores);
    list.resize(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        ReadRound(lines[i], list[i], variant, result);
    return result;
}

ScoreLoadResult LoadGolferScores(const fs::path& dir, std::string_view shortName, ScoreList& list,
                                 Notifier& notifier, const ScoreLoadVariant& variant) {
    if (!IsPlainShortName(shortName))
        return MissingScoreFile(ScoreFileName(shortName), list, notifier, variant);
    return LoadScores(dir / ScoreFileName(shortName), list, notifier, variant);
}

ScoreLoadResult LoadGolferScoresNewestFirst(const fs::path& dir, std::string_view shortName,
                                            ScoreList& list, Notifier& notifier,
                                            const ScoreLoadVariant& variant) {
    const ScoreLoadResult result = LoadGolferScores(dir, shortName, list, notifier, variant);
    SortScores(list);
    return result;
}

ScoreLoadResult LoadNewestScores(const fs::path& dir, std::string_view shortName, ScoreList& list,
                                 Notifier& notifier, const ScoreLoadVariant& variant,
                                 int completeWanted) {
    if (!IsPlainShortName(shortName))
        return MissingScoreFile(ScoreFileName(shortName), list, notifier, variant);
    ScoreLoadResult result;
    std::string content;
    std::vector<std::string_view> lines;
    if (!ReadRoundLines(dir / ScoreFileName(shortName), content, lines, list, notifier, variant,
                        result))
        return result;
    std::vector<LineDate> dates;
    dates.reserve(lines.size());
    for (std::string_view line : lines)
        dates.emplace_back(line);
    const std::vector<std::size_t> order =
        NewestFirstOrder(lines.size(), [&](std::size_t i) { return dates[i].View(); });
    list.reserve(MaxScores);
    std::size_t taken = 0;
    for (int complete = 0; taken < order.size() && complete < completeWanted; ++taken) {
        if (taken == list.size()) list.emplace_back();
        ReadRound(lines[order[taken]], list[taken], variant, result);
        if (IsCompleteScore(list[taken])) ++complete;
    }
    list.resize(taken);
    return result;
}

void SortScores(ScoreList& list) {
    const std::vector<std::size_t> order = NewestFirstOrder(
        list.size(), [&](std::size_t i) -> const std::string& { return list[i].Date.str(); });
    if (std::is_sorted(order.begin(), order.end())) return;
    // Each record moves once.
    ScoreList sorted;
    sorted.reserve(MaxScores);
    for (std::size_t from : order)
        sorted.push_back(std::move(list[from]));
    list = std::move(sorted);
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
    const fs::path target = FindFileNoCase(file.parent_path(), file.filename().string());
    KeepReplacedVersion keep(target, BackupFor::Save);
    SaveLines(target, lines, &keep);
    list = std::move(cut);
}

void SaveGolferScores(const fs::path& dir, std::string_view shortName, ScoreList& list) {
    if (!IsPlainShortName(shortName)) ThrowIoError(ENOENT, ScoreFileName(shortName));
    SaveScores(dir / ScoreFileName(shortName), list);
}

const ListKind<ScoreRec> RoundsKind{FormatScoreLine,
                                    [](const ScoreRec& rec) { return rec.Date.str(); }, "round",
                                    "rounds", MaxScores};

fs::path GolferScoreFile(const fs::path& dir, std::string_view shortName) {
    if (!IsPlainShortName(shortName)) ThrowIoError(ENOENT, ScoreFileName(shortName));
    return FindFileNoCase(dir, ScoreFileName(shortName));
}

bool IsCompleteScore(const ScoreRec& rec) {
    return !rec.Score.empty() && rec.Score != "0" && !rec.Rating.empty() && rec.Rating != "0.0" &&
           !rec.Slope.empty() && rec.Slope != "0";
}

std::string ScoreFileName(std::string_view shortName) {
    return std::string(shortName) + ".vxp";
}

} // namespace tb
