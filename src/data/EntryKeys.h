#pragma once
// The date and number keys of score entry: loose dates brought to
// MM/DD/YYYY, a date stepped by one day, a number stepped by one.

#include <string>
#include <string_view>

namespace tb {

// The date as MM/DD/YYYY, or "" when the text cannot be read as a date.
// Month and day are not checked against the calendar.
std::string NormalizeDate(std::string_view text);

// Why the typed text is no calendar day, or "" when it is one: empty,
// unreadable, or a month or day outside the calendar (leap years as the
// calendar has them). The message names the date as NormalizeDate reads it.
std::string DateProblem(std::string_view text);

enum class StepDirection { Forwards, Backwards };

// The date one day later or earlier, normalised; "" for an unreadable date.
std::string StepDate(std::string_view text, StepDirection direction);

// The whole number plus or minus one; an empty text counts as "0". Throws
// ConvertError for a text that is no whole number.
std::string StepNumber(std::string_view text, StepDirection direction);

} // namespace tb
