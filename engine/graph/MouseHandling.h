#pragma once
// The mouse on the graph window's images. A press on a channel strip or the overview strip
// notes an edge zone, grabs the nearest time mark or dim end and picks the mouse mode; the
// release drags what was grabbed, or, when the mouse stayed put, widens or zooms at an edge
// zone and fills the mouse read-outs; releasing on another strip makes its channel active.
// Presses on the time scales centre the window, presses on a y-scale shift its range.
// Positions are already applied to the state; the caller runs the returned redraw jobs.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "graph/DimsDrawing.h"
#include "graph/MouseDownState.h"
#include "graph/TimeScale.h"

namespace corv {

struct AppState;

enum class MouseButton { Left, Right, Middle };

// A press or release, in the coordinates of the image it happened on. A release is
// reported on the image that was pressed (the mouse is captured), so x and y may lie
// outside it.
struct MouseEvent {
    int image = kNoImage;  // kOverviewImage or a channel strip 0..2
    int x = 0;
    int y = 0;
    int width = 0;  // of the image
    int height = 0;
    MouseButton button = MouseButton::Left;
    int activeStripHeight = 0;  // the dims band and the dims popup are measured on it
};

// The x pixels of the eight time marks, in this order.
enum MarkPixel : int {
    kPixLeftBorder,
    kPixRightBorder,
    kPixLeftCursor,
    kPixRightCursor,
    kPixLeftBCursor,
    kPixRightBCursor,
    kPixLeftShCursor,
    kPixRightShCursor,
};
using MarkPixelArray = std::array<int32_t, 8>;

// The marks' pixels on an image of the given width: a channel strip shows LeftBorder..
// RightBorder, the overview the whole recording. Pixels are rounded halves to even; a mark
// far outside the image (or an empty window) is held at the 32-bit limits.
[[nodiscard]] MarkPixelArray MarkPixels(const AppState& state, int image, int width);

struct MouseDownResult {
    // Right button on a dim of the active analysis channel: open DimsPopup at (popupX,
    // popupY) of the active strip; the popup's commands work on popupDim and divide at
    // popupIndex.
    bool openDimsPopup = false;
    int popupDim = -1;
    int32_t popupIndex = 0;
    int popupX = 0;
    int popupY = 0;
};

// A press on a channel strip or the overview strip; fills state.mouseDown and may set
// MouseMode. dims are the current event's dims on the analysis channel.
MouseDownResult ImgMouseDn(AppState& state, const MouseEvent& press,
                           std::span<const DimExtent> dims = {});

// A dragged dim end: the caller removes the dims drawing, sets the end to index, and draws
// the dims again.
struct DimMove {
    int dim = -1;  // -1: no dim moved
    int end = kDimStart;
    int32_t index = 0;
};

struct MouseUpResult {
    uint32_t redraw = 0;
    bool readoutShown = false;  // a click on a channel strip: new mouse read-outs
    std::string mouseValue;     // edtMausY
    std::string mouseTime;      // edtMausTime
    std::string mouseDate;      // edtMausDate
    // The pressed strip's channel became the active one; the redraw jobs draw everything
    // that shows the active channel afresh, the outline included.
    bool activeChanged = false;
    int previousActive = -1;
    DimMove dimMove;
};

// A move with a button held after a press that grabbed a time mark: once the mouse has
// gone the drag distance, the mark follows it (with the partner rule of the release), so
// the user sees it move; the release then moves it to its final place. Returns the jobs
// that move the mark (the previous place is remembered first, keeping NotXor balanced).
uint32_t ImgMouseMove(AppState& state, const MouseEvent& move);

// The release of a press on a channel strip or the overview strip.
MouseUpResult ImgMouseUp(AppState& state, const MouseEvent& release,
                         std::span<const DimExtent> dims = {});

// A double click: on the overview strip the overview is redrawn with its marks.
[[nodiscard]] uint32_t ImgDblClick(int image);

// A press at x on a time scale of the given width (for the main scale the active strip's
// width): the window and the cursors are centred on that time.
uint32_t ImgTimeDown(AppState& state, TimeScaleKind scale, int x, int width);

struct ScaleYResult {
    uint32_t redraw = 0;
    int yScaleChannel = -1;  // an inactive channel whose y-scale the caller must redraw
};

// A press at row y of channel c's y-scale image of the given height.
ScaleYResult ImgScaleYDown(AppState& state, int c, int y, int height);

}  // namespace corv
