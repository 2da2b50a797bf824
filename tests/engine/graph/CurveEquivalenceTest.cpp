// DrawCurve draws a pixel column with a few calls however many samples fall on it, reading
// long columns in chunks; these tests compare its pixels with those of the sample-by-sample
// DrawCurveReference.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "GraphTestSupport.h"
#include "core/EditScope.h"
#include "core/RasterCanvas.h"
#include "graph/CurveDrawing.h"

namespace corv {
namespace {

constexpr uint16_t kGapWord = 60000;

// A random walk around 32000 with spikes far outside the shown range and runs of samples
// without data (the word kGapWord, see MarkGapWord).
std::vector<uint16_t> NoisyWalk(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> step(-40, 40), event(0, 9999), spikeWord(0, 59000),
        gapLength(1, 60);
    std::vector<uint16_t> out(n);
    int level = 32000;
    for (size_t i = 0; i < n; ++i) {
        level = std::clamp(level + step(rng), 21000, 44000);
        const int e = event(rng);
        if (e < 8) {
            out[i] = static_cast<uint16_t>(spikeWord(rng));
        } else if (e < 10) {
            for (int k = gapLength(rng); k > 0 && i < n; --k) out[i++] = kGapWord;
            --i;
        } else {
            out[i] = static_cast<uint16_t>(level);
        }
    }
    return out;
}

// A calibration whose denominator vanishes only at the value of kGapWord, so that those
// samples read as "no data" (error -1); elsewhere it bends the values a little.
void MarkGapWord(ChannelRecord& r) {
    r.bApplyPolynom = 1;
    r.bSet = 1;
    r.b5 = -1.0 / std::pow(double{kGapWord}, 5);
}

void ExpectSamePixels(const ChannelStore& store, int c, int w, int h, double left, double right,
                      double lo, double hi, const char* what) {
    RasterCanvas fast(w, h), reference(w, h);
    DrawCurve(fast, store, c, 0x000000, w, h, left, right, lo, hi);
    DrawCurveReference(reference, store, c, 0x000000, w, h, left, right, lo, hi);
    EXPECT_EQ(fast.CountDifferences(reference), 0)
        << what << ", style " << int{store.Rec(c).GrRepr} << ", window " << left << ".." << right;
}

TEST(CurveEquivalenceTest, FullChannelOfNoisyDataInEveryStyleAndWindow) {
    test::GraphState g;
    const size_t n = 4000000;  // 1 ms apart: a little over an hour
    ChannelRecord& r = g.Load(0, NoisyWalk(n, 7), 1);
    MarkGapWord(r);
    r.yOffset = 32500;  // the walk crosses zero, so bars stand on both sides of their foot
    const double whole = static_cast<double>(r.DataCnt);
    struct Window {
        double left, right;
        const char* what;
    };
    const Window windows[] = {
        {1234567.5, 1236567.5, "2 s"},   {3000000, 3006000, "6 s"},
        {2500000.25, 2507000.25, "7 s"}, {100000, 3700000, "1 hour"},
        {0, whole, "whole channel"},     {3500000, 3500500, "far value zoom"},
    };
    for (uint8_t code = 0; code <= 9; ++code) {
        r.GrRepr = code;
        for (const Window& win : windows) {
            const bool zoom = win.what[0] == 'f';
            ExpectSamePixels(g->store, 0, 480, 160, win.left, win.right, zoom ? -500 : -12500,
                             zoom ? -499.999 : 12500, win.what);
        }
    }
}

TEST(CurveEquivalenceTest, ShortColumnsOfRandomValues) {
    // Few samples per column and few distinct rows: every order of first, extremes and
    // last point within a column turns up.
    test::GraphState g;
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> word(0, 6), perColumn(1, 7);
    for (int round = 0; round < 300; ++round) {
        const int columns = 12;
        std::vector<uint16_t> raws;
        for (int col = 0; col < columns; ++col)
            for (int k = perColumn(rng); k > 0; --k)
                raws.push_back(static_cast<uint16_t>(word(rng) * 3));
        const uint8_t code = static_cast<uint8_t>(round % 10);
        g.Load(0, raws, 1, code).CoeffB = -9;  // values -9..9 around the bars' foot
        const double span = static_cast<double>(raws.size());
        ExpectSamePixels(g->store, 0, columns, 20, 0, span, -10, 10, "random columns");
        if (HasFailure()) break;
    }
}

// Columns of 500..5000 samples on three rows, in long runs: an extreme may be reached at
// the very start or end of a column, or visited once in its middle.
std::vector<uint16_t> LongRuns(int columns, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> width(500, 5000), runs(1, 4), row(0, 2), place(0, 3);
    std::vector<uint16_t> out;
    for (int col = 0; col < columns; ++col) {
        const int w = width(rng);
        std::vector<uint16_t> column(static_cast<size_t>(w), static_cast<uint16_t>(row(rng) * 100));
        const int kind = place(rng);
        if (kind == 0) column.front() = static_cast<uint16_t>(row(rng) * 100);
        if (kind == 1) column.back() = static_cast<uint16_t>(row(rng) * 100);
        for (int r = runs(rng); r > 0 && kind >= 2; --r) {
            std::uniform_int_distribution<int> at(0, w - 1);
            const int a = at(rng), b = std::min(w, a + at(rng) / 4 + 1);
            for (int k = a; k < b; ++k)
                column[static_cast<size_t>(k)] = static_cast<uint16_t>(row(rng) * 100);
        }
        out.insert(out.end(), column.begin(), column.end());
    }
    return out;
}

TEST(CurveColumnChunks, LongColumnsOfFewRowsMatchTheReference) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        test::GraphState g;
        const std::vector<uint16_t> raws = LongRuns(12, seed);
        g.Load(0, raws, 1, static_cast<uint8_t>(seed % 2 ? 0 : 3));
        // Twelve pixel columns of about 2700 samples each, read in several chunks.
        ExpectSamePixels(g->store, 0, 12, 30, 0, static_cast<double>(raws.size()), -10, 290,
                         "long runs");
        if (HasFailure()) FAIL() << "seed " << seed;
    }
}

