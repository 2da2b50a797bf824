#pragma once
// The x-Zoom commands that place marks at once (cursor pairs into the window, the window
// onto the cursors, widening by the edge zones, centring by a time-scale click) and the
// x-Zoom menu with its check marks. Each returns the redraw jobs it needs (RedrawFlags.h).

#include <cstdint>

#include "graph/CursorMoves.h"

namespace corv {

struct AppState;

// Clicks in a strip's left or right edge zone: the window grows by half its width on that
// side, not beyond the recording; the mouse mode becomes that border.
uint32_t WidenLeft(AppState& state);
uint32_t WidenRight(AppState& state);

// A click at time t on a time scale: window and cursors shift so that the window's middle
// moves to t, neither passing the end of the recording. The window may start before 0.
uint32_t CentreAt(AppState& state, double t);

// "Curs. into Borders": F4/F5 cursors at a quarter of the window from each border, the fine
// step a twelfth of the window (at least 1 ms); mode 5.
uint32_t CursorsIntoBorders(AppState& state, const StepMarkerImages& images);
// "B. Curs. in Borders" and "Sh-Cur. in Bordes": the pair at a third of the window from
// each border; modes 10 and 110.
uint32_t BCursorsIntoBorders(AppState& state);
uint32_t ShCursorsIntoBorders(AppState& state);

// "Bord. to Curs.": the window onto the WorkSection with 1/8 of it to spare on each side
// (at least 1 ms wide), and the active channel's value range onto the section's smallest
// and largest values when they differ; mode 3.
uint32_t BordersToCursors(AppState& state);

enum class XZoomItem {
    LeftBorder,            // "Left Border" (F1)
    RightBorder,           // "Right Border" (F2)
    BothBorders,           // "Both Borders" (F3)
    LeftCursor,            // "Left Cursor " (F4)
    RightCursor,           // "Right Cursor" (F5)
    BothCursors,           // "Both Cursors" (F6)
    BordersAndCursors,     // "Bord. and Cursors" (Shift+F3)
    CursorsIntoBorders,    // "Curs. into Borders" (Ctrl+F6)
    BordersToCursors,      // "Bord. to Curs." (Ctrl+F3)
    LeftBCursor,           // "Left B. Cursor" (F8)
    RightBCursor,          // "Right B. Cursor" (F9)
    BothBCursors,          // "Both B. Cursor" (F10)
    BCursorsIntoBorders,   // "B. Curs. in Borders" (Ctrl+F10)
    ShCursorsIntoBorders,  // "Sh-Cur. in Bordes" (Shift+F10)
    MoveLeft,              // "Move left (Left arrow)"
};

// The check marks of the menu's mode group; a fresh menu has "Both Borders" checked.
struct XZoomChecks {
    bool leftBorder = false;
    bool rightBorder = false;
    bool bothBorders = true;
    bool leftCursor = false;
    bool rightCursor = false;
    bool bothCursors = false;
    bool operator==(const XZoomChecks&) const = default;
};

// Runs an x-Zoom menu item: chooses its mouse mode or places its marks (remembering the
// previous positions first), and sets the check marks it owns.
uint32_t ChooseXZoomItem(AppState& state, XZoomItem item, const StepMarkerImages& images,
                         XZoomChecks& checks);

}  // namespace corv
