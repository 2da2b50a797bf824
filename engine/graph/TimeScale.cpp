#include "graph/TimeScale.h"

#include <algorithm>

#include "AppState.h"
#include "core/Canvas.h"
#include "graph/CalendarScale.h"

namespace corv {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kMarkerBlue = 0xFF0000;

// Pixel length of step on an axis of `width` pixels showing `span` ms, at most the width
// (the canvas ends there); -1 when nothing is drawn.
int MarkerLength(double step, double span, int width) {
    if (!(span > 0)) return -1;
    const double length = RoundHalfEven(step * width / span);
    if (!(length >= 0)) return -1;
    return static_cast<int>(std::min(length, static_cast<double>(std::max(width, 0))));
}

}  // namespace

void DrawTimeScale(Canvas& image, UiPort& ui, const AppState& state, TimeScaleKind kind,
                   int overviewWidth) {
    const bool main = kind == TimeScaleKind::Main;
    const double left = main ? state.view.LeftBorder : 0;
    const double right = main ? state.view.RightBorder : state.store.TotalSpan;
    image.FillRect(1, 1, image.Width() - 1, image.Height() - 1);
    image.SetPenMode(PenMode::Copy);
    image.SetPenColour(kBlack);
    const double origin = state.store.OriginTime;
    DrawCalendarScale(image, ui, state.settings.ColourTable, 0, 0.75, origin + left,
                      origin + right);
    StepMarker(image, kind, state.view, state.store.TotalSpan, overviewWidth);
}

void StepMarker(Canvas& image, TimeScaleKind kind, const ViewState& view, double totalSpan,
                int overviewWidth) {
    int length = -1;
    if (kind == TimeScaleKind::Main) {
        const double w = view.RightBorder - view.LeftBorder;
        if (view.FineStep > w)
            length = overviewWidth;
        else if (w >= 0.001)
            length = MarkerLength(view.FineStep, w, overviewWidth);
    } else {
        length = MarkerLength(view.CoarseStep, totalSpan, image.Width());
    }
    if (length < 0) return;
    const int y = image.Height() - 2;
    image.SetPenColour(kMarkerBlue);
    image.SetPenStyle(PenStyle::Solid);
    image.SetPenMode(PenMode::NotXor);
    image.MoveTo(0, y);
    image.LineTo(length, y);
    image.SetPenMode(PenMode::Copy);
}

}  // namespace corv
