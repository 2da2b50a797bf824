// Smoothing a full channel (6 553 600 samples) with each kernel: the kernel alone on the
// words in memory (compared with numpy.convolve by bench/compare), and the whole menu
// command with reading, writing back and the undo step.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "AppState.h"
#include "core/RecordingUiPort.h"
#include "processing/Smoothing.h"

namespace {

using corv::ChannelStore;
using corv::SmoothKernel;

constexpr int32_t kSamples = ChannelStore::kCapacity;

// The same words as compare_reference.py's smoothing_words(): a hashed sequence.
std::vector<uint16_t> Words(size_t n) {
    std::vector<uint16_t> w(n);
    uint32_t x = 12345;
    for (auto& v : w) {
        x = x * 1664525u + 1013904223u;
        v = static_cast<uint16_t>(x >> 16);
    }
    return w;
}

void BM_SmoothKernel(benchmark::State& st) {
    const auto k = static_cast<SmoothKernel>(st.range(0));
    // The first word is the section's fixed first sample, four more are read past the end.
    const std::vector<uint16_t> x = Words(kSamples + 4);
    std::vector<uint16_t> out(kSamples - 1);
    for (auto _ : st) {
        corv::SmoothWords(k, x.data(), out.size(), out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kSamples);
}

void BM_SmoothCommand(benchmark::State& st) {
    const auto k = static_cast<SmoothKernel>(st.range(0));
    corv::RecordingUiPort ui;
    corv::AppState state;
    state.store.ChannelPresent = {true, false, false};
    state.store.AllocateBanks(ui);
    corv::ChannelRecord& r = state.store.Rec(0);
    r.DataCnt = kSamples - 1;
    r.SampRate = 1;
    const std::vector<uint16_t> w = Words(kSamples);
    for (int32_t i = 0; i < kSamples; ++i) state.store.SetRaw(i, w[size_t(i)], 0);
    state.view.LeftCursor = 0;
    state.view.RightCursor = kSamples - 1;
    for (auto _ : st) {
        corv::SmoothSection(state, ui, k);
        st.PauseTiming();
        state.history.Clear();
        st.ResumeTiming();
    }
    st.SetItemsProcessed(st.iterations() * kSamples);
}

}  // namespace

// 0: 1-2-1, 1: 1-2-4-10-4-2-1, 2: 1-1-2-3-2-1-1, 3: the trimmed seven-point mean.
BENCHMARK(BM_SmoothKernel)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothCommand)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
