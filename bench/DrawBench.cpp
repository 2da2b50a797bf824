// Drawing a full-recording window: three channels of 6 553 600 noisy samples each, every
// curve drawn over the whole recording into a strip of 1600 x 300 pixels, as the graph
// window redraws its strips after a border change. The plain GetValue pass over the same
// samples is what drawing every sample would have to read through; the drawing reads block
// extremes instead. bench/compare_reference.py builds the same series for the matplotlib
// comparison.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>

#include "AppState.h"
#include "BenchChannels.h"
#include "core/RasterCanvas.h"
#include "core/RecordingUiPort.h"
#include "graph/CurveDrawing.h"
#include "graph/DisplayRange.h"
#include "graph/StripDrawing.h"

namespace {

using corv::ChannelStore;
using corv::bench::FullChannels;

constexpr int kStripWidth = 1600;
constexpr int kStripHeight = 300;

void BM_DrawThreeStrips(benchmark::State& st) {
    const corv::AppState& s = FullChannels();
    std::array<std::unique_ptr<corv::RasterCanvas>, corv::kChannelCount> strips;
    for (auto& strip : strips)
        strip = std::make_unique<corv::RasterCanvas>(kStripWidth, kStripHeight);
    for (auto _ : st) {
        for (int c = 0; c < corv::kChannelCount; ++c) {
            corv::RasterCanvas& strip = *strips[static_cast<size_t>(c)];
            strip.SetBrushColour(0xFFFFFF);
            strip.FillRect(1, 1, kStripWidth - 1, kStripHeight - 1);
            const corv::ValueRange range = corv::DisplayRange(s.store, c);
            corv::DrawCurve(strip, s.store, c, 0x000000, kStripWidth, kStripHeight, 0,
                            s.store.TotalSpan, range.lo, range.hi);
        }
        benchmark::DoNotOptimize(strips[2]->Pixels().data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * int64_t{corv::kChannelCount} * ChannelStore::kCapacity);
}

// The overview: the active channel over the whole recording in a 1600 x 80 image.
constexpr int kOverviewHeight = 80;

void BM_DrawOverview(benchmark::State& st) {
    const corv::AppState& s = FullChannels();
    corv::RasterCanvas overview(kStripWidth, kOverviewHeight);
    for (auto _ : st) {
        corv::DrawOverview(overview, s);
        benchmark::DoNotOptimize(overview.Pixels().data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * ChannelStore::kCapacity);
}

void BM_GetValueThreeChannels(benchmark::State& st) {
    const ChannelStore& store = FullChannels().store;
    for (auto _ : st) {
        double sum = 0;
        int32_t err = 0;
        for (int c = 0; c < corv::kChannelCount; ++c) {
            const int32_t last = store.Rec(c).DataCnt;
            for (int32_t i = 0; i <= last; ++i) sum += store.GetValue(i, c, err);
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(err);
    }
    st.SetItemsProcessed(st.iterations() * int64_t{corv::kChannelCount} * ChannelStore::kCapacity);
}

}  // namespace

BENCHMARK(BM_DrawThreeStrips)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOverview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetValueThreeChannels)->Unit(benchmark::kMillisecond);
