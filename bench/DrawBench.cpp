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
#include "core/RasterCanvas.h"
#include "core/RecordingUiPort.h"
#include "graph/CurveDrawing.h"
#include "graph/DisplayRange.h"
#include "graph/StripDrawing.h"

namespace {

using corv::ChannelStore;

constexpr int kStripWidth = 1600;
constexpr int kStripHeight = 300;
constexpr int32_t kSampRate = 10;  // ms

uint32_t Hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// Raw word i of channel c: a slow wave of the channel's own period with noise of +-4000.
uint16_t NoisyWord(int64_t i, int c) {
    const double period = 60000.0 + 17000.0 * c;
    const double wave = 9000.0 * std::sin(2 * std::numbers::pi * static_cast<double>(i) / period);
    const int noise = static_cast<int>(Hash32(static_cast<uint32_t>(i * 3 + c)) % 8001u) - 4000;
    const double v = std::rint(32768.0 + wave) + noise;
    return static_cast<uint16_t>(std::clamp(v, 0.0, 65535.0));
}

// Three full channels, filled once for all benchmarks.
corv::AppState& FullChannels() {
    static const std::unique_ptr<corv::AppState> state = [] {
        auto s = std::make_unique<corv::AppState>();
        corv::RecordingUiPort ui;
        s->store.ChannelPresent = {true, true, true};
        s->store.AllocateBanks(ui);
        for (int c = 0; c < corv::kChannelCount; ++c) {
            corv::ChannelRecord& r = s->store.Rec(c);
            r.SampRate = kSampRate;
            r.DataCnt = ChannelStore::kCapacity - 1;
            r.CoeffA = 0.001;
            r.CoeffB = -32.768;
            r.Min = -32.768;
            r.Max = 32.767;
            r.WndSze = 1;
            for (int32_t i = 0; i < ChannelStore::kCapacity; ++i)
                s->store.SetRaw(i, NoisyWord(i, c), c);
            s->store.Pyramid(c);  // block extremes built before the timing, as after a load
        }
        s->store.TotalSpan = double{ChannelStore::kCapacity - 1} * kSampRate;
        return s;
    }();
    return *state;
}

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
