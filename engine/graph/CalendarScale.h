#pragma once
// The calendar time scale under the strips: an axis line with year, month, day, hour,
// minute and second ticks and labels, the finer units only when the span is short enough.

#include <array>

#include "settings/Settings.h"

namespace corv {

class Canvas;
class UiPort;

// Draws the scale along pixel row y of a canvas whose width spans the absolute times
// tLeft .. tRight; factor scales the span before it is compared with the unit thresholds.
// A span of 1 ms or less only beeps.
void DrawCalendarScale(Canvas& canvas, UiPort& ui,
                       const std::array<ColourEntry, kColourCount>& colours, int y, double factor,
                       double tLeft, double tRight);

}  // namespace corv
