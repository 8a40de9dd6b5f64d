#pragma once
// A golfer's rounds as CSV (RFC 4180): a header line, commas, fields quoted
// when they hold a comma, a quote or a line break, UTF-8 text converted from
// the files' Latin-1, each text cut at a NUL byte as the windows show it.

#include "../../data/Records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tb {

// The header and one line per round of `sorted` (newest first, as the score
// lists show them): date, course, score, adjusted_gross_score, rating, slope,
// differential, used_in_index, incomplete, comment, hole1..hole18,
// putts1..putts18. With `withGolfer`, the golfer's long and short name come
// first (long_name, short_name). `scores` get the index computation's usual
// side effects.
std::vector<std::string> GolferCsvLines(const GolferRec& golfer, ScoreList& sorted,
                                        bool withGolfer = false);
// The lines of the next golfer for an export of every golfer: no header.
std::vector<std::string> GolferCsvRows(const GolferRec& golfer, ScoreList& sorted,
                                       bool withGolfer);

// Replaces `file` with the lines, each ended by CR LF, whole or not at all.
// Throws InOutError.
void SaveCsv(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace tb
