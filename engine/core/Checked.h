#pragma once
// Range-checked integer arithmetic, narrowing and rounding. Every violation raises
// RangeError, which ends the current command.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/Errors.h"

namespace corv {

template <std::integral T>
[[nodiscard]] T CheckedAdd(T a, T b) {
    T r;
    if (__builtin_add_overflow(a, b, &r)) throw RangeError("Integer overflow");
    return r;
}

template <std::integral T>
[[nodiscard]] T CheckedSub(T a, T b) {
    T r;
    if (__builtin_sub_overflow(a, b, &r)) throw RangeError("Integer overflow");
    return r;
}

template <std::integral T>
[[nodiscard]] T CheckedMul(T a, T b) {
    T r;
    if (__builtin_mul_overflow(a, b, &r)) throw RangeError("Integer overflow");
    return r;
}

// Narrows an integer to T, raising when the value does not fit.
template <std::integral T, std::integral F>
[[nodiscard]] constexpr T Narrow(F v) {
    if (!std::in_range<T>(v)) throw RangeError();
    return static_cast<T>(v);
}

// Checks that 0 <= i < size before it is used as an index.
template <std::integral I, std::integral S>
constexpr void CheckIndex(I i, S size) {
    if (i < 0 || !std::cmp_less(i, size)) throw RangeError();
}

// Converts a double to the integer type T, raising when it does not fit (NaN included).
template <std::integral T>
[[nodiscard]] T FloatToInt(double v) {
    // The bounds are exact powers of two, so the comparison is exact.
    constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double hiExcl = static_cast<double>(std::numeric_limits<T>::max()) + 1.0;
    if (!(v >= lo && v < hiExcl)) throw RangeError();
    return static_cast<T>(v);
}

// Nearest integer, halves to the even neighbour, as a double (no range check).
[[nodiscard]] inline double RoundHalfEven(double v) {
    return std::nearbyint(v);
}

// Round: nearest integer with halves to even, range-checked into T (default 64 bits).
template <std::integral T = int64_t>
[[nodiscard]] T Round(double v) {
    return FloatToInt<T>(RoundHalfEven(v));
}

// Trunc: cuts toward zero, range-checked into T (default 64 bits).
template <std::integral T = int64_t>
[[nodiscard]] T Trunc(double v) {
    return FloatToInt<T>(std::trunc(v));
}

}  // namespace corv
