#include "analysis/AnalyseEvent.h"

#include <algorithm>

#include "AppState.h"
#include "analysis/BeakSignal.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/NumberFormat.h"

namespace corv {

namespace {

constexpr int32_t kMaxEventSamples = 65000;

void AnalyseDims(AppState& state, const BeakSignal& b, const BeakSignal& t) {
    DimList& list = state.analysis.dimList;
    double sum = 0;
    for (int k = 0; k < list.count; ++k) {
        Dim& d = list.dims[static_cast<size_t>(k)];
        d.maximum = b.Max(d.start, d.end);
        d.positiveSum = 0;
        for (int64_t i = d.start; i <= d.end; ++i) d.positiveSum += std::max(b.Value(i), 0.0);
        d.duration = CheckedMul<int32_t>(b.SampRate(), d.end - d.start);
        d.typeValue = t.Value(MapIndex(b, t, d.start));
        d.gap = k == 0 ? 0
                       : CheckedMul<int32_t>(b.SampRate(),
                                             d.start - list.dims[static_cast<size_t>(k - 1)].start);
        sum += d.positiveSum;
    }
    state.analysis.event.positiveSum = sum;
}

}  // namespace

bool AnalyseEvent(AppState& state) {
    BeakEvent& e = state.analysis.event;
    const char type = e.type;
    e = BeakEvent{};
    e.type = type;
    if (!state.store.ChannelPresent[kBeakChannel] || !state.store.ChannelPresent[kTypeChannel])
        return false;
    const BeakSignal b(state, kBeakChannel), t(state, kTypeChannel);
    const ViewState& v = state.view;
    const int32_t left = b.Samples(v.LeftCursor), right = b.Samples(v.RightCursor);
    e.startIndex = left;
    e.startTime = left == 0 ? 0 : Round<int32_t>(static_cast<double>(b.SampRate()) * left);
    e.duration = Round<int32_t>(v.RightCursor - v.LeftCursor);
    e.diveDuration = Round<int32_t>(v.RightBCursor - v.LeftBCursor);
    e.diveMaximum = t.Max(t.Samples(v.LeftBCursor), t.Samples(v.RightBCursor));
    e.dimCount = state.analysis.dimList.count;
    if (right < left) return false;
    if (right - left > kMaxEventSamples) {
        e.tooLong = true;
        return false;
    }
    AnalyseDims(state, b, t);
    e.valid = true;
    return true;
}

std::string ResultDurationText(const AppState& state) {
    return FormatShortest(state.analysis.event.duration / 60000.0) + " min";
}

std::string ResultSumText(const AppState& state) {
    return FormatShortest(state.analysis.event.positiveSum);
}

}  // namespace corv
