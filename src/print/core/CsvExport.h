#pragma once
// A golfer's rounds as CSV (RFC 4180): a header line, commas, fields quoted
// when they hold a comma, a quote or a line break, UTF-8 text converted from
// the files' Latin-1, each text cut at a NUL byte as the windows show it.

#include "../../data/Records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tb {

// The header line: date, course, score, adjusted_gross_score, rating, slope,
// differential, used_in_index, incomplete, comment, hole1..hole18,
// putts1..putts18; with `withGolfer`, long_name and short_name first.
std::string GolferCsvHeader(bool withGolfer);

// The header and one line per round of `sorted` (newest first, as the score
// lists show them), in the columns of the header. The date is YYYY-MM-DD when
// the stored date is a day of the calendar (YYYYMMDD, or YYMMDD widened as the
// score file reader widens it), else the stored text. The differential has
// one decimal, as the score lists show it; used_in_index and incomplete are 1
// or 0, the "*" and "I" marks of the golfer scores list (the standard index
// computation for the golfer's sex). `sorted` gets the index computation's
// usual side effects.
std::vector<std::string> GolferCsvLines(const GolferRec& golfer, ScoreList& sorted,
                                        bool withGolfer = false);
// The same lines without the header, for an export of every golfer.
std::vector<std::string> GolferCsvRows(const GolferRec& golfer, ScoreList& sorted, bool withGolfer);

// Replaces `file` with the lines (given without line ends), each ended by
// CR LF, whole or not at all. Throws InOutError.
void SaveCsv(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace tb
