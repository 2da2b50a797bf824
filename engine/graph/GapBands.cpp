#include "graph/GapBands.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"

namespace corv {

void DrawGapBands(Canvas& strip, const AppState& state, int c, double left, double right) {
    const ChannelGaps& gaps = state.store.Gaps[static_cast<size_t>(c)];
    const ChannelRecord& r = state.store.Rec(c);
    if (gaps.Empty() || r.SampRate <= 0) return;
    const ValueRange range = DisplayRange(state.store, c);
    const CurveMapping m(r.GrRepr, strip.Width(), strip.Height(), left, right, range.lo, range.hi);
    if (!m.Valid()) return;
    // Bank positions of the window, one sample wider on each side.
    const double step = r.SampRate;
    const double from = std::floor(left / step) - r.CorrSmpDelay - 1;
    const double to = std::ceil(right / step) - r.CorrSmpDelay + 1;
    if (to < 0 || from > INT32_MAX) return;
    const auto clampPos = [](double p) {
        return static_cast<int32_t>(std::clamp(p, 0.0, 2147483647.0));
    };
    // Inside the frame: one pixel in from each edge.
    const int32_t timeEnd = (m.Downward() ? strip.Height() : strip.Width()) - 1;
    const int32_t valueEnd = (m.Downward() ? strip.Width() : strip.Height()) - 1;
    strip.SetBrushColour(kGapBandColour);
    for (const GapRange& g : gaps.Within(clampPos(from), clampPos(to))) {
        // A gap sample stands for the time up to the next sample.
        const double t0 = (static_cast<double>(g.first) + r.CorrSmpDelay) * step;
        const double t1 = (static_cast<double>(g.last) + r.CorrSmpDelay + 1) * step;
        const int32_t a = std::max(m.TimeCoord(t0), 1);
        const int32_t b = std::min(std::max(m.TimeCoord(t1), a + 1), timeEnd);
        if (a >= b) continue;
        if (m.Downward())
            strip.FillRect(1, a, valueEnd, b);
        else
            strip.FillRect(a, 1, b, valueEnd);
    }
}

}  // namespace corv
