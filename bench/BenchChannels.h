#pragma once
// Three full channels of 6 553 600 noisy samples each, filled once and shared by the
// benchmarks; bench/compare_reference.py builds the same series (noisy_channel) for the
// reference timings.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>

#include "AppState.h"
#include "core/RecordingUiPort.h"

namespace corv::bench {

constexpr int32_t kSampRate = 10;  // ms

inline uint32_t Hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// Raw word i of channel c: a slow wave of the channel's own period with noise of +-4000.
inline uint16_t NoisyWord(int64_t i, int c) {
    const double period = 60000.0 + 17000.0 * c;
    const double wave = 9000.0 * std::sin(2 * std::numbers::pi * static_cast<double>(i) / period);
    const int noise = static_cast<int>(Hash32(static_cast<uint32_t>(i * 3 + c)) % 8001u) - 4000;
    const double v = std::rint(32768.0 + wave) + noise;
    return static_cast<uint16_t>(std::clamp(v, 0.0, 65535.0));
}

// Three full channels, filled once for all benchmarks.
inline corv::AppState& FullChannels() {
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

}  // namespace corv::bench
