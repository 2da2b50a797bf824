#include "calc/SectionStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "AppState.h"
#include "calc/Histogram.h"
#include "calc/SectionScan.h"
#include "core/ChannelStore.h"
#include "core/Times.h"

namespace corv {

namespace {

double Value(const ChannelStore& store, int c, int32_t i) {
    int32_t err = 0;
    return store.GetValue(i, c, err);
}

// a, b and cc of y = a x + b with x = k dt, k the sample's place in the section.
void Regression(const SectionMoments& m, double dt, SectionStatistics& s) {
    if (m.n < 2) return;
    const double qxx = dt * dt * m.kk;
    const double qxy = dt * m.ck;
    const double qyy = m.m2;
    const double mx = dt * m.kMean;
    if (qxx * qyy <= 0) {
        s.b = m.mean;
        return;
    }
    s.a = qxy / qxx;
    s.b = m.mean - s.a * mx;
    s.cc = qxy / std::sqrt(qxx * qyy);
}

}  // namespace

SectionStatistics ComputeSectionStatistics(const ChannelStore& store, double commSampInterval,
                                           int c, double f4, double f5) {
    const IndexRange range = TimeRangeToIndexes(store, c, f4, f5);
    const SectionScan scan(store, c, range.first, range.last);
    return ComputeSectionStatistics(store, scan, commSampInterval, c, f4, f5);
}

SectionStatistics ComputeSectionStatistics(const ChannelStore& store, const SectionScan& scan,
                                           double commSampInterval, int c, double f4, double f5) {
    const IndexRange range = TimeRangeToIndexes(store, c, f4, f5);
    const ChannelRecord& r = store.Rec(c);
    const SectionMoments& m = scan.Moments();
    const double vFirst = Value(store, c, range.first), vLast = Value(store, c, range.last);
    SectionStatistics s;
    s.base = (vFirst + vLast) / 2;
    s.gapSamples = std::max<int64_t>(int64_t{range.last} - range.first + 1 - m.n, 0);
    if (m.n > 0) {
        s.min = m.min;
        s.max = m.max;
        s.mean = m.mean;
        s.sd = std::sqrt(m.m2 / static_cast<double>(m.n));
        Regression(m, r.SampRate / 1000.0, s);
        // The sum of v - base, from the mean, so that a large offset cancels exactly.
        s.integral =
            r.SampRate * (static_cast<double>(m.n) * (m.mean - s.base)) * commSampInterval / 1000;
    } else {
        s.min = s.max = vFirst;
    }
    s.dy = vLast - vFirst;
    s.dx = (f5 - f4) * commSampInterval / 1000;
    s.gradient = s.dx != 0 ? s.dy / s.dx : std::numeric_limits<double>::quiet_NaN();
    const double ratio = vFirst != 0 ? vLast / vFirst : 100000;
    s.increase = ratio * 100 - 100;
    return s;
}

SectionStatistics WorkSectionStatistics(AppState& state) {
    const int c = state.ActiveChannel;
    const double f4 = state.view.LeftCursor, f5 = state.view.RightCursor;
    const IndexRange range = TimeRangeToIndexes(state.store, c, f4, f5);
    const SectionScan scan(state.store, c, range.first, range.last);
    SectionStatistics s =
        ComputeSectionStatistics(state.store, scan, state.settings.CommSampInterval, c, f4, f5);
    s.median = SectionMedian(state.store, scan, c, range.first, range.last,
                             state.histograms[size_t(c)], state.histogramCounts[size_t(c)]);
    return s;
}

double SectionMedian(const ChannelStore& store, int c, int32_t first, int32_t last,
                     HistogramRecord& record, HistogramCounts& table) {
    const SectionScan scan(store, c, first, last);
    return SectionMedian(store, scan, c, first, last, record, table);
}

double SectionMedian(const ChannelStore& store, const SectionScan& scan, int c, int32_t first,
                     int32_t last, HistogramRecord& record, HistogramCounts& table) {
    if (last <= first) return Value(store, c, first);
    const SectionMoments& m = scan.Moments();
    if (std::fabs(m.max - m.min) < 1e-6) return (m.max + m.min) / 2;
    record.minBin = m.min;
    record.binSize = (m.max - m.min) / 254;
    ComputeHistogram(scan, record, table);
    return record.median;
}

}  // namespace corv
