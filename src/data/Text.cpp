#include "Text.h"

#include "Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace tb {

std::string Copy(std::string_view text, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<std::size_t>(index) > text.size()) return {};
    return std::string(
        text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

std::string CutAtNul(std::string_view text) {
    return std::string(UpToNul(text));
}

std::vector<std::string_view> TildeFields(std::string_view line, std::size_t most) {
    std::vector<std::string_view> fields;
    fields.reserve(most);
    for (std::size_t start = 0; fields.size() < most;) {
        const std::size_t end = line.find('~', start);
        if (end == std::string_view::npos) break;
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string PadRight(std::string_view text, int width) {
    std::string result = CutAtNul(text);
    result.resize(static_cast<std::size_t>(width < 0 ? 0 : width), ' ');
    return result;
}

std::string PadLeft(std::string_view text, int width) {
    std::string result = CutAtNul(text);
    std::size_t w = static_cast<std::size_t>(width < 0 ? 0 : width);
    if (result.size() >= w) return result.substr(0, w);
    return std::string(w - result.size(), ' ') + result;
}

std::string DateForDisplay(std::string_view date) {
    if (date.size() == 8) return Copy(date, 5, 2) + "/" + Copy(date, 7, 2) + "/" + Copy(date, 1, 4);
    if (date.size() == 6)
        return Copy(date, 3, 2) + "/" + Copy(date, 5, 2) +
               (static_cast<unsigned char>(date[0]) >= '7' ? "/19" : "/20") + Copy(date, 1, 2);
    return "99/99/9999";
}

std::string TodayForDisplay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%Y", &local);
    return text;
}

std::string DateForStorage(std::string_view date) {
    return Copy(date, 7, 4) + Copy(date, 1, 2) + Copy(date, 4, 2);
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::optional<std::chrono::year_month_day> CalendarDate(std::string_view date) {
    if (date.size() != 8 || !AllDigits(date)) return std::nullopt;
    const std::chrono::year_month_day day{
        std::chrono::year{DigitsValue(date.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(DigitsValue(date.substr(4, 2)))},
        std::chrono::day{static_cast<unsigned>(DigitsValue(date.substr(6, 2)))}};
    if (!day.ok()) return std::nullopt;
    return day;
}

bool TryStrToInt(std::string_view text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i >= text.size()) return false;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > 2147483648LL) return false;
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(signedValue);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw ConvertError("'" + ShowNuls(std::string(text)) + "' is not a valid integer value");
    return value;
}

bool TryStrToFloat(std::string_view text, long double& value) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return false;
    std::size_t end = text.find_last_not_of(' ') + 1;
    std::string_view number = text.substr(begin, end - begin);
    // Check the shape ourselves: sign, digits, one ".", optional exponent.
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9')
        ++i, ++digits;
    if (i < number.size() && number[i] == '.') {
        ++i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != number.size()) return false;
    std::string_view body = number;
    if (!body.empty() && body[0] == '+') body.remove_prefix(1);
    long double parsed = 0;
    auto result = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size()) return false;
    value = parsed;
    return true;
}

void ThrowNotAFloat(std::string_view text) {
    throw ConvertError("'" + ShowNuls(std::string(text)) + "' is not a valid floating point value");
}

long double StrToFloat(std::string_view text) {
    long double value = 0;
    if (!TryStrToFloat(text, value)) ThrowNotAFloat(text);
    return value;
}

std::string FormatFixed(long double value, int decimals, int width) {
    // Take 18 significant decimal digits of the value, then round them half
    // away from zero at the wanted decimal place, as the original formatter
    // did (it never sees the binary tail beyond those digits).
    bool negative = std::signbit(value);
    long double magnitude = std::fabs(value);
    std::string digits;
    int pointPos = 0; // digits before the decimal point
    if (magnitude != 0) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17Le", magnitude);
        digits.push_back(buf[0]);
        const char* p = buf + 2;
        while (*p >= '0' && *p <= '9')
            digits.push_back(*p++);
        int exponent = std::atoi(p + 1);
        pointPos = exponent + 1;
    }
    int keep = pointPos + decimals;
    std::string kept;
    if (keep > 0) {
        kept = digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, digits.size())));
        kept.resize(static_cast<std::size_t>(keep), '0');
        if (static_cast<std::size_t>(keep) < digits.size() && digits[keep] >= '5') {
            int k = keep - 1;
            while (k >= 0 && kept[k] == '9')
                kept[k--] = '0';
            if (k >= 0)
                ++kept[k];
            else {
                kept.insert(kept.begin(), '1');
                ++pointPos;
            }
        }
    } else if (keep == 0 && !digits.empty() && digits[0] >= '5') {
        kept = "1";
        pointPos = pointPos + 1;
    }
    // kept holds the digits down to the wanted decimal; lay them out.
    int intDigits = static_cast<int>(kept.size()) - decimals;
    std::string intPart = intDigits > 0 ? kept.substr(0, intDigits) : "0";
    std::string fracPart = intDigits >= 0 ? kept.substr(static_cast<std::size_t>(intDigits))
                                          : std::string(-intDigits, '0') + kept;
    fracPart.resize(static_cast<std::size_t>(decimals), '0');
    std::size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
    bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string text = (negative && !isZero ? "-" : "") + intPart;
    if (decimals > 0) text += "." + fracPart;
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

} // namespace tb
