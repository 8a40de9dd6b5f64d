#include "CsvExport.h"

#include "../../data/ScoreFile.h"
#include "../../data/Text.h"
#include "../../data/TextFile.h"
#include "../../handicap/HandicapIndex.h"

#include <algorithm>

namespace tb {

namespace {

constexpr int HoleCount = 18;

std::string Latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// A stored text as one CSV field: cut at its first NUL, in UTF-8, quoted
// (its quotes doubled) when it holds a comma, a quote or a line break.
std::string Field(std::string_view latin1) {
    std::string text = Latin1ToUtf8(CutAtNul(latin1));
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// YYYY-MM-DD for a stored date that is a day of the calendar, else the
// stored text.
std::string DateField(const std::string& stored) {
    std::string date = CutAtNul(stored);
    if (date.size() == 6 && AllDigits(date)) date = (date[0] >= '7' ? "19" : "20") + date;
    if (!CalendarDate(date)) return Field(date);
    return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
}

std::string Flag(bool set) {
    return set ? "1" : "0";
}

std::string Join(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += fields[i];
    }
    return line;
}

std::vector<std::string> GolferFields(const GolferRec& golfer, bool withGolfer) {
    if (!withGolfer) return {};
    return {Field(golfer.LongName.str()), Field(golfer.ShortName.str())};
}

std::string Row(const std::vector<std::string>& golferFields, const ScoreRec& rec, bool used) {
    std::vector<std::string> fields = golferFields;
    const bool incomplete = !used && !IsCompleteScore(rec);
    for (const std::string& field :
         {DateField(rec.Date), Field(rec.CourseName.str()), Field(rec.Score.str()),
          Field(rec.AdjScore.str()), Field(rec.Rating.str()), Field(rec.Slope.str()),
          FormatFixed(StoredScoreDifferential(rec), 1), Flag(used), Flag(incomplete),
          Field(rec.Comment.str())})
        fields.push_back(field);
    for (const auto& hole : rec.HoleScore)
        fields.push_back(Field(hole.str()));
    for (const auto& putts : rec.Putts)
        fields.push_back(Field(putts.str()));
    return Join(fields);
}

} // namespace

std::string GolferCsvHeader(bool withGolfer) {
    std::vector<std::string> columns;
    if (withGolfer) columns = {"long_name", "short_name"};
    for (const char* column : {"date", "course", "score", "adjusted_gross_score", "rating", "slope",
                               "differential", "used_in_index", "incomplete", "comment"})
        columns.push_back(column);
    for (const char* prefix : {"hole", "putts"})
        for (int hole = 1; hole <= HoleCount; ++hole)
            columns.push_back(prefix + std::to_string(hole));
    return Join(columns);
}

std::vector<std::string> GolferCsvRows(const GolferRec& golfer, ScoreList& sorted,
                                       bool withGolfer) {
    // The marks as the golfer scores list shows them: the index first.
    const IndexResult index = ComputeIndex(
        sorted, {std::to_string(golfer.Sex), golfer.LongName.str(), IndexVariant::Standard});
    const std::vector<std::string> golferFields = GolferFields(golfer, withGolfer);
    std::vector<std::string> rows;
    rows.reserve(sorted.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        const bool used = std::find(index.usedScores.begin(), index.usedScores.end(), position) !=
                          index.usedScores.end();
        rows.push_back(Row(golferFields, sorted[i], used));
    }
    return rows;
}

std::vector<std::string> GolferCsvLines(const GolferRec& golfer, ScoreList& sorted,
                                        bool withGolfer) {
    std::vector<std::string> lines{GolferCsvHeader(withGolfer)};
    std::vector<std::string> rows = GolferCsvRows(golfer, sorted, withGolfer);
    lines.insert(lines.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    return lines;
}

void SaveCsv(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    SaveLines(file, lines);
}

} // namespace tb
