#include "graph/ViewerGestures.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "graph/RedrawFlags.h"

namespace corv {

namespace {

constexpr double kMinWidth = 1.0;  // ms
constexpr double kNotchFactor = 0.8;

}  // namespace

uint32_t PanWindow(AppState& state, double dt) {
    ViewState& v = state.view;
    const double total = state.store.TotalSpan;
    const double w = v.RightBorder - v.LeftBorder;
    if (!std::isfinite(dt) || w <= 0) return 0;
    const double left = std::clamp(v.LeftBorder + dt, 0.0, std::max(total - w, 0.0));
    if (left == v.LeftBorder) return 0;
    RememberPositions(v);
    v.LeftBorder = left;
    v.RightBorder = left + w;
    return kRedrawAfterBorders;
}

uint32_t ZoomTimeAround(AppState& state, double t, double factor) {
    ViewState& v = state.view;
    const double total = state.store.TotalSpan;
    const double w = v.RightBorder - v.LeftBorder;
    if (!(factor > 0) || !std::isfinite(t) || w <= 0) return 0;
    const double width = std::clamp(w * factor, kMinWidth, std::max(total, kMinWidth));
    const double share = std::clamp((t - v.LeftBorder) / w, 0.0, 1.0);
    double left = t - share * width;
    left = std::clamp(left, 0.0, std::max(total - width, 0.0));
    if (left == v.LeftBorder && left + width == v.RightBorder) return 0;
    RememberPositions(v);
    v.LeftBorder = left;
    v.RightBorder = std::min(left + width, std::max(total, left + kMinWidth));
    return kRedrawAfterBorders;
}

ValueZoomResult ZoomValueAround(AppState& state, int c, double v, double factor) {
    ValueZoomResult out;
    if (c < 0 || c >= kChannelCount || !(factor > 0)) return out;
    ChannelRecord& r = state.store.Rec(c);
    const double at = v + r.yOffset;  // Min and Max include the baseline
    const double lo = at - (at - r.Min) * factor;
    const double hi = at + (r.Max - at) * factor;
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) return out;
    r.Min = lo;
    r.Max = hi;
    if (c == state.ActiveChannel) {
        out.redraw = kRedrawStripMarksScale;
    } else {
        out.redraw = kRedrawAllStrips | kRedrawAllStripMarks;
        out.yScaleChannel = c;
    }
    return out;
}

double WheelZoomFactor(double notches) {
    return std::pow(kNotchFactor, notches);
}

}  // namespace corv
