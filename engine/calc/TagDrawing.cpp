#include "calc/TagDrawing.h"

#include "AppState.h"
#include "core/Canvas.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"

namespace corv {

namespace {

constexpr Colour kTagColour = 255;  // red
constexpr int kTagReach = 4;        // pixels on each side of the point
constexpr int32_t kFarOff = 1 << 30;

}  // namespace

void DrawFrequencyTags(Canvas& strip, const AppState& state, int c) {
    const std::vector<TagNode>& tags = state.frequencyTags.tags;
    if (tags.empty()) return;
    const ChannelRecord& r = state.store.Rec(c);
    const ValueRange range = DisplayRange(state.store, c);
    const double left = state.view.LeftBorder, right = state.view.RightBorder;
    const CurveMapping m(r.GrRepr, strip.Width(), strip.Height(), left, right, range.lo, range.hi);
    if (!m.Valid()) return;
    strip.SetPenColour(kTagColour);
    strip.SetPenStyle(PenStyle::Solid);
    strip.SetPenMode(PenMode::NotXor);
    for (const TagNode& tag : tags) {
        const double t = tag.index * r.SampRate;
        if (t < left || t > right) continue;
        const int32_t tc = m.TimeCoord(t);
        const int32_t vc = m.ValueCoord(m.Offset(tag.value));
        if (vc < -kFarOff || vc > kFarOff) continue;  // far off the strip
        // Across the time axis: vertical on the usual strips.
        m.MoveTo(strip, tc, vc - kTagReach);
        m.LineTo(strip, tc, vc + kTagReach);
    }
    strip.SetPenMode(PenMode::Copy);
}

}  // namespace corv
