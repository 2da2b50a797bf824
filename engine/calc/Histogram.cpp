#include "calc/Histogram.h"

#include <cmath>

#include "calc/SectionScan.h"

namespace corv {

namespace {

// In floating point, so that no quotient overflows an integer; NaN goes to bin 0. The
// offset is Round(minBin / w), halves to even.
int BinOf(double v, double w, double offset) {
    const double j = std::trunc(v / w) - offset;
    if (!(j > 0)) return 0;
    if (j >= kHistogramBins - 1) return kHistogramBins - 1;
    return static_cast<int>(j);
}

}  // namespace

int HistogramBin(double v, double minBin, double w) {
    return BinOf(v, w, std::nearbyint(minBin / w));
}

double HistogramMedian(const HistogramCounts& table, int64_t n, double minBin, double w) {
    int64_t total = 0;
    int j = 0;
    for (; j < kHistogramBins - 2; ++j) {
        total += table[size_t(j)];
        if (total > n / 2) break;
    }
    return j * w + minBin;
}

bool ComputeHistogram(const ChannelStore& store, int c, int32_t first, int32_t last,
                      HistogramRecord& record, HistogramCounts& table) {
    if (last < first || record.binSize == 0) return false;
    return ComputeHistogram(SectionScan(store, c, first, last), record, table);
}

bool ComputeHistogram(const SectionScan& scan, HistogramRecord& record, HistogramCounts& table) {
    const SectionMoments& m = scan.Moments();
    const double w = record.binSize;
    if (m.n < 1 || w == 0) return false;
    table.fill(0);
    const double offset = std::nearbyint(record.minBin / w);
    scan.ForEachValue(
        [&](double v, uint32_t count) { table[size_t(BinOf(v, w, offset))] += count; });
    record.mean = m.mean;
    record.sd = std::sqrt(m.m2 / static_cast<double>(m.n));
    record.median = HistogramMedian(table, m.n, record.minBin, w);
    return true;
}

bool MeanOutsideTable(const HistogramRecord& record) {
    return record.mean <= record.minBin ||
           record.mean >= record.minBin + (kHistogramBins - 1) * record.binSize;
}

}  // namespace corv
