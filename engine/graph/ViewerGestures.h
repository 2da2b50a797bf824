#pragma once
// The gestures users know from other signal viewers, next to the mouse rules of the left
// and right buttons: the wheel pans the window in time, Ctrl+wheel zooms the time axis
// around the pointer, Shift+wheel zooms the value axis of the strip under the pointer, and
// a drag with the middle button pans. Each returns the redraw jobs it needs.

#include <cstdint>

namespace corv {

struct AppState;

// Shifts the window by dt milliseconds, keeping its width and staying within the
// recording. The cursors stay where they are.
uint32_t PanWindow(AppState& state, double dt);

// Scales the window's width by factor (below 1 zooms in) so that time t stays under the
// pointer; the window stays within the recording and at least 1 ms wide.
uint32_t ZoomTimeAround(AppState& state, double t, double factor);

// Scales channel c's value range by factor around the baseline-relative value v.
struct ValueZoomResult {
    uint32_t redraw = 0;
    int yScaleChannel = -1;  // an inactive channel whose y-scale the caller must redraw
};
ValueZoomResult ZoomValueAround(AppState& state, int c, double v, double factor);

// The wheel's factor for a number of notches (positive: away from the user, zoom in).
[[nodiscard]] double WheelZoomFactor(double notches);

}  // namespace corv
