#include "graph/ValueScale.h"

#include <cmath>
#include <string>

#include "core/ChannelStore.h"
#include "core/NumberFormat.h"

namespace corv {

namespace {

// No axis is long enough for more ticks than this; it also ends the loop when the step
// vanishes in the magnitude of the values.
constexpr int kMaxTicks = 100000;

// The number of steps from 0 to the first tick.
double FirstTickIndex(double lo, double step) {
    double n = std::trunc(lo / step);
    if (lo >= 0) n += 1;
    return n;
}

// Calls f(tick number from 1, value) for the ticks n*step, (n+stride)*step, ... below hi.
template <class F>
void ForEachTick(double lo, double hi, double step, int stride, F&& f) {
    if (!(step > 0) || !std::isfinite(step)) return;
    const double n = FirstTickIndex(lo, step);
    double prev = -INFINITY;
    for (int k = 0; k < kMaxTicks; ++k) {
        const double v = (n + static_cast<double>(k) * stride) * step;
        if (!(v < hi) || v <= prev) return;
        prev = v;
        f(k + 1, v);
    }
}

// The decimals that show every multiple of step exactly, at least one: neighbouring
// labels then always differ.
int StepDecimals(double step) {
    int d = 1;
    double scaled = step * 10;
    while (d < 12 && std::fabs(scaled - std::round(scaled)) > 1e-6 * scaled) {
        ++d;
        scaled *= 10;
    }
    return d;
}

// A tick label; a tick at zero (within rounding) reads 0, never -0.
std::string TickLabel(double v, double step, int decimals) {
    if (std::fabs(v) < step * 1e-6) v = 0;
    return FormatWidthDec(v, 5, decimals);
}

int Pixel(double v) {
    return Round<int32_t>(v);
}

void LabelledTicks(Canvas& canvas, double lo, double hi, double length, bool lowAtTop, int tickX,
                   int textX, int yShift) {
    const double step = TickStep(length, hi, lo);
    const double scale = length / (hi - lo);
    const int half = canvas.TextHeight("1") / 2;
    const int decimals = StepDecimals(step);
    ForEachTick(lo, hi, step, 1, [&](int k, double v) {
        const int off = Pixel((v - lo) * scale);
        const int y = (lowAtTop ? off : static_cast<int>(length) - off) + yShift;
        canvas.MoveTo(tickX, y);
        canvas.LineTo(tickX + 3, y);
        if (k % 2 == 1) canvas.TextOut(textX, y - half, TickLabel(v, step, decimals));
    });
}

}  // namespace

double TickStep(double length, double a, double b) {
    const double r = std::fabs(a - b);
    const double e = std::log10(r);
    const double k = std::floor(e);
    const double f = e - k;
    const double p = std::pow(10.0, k);
    double g = 1;
    if (length < 25)
        g = 5;
    else if (length < 50)
        g = 4;
    else if (length < 100)
        g = 3;
    else if (length < 350)
        g = 2;
    const double fg = f * g;
    if (fg < 0.03) return 0.025 * p;
    if (fg < 0.12) return 0.05 * p;
    if (fg < 0.3) return 0.1 * p;
    if (fg < 0.6) return 0.2 * p;
    if (fg < 0.8) return 0.25 * p;
    return 0.5 * p;
}

double FirstTick(double lo, double step) {
    return FirstTickIndex(lo, step) * step;
}

void DrawValueScale(Canvas& image, const ChannelStore& store, int c, int textX, int height,
                    double lo, double hi, Colour pen) {
    if (hi == lo) return;
    const int code = store.Rec(c).GrRepr;
    image.SetPenColour(pen);
    image.SetFontColour(pen);
    LabelledTicks(image, lo, hi, height, code >= 3 && code <= 5, 0, textX, 0);
}

void DrawFormYAxis(Canvas& canvas, int x, int yOffset, int length, double lo, double hi, Colour pen,
                   Colour brush) {
    if (hi == lo) return;
    canvas.SetPenColour(pen);
    canvas.SetBrushColour(brush);
    LabelledTicks(canvas, lo, hi, length, false, x, x + 4, yOffset);
}

void DrawFormXAxis(Canvas& canvas, int y, int length, double lo, double hi, Colour pen,
                   Colour dialogColour) {
    if (hi == lo) return;
    const double scale = length / (hi - lo);
    const double step = TickStep(length, hi, lo);
    canvas.SetPenColour(pen);
    canvas.SetBrushColour(dialogColour);
    ForEachTick(lo, hi, step, 2, [&](int, double v) {
        const int x = Pixel((v - lo) * scale);
        canvas.MoveTo(x, y);
        canvas.LineTo(x, y + 4);
        canvas.TextOut(x, y + 6, FormatWidthDec(v, 2, 0).substr(0, 6));
    });
}

}  // namespace corv
