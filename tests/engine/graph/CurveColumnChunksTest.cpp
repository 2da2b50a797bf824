// DrawCurve reads long pixel columns in chunks; whether a column's lowest or highest row
// is left again must come out as when every sample is drawn, wherever the chunks split.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "graph/CurveDrawing.h"

namespace corv {
namespace {

// Columns of 500..5000 samples on three rows, in long runs: an extreme may be reached at
// the very start or end of a column, or visited once in its middle.
std::vector<uint16_t> LongRuns(int columns, uint32_t seed, std::vector<int>& widths) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> width(500, 5000), runs(1, 4), row(0, 2), place(0, 3);
    std::vector<uint16_t> out;
    for (int col = 0; col < columns; ++col) {
        const int w = width(rng);
        widths.push_back(w);
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
        std::vector<int> widths;
        const std::vector<uint16_t> raws = LongRuns(12, seed, widths);
        ChannelRecord& r = g.Load(0, raws, 1, static_cast<uint8_t>(seed % 2 ? 0 : 3));
        // Twelve pixel columns of about 2700 samples each, read in several chunks.
        RasterCanvas fast(12, 30), reference(12, 30);
        const double span = static_cast<double>(raws.size());
        const auto draw = [&](RasterCanvas& c, bool useFast) {
            (useFast ? DrawCurve : DrawCurveReference)(c, g->store, 0, 0, 12, 30, 0, span, -10,
                                                       290);
        };
        draw(fast, true);
        draw(reference, false);
        ASSERT_EQ(fast.CountDifferences(reference), 0)
            << "seed " << seed << ", style " << int{r.GrRepr};
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
                RasterCanvas fast(1, 40), reference(1, 40);
                DrawCurve(fast, g->store, 0, 0, 1, 40, 0, 2999, 0, 300);
                DrawCurveReference(reference, g->store, 0, 0, 1, 40, 0, 2999, 0, 300);
                ASSERT_EQ(fast.CountDifferences(reference), 0)
                    << "rise " << rise << ", departure " << k;
                g->store.SetRaw(k, 200, 0);
            }
        }
    }
}

}  // namespace
}  // namespace corv
