#include <gtest/gtest.h>

#include <cmath>

#include "GraphTestSupport.h"
#include "TestSupport.h"
#include "calc/Histogram.h"
#include "calc/SectionScan.h"
#include "calc/SectionStatistics.h"
#include "calc/StatisticsExport.h"
#include "core/Times.h"

namespace corv {
namespace {

SectionStatistics Stats(test::GraphState& g, double f4, double f5) {
    const IndexRange r = TimeRangeToIndexes(g->store, 0, f4, f5);
    SectionStatistics s = ComputeSectionStatistics(g->store, 1, 0, f4, f5);
    s.median = SectionMedian(g->store, 0, r.first, r.last, g->histograms[0], g->histogramCounts[0]);
    return s;
}

TEST(Statistics, OneTwoThreeFourAtOneSecond) {
    test::GraphState g;
    g.Load(0, {1, 2, 3, 4}, 1000);
    const SectionStatistics s = Stats(g, 0, 3000);
    EXPECT_EQ(std::vector<double>(
                  {s.min, s.max, s.mean, s.dy, s.dx, s.gradient, s.increase, s.base, s.integral}),
              std::vector<double>({1, 4, 2.5, 3, 3, 1, 300, 2.5, 0}));
    EXPECT_DOUBLE_EQ(s.sd, std::sqrt(1.25));
    EXPECT_DOUBLE_EQ(s.a, 1);  // per second, x of the first sample is 1 s
    EXPECT_NEAR(s.b, 0, 1e-12);
    EXPECT_DOUBLE_EQ(s.cc, 1);
    // Bins of width 3/254 from 1: the running count passes 2 in the bin of the value 3.
    EXPECT_DOUBLE_EQ(s.median, 169 * 3.0 / 254 + 1);
}

TEST(Statistics, DegenerateSections) {
    test::GraphState g;
    g.Load(0, {7, 5, 9, 0, 3, 2, 6, 6, 6, 0, 0, 0, 10}, 1000);
    // One sample: F4 and F5 in the same interval.
    SectionStatistics s = Stats(g, 1200, 1800);
    for (double v : {s.min, s.max, s.mean, s.median, s.base}) EXPECT_EQ(v, 5);
    for (double v : {s.increase, s.integral, s.sd, s.a, s.b, s.cc}) EXPECT_EQ(v, 0);
    EXPECT_TRUE(std::isnan(Stats(g, 1200, 1200).gradient));  // dx 0: no gradient
    // F4's value 0: the ratio is taken as 100000, whatever F5's value.
    EXPECT_EQ(Stats(g, 3000, 5000).increase, 100000.0 * 100 - 100);
    // A constant section.
    s = Stats(g, 6000, 8000);
    for (double v : {s.sd, s.a, s.cc}) EXPECT_EQ(v, 0);
    EXPECT_EQ(s.median, 6);
    EXPECT_EQ(s.b, 6);
    // 0, 0, 0, 10: three counts in bin 0 pass n div 2 there.
    EXPECT_EQ(Stats(g, 9000, 12000).median, 0);
    // A section behind the channel's end has no samples.
    EXPECT_EQ(Stats(g, 20000, 30000).sd, 0);
}

// 6,553,600 values near 1e6 with a spread of 1e-3 and a trend: the plain sums of squares
// would lose every digit of SD and cc.
TEST(Statistics, LargeOffsetKeepsSixDigits) {
    test::GraphState g;
    const int32_t n = ChannelStore::kCapacity;
    std::vector<uint16_t> raws(static_cast<size_t>(n));
    uint32_t seed = 12345;
    for (int32_t i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        raws[size_t(i)] = static_cast<uint16_t>(i / 200 + (seed >> 22));  // trend + noise
    }
    ChannelRecord& r = g.Load(0, raws, 10);
    r.CoeffA = 1e-3 / 65535;
    r.CoeffB = 1e6;
    // Reference from the raw words in long double, two passes.
    long double sum = 0, sumK = 0;
    for (int32_t i = 0; i < n; ++i) sum += raws[size_t(i)], sumK += i + 1;
    const long double mr = sum / n, mk = sumK / n;
    long double qrr = 0, qkr = 0, qkk = 0;
    for (int32_t i = 0; i < n; ++i) {
        const long double d = raws[size_t(i)] - mr, dk = i + 1 - mk;
        qrr += d * d, qkr += dk * d, qkk += dk * dk;
    }
    const double sd = static_cast<double>(std::sqrt(qrr / n) * r.CoeffA);
    const double cc = static_cast<double>(qkr / std::sqrt(qkk * qrr));
    const double f5 = (n - 1) * 10.0;
    for (int polynomial : {0, 1}) {  // by raw words, and value by value
        r.bApplyPolynom = static_cast<uint8_t>(polynomial);
        const SectionStatistics s = ComputeSectionStatistics(g->store, 1, 0, 0, f5);
        EXPECT_NEAR(s.sd / sd, 1, 1e-7) << polynomial;
        EXPECT_NEAR(s.cc / cc, 1, 1e-7) << polynomial;
        EXPECT_NEAR(s.mean, 1e6 + static_cast<double>(mr) * r.CoeffA, 1e-9);
    }
}

TEST(Statistics, ScanByRawWordsEqualsScanByValues) {
    test::GraphState g;
    std::vector<uint16_t> raws;
    for (int i = 0; i < 40000; ++i)
        raws.push_back(static_cast<uint16_t>((i * 7919) % 5000 + i / 10));
    ChannelRecord& r = g.Load(0, raws, 10);
    r.CoeffA = -0.25;  // a falling scale turns the extremes round
    r.CoeffB = 3;
    r.yOffset = 1;
    r.CorrSmpDelay = 100;  // the first 100 samples read as raw 0
    r.DataCnt += 100;
    const SectionMoments a = SectionScan(g->store, 0, 50, 30000).Moments();
    r.bApplyPolynom = 1;
    const SectionMoments b = SectionScan(g->store, 0, 50, 30000).Moments();
    EXPECT_EQ(a.n, b.n);
    EXPECT_EQ(a.min, b.min);
    EXPECT_EQ(a.max, b.max);
    EXPECT_NEAR(a.mean, b.mean, 1e-9);
    EXPECT_NEAR(a.m2 / b.m2, 1, 1e-12);
    EXPECT_NEAR(a.ck / b.ck, 1, 1e-12);
}

class StatisticsExportTest : public ::testing::Test {
  protected:
    StatisticsExportTest() {
        g.Load(0, {1, 2, 3, 4}, 1000);
        g->store.OriginTime = PartsToTime(2026, 6, 14, 6, 0, 0);
        g->settings.CommSampInterval = 1;
        g->settings.OutDlmt = '\t';
        g->settings.DateSep = '.';
        g->settings.StatisticsFileName = (dir / "rec.sta").string();
    }
    test::GraphState g;
    test::TempDir dir;
};

TEST_F(StatisticsExportTest, TwoExportsWithOneComment) {
    const SectionStatistics s = Stats(g, 0, 3000);
    g->PendingComment = "dive 1";
    g.ui.QueueText((dir / "rec.sta").string());
    EXPECT_TRUE(ExportStatisticsQuery(*g, g.ui, s, 0, 3000));
    EXPECT_TRUE(g->PendingComment.empty());
    EXPECT_TRUE(ExportStatistics(*g, g.ui, g->settings.StatisticsFileName, s, 0, 3000));
    const std::string record =
        "14.06.2026\t06:00:00\t14.06.2026\t06:00:03\t00:00:03:000\t    1.0000\t    4.0000\t"
        "    2.5000\t    1.1180\t    2.9961\t    1.0000\t    0.0000\t    1.0000\t    3.0000\t"
        "    3.0000\t    1.0000\t  300.0000\t    0.0000\t";
    EXPECT_EQ(test::ReadFile(dir / "rec.sta"), "\r\n" + record + "dive 1\r\n" + record);
}

TEST_F(StatisticsExportTest, NoGradientAndFailingFile) {
    const SectionStatistics s = Stats(g, 1000, 1000);
    EXPECT_NE(StatisticsRecord(*g, s, 1000, 1000, "").find("        NA\t"), std::string::npos);
    g->PendingComment = "kept";
    const auto bad = dir / "no folder" / "x.sta";
    EXPECT_FALSE(ExportStatistics(*g, g.ui, bad.string(), s, 1000, 1000));
    EXPECT_EQ(g.ui.Messages(),
              std::vector<std::string>{"x.sta Invalid name or number. Output canceled."});
    EXPECT_EQ(g->PendingComment, "kept");
    // Cancel in the file query writes nothing.
    EXPECT_FALSE(ExportStatisticsQuery(*g, g.ui, s, 1000, 1000));
    EXPECT_FALSE(std::filesystem::exists(dir / "rec.sta"));
}

}  // namespace
}  // namespace corv
