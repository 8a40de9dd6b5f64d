#include "Real48.h"

#include "../data/Text.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tb {

namespace {
// 2^127: the first magnitude a 6-byte real's exponent cannot reach.
const Extended Real48Limit = std::ldexp(1.0L, 127);
// 2^63: the first magnitude a 64-bit whole number cannot hold.
const Extended Int64Limit = std::ldexp(1.0L, 63);
} // namespace

namespace {
// ToReal48 through the library's frexp, round and ldexp: for any layout of
// long double.
Extended ToReal48Portable(Extended value) {
    int exponent = 0;
    Extended mantissa = std::frexp(value, &exponent); // 0.5 <= |mantissa| < 1
    // The 6-byte real's biased exponent is exponent + 128 and must be 1..255.
    if (exponent < -127) return 0;
    Extended scaled = std::round(std::ldexp(mantissa, 40)); // half away from zero
    Extended result = std::ldexp(scaled, exponent - 40);
    // Rounding up may carry into the next power of two.
    if (std::fabs(result) >= Real48Limit) throw OutOfRangeError("too large for a 6-byte real");
    return result;
}

// The x87 80-bit format: a 64-bit significand whose top bit is the integer
// bit, then the sign and a 15-bit exponent biased by 16383.
constexpr bool IsX87Extended = std::numeric_limits<Extended>::digits == 64 &&
                               std::numeric_limits<Extended>::max_exponent == 16384;
} // namespace

Extended ToReal48(Extended value) {
    if (value == 0) return value;
    if (!std::isfinite(value)) throw OutOfRangeError("not a number a 6-byte real can hold");
    if constexpr (!IsX87Extended) {
        return ToReal48Portable(value);
    } else {
        // The same rounding on the bits: the figures are rounded many times
        // for every index, and the library calls cost most of that.
        std::uint64_t significand = 0;
        std::uint16_t signAndExponent = 0;
        std::memcpy(&significand, &value, sizeof significand);
        std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + 8,
                    sizeof signAndExponent);
        constexpr std::uint64_t integerBit = std::uint64_t{1} << 63;
        if (!(significand & integerBit)) return ToReal48Portable(value); // subnormal
        // frexp's exponent: value = 0.1xxx (binary) x 2^exponent.
        int exponent = (signAndExponent & 0x7FFF) - 16383 + 1;
        if (exponent < -127) return 0;
        // Keep the top 40 bits, adding half of the 24 dropped: an exact half
        // goes away from zero, as the sign is apart.
        constexpr int dropped = 64 - 40;
        significand += std::uint64_t{1} << (dropped - 1);
        if (!(significand & integerBit)) { // carried into the next power of two
            significand = integerBit;
            ++exponent;
        }
        significand &= ~((std::uint64_t{1} << dropped) - 1);
        if (exponent > 127) throw OutOfRangeError("too large for a 6-byte real");
        signAndExponent =
            static_cast<std::uint16_t>((signAndExponent & 0x8000) | (exponent - 1 + 16383));
        Extended result = 0;
        std::memcpy(&result, &significand, sizeof significand);
        std::memcpy(reinterpret_cast<char*>(&result) + 8, &signAndExponent, sizeof signAndExponent);
        return result;
    }
}

long long RoundHalfEven(Extended value) {
    Extended floorValue = std::floor(value);
    // floor + 1 must fit too: the tie rule may take it.
    if (!(floorValue >= -Int64Limit && floorValue + 1 < Int64Limit))
        throw OutOfRangeError("too large to round to a whole number");
    Extended diff = value - floorValue;
    long long result = static_cast<long long>(floorValue);
    if (diff > 0.5L) return result + 1;
    if (diff < 0.5L) return result;
    return (result % 2 == 0) ? result : result + 1;
}

Extended StoredNumber(const char* text) {
    // Plain digits with at most one ".", as every stored score, rating and
    // slope is: the digits as a whole number over a power of ten. Both are
    // exact, so the one rounding of the division gives the nearest value to
    // the decimal text, which is what the general conversion gives too.
    std::uint64_t digits = 0;
    int count = 0, decimals = -1;
    const char* p = text;
    for (; *p; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
            ++count;
            if (decimals >= 0) ++decimals;
        } else if (*p == '.' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    if (*p == '\0' && count > 0 && count <= 18) {
        Extended scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        return static_cast<Extended>(digits) / scale;
    }
    long double value = 0;
    return TryStrToFloat(text, value) ? value : 0;
}

} // namespace tb