TEST(CurveColumnChunks, ExtremeLeftOnceAnywhereInTheLastColumn) {
    // One pixel column: the curve starts at 100, rises to 200 at `rise` and stays there
    // but for one sample at k. Whether the 200 row is drawn depends on that one departure,
    // wherever the rise and the departure fall among the chunks.
    std::vector<int> departures;
    for (int k = 2; k < 3000;
         k += (k < 40 || (k > 1000 && k < 1100) || (k > 2000 && k < 2100) || k > 2950) ? 1 : 37)
        departures.push_back(k);
    for (int rise : {1, 1030}) {
        test::GraphState g;
        std::vector<uint16_t> raws(3000, 100);
        std::fill(raws.begin() + rise, raws.end(), uint16_t{200});
        ChannelRecord& r = g.Load(0, raws, 1);
        for (uint8_t code : {uint8_t{0}, uint8_t{3}}) {
            r.GrRepr = code;
            for (int k : departures) {
                if (k <= rise) continue;
                g->store.SetRaw(k, 100, 0);
                ExpectSamePixels(g->store, 0, 1, 40, 0, 2999, 0, 300, "one column");
                if (HasFailure()) FAIL() << "rise " << rise << ", departure " << k;
                g->store.SetRaw(k, 200, 0);
            }
        }
    }
}

// Lines and bars read block extremes of the raw words where the rows follow the words:
// windows whose columns start and end inside blocks, falling and rising scalings, a delay
// (samples before it read as the word 0), a data end inside the window.
TEST(CurveBlockExtremes, WindowsCuttingBlocksWithScalingsAndDelays) {
    test::GraphState g;
    const size_t n = ChannelStore::kCapacity;
    ChannelRecord& r = g.Load(0, NoisyWalk(n, 5), 1);
    std::mt19937 rng(21);
    std::uniform_real_distribution<double> at(0, static_cast<double>(n)), digits(0.5, 6.9);
    std::uniform_int_distribution<int> width(1, 480);
    struct Scaling {
        double a, b;
        int32_t delay, dataCnt;
    };
    const int32_t whole = static_cast<int32_t>(n) - 1;
    const Scaling scalings[] = {{1, -32500, 0, whole},
                                {-1, 32500, 777, whole},
                                {0.37, -12000, -333, whole - 12345},
                                {-2.5e-3, 80, 5000, whole - 3}};
    for (int round = 0; round < 80; ++round) {
        const Scaling& sc = scalings[round % 4];
        r.CoeffA = sc.a;
        r.CoeffB = sc.b;
        r.CorrSmpDelay = sc.delay;
        r.DataCnt = sc.dataCnt;
        r.GrRepr = static_cast<uint8_t>(round % 10);
        const double left = round % 7 == 0 ? 0 : at(rng);
        const double right = left + std::pow(10.0, digits(rng));
        const bool zoom = round % 5 == 0;
        const double lo = sc.a == -2.5e-3 ? 0 : zoom ? -500 : -12500;
        ExpectSamePixels(g->store, 0, width(rng), 160, left, right, lo,
                         zoom ? lo + 0.001 : lo + 25000, "block extremes");
        if (HasFailure()) FAIL() << "round " << round;
    }
}

// Commands write the banks through the undo history, which brings the block extremes up
// to date after each run, undo and redo, however the words were written.
TEST(CurveBlockExtremes, SameCurveAfterEditsUndoAndRedo) {
    test::GraphState g;
    const size_t n = 2000000;
    ChannelRecord& r = g.Load(2, NoisyWalk(n, 9), 1);
    r.yOffset = 32500;
    std::mt19937 rng(4);
    std::uniform_int_distribution<int32_t> at(0, static_cast<int32_t>(n) - 1);
    std::uniform_int_distribution<int> word(0, 65535), width(1, 400);
    const auto check = [&](double left, double right, const char* what) {
        for (uint8_t code : {uint8_t{0}, uint8_t{1}, uint8_t{3}}) {
            r.GrRepr = code;
            ExpectSamePixels(g->store, 2, width(rng), 120, left, right, -32500, 32500, what);
        }
    };
    for (int step = 0; step < 12; ++step) {
        const int32_t a = at(rng), b = std::min<int32_t>(a + at(rng) % 300000, r.DataCnt);
        const uint16_t w = static_cast<uint16_t>(word(rng));
        g->history.RunEdit(*g, g.ui, "Edit", EditScope().Words(2, a, b), [&] {
            for (int32_t i = a; i <= b; i += 1 + i % 3) *g->store.BankWord(2, i) = w;
            return true;
        });
        check(a - 5000.5, b + 5000.5, "after an edit");
        if (step % 3 == 2) {
            g->history.Undo(*g);
            check(a - 5000.5, b + 5000.5, "after undo");
            if (step == 2) check(0, static_cast<double>(n), "whole channel after undo");
            g->history.Redo(*g);
            check(a - 5000.5, b + 5000.5, "after redo");
        }
        if (HasFailure()) FAIL() << "step " << step;
    }
}

}  // namespace
}  // namespace corv
