#pragma once
// The graph window's time axis: the visible window (borders), the F4/F5 cursors that bound
// the WorkSection, the B. and Sh cursor pairs, the positions they had before the current
// command, and the keyboard steps. All times are ms after OriginTime.

#include <cstdint>

namespace corv {

struct ViewState {
    double LeftBorder = 0;
    double RightBorder = 0;
    double LeftCursor = 0;   // F4
    double RightCursor = 0;  // F5
    double PrevLeftBorder = 0;
    double PrevRightBorder = 0;
    double PrevLeftCursor = 0;
    double PrevRightCursor = 0;
    double PrevLeftBCursor = 0;
    double PrevRightBCursor = 0;
    double LeftBCursor = 0;    // F8
    double RightBCursor = 0;   // F9
    double LeftShCursor = 0;   // Shift+F8
    double RightShCursor = 0;  // Shift+F9
    double PrevLeftShCursor = 0;
    double PrevRightShCursor = 0;
    double CoarseStep = 0;  // key step of the border modes
    double FineStep = 0;    // key step of the cursor modes
};

// Values of MouseMode: which marks the keys and the mouse move.
enum MouseModeValue : int32_t {
    kModeNone = 0,
    kModeLeftBorder = 1,
    kModeRightBorder = 2,
    kModeBothBorders = 3,
    kModeLeftCursor = 4,
    kModeBothCursors = 5,
    kModeRightCursor = 6,
    kModeLeftBCursor = 8,
    kModeBothBCursors = 9,
    kModeRightBCursor = 10,
    kModeLeftShCursor = 11,
    kModeRightShCursor = 12,
    kModeBordersAndCursors = 13,
    kModeBothShCursors = 110,
};

// Copies the four current pairs into their previous fields, so that the marks can be moved
// by drawing them at the old place (removing them) and at the new one.
void RememberPositions(ViewState& v);

// The view of a freshly opened graph window: the first 1/120 of the recording, cursors
// inside it and steps of at least 1 ms.
[[nodiscard]] ViewState InitialViewState(double totalSpan);

}  // namespace corv
