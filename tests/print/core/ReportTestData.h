#pragma once
// Small builders for the report tests: score file lines and a notifier that
// keeps what the file routines would tell the user.

#include "data/Notifier.h"

#include <string>
#include <vector>

namespace tbtest {

// A score file line: date, course, score, rating, slope, no comment, 18 holes
// of 5, 18 putts of 2 and the AGS, every field closed by "~".
inline std::string ScoreFileLine(const std::string& date, const std::string& course,
                                 const std::string& score, const std::string& rating,
                                 const std::string& slope, const std::string& ags) {
    std::string line = date + "~" + course + "~" + score + "~" + rating + "~" + slope + "~~";
    for (int i = 0; i < 36; ++i)
        line += i < 18 ? "5~" : "2~";
    return line + ags + "~";
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

struct KeptMessages : tb::Notifier {
    void Message(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

} // namespace tbtest
