// Statistics, histogram and event count over a section with a gap in the middle: the
// samples in the gap (they repeat the value before them) are left out, the others keep
// their times.
#include <gtest/gtest.h>

#include <numeric>

#include "GraphTestSupport.h"
#include "calc/EventCount.h"
#include "calc/Histogram.h"
#include "calc/SectionScan.h"
#include "calc/SectionStatistics.h"
#include "calc/StatisticsText.h"

namespace corv {
namespace {

class GapsInCalculations : public ::testing::Test {
  protected:
    // A line 0, 10, 20, ... at 1 s whose samples 4..6 were missing in the file and hold 30;
    // the channel starts 2 samples late on the common axis.
    GapsInCalculations() {
        std::vector<uint16_t> raws;
        for (int k = 0; k < 10; ++k) raws.push_back(uint16_t(k >= 4 && k <= 6 ? 30 : 10 * k));
        ChannelRecord& r = g.Load(0, raws, 1000);
        r.CorrSmpDelay = 2;
        r.DataCnt += 2;
        for (int32_t p = 4; p <= 6; ++p) g->store.Gaps[0].Add(p);
    }
    // Common indexes 2..11 hold positions 0..9.
    SectionStatistics Whole() { return ComputeSectionStatistics(g->store, 1, 0, 2000, 11000); }

    test::GraphState g;
};

TEST_F(GapsInCalculations, StatisticsSeeOnlyMeasuredSamplesAtTheirTimes) {
    ChannelRecord& r = g->store.Rec(0);
    for (int polynomial : {0, 1}) {  // by raw words, and value by value
        r.bApplyPolynom = static_cast<uint8_t>(polynomial);
        const SectionStatistics s = Whole();
        EXPECT_EQ(s.gapSamples, 3);
        EXPECT_EQ(s.min, 0);
        EXPECT_EQ(s.max, 90);
        EXPECT_NEAR(s.mean, 300.0 / 7, 1e-12) << polynomial;
        // Still a straight line: the gap neither bends it nor moves the later samples.
        EXPECT_NEAR(s.a, 10, 1e-9) << polynomial;
        EXPECT_NEAR(s.b, -10, 1e-9) << polynomial;
        EXPECT_NEAR(s.cc, 1, 1e-12) << polynomial;
        // The area counts the measured samples: 7 of them at 1 s around a base of 45.
        EXPECT_NEAR(s.integral, 7 * (300.0 / 7 - 45), 1e-9) << polynomial;
    }
    r.bApplyPolynom = 0;
    const auto lines = StatisticsLines(Whole());
    EXPECT_EQ(lines.back(), (std::pair<int, std::string>{12, " Samples in gaps (left out): 3"}));

    // A section wholly inside the gap has no samples.
    EXPECT_EQ(SectionScan(g->store, 0, 6, 8).Moments().n, 0);
}

TEST_F(GapsInCalculations, HistogramAndEventCountSeeMeasuredSamples) {
    HistogramRecord record;
    record.binSize = 10;
    HistogramCounts table{};
    ASSERT_TRUE(ComputeHistogram(g->store, 0, 2, 11, record, table));
    EXPECT_EQ(table[3], 1u);  // 30 once, not four times
    EXPECT_EQ(std::accumulate(table.begin(), table.end(), int64_t{0}), 7);

    // The event count skips what the gap holds: a dip a filter left inside a gap does not split the
    // event around it.
    g->store.SetRaw(6, 0, 0);
    g->store.SetRaw(7, 0, 0);
    EXPECT_EQ(CountEvents(g->store, 0, 25, 2000, 11000), 1);
    g->store.Gaps[0].Clear();
    EXPECT_EQ(CountEvents(g->store, 0, 25, 2000, 11000), 2);
}

}  // namespace
}  // namespace corv
