#include "core/Utf8Text.h"

namespace corv {

size_t Utf8SequenceLength(std::string_view s, size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t n = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

std::string FirstCharacters(std::string_view s, size_t count) {
    size_t end = 0;
    for (size_t n = 0; n < count && end < s.size(); ++n) {
        const size_t len = Utf8SequenceLength(s, end);
        end += len ? len : 1;
    }
    return std::string(s.substr(0, end));
}

}  // namespace corv
