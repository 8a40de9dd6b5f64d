#include "Real48.h"

#include "../data/Text.h"

#include <cmath>

namespace tb {

Extended ToReal48(Extended value) {
    if (value == 0 || !std::isfinite(value)) return value;
    int exponent = 0;
    Extended mantissa = std::frexp(value, &exponent); // 0.5 <= |mantissa| < 1
    // The 6-byte real's biased exponent is exponent + 128 and must be 1..255.
    if (exponent < -127) return 0;
    Extended scaled = std::round(std::ldexp(mantissa, 40)); // half away from zero
    return std::ldexp(scaled, exponent - 40);
}

long long RoundHalfEven(Extended value) {
    Extended floorValue = std::floor(value);
    Extended diff = value - floorValue;
    long long result = static_cast<long long>(floorValue);
    if (diff > 0.5L) return result + 1;
    if (diff < 0.5L) return result;
    return (result % 2 == 0) ? result : result + 1;
}

Extended StoredNumber(const char* text) {
    long double value = 0;
    return TryStrToFloat(text, value) ? value : 0;
}

} // namespace tb
