#pragma once
// The handicap arithmetic holds its values as 6-byte reals (a 40-bit
// significand) and computes in 80-bit extended precision (long double on
// x86-64). These helpers give exactly that machine arithmetic.

#include <stdexcept>

namespace tb {

using Extended = long double;

// A value a 6-byte real cannot hold (magnitude 2^127 or more, or not a
// number at all), or a rounding whose result does not fit 64 bits.
class OutOfRangeError : public std::range_error {
public:
    using std::range_error::range_error;
};

// The value as a 6-byte real would hold it: rounded to a 40-bit significand,
// an exact half away from zero. Values too small for its exponent become 0;
// values too large for it throw OutOfRangeError.
Extended ToReal48(Extended value);

// Round to the nearest whole number, an exact half to the even neighbour.
// Throws OutOfRangeError when the result does not fit 64 bits.
long long RoundHalfEven(Extended value);

// Text converted to a number the way a stored score's fields are read by
// the index computation: a text that is no number counts as 0.
Extended StoredNumber(const char* text);

} // namespace tb
