#pragma once
// Process > Reduce, Expand and Double points: the whole active channel gets fewer or more
// samples, with SampRate, DataCnt and CorrSmpDelay changed so that the time axis stays
// right. Each runs as one undo step over the whole channel.

#include <cstdint>

namespace corv {

struct AppState;
class UiPort;

// Keeps every n-th sample (n - 1, 2n - 1, ...). Nothing for n < 2 or an absent channel.
bool Reduce(AppState& state, UiPort& ui, int c, int32_t n);
// Inserts n - 1 linearly interpolated samples between neighbours (after "EXPANDING").
bool Expand(AppState& state, UiPort& ui, int c, int32_t n);
// Inserts one sample between neighbours by a nonlinear interpolation.
bool DoublePoints(AppState& state, UiPort& ui, int c);

// The menu commands on the active channel with their prompts; Cancel changes nothing, a
// non-integer raises ConversionError, an expand factor below 2 is refused silently.
bool ReduceCommand(AppState& state, UiPort& ui);
bool ExpandCommand(AppState& state, UiPort& ui);
bool DoublePointsCommand(AppState& state, UiPort& ui);

}  // namespace corv
