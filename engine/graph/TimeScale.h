#pragma once
// The two time scales of the graph window, under the overview strip and under the channel
// strips, each with the step marker: a blue NotXor line along its bottom whose length
// shows the keyboard step.

namespace corv {

class Canvas;
class UiPort;
struct AppState;
struct ViewState;

enum class TimeScaleKind {
    Main,      // under the strips: LeftBorder..RightBorder, shows FineStep
    Overview,  // under the overview strip: the whole recording, shows CoarseStep
};

// Clears the scale's interior, draws the calendar scale over its absolute times and the
// step marker. overviewWidth is the width of the overview rectangle.
void DrawTimeScale(Canvas& image, UiPort& ui, const AppState& state, TimeScaleKind kind,
                   int overviewWidth);

// Draws (or, drawn again, removes) the step marker at row height - 2 from x = 0. On the
// main scale it is FineStep long in the window's scale measured on overviewWidth, the full
// overviewWidth when the step exceeds the window; on the overview scale CoarseStep in the
// recording's scale on the image's own width.
void StepMarker(Canvas& image, TimeScaleKind kind, const ViewState& view, double totalSpan,
                int overviewWidth);

}  // namespace corv
