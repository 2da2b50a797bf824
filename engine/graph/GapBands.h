#pragma once
// The stretches of a strip whose samples had no value in the file ("Keep the time step"):
// a light band across the strip under the curve, so that the held values are not taken for
// measured ones.

#include "core/Canvas.h"

namespace corv {

struct AppState;

// The colour of the bands, a light grey-blue that every curve colour stands out against.
inline constexpr Colour kGapBandColour = 0xF5E6DC;

// Fills the bands of channel c's gaps on a strip that shows the times left..right.
void DrawGapBands(Canvas& strip, const AppState& state, int c, double left, double right);

}  // namespace corv
