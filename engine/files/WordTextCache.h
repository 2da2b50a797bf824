#pragma once
// The text of a channel's value for each raw word, formatted once per word. A channel
// whose value depends on its raw word alone (no first difference) has at most 65536
// different values, so a long export formats each of them once and copies it thereafter.

#include <cstdint>
#include <memory>
#include <string_view>

namespace corv {

class ChannelStore;

class WordTextCache {
  public:
    // The texts of channel c's values under its current scaling and polynomial.
    WordTextCache(const ChannelStore& store, int c);

    // The field text of raw word w: empty when its value has no polynomial result or is
    // not finite. Formatted on first use.
    std::string_view Text(uint16_t w) {
        const uint8_t n = m_length[w];
        if (n == kUnset) return Format(w);
        return std::string_view(m_text.get() + size_t{w} * kSlot, n);
    }

  private:
    static constexpr size_t kSlot = 32;
    static constexpr uint8_t kUnset = 0xFF;

    std::string_view Format(uint16_t w);

    const ChannelStore& m_store;
    int m_c;
    std::unique_ptr<uint8_t[]> m_length;
    std::unique_ptr<char[]> m_text;
};

}  // namespace corv
