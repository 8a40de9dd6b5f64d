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

// Extended as x86-64 holds it: a 64-bit significand whose leading bit is
// explicit, then the sign and a 15-bit exponent biased by 16383.
constexpr bool IsX87Extended = std::numeric_limits<Extended>::digits == 64 &&
                               std::numeric_limits<Extended>::max_exponent == 16384;

struct X87Bits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

// ToReal48 on the bits of a finite, non-zero value: the significand's top 40
// bits, rounded on the 24 below them, just as frexp, round and ldexp give it
// (every step of theirs is exact but the one rounding).
Extended RoundSignificandTo40Bits(Extended value) {
    X87Bits bits{};
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = bits.signAndExponent & 0x7fff;
    // frexp's exponent is biased - 16382; below -127 the value becomes 0.
    // A denormal (biased 0) is far below.
    if (biased - 16382 < -127) return 0;
    constexpr int Dropped = 64 - 40;
    std::uint64_t kept = bits.significand >> Dropped;
    if ((bits.significand >> (Dropped - 1)) & 1) ++kept; // half away from zero
    int exponent = biased;
    if (kept >> 40) { // rounding carried into the next power of two
        kept >>= 1;
        ++exponent;
    }
    bits.significand = kept << Dropped;
    bits.signAndExponent = static_cast<std::uint16_t>((bits.signAndExponent & 0x8000) | exponent);
    Extended result = 0;
    std::memcpy(&result, &bits, sizeof bits);
    return result;
}
} // namespace

Extended ToReal48(Extended value) {
    if (value == 0) return value;
    if (!std::isfinite(value)) throw OutOfRangeError("not a number a 6-byte real can hold");
    if constexpr (IsX87Extended) {
        const Extended result = RoundSignificandTo40Bits(value);
        if (std::fabs(result) >= Real48Limit) throw OutOfRangeError("too large for a 6-byte real");
        return result;
    }
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
