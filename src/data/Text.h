#pragma once
// Text helpers shared by the data files, the lists and the reports, and the
// text-to-number conversions whose failures reach the user as
// "'%s' is not a valid integer value" and
// "'%s' is not a valid floating point value".

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// Characters from 1-based position `index`, at most `count` of them; what lies
// past the end of the text is simply not there (never an error).
std::string Copy(std::string_view text, int index, int count);

std::string CutAtNul(std::string_view text);
// The same text in place: up to its first NUL.
inline std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}
// The fields of a data file line, each ended by its "~", at most `most` of
// them: text after the last "~" taken is no field.
std::vector<std::string_view> TildeFields(std::string_view line, std::size_t most);
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);

// YYYYMMDD (or YYMMDD) to MM/DD/YYYY; anything else gives "99/99/9999".
std::string DateForDisplay(std::string_view date);
// Today's local date as MM/DD/YYYY: the date reports carry and the score
// form starts with.
std::string TodayForDisplay();
// MM/DD/YYYY to YYYYMMDD, taken by position and not checked.
std::string DateForStorage(std::string_view date);

// Whole number: leading blanks, an optional sign, decimal digits or "$" and
// hex digits, in the 32-bit range. Throws ConvertError otherwise.
// Whether the text is one or more ASCII digits.
bool AllDigits(std::string_view text);
// The value of a text of at most nine ASCII digits.
int DigitsValue(std::string_view digits);
// The day of the calendar that eight digits YYYYMMDD name, if they name one.
std::optional<std::chrono::year_month_day> CalendarDate(std::string_view date);

int StrToInt(std::string_view text);
// Decimal number with "." as the decimal point, blanks allowed around it.
// Throws ConvertError otherwise.
long double StrToFloat(std::string_view text);
// The same conversions without the error: false when the text is no number.
bool TryStrToInt(std::string_view text, int& value);
bool TryStrToFloat(std::string_view text, long double& value);
// The conversion error StrToFloat gives for `text` (also for a number the
// arithmetic cannot hold).
[[noreturn]] void ThrowNotAFloat(std::string_view text);

// The value with `decimals` decimals, rounded half away from zero on its
// decimal digits, right-aligned in at least `width` characters.
std::string FormatFixed(long double value, int decimals, int width = 0);

std::string UpperAscii(std::string_view text);

} // namespace tb
