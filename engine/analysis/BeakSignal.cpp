#include "analysis/BeakSignal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "AppState.h"
#include "core/Checked.h"

namespace corv {

BeakSignal::BeakSignal(const AppState& state, int c)
    : m_state(state),
      m_channel(c),
      m_last(state.store.Rec(c).DataCnt),
      m_sampRate(std::max<int32_t>(state.store.Rec(c).SampRate, 1)) {}

double BeakSignal::Value(int64_t i) const {
    // Outside the channel the store answers 0 with an error code, which the walks treat
    // as a closed beak.
    if (i < 0 || i > m_last) return 0;
    int32_t err = 0;
    return m_state.store.GetValue(static_cast<int32_t>(i), m_channel, err);
}

int32_t BeakSignal::Samples(double t) const {
    return Trunc<int32_t>(t / m_sampRate);
}

double BeakSignal::Mean(int64_t a, int64_t b) const {
    if (b < a) return 0;
    double sum = 0;
    for (int64_t i = a; i <= b; ++i) sum += Value(i);
    return sum / static_cast<double>(b - a + 1);
}

double BeakSignal::StdDev(int64_t a, int64_t b, double mean) const {
    if (b < a) return 0;
    double sum = 0;
    for (int64_t i = a; i <= b; ++i) {
        const double d = Value(i) - mean;
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(b - a + 1));
}

double BeakSignal::Max(int64_t a, int64_t b) const {
    double m = -std::numeric_limits<double>::infinity();
    for (int64_t i = a; i <= b; ++i) m = std::max(m, Value(i));
    return b < a ? 0 : m;
}

double BeakSignal::HistogramLevel(int64_t first, int64_t last, double lo, double hi) const {
    const double width = (hi - lo) / 254;
    const double origin = RoundHalfEven(lo / width);
    std::array<uint32_t, 256> counts{};
    for (int64_t i = first; i <= last; ++i) {
        const double bin = std::trunc(Value(i) / width) - origin;
        const size_t k = bin < 1 ? 0 : bin >= 255 ? 255 : static_cast<size_t>(bin);
        ++counts[k];
    }
    const uint32_t h = *std::max_element(counts.begin(), counts.end());
    size_t k = 0;
    while (k < counts.size() && counts[k] < h / 2) ++k;
    return lo + static_cast<double>(k) * width;
}

int32_t MapIndex(const BeakSignal& from, const BeakSignal& to, int64_t i) {
    return Round<int32_t>(static_cast<double>(from.SampRate()) * static_cast<double>(i) /
                          to.SampRate());
}

}  // namespace corv
