#pragma once
// Per-block minima and maxima of one channel's raw words, in levels of 64, 4096 and 262144
// words over bank positions, so that the extremes of a long stretch cost a few hundred
// reads instead of one per word. Changed words are marked and the touched blocks are
// recomputed before the next query (Refresh).

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace corv {

class MinMaxPyramid {
  public:
    static constexpr int kShift = 6;  // each level gathers 64 entries of the one below
    static constexpr int64_t kFan = int64_t{1} << kShift;
    static constexpr int kLevels = 3;
    static constexpr int kBlockShift = 14;  // bank blocks of 16384 words
    static constexpr int kBlockRows = 400;

    // The channel's bank blocks (null where none is allocated); all positions are stale.
    void Attach(const std::array<const uint16_t*, kBlockRows>& blocks);
    // No bank: every query falls back to reading the words.
    void Detach();
    [[nodiscard]] bool Attached() const { return m_attached; }

    // The words at positions first..last were (or may have been) changed.
    void Touch(int64_t first, int64_t last) {
        m_dirtyFirst = std::min(m_dirtyFirst, first);
        m_dirtyLast = std::max(m_dirtyLast, last);
    }
    // Recomputes the blocks over the positions touched since the last refresh.
    void Refresh();

    // Whether positions first..last all lie in allocated blocks.
    [[nodiscard]] bool Covers(int64_t first, int64_t last) const;
    [[nodiscard]] uint16_t Word(int64_t p) const {
        return m_blocks[static_cast<size_t>(p >> kBlockShift)][p & kBlockMask];
    }

    // The smallest and largest word at positions first..last (covered, first <= last).
    void Extremes(int64_t first, int64_t last, uint16_t& lo, uint16_t& hi) const;

    // The last position in first..last whose word fails `all`, or first - 1 when every one
    // passes. all(lo, hi) tells whether every word between lo and hi passes; it is asked
    // about whole blocks, so it must hold for a block exactly when it holds for its words
    // (true of any test of a monotone function of the word).
    template <class All>
    int64_t LastFailing(int64_t first, int64_t last, const All& all) const {
        int64_t p = last;
        while (p >= first) {
            bool skipped = false;
            for (int level = kLevels - 1; level >= 0 && !skipped; --level) {
                const int64_t size = int64_t{1} << (kShift * (level + 1));
                if ((p + 1) % size != 0 || p + 1 - size < first) continue;
                const Pair& e = m_levels[static_cast<size_t>(level)][static_cast<size_t>(p / size)];
                if (all(e.lo, e.hi)) {
                    p -= size;
                    skipped = true;
                }
            }
            if (skipped) continue;
            const uint16_t w = Word(p);
            if (!all(w, w)) return p;
            --p;
        }
        return first - 1;
    }

  private:
    static constexpr int64_t kBlockMask = (int64_t{1} << kBlockShift) - 1;
    static constexpr int64_t kWords = int64_t{kBlockRows} << kBlockShift;
    struct Pair {
        uint16_t lo;
        uint16_t hi;
    };

    void RefreshLevel(int level, int64_t firstEntry, int64_t lastEntry);
    [[nodiscard]] Pair Below(int level, int64_t entry, int64_t k) const;

    std::array<const uint16_t*, kBlockRows> m_blocks{};
    std::array<std::vector<Pair>, kLevels> m_levels;
    bool m_attached = false;
    int64_t m_dirtyFirst = std::numeric_limits<int64_t>::max();
    int64_t m_dirtyLast = std::numeric_limits<int64_t>::min();
};

}  // namespace corv
