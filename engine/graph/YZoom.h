#pragma once
// The value axis of a strip: y-Zoom menu, keys, y-scale clicks and edge-zone drags change
// the displayed range Min..Max of a channel. Each returns the redraw jobs it needs
// (RedrawFlags.h); a typed value that is not a number raises ConversionError.

#include <cstdint>

#include "graph/MouseDownState.h"  // EdgeZone

namespace corv {

struct AppState;
class UiPort;

// The step behind Zoom In (-1, 1), Zoom out (1, -1), Shift Up (1, 1), Shift Down (-1, -1)
// and the edge-zone clicks (0, -2) and (2, 0): Min moves down by a/8 and Max by b/8 of
// the range. On an inverted strip a shift runs the other way, so the curve
// moves the same way on the screen.
uint32_t YShift(AppState& state, int a, int b);  // the active channel
uint32_t YShiftChannel(AppState& state, int c, int a, int b);

// "&Numerical ...": asks the new low and high ends (baseline-relative). Confirming the first
// box redraws even when the second is cancelled; the ends change only when both are given.
// Ends given high first are swapped; equal ends are refused with a message.
uint32_t NumericalYZoom(AppState& state, UiPort& ui);

// "Fit to data": the active channel's range becomes the smallest and largest value of its
// samples in the visible window. A window without samples or with one value keeps it.
uint32_t FitToData(AppState& state);

// A press at row y of the y-scale image (of the given height) of channel c: the range
// moves by its size times the press's distance from the middle, as a fraction of the height.
// Channels that are not present, heights below 1 and the downward styles change nothing.
uint32_t ScaleClick(AppState& state, int c, int y, int height);

// A drag from the top or bottom edge zone of channel c's strip, released at the
// baseline-relative value v: that end of the axis moves to v (for an inverted strip the
// top shows Min).
uint32_t EdgeDrag(AppState& state, int c, int zone, double v);

}  // namespace corv
