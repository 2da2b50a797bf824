#include "processing/RunningMean.h"

#include <algorithm>
#include <string>

#include "AppState.h"
#include "core/Canvas.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"
#include "processing/WorkSection.h"

namespace corv {

bool SetRunningMean(AppState& state, UiPort& ui) {
    const int c = state.ActiveChannel;
    const int32_t old = state.store.Rec(c).RunMean;
    const std::string typed =
        ui.InputBox("Running mean", "Interval (0: No run. mean) ", std::to_string(old));
    const int32_t n = StrToInt(typed);
    if (n == old) return false;
    // A display setting, not part of the channel's file.
    const EditScope scope = EditScope().Record(c).KeepModifiedFlags();
    state.history.RunEdit(state, ui, "Running mean", scope, [&] {
        state.store.Rec(c).RunMean = n;
        return true;
    });
    LogEdit(state, "running-mean " + LogText(typed), false);
    return true;
}

void DrawRunningMean(Canvas& strip, const AppState& state, int c) {
    const ChannelStore& s = state.store;
    const ChannelRecord& r = s.Rec(c);
    const int64_t n = r.RunMean;
    if (n <= 0) return;
    SectionIndexes sec = SectionOf(s, c, state.view.LeftCursor, state.view.RightCursor);
    sec.first = std::max(sec.first, 1);
    if (sec.first >= sec.last) return;
    const ValueRange range = DisplayRange(s, c);
    const CurveMapping map(0, strip.Width(), strip.Height(), state.view.LeftBorder,
                           state.view.RightBorder, range.lo, range.hi);
    if (!map.Valid()) return;
    strip.SetPenColour(state.settings.ColourTable[6].value);
    strip.SetPenStyle(PenStyle::Solid);
    strip.SetPenMode(PenMode::NotXor);
    // The trailing window's sum moves along by one sample per point.
    int32_t err = 0;
    double sum = 0;
    const int64_t start = std::max<int64_t>(sec.first, n + 1);
    for (int64_t i = start - n + 1; i < start; ++i)
        sum += s.GetValue(static_cast<int32_t>(i), c, err);
    bool first = true;
    for (int64_t i = start; i <= sec.last; ++i) {
        sum += s.GetValue(static_cast<int32_t>(i), c, err);
        const double m = sum / static_cast<double>(n);
        sum -= s.GetValue(static_cast<int32_t>(i - n + 1), c, err);
        const int x = map.TimeCoord(static_cast<double>(i) * r.SampRate);
        const int y = map.RowOf(m);
        if (first)
            strip.MoveTo(x, y);
        else
            strip.LineTo(x, y);
        first = false;
    }
    strip.SetPenMode(PenMode::Copy);
}

}  // namespace corv
