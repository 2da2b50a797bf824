#pragma once
// The text of a channel's value for each raw word, formatted once per word. A channel
// whose value depends on its raw word alone (no first difference) has at most 65536
// different values, so a long export formats each of them once and copies it thereafter.

#include <cstdint>
#include <memory>
#include <string_view>

#include "files/BlockTextWriter.h"

namespace corv {

class ChannelStore;

class WordTextCache {
  public:
    // The texts of channel c's values under its current scaling and polynomial.
    WordTextCache(const ChannelStore& store, int c);

    // Writes the text of w; copies a whole slot, which the writer's row reserve allows.
    CORV_FORCE_INLINE void Put(BlockTextWriter& out, uint16_t w) {
        if (m_length[w] == kUnset) Format(w);
        out.PutShort<kSlot>(m_text.get() + size_t{w} * kSlot, m_length[w]);
    }

  private:
    static constexpr size_t kSlot = 32;
    static constexpr uint8_t kUnset = 0xFF;

    // Formats the text of w into its slot: empty when its value has no polynomial result
    // or is not finite.
    void Format(uint16_t w);

    const ChannelStore& m_store;
    int m_c;
    std::unique_ptr<uint8_t[]> m_length;
    std::unique_ptr<char[]> m_text;
};

}  // namespace corv
