#pragma once
// Conversion of typed text into numbers, the same everywhere: blanks around the text,
// an optional sign, digits with a decimal point (a decimal comma is accepted too) and an
// optional exponent. Integers must fit 32 bits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corv {

// Parses a float; nullopt when the text is not one. With allowBlanks false the text must
// start and end with the number itself (used where a trailing blank makes a field invalid).
[[nodiscard]] std::optional<double> TryStrToFloat(std::string_view text, bool allowBlanks = true);

// Parses a 32-bit signed integer; nullopt when the text is not one or does not fit.
[[nodiscard]] std::optional<int32_t> TryStrToInt(std::string_view text);

// As above, raising ConversionError "'<text>' is not a valid floating point value".
[[nodiscard]] double StrToFloat(std::string_view text);

// As above, raising ConversionError "'<text>' is not a valid integer value".
[[nodiscard]] int32_t StrToInt(std::string_view text);

// Parses the number that occupies exactly [first, last) without blanks; the fast path of
// the text loader. Accepts the decimal comma like the functions above.
[[nodiscard]] bool ParseFloatExact(const char* first, const char* last, double& out);

}  // namespace corv
