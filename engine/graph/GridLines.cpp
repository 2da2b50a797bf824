#include "graph/GridLines.h"

#include <cmath>
#include <vector>

#include "AppState.h"
#include "graph/DisplayRange.h"

namespace corv {

namespace {

// A grid denser than this would be a solid block of NotXor noise; it is not drawn.
constexpr double kMaxGridLines = 1e6;

void HorizontalLine(Canvas& c, int y) {
    c.MoveTo(2, y);
    c.LineTo(c.Width() - 2, y);
}

void RestorePen(Canvas& c) {
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
}

}  // namespace

void DrawGrid(Canvas& strip, const AppState& state, int c) {
    const ChannelRecord& r = state.store.Rec(c);
    const ValueRange range = DisplayRange(state.store, c);
    // A negative distance means the same lines; stepping downwards would never end.
    const double g = std::fabs(r.GridDist);
    if (!(range.hi > range.lo) || g == 0) return;
    const double lo0 = r.Min - r.yOffset;
    const double hi0 = r.Max - r.yOffset;
    double v = std::trunc(lo0 / g) * g;
    if (!((hi0 - v) / g <= kMaxGridLines)) return;
    const int h = strip.Height();
    const double scale = h / (range.hi - range.lo);
    const bool flip = r.GrRepr <= 2 || r.GrRepr == 8;
    strip.SetPenColour(state.settings.ColourTable[kColDashedLines].value);
    strip.SetPenStyle(PenStyle::Dot);
    strip.SetPenMode(PenMode::NotXor);
    do {
        const double y = RoundHalfEven((v - range.lo) * scale);
        if (y >= 2 && y < h - 1)
            HorizontalLine(strip, flip ? h - static_cast<int>(y) : static_cast<int>(y));
        const double next = v + g;
        if (next == v) break;  // the distance is lost in the magnitude of the values
        v = next;
    } while (v < hi0);
    RestorePen(strip);
}

void DrawSubsidiaryLines(Canvas& strip, const AppState& state, int c) {
    const ChannelRecord& r = state.store.Rec(c);
    const ValueRange range = DisplayRange(state.store, c);
    if (range.hi == range.lo) return;
    const int h = strip.Height();
    const double scale = h / (range.hi - range.lo);
    strip.SetPenColour(state.settings.ColourTable[kColDashedLines].value);
    strip.SetPenStyle(PenStyle::Dash);
    strip.SetPenMode(PenMode::NotXor);
    const auto& lines = state.settings.SubsidLines[static_cast<size_t>(c)];
    std::vector<double> rows;
    for (size_t i = 1; i < lines.size(); ++i) {
        const double v = lines[i].value;
        if (lines[i].shown != 1.0 || !(v > range.lo && v < range.hi)) continue;
        double y = RoundHalfEven((v - range.lo) * scale);
        if (r.GrRepr <= 2) y = h - y;
        // A second line on the same row would cancel the first.
        bool repeated = false;
        for (double row : rows) repeated = repeated || row == y;
        if (repeated) continue;
        rows.push_back(y);
        if (y > 1 && y < h - 1) HorizontalLine(strip, static_cast<int>(y));
    }
    RestorePen(strip);
}

}  // namespace corv
