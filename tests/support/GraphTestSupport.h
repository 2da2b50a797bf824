#pragma once
// Helpers for the graph tests. A run state with sample banks: channels are filled with raw words
// that read back as the same values (CoeffA 1, CoeffB 0).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "core/RecordingUiPort.h"

namespace corv {
// Calls recorded by a RecordingCanvas.
using Calls = std::vector<std::string>;
}  // namespace corv

namespace corv::test {

class GraphState {
  public:
    GraphState() {
        state = std::make_unique<AppState>();
        state->store.AllocateBanks(ui);
    }

    // Fills channel c with the raw words, one every sampRate ms, shown in style code.
    ChannelRecord& Load(int c, const std::vector<uint16_t>& raws, int32_t sampRate,
                        uint8_t code = 0) {
        ChannelRecord& r = state->store.Rec(c);
        r.SampRate = sampRate;
        r.DataCnt = static_cast<int32_t>(raws.size()) - 1;
        r.CoeffA = 1;
        r.CoeffB = 0;
        r.a1 = 1;
        r.GrRepr = code;
        r.Min = 0;
        r.Max = 65535;
        r.WndSze = 1;
        r.CursorMask = 1;
        for (size_t i = 0; i < raws.size(); ++i)
            state->store.SetRaw(static_cast<int32_t>(i), raws[i], c);
        state->store.TotalSpan = static_cast<double>(r.DataCnt) * sampRate;
        return r;
    }

    AppState& operator*() { return *state; }
    AppState* operator->() { return state.get(); }

    RecordingUiPort ui;
    std::unique_ptr<AppState> state;
};

}  // namespace corv::test
