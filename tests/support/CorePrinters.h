#pragma once
// Lets test failures show bounded text fields as text.

#include "data/ShortString.h"

#include <ostream>

namespace tb {

template <std::size_t Capacity> void PrintTo(const ShortString<Capacity>& text, std::ostream* os) {
    *os << '"' << text.str() << '"';
}

} // namespace tb
