// The Calculations on a full channel of 6 553 600 samples: the statistics (extremes, mean,
// SD, regression), the median's histogram and a histogram of 256 bins over the channel's
// range, from one scan of the section, as the Statistics window and the histogram dialog
// compute them. bench/compare_reference.py times numpy on the same series.

#include <benchmark/benchmark.h>

#include "BenchChannels.h"
#include "calc/Histogram.h"
#include "calc/SectionScan.h"
#include "calc/SectionStatistics.h"

namespace {

void BM_StatisticsAndHistogram(benchmark::State& st) {
    const corv::ChannelStore& store = corv::bench::FullChannels().store;
    const int32_t last = store.Rec(0).DataCnt;
    const double f5 = static_cast<double>(last) * corv::bench::kSampRate;
    corv::HistogramRecord median, bins;
    corv::HistogramCounts medianTable{}, table{};
    for (auto _ : st) {
        const corv::SectionScan scan(store, 0, 0, last);
        corv::SectionStatistics s = corv::ComputeSectionStatistics(store, scan, 1, 0, 0, f5);
        s.median = corv::SectionMedian(store, scan, 0, 0, last, median, medianTable);
        bins.minBin = s.min;
        bins.binSize = (s.max - s.min) / corv::kHistogramBins;
        corv::ComputeHistogram(scan, bins, table);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(table);
    }
    st.SetItemsProcessed(st.iterations() * (int64_t{last} + 1));
}

}  // namespace

BENCHMARK(BM_StatisticsAndHistogram)->Unit(benchmark::kMillisecond);
