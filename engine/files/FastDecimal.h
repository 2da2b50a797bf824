#pragma once
// Exact decimal-to-double conversion for the text loader. Plain numbers with at most 19
// digits, a mantissa up to 2^53 and a decimal exponent within +-22 are converted with one
// correctly rounded multiplication or division by an exact power of ten; everything else,
// including every text that is not a number, goes to ParseFloatExact. The results are
// bit-identical to ParseFloatExact.

#include <bit>
#include <cfloat>
#include <cstdint>
#include <cstring>

#include "core/Convert.h"
#include "files/ForceInline.h"

namespace corv {

namespace fastdecimal {

inline constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr int kMaxDigits = 19;  // 10^19 - 1 still fits 64 bits
inline constexpr uint64_t kMaxExactMantissa = uint64_t{1} << 53;
inline constexpr int32_t kExponentCap = 100000;  // far outside the fast range
// One correctly rounded operation needs doubles without extended precision.
inline constexpr bool kExactDoubles = FLT_EVAL_METHOD == 0;
// Reading digits a word at a time needs the first character in the lowest byte.
inline constexpr bool kWordwise = std::endian::native == std::endian::little;

inline bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

CORV_FORCE_INLINE uint64_t Load8(const char* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// The count (0..8) of leading digit characters among the 8 bytes of v.
CORV_FORCE_INLINE unsigned LeadingDigits(uint64_t v) {
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highs = 0x8080808080808080ull;
    const uint64_t x = v ^ (ones * '0');  // digits become 0..9
    const uint64_t nonDigits = (((x & ~highs) + ones * 0x76) | x) & highs;
    return nonDigits ? static_cast<unsigned>(std::countr_zero(nonDigits)) >> 3 : 8;
}

// The value of the first n (1..8) digit characters among the 8 bytes of v.
CORV_FORCE_INLINE uint64_t DigitsValue(uint64_t v, unsigned n) {
    // Moved to the top, the digits get zeros in front; pairs, quads and the two halves
    // are then combined by three multiplications.
    uint64_t x = (v & 0x0F0F0F0F0F0F0F0Full) << (8 * (8 - n));
    x = x * 10 + (x >> 8);
    constexpr uint64_t mask = 0x000000FF000000FFull;
    constexpr uint64_t mul1 = 100 + (1000000ull << 32);
    constexpr uint64_t mul2 = 1 + (10000ull << 32);
    return (((x & mask) * mul1) + (((x >> 16) & mask) * mul2)) >> 32;
}

// Digits, a separator and digits, eight digits at most and no exponent, read a word at a
// time without a loop: the common shape of logger data. Null for any other shape.
CORV_FORCE_INLINE const char* ScanShortDecimal(const char* p, const char* last, bool negative,
                                               double& out) {
    const uint64_t head = Load8(p);
    const unsigned intDigits = LeadingDigits(head);
    const char* separator = p + intDigits;
    if (intDigits == 8 || separator >= last || (*separator != '.' && *separator != ',')) {
        return nullptr;
    }
    const uint64_t tail = Load8(separator + 1);
    const unsigned fractionDigits = LeadingDigits(tail);
    const unsigned digits = intDigits + fractionDigits;
    const char* end = separator + 1 + fractionDigits;
    if (digits == 0 || digits > 8 || end > last || (end < last && (*end == 'e' || *end == 'E'))) {
        return nullptr;
    }
    // The fraction digits moved up against the integer digits make one word of digits.
    const uint64_t integerBytes = (uint64_t{1} << (8 * intDigits)) - 1;
    const uint64_t joined = (head & integerBytes) | (tail << (8 * intDigits));
    const double v = static_cast<double>(DigitsValue(joined, digits)) / kPow10[fractionDigits];
    out = negative ? -v : v;
    return end;
}

// Reads the longest number at the start of [p, last) when the fast path can convert it:
// returns the end of the number and stores the value, or returns null. kPadded: 8 bytes
// from any position up to last may be read.
template <bool kPadded = false>
CORV_FORCE_INLINE const char* ScanFast(const char* p, const char* last, double& out) {
    if constexpr (!kExactDoubles) return nullptr;  // extended precision would round twice
    if (p == last) return nullptr;
    // Signs come mixed in real data; stepping over them without a branch saves mispredictions.
    const bool negative = *p == '-';
    p += negative | (*p == '+');
    if constexpr (kPadded && kWordwise) {
        if (p < last) {
            if (const char* end = ScanShortDecimal(p, last, negative, out)) return end;
        }
    }
    // One loop over digits and separator: a loop exit after a varying count of integer
    // digits would often be mispredicted. w wraps on long mantissas, which the digit count
    // then rejects.
    const char* start = p;
    const char* separator = nullptr;
    uint64_t w = 0;
    for (; p < last; ++p) {
        const auto d = static_cast<unsigned>(static_cast<unsigned char>(*p) - '0');
        if (d < 10) {
            w = w * 10 + d;
        } else if ((*p == '.' || *p == ',') && separator == nullptr) {
            separator = p;
        } else {
            break;
        }
    }
    const auto digits = static_cast<int32_t>(p - start) - (separator != nullptr);
    if (digits == 0 || digits > kMaxDigits) return nullptr;
    int32_t exp10 = separator ? -static_cast<int32_t>(p - separator - 1) : 0;
    if (p < last && (*p == 'e' || *p == 'E')) {
        ++p;
        bool expNegative = false;
        if (p < last && (*p == '+' || *p == '-')) expNegative = (*p++ == '-');
        if (p == last || !IsDigit(*p)) return nullptr;
        int32_t e = 0;
        for (; p < last && IsDigit(*p); ++p)
            if (e < kExponentCap) e = e * 10 + (*p - '0');
        exp10 += expNegative ? -e : e;
    }
    if (w > kMaxExactMantissa || exp10 < -22 || exp10 > 22) return nullptr;
    double v = static_cast<double>(w);
    v = exp10 >= 0 ? v * kPow10[exp10] : v / kPow10[-exp10];
    out = negative ? -v : v;
    return p;
}

}  // namespace fastdecimal

// Parses the number that occupies exactly [first, last); same contract as ParseFloatExact
// (a decimal comma is accepted, no blanks). kPadded: 8 bytes from any position up to last
// may be read.
template <bool kPadded = false>
inline bool ParseDecimalFast(const char* first, const char* last, double& out) {
    double v;
    const char* end = fastdecimal::ScanFast<kPadded>(first, last, v);
    if (end != nullptr && end == last) {
        out = v;
        return true;
    }
    return ParseFloatExact(first, last, out);
}

}  // namespace corv
