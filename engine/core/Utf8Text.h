#pragma once
// Texts are 8-bit; characters written as UTF-8 count as one character and are never split.

#include <cstddef>
#include <string>
#include <string_view>

namespace corv {

// Length of the valid UTF-8 sequence of two or more bytes at s[i], or 0 when none starts
// there (an ASCII byte, a stray byte, a cut or malformed sequence).
[[nodiscard]] size_t Utf8SequenceLength(std::string_view s, size_t i);

// The first `count` characters of s, a character being a UTF-8 sequence or a single byte.
[[nodiscard]] std::string FirstCharacters(std::string_view s, size_t count);

}  // namespace corv
