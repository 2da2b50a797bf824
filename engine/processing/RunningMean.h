#pragma once
// Filter > Running mean: an interval stored in the channel record (RunMean, 0 or less: none)
// and the trailing running-mean curve over the WorkSection, drawn in NotXor with the strip.

namespace corv {

struct AppState;
class Canvas;
class UiPort;

// Asks for the interval of the active channel ("Running mean") and stores it, whatever
// its sign, as an undo step. A non-integer raises ConversionError and nothing is stored.
// Returns true when the interval changed (the strip is then drawn again).
bool SetRunningMean(AppState& state, UiPort& ui);

// Draws the running-mean curve of channel c into its strip when its interval is above 0.
void DrawRunningMean(Canvas& strip, const AppState& state, int c);

}  // namespace corv
