#include "calc/ChannelPlot.h"

#include <algorithm>

#include "AppState.h"
#include "core/Canvas.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/UiPort.h"

namespace corv {

namespace {

// Pixel coordinates of far-off values are held where they cannot overflow.
int Pixel(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -1000000000, 1000000000));
}

double Value(const ChannelStore& store, int c, int32_t i) {
    int32_t err = 0;
    return store.GetValue(i, c, err);
}

void SetPlotRange(ChannelStore& store, int c, double f4, double f5) {
    ChannelRecord& r = store.Rec(c);
    const int32_t i1 = Trunc<int32_t>(f4 / r.SampRate), i2 = Trunc<int32_t>(f5 / r.SampRate);
    r.PlotLow = r.PlotHigh = Value(store, c, i1);
    for (int32_t i = i1 + 1; i <= i2; ++i) {
        const double v = Value(store, c, i);
        if (v < r.PlotLow) r.PlotLow = v;
        if (v > r.PlotHigh) r.PlotHigh = v;
    }
}

}  // namespace

bool ParsePlotChannels(const std::string& xText, const std::string& yText, PlotChannels& out) {
    const int32_t x = StrToInt(xText), y = StrToInt(yText);
    if (x > kChannelCount || y > kChannelCount) return false;
    if (x < 1 || y < 1) throw RangeError("Range check error: channel numbers are 1, 2 or 3");
    out = {x - 1, y - 1};
    return true;
}

bool PreparePlot(AppState& state, UiPort& ui, const PlotChannels& p) {
    const BusyGuard busy(ui);
    ChannelStore& store = state.store;
    if (!store.ChannelPresent[size_t(p.x)] || !store.ChannelPresent[size_t(p.y)]) {
        ui.Message(kChannelNotPresent, BoxKind::Error);
        return false;
    }
    if (store.Rec(p.x).SampRate != store.Rec(p.y).SampRate) {
        ui.Message(kDifferentSampInt, BoxKind::Error);
        return false;
    }
    for (int c : {p.x, p.y}) SetPlotRange(store, c, state.view.LeftCursor, state.view.RightCursor);
    return true;
}

PlotAxes PlotAxesOf(const ChannelStore& store, const PlotChannels& p) {
    const ChannelRecord& x = store.Rec(p.x);
    const ChannelRecord& y = store.Rec(p.y);
    const double mx = (x.PlotHigh - x.PlotLow) / 8, my = (y.PlotHigh - y.PlotLow) / 8;
    return {x.PlotLow - mx, x.PlotHigh + mx, y.PlotLow - my, y.PlotHigh + my};
}

void DrawChannelPlot(Canvas& image, const ChannelStore& store, const PlotChannels& p,
                     const PlotAxes& axes, double f4, double f5) {
    if (!axes.Valid()) return;
    const int w = image.Width(), h = image.Height();
    const double sx = w / (axes.xHigh - axes.xLow), sy = h / (axes.yHigh - axes.yLow);
    const int64_t ox = Round(axes.xLow * sx), oy = Round(axes.yLow * sy);
    const double dt = store.Rec(p.x).SampRate;
    image.SetPenMode(PenMode::Copy);
    image.SetPenStyle(PenStyle::Solid);
    image.SetPenColour(0);
    image.SetBrushColour(0);
    // One index past F5's sample, as the dots were always drawn.
    const int32_t last = Trunc<int32_t>(f5 / dt);
    for (int32_t i = Trunc<int32_t>(f4 / dt); i <= last + 1 && i > INT32_MIN; ++i) {
        const int64_t px = Round(Value(store, p.x, i) * sx) - ox;
        const int64_t py = h - Round(Value(store, p.y, i) * sy) + oy;
        image.FillRect(Pixel(px - 1), Pixel(py - 1), Pixel(px + 1), Pixel(py + 1));
        if (i == last + 1) break;
    }
    const int zeroY = Pixel(h + oy), zeroX = Pixel(-ox);
    image.MoveTo(0, zeroY);
    image.LineTo(w, zeroY);
    image.MoveTo(zeroX, 0);
    image.LineTo(zeroX, h);
}

PlotPoint PlotReadout(const PlotAxes& axes, int width, int height, int px, int py) {
    return {axes.xLow + (axes.xHigh - axes.xLow) * px / width,
            axes.yLow + (axes.yHigh - axes.yLow) * (height - py) / height};
}

}  // namespace corv
