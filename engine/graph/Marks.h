#pragma once
// The vertical marks of borders and cursors on the channel strips and the overview strip.
// Marks are drawn in NotXor mode: drawing one at its previous place removes it, which is
// how marks move. The pen is left solid and in copy mode.

#include <array>

#include "settings/Settings.h"

namespace corv {

class Canvas;
struct AppState;

// Kinds of mark pairs: pen and vertical extent.
enum MarkKind : int {
    kMarkOverviewBorders = 1,  // border colour, dashed, full height less H/24 at each end
    kMarkStripCursors = 2,     // cursor colour, dotted, the same extent
    kMarkOverviewCursors = 4,  // cursor colour, dotted, the same extent
    kMarkStripBCursors = 5,    // cursor colour, dotted, lower half
    kMarkStripShCursors = 10,  // cursor colour, solid, lower half less H/24
};

// Draws the marks at times tA and tB on a width x height image showing left..right; a mark
// is drawn only when its time lies within left..right, ends included, and a pair falling on
// one pixel column is drawn once.
void DrawMarkPair(Canvas& image, const std::array<ColourEntry, kColourCount>& colours, int width,
                  int height, int kind, double left, double right, double tA, double tB);

// The marks of strip c over the window: the F4/F5 cursors, the B. cursors when its
// CursorMask has bit value 1, the Sh cursors when it has bit value 2.
void DrawStripMarks(Canvas& strip, const AppState& state, int c);

// The borders and the F4/F5 cursors on the overview strip, over the whole recording.
void DrawOverviewMarks(Canvas& overview, const AppState& state);

// Moves the border marks (or the cursor marks) of the overview strip from their previous
// to their current positions.
void MoveOverviewBorders(Canvas& overview, const AppState& state);
void MoveOverviewCursors(Canvas& overview, const AppState& state);

// Moves, on strip c, the pair the mouse mode works on: the Sh cursors for modes 11, 12 and
// 110, the B. cursors for modes 8..10, the F4/F5 cursors otherwise. A strip whose
// CursorMask does not show the pair is left alone.
void MoveModeMarks(Canvas& strip, const AppState& state, int c);

}  // namespace corv
