#pragma once
// The stretches of a channel whose lines had no value in the file and were loaded with
// "Keep the time step": their samples repeat the value before them, so the time axis stays
// right but the values there are not measured. Kept as bank positions (counted from the
// channel's first sample), in rising order, each stretch as its first and last position.

#include <cstdint>
#include <vector>

namespace corv {

struct GapRange {
    int32_t first = 0;
    int32_t last = 0;
};

class ChannelGaps {
  public:
    void Clear() { m_ranges.clear(); }
    // Marks position p, which lies after every position marked so far.
    void Add(int32_t p) {
        if (!m_ranges.empty() && m_ranges.back().last + 1 == p)
            m_ranges.back().last = p;
        else
            m_ranges.push_back({p, p});
    }
    bool Contains(int32_t p) const;
    // The stretches that meet positions from..to, in rising order.
    std::vector<GapRange> Within(int32_t from, int32_t to) const;
    // The number of positions marked.
    int64_t Count() const;
    const std::vector<GapRange>& Ranges() const { return m_ranges; }
    bool Empty() const { return m_ranges.empty(); }

    // n samples were inserted after position p: later positions move up by n, and a stretch
    // that goes on past p takes the new samples in.
    void Insert(int32_t p, int32_t n);
    // Positions p..p+n-1 were deleted: later positions move down by n; what falls below 0
    // is dropped.
    void Remove(int32_t p, int32_t n);
    // The samples were spread n times as far apart (position p to p * n) and filled in
    // between: a stretch covers everything between the measured samples around it, up to
    // position lastPosition.
    void Stretch(int32_t n, int32_t lastPosition);
    // Marks positions from..to, wherever they lie.
    void Mark(int32_t from, int32_t to);
    // Positions from..to hold values again (the user wrote them): they leave their stretches.
    void Erase(int32_t from, int32_t to);
    // The stretches between from and to that are not marked, in rising order.
    std::vector<GapRange> Outside(int32_t from, int32_t to) const;

  private:
    std::vector<GapRange> m_ranges;
};

}  // namespace corv
