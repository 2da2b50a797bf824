#include "graph/YZoom.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "AppState.h"
#include "core/Convert.h"
#include "core/NumberFormat.h"
#include "core/UiPort.h"
#include "graph/RedrawFlags.h"

namespace corv {

namespace {

bool Inverted(const ChannelRecord& r) {
    return r.GrRepr >= 3 && r.GrRepr <= 5;
}
bool Normal(const ChannelRecord& r) {
    return r.GrRepr <= 2;
}

}  // namespace

uint32_t YShift(AppState& state, int a, int b) {
    return YShiftChannel(state, state.ActiveChannel, a, b);
}

uint32_t YShiftChannel(AppState& state, int c, int a, int b) {
    ChannelRecord& r = state.store.Rec(c);
    double step = (r.Max - r.Min) / 8;
    if (Inverted(r) && a == b) step = -step;
    r.Min -= a * step;
    r.Max -= b * step;
    return kRedrawStripMarksScale;
}

uint32_t NumericalYZoom(AppState& state, UiPort& ui) {
    ChannelRecord& r = state.store.Rec(state.ActiveChannel);
    std::string text = FormatShortest(r.Min - r.yOffset);
    if (!ui.InputQuery("Input", " New y-min value:", text)) return 0;
    double lo = StrToFloat(text);
    text = FormatShortest(r.Max - r.yOffset);
    if (ui.InputQuery("Input", " New y-max value:", text)) {
        double hi = StrToFloat(text);
        // Ends typed the wrong way round mean the same range; equal ends would leave no
        // axis to draw on.
        if (lo > hi) std::swap(lo, hi);
        if (lo == hi) {
            ui.Message(" y-min and y-max must differ.", BoxKind::Error);
            return 0;
        }
        r.Max = hi + r.yOffset;
        r.Min = lo + r.yOffset;
    }
    return kRedrawStripMarksScale;
}

uint32_t FitToData(AppState& state) {
    const int c = state.ActiveChannel;
    ChannelRecord& r = state.store.Rec(c);
    if (r.SampRate <= 0) return 0;
    const ViewState& v = state.view;
    const double dt = r.SampRate;
    const double first = std::max(0.0, std::trunc(v.LeftBorder / dt));
    const double last = std::min(std::trunc(v.RightBorder / dt), static_cast<double>(r.DataCnt));
    double low = INFINITY;
    double high = -INFINITY;
    for (double i = first; i <= last; ++i) {
        int32_t err = 0;
        const double value = state.store.GetValue(static_cast<int32_t>(i), c, err);
        if (err != 0) continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (!(low < high)) return 0;  // no samples, or a flat stretch: keep the range
    r.Min = low + r.yOffset;
    r.Max = high + r.yOffset;
    return kRedrawStripMarksScale;
}

uint32_t ScaleClick(AppState& state, int c, int y, int height) {
    if (!state.store.ChannelPresent[static_cast<size_t>(c)] || height < 1) return 0;
    ChannelRecord& r = state.store.Rec(c);
    const double s = (r.Max - r.Min) * (static_cast<double>(y) / height - 0.5);
    if (Normal(r)) {
        r.Min += s;
        r.Max += s;
    } else if (Inverted(r)) {
        r.Min -= s;
        r.Max -= s;
    } else {
        return 0;
    }
    return kRedrawStripMarksScale;
}

uint32_t EdgeDrag(AppState& state, int c, int zone, double v) {
    ChannelRecord& r = state.store.Rec(c);
    if (!Normal(r) && !Inverted(r)) return 0;
    // The top edge shows Max on a normal strip and Min on an inverted one.
    const bool top = zone == kZoneTop;
    if (!top && zone != kZoneBottom) return 0;
    double& end = (top == Normal(r)) ? r.Max : r.Min;
    end = v + r.yOffset;
    return kRedrawStripMarksScale;
}

}  // namespace corv
