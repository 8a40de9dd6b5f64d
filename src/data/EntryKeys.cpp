#include "EntryKeys.h"

#include "Text.h"

namespace tb {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Character at 1-based position i, or NUL past the end.
char At(const std::string& s, std::size_t i) {
    return i >= 1 && i <= s.size() ? s[i - 1] : '\0';
}

} // namespace

std::string NormalizeDate(std::string_view input) {
    const std::size_t length = input.size();
    if (length < 6 || length > 10) return "";
    std::string s;
    for (char c : input) {
        if (IsDigit(c))
            s.push_back(c);
        else if (c == '/' || c == '\\' || c == ',' || c == '-' || c == '.')
            s.push_back('/');
        else
            return "";
    }
    if (length == 8 && AllDigits(s)) s = Copy(s, 1, 2) + "/" + Copy(s, 3, 2) + "/" + Copy(s, 5, 4);
    if (s.size() == 6 && AllDigits(s))
        s = Copy(s, 1, 2) + "/" + Copy(s, 3, 2) + "/" + Copy(s, 5, 2);
    if (!IsDigit(At(s, 1))) return "";
    if (At(s, 2) == '/') s.insert(s.begin(), '0');
    if (At(s, 3) != '/' || !IsDigit(At(s, 4))) return "";
    if (At(s, 5) == '/') s = Copy(s, 1, 3) + "0" + Copy(s, 4, 6);
    if (At(s, 6) != '/' || !IsDigit(At(s, 7)) || !IsDigit(At(s, 8))) return "";
    if (s.size() > 8 && (!IsDigit(At(s, 9)) || !IsDigit(At(s, 10)))) return "";
    if (s.size() == 8) {
        int yy = (At(s, 7) - '0') * 10 + (At(s, 8) - '0');
        s = Copy(s, 1, 6) + (yy <= 80 ? "20" : "19") + Copy(s, 7, 2);
    }
    // A one-digit month before a five-digit year ("6-96-00850") would come
    // out 11 characters long: no date is longer than MM/DD/YYYY.
    if (s.size() > 10) return "";
    return s;
}

namespace {
int DaysInMonth(int month, int year) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}
} // namespace

std::string DateProblem(std::string_view text) {
    if (text.empty()) return "The date must be filled in (MM/DD/YYYY).";
    const std::string date = NormalizeDate(text);
    if (date.empty())
        return std::string("'").append(text).append("' is not a date: type it as MM/DD/YYYY.");
    const int month = StrToInt(Copy(date, 1, 2));
    const int day = StrToInt(Copy(date, 4, 2));
    const int year = StrToInt(Copy(date, 7, 4));
    if (month < 1 || month > 12) return date + " is not a date: the month must be 1 to 12.";
    const int last = DaysInMonth(month, year);
    if (day < 1 || day > last)
        return date + " is not a date: the day must be 1 to " + std::to_string(last) + ".";
    return "";
}

std::string StepDate(std::string_view text, StepDirection direction) {
    std::string date = NormalizeDate(text);
    if (date.empty()) return "";
    int m = StrToInt(Copy(date, 1, 2));
    int d = StrToInt(Copy(date, 4, 2));
    int y = StrToInt(Copy(date, 7, 4));
    const bool leap = y % 4 == 0;
    if (direction == StepDirection::Backwards) {
        if (d > 1) {
            --d;
        } else if (m == 1) {
            m = 12, d = 31, --y;
        } else if (m == 2 || m == 4 || m == 6 || m == 8 || m == 9 || m == 11) {
            --m, d = 31;
        } else if (m == 5 || m == 7 || m == 10 || m == 12) {
            --m, d = 30;
        } else if (m == 3) {
            m = 2, d = leap ? 29 : 28;
        }
    } else {
        const bool longMonth = m == 1 || m == 3 || m == 5 || m == 7 || m == 8 || m == 10 || m == 12;
        const bool shortMonth = m == 4 || m == 6 || m == 9 || m == 11;
        if ((longMonth && d >= 31) || (shortMonth && d >= 30)) {
            d = 1;
            if (++m > 12) m = 1, ++y;
        } else if (m == 2 && ((!leap && d >= 28) || (leap && d >= 29))) {
            m = 3, d = 1;
        } else {
            ++d;
        }
    }
    return NormalizeDate(std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y));
}

std::string StepNumber(std::string_view text, StepDirection direction) {
    long long value = text.empty() ? 0 : StrToInt(text);
    value += direction == StepDirection::Forwards ? 1 : -1;
    return std::to_string(value);
}

} // namespace tb
