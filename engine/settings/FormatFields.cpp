#include "settings/FormatFields.h"

#include <cctype>

namespace corv {

IntPrefix ParseIntPrefix(std::string_view text) {
    IntPrefix r;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t firstDigit = i;
    int64_t v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        const int64_t next = v * 10 + (text[i] - '0');
        if (next > int64_t{INT32_MAX} + (negative ? 1 : 0)) break;  // keep what still fits
        v = next;
    }
    r.value = static_cast<int32_t>(negative ? -v : v);
    r.whole = i > firstDigit && i == text.size();
    return r;
}

SeparatorChoice SeparatorFromText(std::string_view text) {
    SeparatorChoice c;
    if (text.empty()) return c;
    c.valid = true;
    c.delimiter = text.front();
    c.shown = std::string(text);
    std::string upper(text);
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (upper == "TAB") {
        c.delimiter = '\t';
        c.shown = "TAB";
    } else if (upper.find("SPACE") != std::string::npos || text.front() == ' ') {
        c.delimiter = ' ';
        c.shown = "Space(s)";
    }
    return c;
}

std::string SeparatorText(char delimiter) {
    if (delimiter == '\t') return "TAB";
    if (delimiter == ' ') return "Space(s)";
    if (delimiter == '\0') return {};
    return std::string(1, delimiter);
}

}  // namespace corv
