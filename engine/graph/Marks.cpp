#include "graph/Marks.h"

#include "AppState.h"
#include "calc/TagDrawing.h"
#include "core/AnalysisKind.h"
#include "core/Canvas.h"
#include "graph/DimsDrawing.h"

namespace corv {

namespace {

struct MarkPen {
    int colourIndex;
    PenStyle style;
};

bool PenOf(int kind, MarkPen& pen) {
    switch (kind) {
        case kMarkOverviewBorders:
            pen = {kColBorder, PenStyle::Dash};
            return true;
        case kMarkStripCursors:
        case kMarkOverviewCursors:
        case kMarkStripBCursors:
            pen = {kColCursor, PenStyle::Dot};
            return true;
        case kMarkStripShCursors:
            pen = {kColCursor, PenStyle::Solid};
            return true;
        default:
            return false;
    }
}

// First and one-past-last row of a mark of the kind.
void ExtentOf(int kind, int height, int& top, int& bottom) {
    const int m = height / 24;
    bottom = height - m;
    top = m;
    if (kind == kMarkStripBCursors) top = height / 2;
    if (kind == kMarkStripShCursors) top = height / 2 + m;
}

void DrawTimes(Canvas& c, const AppState& s, int kind, double left, double right, double tA,
               double tB) {
    DrawMarkPair(c, s.settings.ColourTable, c.Width(), c.Height(), kind, left, right, tA, tB);
}

// The pair of a mouse mode on a strip, with its kind and its CursorMask bit (0: always).
struct ModePair {
    int kind;
    int maskBit;
    double prevA, prevB, a, b;
};

ModePair PairOfMode(const ViewState& v, int mode) {
    if (mode == kModeLeftShCursor || mode == kModeRightShCursor || mode == kModeBothShCursors)
        return {kMarkStripShCursors, 2, v.PrevLeftShCursor, v.PrevRightShCursor, v.LeftShCursor,
                v.RightShCursor};
    if (mode >= kModeLeftBCursor && mode <= kModeRightBCursor)
        return {kMarkStripBCursors, 1, v.PrevLeftBCursor, v.PrevRightBCursor, v.LeftBCursor,
                v.RightBCursor};
    return {kMarkStripCursors, 0, v.PrevLeftCursor, v.PrevRightCursor, v.LeftCursor, v.RightCursor};
}

}  // namespace

void DrawMarkPair(Canvas& image, const std::array<ColourEntry, kColourCount>& colours, int width,
                  int height, int kind, double left, double right, double tA, double tB) {
    MarkPen pen{};
    if (right == left || !PenOf(kind, pen)) return;
    const double k = width / (right - left);
    const bool showA = tA >= left && tA <= right;
    const bool showB = tB >= left && tB <= right;
    if (!showA && !showB) return;
    int top = 0, bottom = 0;
    ExtentOf(kind, height, top, bottom);
    image.SetPenColour(colours[static_cast<size_t>(pen.colourIndex)].value);
    image.SetPenStyle(pen.style);
    image.SetPenMode(PenMode::NotXor);
    const auto line = [&](int x) {
        image.MoveTo(x, top);
        image.LineTo(x, bottom);
    };
    const int xA = showA ? Round<int32_t>((tA - left) * k) : 0;
    if (showA) line(xA);
    if (showB) {
        const int xB = Round<int32_t>((tB - left) * k);
        // A second line on the same column would cancel the first.
        if (!showA || xB != xA) line(xB);
    }
    image.SetPenStyle(PenStyle::Solid);
    image.SetPenMode(PenMode::Copy);
}

void DrawStripMarks(Canvas& strip, const AppState& state, int c) {
    const ViewState& v = state.view;
    const int mask = state.store.Rec(c).CursorMask;
    const double l = v.LeftBorder, r = v.RightBorder;
    DrawTimes(strip, state, kMarkStripCursors, l, r, v.LeftCursor, v.RightCursor);
    if (mask & 1) DrawTimes(strip, state, kMarkStripBCursors, l, r, v.LeftBCursor, v.RightBCursor);
    if (mask & 2)
        DrawTimes(strip, state, kMarkStripShCursors, l, r, v.LeftShCursor, v.RightShCursor);
    if (c == state.ActiveChannel) DrawFrequencyTags(strip, state, c);
    if (c == kBeakChannel) ShowDims(strip, state);
}

void DrawOverviewMarks(Canvas& overview, const AppState& state) {
    const ViewState& v = state.view;
    const double t = state.store.TotalSpan;
    DrawTimes(overview, state, kMarkOverviewBorders, 0, t, v.LeftBorder, v.RightBorder);
    DrawTimes(overview, state, kMarkOverviewCursors, 0, t, v.LeftCursor, v.RightCursor);
}

void MoveOverviewBorders(Canvas& overview, const AppState& state) {
    const ViewState& v = state.view;
    const double t = state.store.TotalSpan;
    DrawTimes(overview, state, kMarkOverviewBorders, 0, t, v.PrevLeftBorder, v.PrevRightBorder);
    DrawTimes(overview, state, kMarkOverviewBorders, 0, t, v.LeftBorder, v.RightBorder);
}

void MoveOverviewCursors(Canvas& overview, const AppState& state) {
    const ViewState& v = state.view;
    const double t = state.store.TotalSpan;
    DrawTimes(overview, state, kMarkOverviewCursors, 0, t, v.PrevLeftCursor, v.PrevRightCursor);
    DrawTimes(overview, state, kMarkOverviewCursors, 0, t, v.LeftCursor, v.RightCursor);
}

void MoveModeMarks(Canvas& strip, const AppState& state, int c) {
    const ModePair p = PairOfMode(state.view, state.MouseMode);
    if (p.maskBit != 0 && (state.store.Rec(c).CursorMask & p.maskBit) == 0) return;
    const double l = state.view.LeftBorder, r = state.view.RightBorder;
    DrawTimes(strip, state, p.kind, l, r, p.prevA, p.prevB);
    DrawTimes(strip, state, p.kind, l, r, p.a, p.b);
}

}  // namespace corv
