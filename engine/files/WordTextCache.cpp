#include "files/WordTextCache.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "core/ChannelStore.h"
#include "core/NumberFormat.h"

namespace corv {

WordTextCache::WordTextCache(const ChannelStore& store, int c)
    : m_store(store),
      m_c(c),
      m_length(std::make_unique<uint8_t[]>(65536)),
      m_text(std::make_unique<char[]>(65536 * kSlot)) {
    std::memset(m_length.get(), kUnset, 65536);
}

void WordTextCache::Format(uint16_t w) {
    int32_t err = 0;
    const double v = ChannelStore::WordValue(m_store.Rec(m_c), w, err);
    const std::string text = err == 0 && std::isfinite(v) ? FormatShortest(v) : std::string();
    char* slot = m_text.get() + size_t{w} * kSlot;
    const size_t n = std::min(text.size(), kSlot);  // the longest double text has 22
    std::memcpy(slot, text.data(), n);
    m_length[w] = static_cast<uint8_t>(n);
}

}  // namespace corv
