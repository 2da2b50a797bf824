#pragma once
// The texts of a channel's text-file format as the main dialog shows and reads them: the
// separator box ("TAB", "Space(s)" or the character) and the whole-number fields.

#include <cstdint>
#include <string>
#include <string_view>

namespace corv {

// A whole number read from the start of a text: `value` holds the digits read before the
// first character that does not belong to the number; `whole` is false when such a
// character (or no digit at all) was met.
struct IntPrefix {
    int32_t value = 0;
    bool whole = false;
};
[[nodiscard]] IntPrefix ParseIntPrefix(std::string_view text);

// A separator typed into the separator box.
struct SeparatorChoice {
    bool valid = false;  // false for an empty text
    char delimiter = 0;  // TAB for "tab" in any letter case; a blank for "space..." or " x"
    std::string shown;   // the text the box shows afterwards
};
[[nodiscard]] SeparatorChoice SeparatorFromText(std::string_view text);

// The separator box text of a delimiter: "TAB", "Space(s)" or the character itself.
[[nodiscard]] std::string SeparatorText(char delimiter);

}  // namespace corv
