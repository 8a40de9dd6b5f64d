// The text, date and number helpers over any text: dates normalised once stay
// as they are and pass between their display and storage forms unchanged, a
// date or a whole number stepped one way and back is itself again, Copy's
// pieces join up, each conversion throws exactly when its Try variant gives
// false and gives the same value otherwise, and a number shown with one
// decimal reads back within half a tenth.

#include "FuzzSupport.h"
#include "data/EntryKeys.h"
#include "data/Errors.h"
#include "data/ScoreFile.h"
#include "data/Text.h"

#include <climits>
#include <cmath>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// MM/DD/YYYY, in digits.
bool IsDisplayDate(std::string_view date) {
    if (date.size() != 10 || date[2] != '/' || date[5] != '/') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!IsDigit(date[i])) return false;
    return true;
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A day of the calendar the stepping keeps: every fourth year a leap year.
bool IsCalendarDate(std::string_view date) {
    const int month = Number(date.substr(0, 2));
    const int day = Number(date.substr(3, 2));
    const int year = Number(date.substr(6, 4));
    static const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return false;
    return day <= monthDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
}

void CheckNormalizeDate(std::string_view text) {
    const std::string date = tb::NormalizeDate(text);
    if (date.empty()) return;
    FUZZ_CHECK(IsDisplayDate(date));
    FUZZ_CHECK(tb::NormalizeDate(date) == date);
    FUZZ_CHECK(tb::DateForDisplay(tb::DateForStorage(date)) == date);
}

tb::StepDirection Opposite(tb::StepDirection direction) {
    return direction == tb::StepDirection::Forwards ? tb::StepDirection::Backwards
                                                    : tb::StepDirection::Forwards;
}

// Dates of the years 1001 to 9998 step either way to dates of four-digit
// years. (Known faults outside them: a step that lands in a year below 1000
// gives "", the year being written without leading zeros, and the step past
// 12/31/9999 gives 01/01/1000, NormalizeDate keeping four of its five digits.)
void CheckStepDate(std::string_view text) {
    const std::string date = tb::NormalizeDate(text);
    for (tb::StepDirection direction :
         {tb::StepDirection::Forwards, tb::StepDirection::Backwards}) {
        const std::string stepped = tb::StepDate(text, direction);
        FUZZ_CHECK(stepped.empty() || (!date.empty() && IsDisplayDate(stepped)));
        const int year = date.empty() ? 0 : Number(date.substr(6, 4));
        if (IsDisplayDate(date) && IsCalendarDate(date) && year >= 1001 && year <= 9998)
            FUZZ_CHECK(tb::StepDate(stepped, Opposite(direction)) == date);
    }
}

// Storage to display and back; a 6-digit date widens as a score file's does.
void CheckDateForms(std::string_view text) {
    const std::string shown = tb::DateForDisplay(text);
    FUZZ_CHECK(shown.size() == 10);
    if (text.size() == 8) FUZZ_CHECK(tb::DateForStorage(shown) == text);
    if (text.size() == 6 && text.find_first_of(std::string_view("~\0", 2)) == std::string::npos)
        FUZZ_CHECK(tb::DateForStorage(shown) == tb::ParseScoreLine(std::string(text) + "~").Date);
}

// Two pieces side by side are the piece that spans both; an index below 1
// counts as 1. The index and counts come from the text's first bytes.
void CheckCopy(std::string_view text) {
    if (text.size() < 3) return;
    const int index = static_cast<signed char>(text[0]);
    const int first = static_cast<unsigned char>(text[1]);
    const int second = static_cast<unsigned char>(text[2]);
    if (index < 1) {
        FUZZ_CHECK(tb::Copy(text, index, first) == tb::Copy(text, 1, first));
        return;
    }
    FUZZ_CHECK(tb::Copy(text, index, first) + tb::Copy(text, index + first, second) ==
               tb::Copy(text, index, first + second));
}

void CheckWholeNumber(std::string_view text) {
    int value = 0;
    const bool isWhole = tb::TryStrToInt(text, value);
    try {
        FUZZ_CHECK(tb::StrToInt(text) == value && isWhole);
    } catch (const tb::ConvertError&) {
        FUZZ_CHECK(!isWhole);
    }
    if (!isWhole) return;
    FUZZ_CHECK(tb::StrToInt(std::to_string(value)) == value);
    // A decimal whole number is a decimal number as well.
    long double decimal = 0;
    if (text.find('$') == std::string_view::npos)
        FUZZ_CHECK(tb::TryStrToFloat(text, decimal) && decimal == value);
}

// Shown with one decimal, the number reads back within half a tenth.
void CheckDecimalNumber(std::string_view text) {
    long double value = 0;
    const bool isNumber = tb::TryStrToFloat(text, value);
    try {
        const long double thrown = tb::StrToFloat(text);
        FUZZ_CHECK(isNumber && (thrown == value || (std::isnan(thrown) && std::isnan(value))));
    } catch (const tb::ConvertError&) {
        FUZZ_CHECK(!isNumber);
    }
    if (!isNumber || !(std::fabs(value) < 1e15L)) return;
    long double shown = 0;
    FUZZ_CHECK(tb::TryStrToFloat(tb::FormatFixed(value, 1), shown));
    FUZZ_CHECK(std::fabs(shown - value) <= 0.05L + 1e-15L * std::fabs(value));
}

// One up and one down is the number again (an empty text counts as 0).
void CheckStepNumber(std::string_view text) {
    int value = 0;
    const bool isWhole = text.empty() || tb::TryStrToInt(text, value);
    try {
        const std::string up = tb::StepNumber(text, tb::StepDirection::Forwards);
        FUZZ_CHECK(isWhole);
        if (value < INT_MAX)
            FUZZ_CHECK(tb::StepNumber(up, tb::StepDirection::Backwards) == std::to_string(value));
    } catch (const tb::ConvertError&) {
        FUZZ_CHECK(!isWhole);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tbfuzz::AsText(data, size);
    CheckNormalizeDate(text);
    CheckStepDate(text);
    CheckDateForms(text);
    CheckCopy(text);
    CheckWholeNumber(text);
    CheckDecimalNumber(text);
    CheckStepNumber(text);
    return 0;
}
