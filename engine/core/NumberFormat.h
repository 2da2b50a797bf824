#pragma once
// The program's number texts, one module used everywhere.

#include <string>

namespace corv {

// 23 characters: sign position (blank or '-'), one digit, '.', 14 digits, 'E', exponent
// sign and four exponent digits; 1.0 gives " 1.00000000000000E+0000". Used by the setup
// file and the binary header.
[[nodiscard]] std::string FormatSci23(double v);

// Shortest text: at most 15 significant digits, no trailing zeros; fixed notation while the
// decimal exponent is below 15 and the magnitude at least 0.00001, otherwise scientific
// ("1E-6", "1.5E15"). 1000 / 3 gives "333.333333333333".
[[nodiscard]] std::string FormatShortest(double v);

// Fixed notation with `decimals` decimals after rounding to `precision` significant
// digits; scientific (shortest form at that precision) when the integer digits exceed the
// precision.
[[nodiscard]] std::string FormatFixed(double v, int precision, int decimals);

// Fixed notation with `decimals` decimals, right-aligned in at least `width` characters.
[[nodiscard]] std::string FormatWidthDec(double v, int width, int decimals);

}  // namespace corv
