// The pieces of the demo recording generator: its random source, curve, number texts and
// the planned behaviour that the beak analysis must be able to take apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "DemoRandom.h"
#include "DiveBehaviour.h"
#include "MonotoneCurve.h"
#include "TestSupport.h"
#include "TraceFile.h"

namespace corv::demo {
namespace {

TEST(DemoRandom, IsReproducibleAndStaysInItsRanges) {
    DemoRandom a(99), b(99);
    double sum = 0, squares = 0, widest = 0;
    bool sawLow = false, sawHigh = false;
    constexpr int kDraws = 200000;
    for (int k = 0; k < kDraws; ++k) {
        ASSERT_EQ(a.Next(), b.Next());
        const double u = a.Uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        const int n = a.Int(3, 7);
        ASSERT_GE(n, 3);
        ASSERT_LE(n, 7);
        sawLow |= n == 3;
        sawHigh |= n == 7;
        const double x = a.Noise();
        sum += x;
        squares += x * x;
        widest = std::max(widest, std::fabs(x));
        b.Uniform(), b.Int(3, 7), b.Noise();
    }
    EXPECT_TRUE(sawLow && sawHigh);
    EXPECT_NEAR(sum / kDraws, 0.0, 0.01);
    EXPECT_NEAR(std::sqrt(squares / kDraws), 1.0, 0.01);
    EXPECT_LE(widest, 2.0 * std::sqrt(3.0));  // bounded: no stray spike in the baseline
}

TEST(MonotoneCurve, PassesThroughItsKnotsWithoutOvershoot) {
    MonotoneCurve c;
    EXPECT_EQ(c.At(5.0), 0.0);
    const std::vector<std::pair<double, double>> knots = {{0, 0},   {10, 0},  {15, 15}, {20, 30},
                                                          {25, 28}, {30, 30}, {40, 0},  {50, 0}};
    for (auto [t, y] : knots) c.Add(t, y);
    for (auto [t, y] : knots) EXPECT_DOUBLE_EQ(c.At(t), y) << t;
    EXPECT_EQ(c.At(-3.0), 0.0);
    EXPECT_EQ(c.At(70.0), 0.0);
    for (double t = 0.0; t <= 10.0; t += 0.5) EXPECT_EQ(c.At(t), 0.0) << t;  // flat surface
    double previous = 0.0;
    for (double t = 10.0; t <= 20.0; t += 0.1) {  // a descent never turns back
        EXPECT_GE(c.At(t), previous) << t;
        previous = c.At(t);
    }
    for (double t = 20.0; t <= 30.0; t += 0.1) {  // the bottom stays between its knots
        EXPECT_GE(c.At(t), 28.0) << t;
        EXPECT_LE(c.At(t), 30.0) << t;
    }
    EXPECT_LT(c.At(15.0 - 0.1), c.At(15.0 + 0.1));
    EXPECT_GT(c.At(12.0), 0.0);  // queries going backwards still find their segment

    c.Add(50.0, 5.0);  // a knot at the same time replaces the last one
    EXPECT_EQ(c.At(50.0), 5.0);
}

TEST(TraceFile, WritesFixedDecimalsAndTimesWithCrLf) {
    EXPECT_EQ(FormatDecimals(1.23456, 4), "1.2346");
    EXPECT_EQ(FormatDecimals(-0.00004, 4), "0.0000");
    EXPECT_EQ(FormatDecimals(2.5, 0), "3");
    EXPECT_EQ(FormatDecimals(-2.5, 0), "-3");

    test::TempDir dir;
    std::vector<double> values(12, 0.25);
    values[11] = -3.0;
    ASSERT_TRUE(WriteTraceFile(dir / "t.txt", "Time [s]\tV", values, 2));
    const std::string text = test::ReadFile(dir / "t.txt");
    EXPECT_TRUE(text.starts_with("Time [s]\tV\r\n0.0\t0.25\r\n0.1\t0.25\r\n"));
    EXPECT_NE(text.find("\r\n1.1\t-3.00\r\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 13);
    EXPECT_FALSE(WriteTraceFile(dir / "missing" / "t.txt", "x", values, 2));
}

const Dive* DiveAt(const Behaviour& b, double t) {
    for (const Dive& d : b.dives)
        if (t >= d.start && t <= d.end) return &d;
    return nullptr;
}

double NextDiveStart(const Behaviour& b, double t, double seconds) {
    for (const Dive& d : b.dives)
        if (d.start > t) return d.start;
    return seconds;
}

// What the event search relies on, for several seeds: feeding openings deep in the bottom
// phase (and at most 45 per dive), breathing at the surface with the surface lasting at
// least 10 s after a bout starts, dives of 1 to 4 minutes to 15..60 m.
TEST(DiveBehaviour, SeparatesBreathingAtTheSurfaceFromFeedingAtDepth) {
    constexpr double kSeconds = 7200;
    for (uint64_t seed : {20260614ULL, 1ULL, 77ULL, 123456789ULL}) {
        DemoRandom rng(seed);
        const Behaviour b = PlanBehaviour(rng, kSeconds);
        ASSERT_GE(b.dives.size(), 20u) << seed;
        EXPECT_GT(b.dives.front().feedOpenings, 0) << seed;
        EXPECT_LE(b.dives.back().end + 60.0, kSeconds) << seed;
        for (size_t k = 0; k < b.dives.size(); ++k) {
            const Dive& d = b.dives[k];
            EXPECT_GE(d.end - d.start, 60.0);
            EXPECT_LE(d.end - d.start, 240.0);
            EXPECT_GE(d.maxDepth, 15.0);
            EXPECT_LE(d.maxDepth, 60.0);
            EXPECT_LE(d.feedOpenings, 45);
            if (k > 0) {
                EXPECT_GE(d.start - b.dives[k - 1].end, 20.0);
            }
        }
        EXPECT_LT(b.openings.front().start, b.dives.front().start);

        double previousEnd = -100;
        for (const Opening& o : b.openings) {
            const double end = o.start + o.duration;
            EXPECT_GE(o.duration, 0.3);
            EXPECT_LE(o.duration, 1.0);
            EXPECT_GT(o.start, previousEnd) << "openings overlap at " << o.start;
            if (const Dive* d = DiveAt(b, o.start)) {
                EXPECT_GE(o.start, d->bottomStart + 2.0) << seed << " " << o.start;
                EXPECT_LE(end, d->bottomEnd - 5.0) << seed << " " << o.start;
                EXPECT_GE(o.amplitude, 4.0);
            } else {
                const double next = NextDiveStart(b, o.start, kSeconds);
                EXPECT_LE(end, next - 4.0) << seed << " " << o.start;
                if (o.start - previousEnd > 8.0) {  // a bout begins
                    EXPECT_LE(o.start + 10.0, next - 4.0) << seed << " " << o.start;
                }
                EXPECT_GE(o.amplitude, 3.0);
            }
            previousEnd = end;
        }
    }
}

}  // namespace
}  // namespace corv::demo
