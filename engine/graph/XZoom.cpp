#include "graph/XZoom.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "core/Times.h"
#include "graph/RedrawFlags.h"
#include "graph/TimeScale.h"

namespace corv {

namespace {

void Shift(double& a, double& b, double s) {
    a += s;
    b += s;
}

double Width(const ViewState& v) {
    return v.RightBorder - v.LeftBorder;
}

// Smallest and largest value of the WorkSection of channel c, both the first sample's
// value when the section is empty; errors are not checked, as in the statistics.
void SectionMinMax(const ChannelStore& store, int c, double tFrom, double tTo, double& low,
                   double& high) {
    const IndexRange range = TimeRangeToIndexes(store, c, tFrom, tTo);
    int32_t err = 0;
    low = high = store.GetValue(range.first, c, err);
    for (int64_t i = range.first; i <= range.last; ++i) {
        const double v = store.GetValue(static_cast<int32_t>(i), c, err);
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

}  // namespace

uint32_t WidenLeft(AppState& state) {
    ViewState& v = state.view;
    state.MouseMode = kModeLeftBorder;
    v.LeftBorder = std::max(0.0, v.LeftBorder - Width(v) / 2);
    return kRedrawAfterBorders;
}

uint32_t WidenRight(AppState& state) {
    ViewState& v = state.view;
    state.MouseMode = kModeRightBorder;
    v.RightBorder = std::min(state.store.TotalSpan, v.RightBorder + Width(v) / 2);
    return kRedrawAfterBorders;
}

uint32_t CentreAt(AppState& state, double t) {
    ViewState& v = state.view;
    const double total = state.store.TotalSpan;
    RememberPositions(v);
    const double middle = static_cast<double>(Trunc((v.LeftBorder + v.RightBorder) / 2));
    const double s = t - middle;
    Shift(v.LeftCursor, v.RightCursor, std::min(s, total - v.RightCursor));
    Shift(v.LeftBorder, v.RightBorder, std::min(s, total - v.RightBorder));
    return kRedrawAfterBordersAndCursors;
}

uint32_t CursorsIntoBorders(AppState& state, const StepMarkerImages& images) {
    ViewState& v = state.view;
    const double total = state.store.TotalSpan;
    RememberPositions(v);
    state.MouseMode = kModeBothCursors;
    StepMarker(images.mainScale, TimeScaleKind::Main, v, total, images.overviewWidth);
    const double w = Width(v);
    v.LeftCursor = v.LeftBorder + w / 4;
    v.RightCursor = v.RightBorder - w / 4;
    // A step below 1 ms would make the PgDn floor a step up and could stall the keys at 0.
    v.FineStep = std::max(1.0, std::min(total, w / 12));
    StepMarker(images.mainScale, TimeScaleKind::Main, v, total, images.overviewWidth);
    return kRedrawAfterCursors;
}

uint32_t BCursorsIntoBorders(AppState& state) {
    ViewState& v = state.view;
    RememberPositions(v);
    state.MouseMode = kModeRightBCursor;
    const double w = Width(v);
    v.LeftBCursor = v.LeftBorder + w / 3;
    v.RightBCursor = v.RightBorder - w / 3;
    return kRedrawMoveMarks;
}

uint32_t ShCursorsIntoBorders(AppState& state) {
    ViewState& v = state.view;
    RememberPositions(v);
    state.MouseMode = kModeBothShCursors;
    const double w = Width(v);
    v.LeftShCursor = v.LeftBorder + w / 3;
    v.RightShCursor = v.RightBorder - w / 3;
    return kRedrawMoveMarks;
}

uint32_t BordersToCursors(AppState& state) {
    ViewState& v = state.view;
    const double total = state.store.TotalSpan;
    RememberPositions(v);
    state.MouseMode = kModeBothBorders;
    const double d = v.RightCursor - v.LeftCursor;
    v.LeftBorder = std::max(0.0, static_cast<double>(Trunc(v.LeftCursor - d / 8)));
    v.RightBorder = std::min(total, static_cast<double>(Trunc(v.RightCursor + d / 8)));
    // Coinciding cursors would leave an empty window, in which nothing can be shown.
    if (v.RightBorder <= v.LeftBorder) {
        v.RightBorder = std::min(total, v.LeftBorder + 1);
        if (v.RightBorder <= v.LeftBorder) v.LeftBorder = std::max(0.0, v.RightBorder - 1);
    }
    const int c = state.ActiveChannel;
    double low = 0, high = 0;
    SectionMinMax(state.store, c, v.LeftCursor, v.RightCursor, low, high);
    if (low != high) {
        ChannelRecord& r = state.store.Rec(c);
        r.Max = high + r.yOffset;
        r.Min = low + r.yOffset;
    }
    return kRedrawAfterZoomToCursors;
}

namespace {

// Clears the mode group and checks the given items.
void Check(XZoomChecks& checks, bool XZoomChecks::*first, bool XZoomChecks::*second = nullptr) {
    checks = XZoomChecks{};
    checks.bothBorders = false;
    checks.*first = true;
    if (second) checks.*second = true;
}

uint32_t ChooseMode(AppState& state, int mode) {
    state.MouseMode = mode;
    return 0;
}

}  // namespace

uint32_t ChooseXZoomItem(AppState& state, XZoomItem item, const StepMarkerImages& images,
                         XZoomChecks& checks) {
    using C = XZoomChecks;
    switch (item) {
        case XZoomItem::LeftBorder:
            Check(checks, &C::leftBorder);
            return ChooseMode(state, kModeLeftBorder);
        case XZoomItem::RightBorder:
            Check(checks, &C::rightBorder);
            return ChooseMode(state, kModeRightBorder);
        case XZoomItem::BothBorders:
            Check(checks, &C::bothBorders);
            return ChooseMode(state, kModeBothBorders);
        case XZoomItem::LeftCursor:
            Check(checks, &C::leftCursor);
            return ChooseMode(state, kModeLeftCursor);
        case XZoomItem::RightCursor:
            Check(checks, &C::rightCursor);
            return ChooseMode(state, kModeRightCursor);
        case XZoomItem::BothCursors:
            Check(checks, &C::bothCursors);
            return ChooseMode(state, kModeBothCursors);
        case XZoomItem::BordersAndCursors:
            Check(checks, &C::bothCursors, &C::bothBorders);
            return ChooseMode(state, kModeBordersAndCursors);
        case XZoomItem::CursorsIntoBorders:
            Check(checks, &C::bothCursors);
            return CursorsIntoBorders(state, images);
        case XZoomItem::BordersToCursors:
            Check(checks, &C::bothBorders);
            return BordersToCursors(state);
        case XZoomItem::LeftBCursor:
            return ChooseMode(state, kModeLeftBCursor);
        case XZoomItem::RightBCursor:
            return ChooseMode(state, kModeRightBCursor);
        case XZoomItem::BothBCursors:
            return ChooseMode(state, kModeBothBCursors);
        case XZoomItem::BCursorsIntoBorders:
            Check(checks, &C::bothCursors);
            return BCursorsIntoBorders(state);
        case XZoomItem::ShCursorsIntoBorders:
            Check(checks, &C::bothCursors);
            return ShCursorsIntoBorders(state);
        case XZoomItem::MoveLeft:
            RememberPositions(state.view);
            return MoveLeft(state);
    }
    return 0;
}

}  // namespace corv
