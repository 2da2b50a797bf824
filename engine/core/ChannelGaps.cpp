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

void ChannelGaps::Insert(int32_t p, int32_t n) {
    for (GapRange& g : m_ranges) {
        if (g.first > p) g.first += n;
        if (g.last > p) g.last += n;
    }
}

void ChannelGaps::Remove(int32_t p, int32_t n) {
    const int64_t end = int64_t{p} + n;  // the first position kept after the cut
    std::vector<GapRange> out;
    for (const GapRange& g : m_ranges) {
        // The stretch's first and last positions that survive the cut, then where they go.
        const int64_t first = g.first < p ? g.first : std::max<int64_t>(g.first, end);
        const int64_t last = g.last >= end ? g.last : std::min<int64_t>(g.last, int64_t{p} - 1);
        if (first > last) continue;
        const int64_t to = last >= end ? last - n : last;
        const int64_t from = std::max<int64_t>(first >= end ? first - n : first, 0);
        if (to < from) continue;
        if (!out.empty() && out.back().last + 1 >= from)
            out.back().last = static_cast<int32_t>(to);
        else
            out.push_back({static_cast<int32_t>(from), static_cast<int32_t>(to)});
    }
    m_ranges = std::move(out);
}

void ChannelGaps::Erase(int32_t from, int32_t to) {
    if (to < from) return;
    std::vector<GapRange> out;
    for (const GapRange& g : m_ranges) {
        if (g.last < from || g.first > to) {
            out.push_back(g);
            continue;
        }
        if (g.first < from) out.push_back({g.first, from - 1});
        if (g.last > to) out.push_back({to + 1, g.last});
    }
    m_ranges = std::move(out);
}

void ChannelGaps::Stretch(int32_t n, int32_t lastPosition) {
    std::vector<GapRange> out;
    for (const GapRange& g : m_ranges) {
        const int64_t from = std::max<int64_t>((int64_t{g.first} - 1) * n + 1, 0);
        const int64_t to = std::min<int64_t>((int64_t{g.last} + 1) * n - 1, lastPosition);
        if (from <= to) out.push_back({static_cast<int32_t>(from), static_cast<int32_t>(to)});
    }
    m_ranges = std::move(out);
}

void ChannelGaps::Mark(int32_t from, int32_t to) {
    if (to < from) return;
    Erase(from, to);
    auto it = std::lower_bound(m_ranges.begin(), m_ranges.end(), from,
                               [](const GapRange& g, int32_t q) { return g.first < q; });
    it = m_ranges.insert(it, {from, to});
    // Join the neighbours that now touch it.
    if (auto next = it + 1; next != m_ranges.end() && int64_t{to} + 1 == next->first) {
        it->last = next->last;
        it = m_ranges.erase(next) - 1;
    }
    if (it != m_ranges.begin() && int64_t{(it - 1)->last} + 1 == it->first) {
        (it - 1)->last = it->last;
        m_ranges.erase(it);
    }
}

std::vector<GapRange> ChannelGaps::Outside(int32_t from, int32_t to) const {
    std::vector<GapRange> out;
    int64_t next = from;
    for (const GapRange& g : Within(from, to)) {
        if (g.first > next) out.push_back({static_cast<int32_t>(next), g.first - 1});
        next = int64_t{g.last} + 1;
    }
    if (next <= to) out.push_back({static_cast<int32_t>(next), to});
    return out;
}

}  // namespace corv
