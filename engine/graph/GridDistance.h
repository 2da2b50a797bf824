#pragma once
// View > "&Grid ...": the distance of the horizontal grid lines of the active channel.

#include <cstdint>

namespace corv {

struct AppState;
class Canvas;
class UiPort;

// Asks the distance (0 for no grid). On OK the grid on the active strip (when given) is
// removed, the distance set and the grid drawn again; Cancel changes nothing. Text that is
// not a number raises ConversionError before anything changes. No redraw jobs are needed.
uint32_t SetGridDistance(AppState& state, UiPort& ui, Canvas* activeStrip);

}  // namespace corv
