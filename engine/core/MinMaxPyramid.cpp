#include "core/MinMaxPyramid.h"

namespace corv {

void MinMaxPyramid::Attach(const std::array<const uint16_t*, kBlockRows>& blocks) {
    m_blocks = blocks;
    for (int level = 0; level < kLevels; ++level) {
        const int64_t size = int64_t{1} << (kShift * (level + 1));
        m_levels[static_cast<size_t>(level)].assign(static_cast<size_t>((kWords + size - 1) / size),
                                                    Pair{0, 0});
    }
    m_attached = true;
    m_dirtyFirst = std::numeric_limits<int64_t>::max();
    m_dirtyLast = std::numeric_limits<int64_t>::min();
    Touch(0, kWords - 1);
}

void MinMaxPyramid::Detach() {
    m_blocks.fill(nullptr);
    for (auto& level : m_levels) level = {};
    m_attached = false;
    m_dirtyFirst = std::numeric_limits<int64_t>::max();
    m_dirtyLast = std::numeric_limits<int64_t>::min();
}

void MinMaxPyramid::Refresh() {
    if (m_dirtyFirst > m_dirtyLast) return;
    const int64_t first = std::max<int64_t>(m_dirtyFirst, 0);
    const int64_t last = std::min(m_dirtyLast, kWords - 1);
    m_dirtyFirst = std::numeric_limits<int64_t>::max();
    m_dirtyLast = std::numeric_limits<int64_t>::min();
    if (!m_attached || first > last) return;
    for (int level = 0; level < kLevels; ++level) {
        const int shift = kShift * (level + 1);
        RefreshLevel(level, first >> shift, last >> shift);
    }
}

// Entry k of the level below `level` within `entry` (the words themselves below level 0).
MinMaxPyramid::Pair MinMaxPyramid::Below(int level, int64_t entry, int64_t k) const {
    const int64_t i = entry * kFan + k;
    if (level > 0) return m_levels[static_cast<size_t>(level - 1)][static_cast<size_t>(i)];
    const uint16_t w = Word(i);
    return {w, w};
}

void MinMaxPyramid::RefreshLevel(int level, int64_t firstEntry, int64_t lastEntry) {
    std::vector<Pair>& entries = m_levels[static_cast<size_t>(level)];
    const int64_t size = int64_t{1} << (kShift * (level + 1));
    for (int64_t e = firstEntry; e <= lastEntry; ++e) {
        Pair& out = entries[static_cast<size_t>(e)];
        if (m_blocks[static_cast<size_t>((e * size) >> kBlockShift)] == nullptr) {
            out = {0, 0};  // never read: Covers() keeps queries away from missing blocks
            continue;
        }
        if (level == 0) {
            const uint16_t* w =
                &m_blocks[static_cast<size_t>((e * size) >> kBlockShift)][(e * size) & kBlockMask];
            uint16_t lo = w[0], hi = w[0];
            for (int64_t k = 1; k < kFan; ++k) {
                lo = std::min(lo, w[k]);
                hi = std::max(hi, w[k]);
            }
            out = {lo, hi};
            continue;
        }
        Pair acc = Below(level, e, 0);
        const int64_t count = std::min<int64_t>(
            kFan, static_cast<int64_t>(m_levels[static_cast<size_t>(level - 1)].size()) - e * kFan);
        for (int64_t k = 1; k < count; ++k) {
            const Pair b = Below(level, e, k);
            acc.lo = std::min(acc.lo, b.lo);
            acc.hi = std::max(acc.hi, b.hi);
        }
        out = acc;
    }
}

bool MinMaxPyramid::Covers(int64_t first, int64_t last) const {
    if (!m_attached || first < 0 || last >= kWords || first > last) return false;
    for (int64_t b = first >> kBlockShift; b <= (last >> kBlockShift); ++b)
        if (m_blocks[static_cast<size_t>(b)] == nullptr) return false;
    return true;
}

void MinMaxPyramid::Extremes(int64_t first, int64_t last, uint16_t& lo, uint16_t& hi) const {
    lo = std::numeric_limits<uint16_t>::max();
    hi = 0;
    const auto take = [&](const Pair& e) {
        lo = std::min(lo, e.lo);
        hi = std::max(hi, e.hi);
    };
    // Words up to the first and from the last whole level-0 block, then at each level the
    // entries up to the whole blocks of the next level; the rest at the top level.
    int64_t a = first, b = last + 1;  // half open
    while (a < b && (a & (kFan - 1)) != 0) take({Word(a), Word(a)}), ++a;
    while (a < b && (b & (kFan - 1)) != 0) --b, take({Word(b), Word(b)});
    a >>= kShift;
    b >>= kShift;
    for (int level = 0; level < kLevels && a < b; ++level) {
        const std::vector<Pair>& entries = m_levels[static_cast<size_t>(level)];
        const bool top = level == kLevels - 1;
        while (a < b && (top || (a & (kFan - 1)) != 0)) take(entries[static_cast<size_t>(a++)]);
        while (a < b && (b & (kFan - 1)) != 0) take(entries[static_cast<size_t>(--b)]);
        a >>= kShift;
        b >>= kShift;
    }
}

}  // namespace corv
