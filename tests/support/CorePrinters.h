#pragma once
// Lets test failures show bounded text fields and report lines as text.

#include "data/ShortString.h"
#include "print/core/Report.h"

#include <ostream>

namespace tb {

template <std::size_t Capacity> void PrintTo(const ShortString<Capacity>& text, std::ostream* os) {
    *os << '"' << text.str() << '"';
}

inline void PrintTo(const ReportLine& line, std::ostream* os) {
    *os << '"' << line.text << "\" at " << line.absoluteY;
}

} // namespace tb
