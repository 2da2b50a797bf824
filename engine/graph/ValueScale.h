#pragma once
// Value axes: the tick spacing for an axis length, the first tick, the y-scale beside a
// strip and the two axes of the histogram and channel-plot dialogs.

#include "core/Canvas.h"

namespace corv {

class ChannelStore;

// Tick spacing for an axis of `length` pixels showing a..b: 0.025, 0.05, 0.1, 0.2, 0.25 or
// 0.5 times the power of ten below the range, denser ranges and shorter axes taking the
// coarser steps. 0 for an empty range.
[[nodiscard]] double TickStep(double length, double a, double b);

// The first tick at or above lo: the multiple of step cut toward zero from lo, one step
// further when lo is not negative (so an axis from 0 starts at step, not at 0).
[[nodiscard]] double FirstTick(double lo, double step);

// The y-scale image of channel c: a 3-pixel tick at every tick value of lo..hi and its
// value (width 5, 1 decimal) beside every other tick, from the first on, at textX. The
// inverted styles 3..5 put lo at the top.
void DrawValueScale(Canvas& image, const ChannelStore& store, int c, int textX, int height,
                    double lo, double hi, Colour pen);

// A dialog's vertical axis of `length` pixels at x, shifted down by yOffset, always with
// lo at the bottom.
void DrawFormYAxis(Canvas& canvas, int x, int yOffset, int length, double lo, double hi, Colour pen,
                   Colour brush);

// A dialog's horizontal axis of `length` pixels at row y: a tick and a whole-number label
// (at most 6 characters) at every second tick value; the brush takes the dialog's colour.
void DrawFormXAxis(Canvas& canvas, int y, int length, double lo, double hi, Colour pen,
                   Colour dialogColour);

}  // namespace corv
