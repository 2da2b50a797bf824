#pragma once
// The horizontal lines of a strip: the value grid and the subsidiary lines. Both are drawn
// in NotXor mode, so drawing them again removes them; the pen is left solid and in copy
// mode.

namespace corv {

class Canvas;
struct AppState;

// Dotted lines every GridDist of channel c from the low end of its unwidened range up to
// its high end, inside the strip's rows 2 .. height - 2. A distance of 0 draws nothing.
void DrawGrid(Canvas& strip, const AppState& state, int c);

// Dashed lines at the switched-on subsidiary values of channel c that lie strictly inside
// its display range; lines falling on the same row are drawn once.
void DrawSubsidiaryLines(Canvas& strip, const AppState& state, int c);

}  // namespace corv
