#pragma once
// Read access to the two channels of the beak analysis as the search sees them: values by
// sample index, section means and standard deviations, the type-channel index of a beak
// index, and the level of a histogram baseline.

#include <cstdint>

namespace corv {

struct AppState;

class BeakSignal {
  public:
    BeakSignal(const AppState& state, int c);

    [[nodiscard]] double Value(int64_t i) const;
    [[nodiscard]] int32_t Last() const { return m_last; }
    [[nodiscard]] int32_t SampRate() const { return m_sampRate; }
    // Sample index of a time in ms.
    [[nodiscard]] int32_t Samples(double t) const;

    // Mean of the values a..b; StdDev divides by the count, not count - 1.
    [[nodiscard]] double Mean(int64_t a, int64_t b) const;
    [[nodiscard]] double StdDev(int64_t a, int64_t b, double mean) const;
    [[nodiscard]] double Max(int64_t a, int64_t b) const;

    // The level of the most common values of first..last, from a 256-bin histogram whose
    // bins are (hi - lo) / 254 wide and start at lo: the lower edge of the first bin
    // holding at least half the largest count.
    [[nodiscard]] double HistogramLevel(int64_t first, int64_t last, double lo, double hi) const;

  private:
    const AppState& m_state;
    int m_channel;
    int32_t m_last;
    int32_t m_sampRate;
};

// The index of channel `to` at the time of index i of channel `from`, rounded.
[[nodiscard]] int32_t MapIndex(const BeakSignal& from, const BeakSignal& to, int64_t i);

}  // namespace corv
