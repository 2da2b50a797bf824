#pragma once
// The pictures of the graph window's images: a channel strip with its curve and lines,
// the outline of the active strip, a strip's y-scale and the overview strip. Curves and
// scales are drawn in copy mode, the outline in NotXor mode.

#include "core/Canvas.h"

namespace corv {

struct AppState;
class GraphSurfaces;

// White, the interior of every image.
inline constexpr Colour kImageBackground = 0xFFFFFF;

// The curve colour of channel c's strip: the active curve colour for the active channel,
// the inactive one for the others.
[[nodiscard]] Colour StripCurveColour(const AppState& state, int c);

// Clears a new image: a black frame around a white interior.
void ClearImage(Canvas& image);

// Strip c over the visible window: interior, curve, subsidiary lines (when switched on),
// grid, the shown section buffer, the outline when c is active, and the caption. Nothing
// for a channel without a strip.
void DrawStrip(Canvas& strip, const AppState& state, int c);

// The outline of the active strip, one pixel inside the frame; drawn again it is gone.
void DrawStripOutline(Canvas& strip, Colour colour);

// The y-scale of channel c: ticks and labels of its display range.
void DrawStripYScale(Canvas& scale, const AppState& state, int c);

// The overview strip: the active channel's curve over the whole recording.
void DrawOverview(Canvas& overview, const AppState& state);

// Moves the outline from channel `from`'s strip to channel `to`'s (either may have none).
void MoveStripOutline(const AppState& state, GraphSurfaces& surfaces, int from, int to);

// Makes channel c the active channel: the outline leaves the old strip and goes to the new
// one. The curves keep their colours until the strips are drawn again.
void ChangeActiveChannel(AppState& state, GraphSurfaces& surfaces, int c);

}  // namespace corv
