#include "graph/CursorMoves.h"

#include <algorithm>

#include "AppState.h"
#include "graph/RedrawFlags.h"
#include "graph/TimeScale.h"

namespace corv {

namespace {

constexpr double kMinStep = 1.0;  // ms

void Shift(double& a, double& b, double s) {
    a += s;
    b += s;
}

// Redraw jobs after an arrow move.
uint32_t ArrowRedraw(int mode) {
    if (mode >= kModeLeftBorder && mode <= kModeBothBorders) return kRedrawAfterBorders;
    if (mode >= kModeLeftCursor && mode <= kModeRightCursor) return kRedrawAfterCursors;
    if (mode >= kModeLeftBCursor && mode <= kModeRightShCursor) return kRedrawMoveModeMarks;
    if (mode == kModeBordersAndCursors) return kRedrawAfterBordersAndCursors;
    return 0;
}

// Redraw jobs after Home and End.
uint32_t HomeEndRedraw(int mode) {
    return mode >= kModeLeftCursor ? kRedrawAfterCursors : kRedrawAfterBorders;
}

bool BorderMode(int mode) {
    return mode >= kModeLeftBorder && mode <= kModeBothBorders;
}
bool CursorMode(int mode) {
    return mode >= kModeLeftCursor && mode <= kModeRightCursor;
}

}  // namespace

uint32_t MoveLeft(AppState& state) {
    ViewState& v = state.view;
    const double cs = v.CoarseStep, fs = v.FineStep;
    const double w = v.RightBorder - v.LeftBorder;
    const double d = v.RightCursor - v.LeftCursor;
    switch (state.MouseMode) {
        case kModeLeftBorder:
            v.LeftBorder = v.LeftBorder <= cs ? 0 : v.LeftBorder - cs;
            break;
        case kModeRightBorder:
            if (w > cs) v.RightBorder -= cs;
            break;
        case kModeBordersAndCursors:
            Shift(v.LeftCursor, v.RightCursor, -std::min(cs, v.LeftCursor));
            [[fallthrough]];
        case kModeBothBorders:
            Shift(v.LeftBorder, v.RightBorder, -std::min(cs, v.LeftBorder));
            break;
        case kModeLeftCursor:
            v.LeftCursor = v.LeftCursor <= fs ? 0 : v.LeftCursor - fs;
            break;
        case kModeBothCursors:
            Shift(v.LeftCursor, v.RightCursor, -std::min(fs, v.LeftCursor));
            break;
        case kModeRightCursor:
            if (d >= fs) v.RightCursor -= fs;
            break;
        case kModeLeftBCursor:
            v.LeftBCursor = v.LeftBCursor <= fs ? 0 : v.LeftBCursor - fs;
            break;
        case kModeBothBCursors:
            Shift(v.LeftBCursor, v.RightBCursor, -std::min(fs, v.LeftBCursor));
            break;
        case kModeRightBCursor:
            v.RightBCursor -= std::min(v.RightBCursor - v.LeftBCursor, fs);
            break;
        case kModeLeftShCursor:
            v.LeftShCursor = v.LeftShCursor <= fs ? 0 : v.LeftShCursor - fs;
            break;
        case kModeRightShCursor:
            v.RightShCursor -= std::min(v.RightShCursor - v.LeftShCursor, fs);
            break;
        default:
            break;
    }
    return ArrowRedraw(state.MouseMode);
}

uint32_t MoveRight(AppState& state) {
    ViewState& v = state.view;
    const double t = state.store.TotalSpan;
    const double cs = v.CoarseStep, fs = v.FineStep;
    const double w = v.RightBorder - v.LeftBorder;
    const double d = v.RightCursor - v.LeftCursor;
    switch (state.MouseMode) {
        case kModeLeftBorder:
            if (w > cs) v.LeftBorder += cs;
            break;
        case kModeRightBorder:
            v.RightBorder = t - v.RightBorder <= cs ? t : v.RightBorder + cs;
            break;
        case kModeBordersAndCursors:
            Shift(v.LeftCursor, v.RightCursor, std::min(cs, t - v.RightCursor));
            [[fallthrough]];
        case kModeBothBorders:
            Shift(v.LeftBorder, v.RightBorder, std::min(cs, t - v.RightBorder));
            break;
        case kModeLeftCursor:
            if (d >= fs) v.LeftCursor += fs;
            break;
        case kModeBothCursors:
            Shift(v.LeftCursor, v.RightCursor, std::min(fs, t - v.RightCursor));
            break;
        case kModeRightCursor:
            v.RightCursor = t - v.RightCursor <= fs ? t : v.RightCursor + fs;
            break;
        case kModeLeftBCursor:
            v.LeftBCursor += std::min(v.RightBCursor - v.LeftBCursor, fs);
            break;
        case kModeBothBCursors:
            Shift(v.LeftBCursor, v.RightBCursor, std::min(fs, t - v.RightBCursor));
            break;
        case kModeRightBCursor:
            v.RightBCursor = t - v.RightBCursor <= fs ? t : v.RightBCursor + fs;
            break;
        case kModeLeftShCursor:
            v.LeftShCursor += std::min(v.RightShCursor - v.LeftShCursor, fs);
            break;
        case kModeRightShCursor:
            v.RightShCursor = t - v.RightShCursor <= fs ? t : v.RightShCursor + fs;
            break;
        default:
            break;
    }
    return ArrowRedraw(state.MouseMode);
}

uint32_t MoveHome(AppState& state) {
    ViewState& v = state.view;
    switch (state.MouseMode) {
        case kModeLeftBorder:
            v.LeftBorder = 0;
            break;
        case kModeRightBorder:
            v.RightBorder = v.LeftBorder + 1;
            break;
        case kModeBothBorders:
            Shift(v.LeftBorder, v.RightBorder, -v.LeftBorder);
            break;
        case kModeLeftCursor:
            v.LeftCursor = 0;
            break;
        case kModeBothCursors:
            Shift(v.LeftCursor, v.RightCursor, -v.LeftCursor);
            break;
        case kModeRightCursor:
            v.RightCursor = v.LeftCursor + 1;
            break;
        case kModeLeftBCursor:
            v.LeftBCursor = 0;
            break;
        case kModeBothBCursors:
            Shift(v.LeftBCursor, v.RightBCursor, -v.LeftBCursor);
            break;
        case kModeRightBCursor:
            v.RightBCursor = v.LeftBCursor + 1;
            break;
        default:
            break;
    }
    return HomeEndRedraw(state.MouseMode);
}

uint32_t MoveEnd(AppState& state) {
    ViewState& v = state.view;
    const double t = state.store.TotalSpan;
    switch (state.MouseMode) {
        case kModeLeftBorder:
            v.LeftBorder = v.RightBorder - 1;
            break;
        case kModeRightBorder:
            v.RightBorder = t;
            break;
        case kModeBothBorders:
            Shift(v.LeftBorder, v.RightBorder, t - v.RightBorder);
            break;
        case kModeLeftCursor:
            v.LeftCursor = v.RightCursor - 1;
            break;
        case kModeBothCursors:
            Shift(v.LeftCursor, v.RightCursor, t - v.RightCursor);
            break;
        case kModeRightCursor:
            v.RightCursor = t;
            break;
        case kModeLeftBCursor:
            v.LeftBCursor = v.RightBCursor;
            break;
        case kModeBothBCursors:
            Shift(v.LeftBCursor, v.RightBCursor, t - v.RightBCursor);
            break;
        case kModeRightBCursor:
            v.RightBCursor = t;
            break;
        default:
            break;
    }
    return HomeEndRedraw(state.MouseMode);
}

uint32_t PageLeft(AppState& state) {
    ViewState& v = state.view;
    const int mode = state.MouseMode;
    const double w = v.RightBorder - v.LeftBorder;
    const double d = v.RightCursor - v.LeftCursor;
    if (BorderMode(mode)) {
        if (v.LeftBorder > w) Shift(v.LeftBorder, v.RightBorder, -w);
        return kRedrawAfterBorders;
    }
    if (CursorMode(mode)) {
        if (v.LeftBorder > d) Shift(v.LeftBorder, v.RightBorder, -(d + 1));
        if (v.LeftCursor > d) Shift(v.LeftCursor, v.RightCursor, -(d + 1));
        return kRedrawAfterBordersAndCursors;
    }
    if (mode == kModeBordersAndCursors) {
        if (v.LeftBorder > w) Shift(v.LeftBorder, v.RightBorder, -w);
        if (v.LeftCursor > w) Shift(v.LeftCursor, v.RightCursor, -w);
        return kRedrawAfterBordersAndCursors;
    }
    return 0;
}

uint32_t PageRight(AppState& state) {
    ViewState& v = state.view;
    const int mode = state.MouseMode;
    const double t = state.store.TotalSpan;
    const double w = v.RightBorder - v.LeftBorder;
    const double d = v.RightCursor - v.LeftCursor;
    if (BorderMode(mode)) {
        if (t - v.RightBorder > w) Shift(v.LeftBorder, v.RightBorder, w);
        return kRedrawAfterBorders;
    }
    if (CursorMode(mode)) {
        if (t - v.RightBorder > d) Shift(v.LeftBorder, v.RightBorder, d + 1);
        if (t - v.RightCursor > d) Shift(v.LeftCursor, v.RightCursor, d + 1);
        return kRedrawAfterBordersAndCursors;
    }
    if (mode == kModeBordersAndCursors) {
        if (t - v.RightBorder > w) Shift(v.LeftBorder, v.RightBorder, w);
        if (t - v.RightCursor > w) Shift(v.LeftCursor, v.RightCursor, w);
        return kRedrawAfterBordersAndCursors;
    }
    return 0;
}

namespace {

// Changes the step of the current mode with its marker removed and redrawn.
template <class F>
uint32_t ChangeStep(AppState& state, const StepMarkerImages& images, F&& change) {
    const int mode = state.MouseMode;
    const bool coarse = BorderMode(mode) || mode == kModeBordersAndCursors;
    const bool fine =
        (mode >= kModeLeftCursor && mode <= kModeRightShCursor) || mode == kModeBothShCursors;
    if (!coarse && !fine) return 0;
    const TimeScaleKind kind = coarse ? TimeScaleKind::Overview : TimeScaleKind::Main;
    Canvas& image = coarse ? images.overviewScale : images.mainScale;
    const double t = state.store.TotalSpan;
    StepMarker(image, kind, state.view, t, images.overviewWidth);
    double& step = coarse ? state.view.CoarseStep : state.view.FineStep;
    step = std::max(kMinStep, change(step, t));
    StepMarker(image, kind, state.view, t, images.overviewWidth);
    return 0;
}

}  // namespace

uint32_t StepUp(AppState& state, const StepMarkerImages& images) {
    return ChangeStep(state, images, [](double s, double t) { return std::min(t, 2 * s); });
}

uint32_t StepDown(AppState& state, const StepMarkerImages& images) {
    return ChangeStep(state, images, [](double s, double) { return s / 2; });
}

}  // namespace corv
