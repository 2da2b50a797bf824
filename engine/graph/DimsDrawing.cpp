#include "graph/DimsDrawing.h"

#include <algorithm>
#include <utility>

#include "AppState.h"
#include "analysis/DimsEditing.h"
#include "core/AnalysisKind.h"
#include "graph/CurveDrawing.h"

namespace corv {

namespace {

constexpr Colour kFeedMark = 0xFF0000;
constexpr Colour kBreathMark = 0x0000FF;

void VerticalLine(Canvas& c, int x, int top, int bottom) {
    c.MoveTo(x, top);
    c.LineTo(x, bottom);
}

}  // namespace

void DrawDims(Canvas& strip, const AppState& state, int c, std::span<const DimExtent> dims,
              Colour colour, bool feedEvent) {
    const ChannelRecord& r = state.store.Rec(c);
    if (!state.store.ChannelPresent[static_cast<size_t>(c)] || r.WndSze == 0) return;
    const ViewState& v = state.view;
    const double w = v.RightBorder - v.LeftBorder;
    if (!(w > 0)) return;
    const int width = strip.Width();
    const int h = strip.Height();
    const int top = Round<int32_t>(0.87 * h);
    const int bottom = Round<int32_t>(0.95 * h);
    const auto inside = [&](double t) { return t >= v.LeftBorder && t <= v.RightBorder; };
    // Only times inside the window or right of it reach this, so the pixel fits.
    const auto pixel = [&](double t) {
        return Round<int32_t>(std::min((t - v.LeftBorder) * width / w, 2147483646.0));
    };
    const auto times = [&](const DimExtent& d) {
        return std::pair{static_cast<double>(d.start) * r.SampRate,
                         static_cast<double>(d.end) * r.SampRate};
    };
    // All brackets first, then all stretches: where a stretch crosses a bracket, the
    // stretch drawn last in the curve colour restores the pixel, whichever call it is.
    strip.SetPenMode(PenMode::NotXor);
    strip.SetPenStyle(PenStyle::Solid);
    strip.SetPenColour(feedEvent ? kFeedMark : kBreathMark);
    for (const DimExtent& d : dims) {
        const auto [ts, te] = times(d);
        if (inside(ts)) VerticalLine(strip, pixel(ts), top, bottom);
        // A second line on the same column would cancel the first.
        if (inside(te) && !(inside(ts) && pixel(te) == pixel(ts)))
            VerticalLine(strip, pixel(te), top, bottom);
        if (ts >= v.LeftBorder && pixel(ts) < width) {
            strip.MoveTo(pixel(ts), bottom);
            strip.LineTo(pixel(te), bottom);
        }
    }
    strip.SetPenMode(PenMode::Copy);
    for (const DimExtent& d : dims) {
        const auto [ts, te] = times(d);
        DrawCurveStretch(strip, state, c, colour, ts, te, false);
    }
}

void ShowDims(Canvas& strip, const AppState& state) {
    if (state.analysis.dimList.count == 0) return;
    DrawDims(strip, state, kBeakChannel, DimExtents(state.analysis.dimList),
             state.settings.ColourTable[kColMarkedSection].value, state.analysis.event.type == 'F');
}

void RemoveDims(Canvas& strip, const AppState& state) {
    if (state.analysis.dimList.count == 0) return;
    const int colour = state.ActiveChannel == kBeakChannel ? kColActiveCurve : kColInactiveCurves;
    DrawDims(strip, state, kBeakChannel, DimExtents(state.analysis.dimList),
             state.settings.ColourTable[static_cast<size_t>(colour)].value,
             state.analysis.event.type == 'F');
}

}  // namespace corv
