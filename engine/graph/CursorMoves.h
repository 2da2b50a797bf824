#pragma once
// The keyboard moves of the time marks: arrows, Home, End, page moves and the key steps.
// What moves depends on MouseMode; borders move by CoarseStep, cursors by FineStep, and a
// move stops at 0 and at TotalSpan. Each returns the redraw jobs it needs (RedrawFlags.h)
// and leaves remembering the previous positions to the caller (the key handler does it
// at every key).

#include <cstdint>

namespace corv {

class Canvas;
struct AppState;

// The two time-scale images, whose step markers show the key steps.
struct StepMarkerImages {
    Canvas& mainScale;
    Canvas& overviewScale;
    int overviewWidth;  // width of the overview rectangle
};

uint32_t MoveLeft(AppState& state);   // Left arrow
uint32_t MoveRight(AppState& state);  // Right arrow, D
uint32_t MoveHome(AppState& state);   // Home
uint32_t MoveEnd(AppState& state);    // End
// By one window width in the border modes, by the cursor distance plus 1 ms in the cursor
// modes (which may leave the left border 0.5 ms before 0).
uint32_t PageLeft(AppState& state);   // Ctrl+Left
uint32_t PageRight(AppState& state);  // Ctrl+Right

// Double (at most TotalSpan) or halve the step of the current mode, never below 1 ms,
// redrawing its step marker; modes 1..3 and 13 use CoarseStep, the cursor modes FineStep.
uint32_t StepUp(AppState& state, const StepMarkerImages& images);    // PgUp
uint32_t StepDown(AppState& state, const StepMarkerImages& images);  // PgDn

}  // namespace corv
