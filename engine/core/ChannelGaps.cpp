#include "core/ChannelGaps.h"

#include <algorithm>

namespace corv {

namespace {

// The first stretch that ends at or after p.
std::vector<GapRange>::const_iterator FirstEndingFrom(const std::vector<GapRange>& ranges,
                                                      int32_t p) {
    return std::lower_bound(ranges.begin(), ranges.end(), p,
                            [](const GapRange& g, int32_t q) { return g.last < q; });
}

}  // namespace

bool ChannelGaps::Contains(int32_t p) const {
    const auto it = FirstEndingFrom(m_ranges, p);
    return it != m_ranges.end() && it->first <= p;
}

std::vector<GapRange> ChannelGaps::Within(int32_t from, int32_t to) const {
    std::vector<GapRange> out;
    for (auto it = FirstEndingFrom(m_ranges, from); it != m_ranges.end() && it->first <= to; ++it)
        out.push_back(*it);
    return out;
}

int64_t ChannelGaps::Count() const {
    int64_t n = 0;
    for (const GapRange& g : m_ranges) n += int64_t{g.last} - g.first + 1;
    return n;
}

}  // namespace corv
