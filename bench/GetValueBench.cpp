// One pass of GetValue over a full channel (6 553 600 samples), as every drawing,
// statistic and analysis pass makes it; the values are summed so none can be skipped.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "AppState.h"
#include "core/RecordingUiPort.h"

namespace {

using corv::ChannelStore;

// Channel 0 full of varied raw words, scaled like a calibrated sensor.
void FillFullChannel(corv::AppState& state, corv::UiPort& ui) {
    state.store.ChannelPresent = {true, false, false};
    state.store.AllocateBanks(ui);
    corv::ChannelRecord& r = state.store.Rec(0);
    r.DataCnt = ChannelStore::kCapacity - 1;
    r.CorrSmpDelay = 0;
    r.CoeffA = 0.001;
    r.CoeffB = -5.0;
    r.yOffset = 0.25;
    uint32_t x = 12345;
    for (int32_t i = 0; i < ChannelStore::kCapacity; ++i) {
        x = x * 1664525u + 1013904223u;
        state.store.SetRaw(i, static_cast<uint16_t>(x >> 16), 0);
    }
}

void BM_GetValuePass(benchmark::State& st) {
    corv::RecordingUiPort ui;
    corv::AppState state;
    FillFullChannel(state, ui);
    const ChannelStore& store = state.store;
    const int32_t last = store.Rec(0).DataCnt;
    for (auto _ : st) {
        double sum = 0;
        int32_t err = 0;
        for (int32_t i = 0; i <= last; ++i) sum += store.GetValue(i, 0, err);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(err);
    }
    st.SetItemsProcessed(st.iterations() * (int64_t{last} + 1));
}

}  // namespace

BENCHMARK(BM_GetValuePass)->Unit(benchmark::kMillisecond);
