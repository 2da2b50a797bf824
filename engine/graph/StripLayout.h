#pragma once
// Where the parts of the graph window go: rectangles computed from the screen size before
// the window exists, and the share of the strip area each channel gets by its height
// weight (WndSze).

#include <array>

#include "core/ChannelRecord.h"

namespace corv {

struct AppState;

// A rectangle in window pixels; right and bottom are one past the last pixel.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

struct GraphLayout {
    int screenWidth = 0;
    int screenHeight = 0;
    PixelRect overview;                             // TotalImage
    PixelRect overviewTimeScale;                    // TotalimgTimeScale
    PixelRect mainTimeScale;                        // imgTime
    std::array<PixelRect, kChannelCount> strips{};  // StripRect
    std::array<PixelRect, kChannelCount> scales{};  // ScaleRect
    // The read-outs: three columns (F4, mouse, F5) of three edits each, and the Results box.
    std::array<int, 3> readoutLeft{};
    int readoutTop = 0;
    int readoutWidth = 0;
    PixelRect results;

    // Round(screen width x f) and Round(screen height x f).
    int X(double f) const;
    int Y(double f) const;
};

// The rectangles of a screen of width x height pixels. The strips and their y-scales get
// their columns here and their rows from StripLayout.
[[nodiscard]] GraphLayout ScreenLayout(int width, int height);

// The rows of one read-out edit and the room for the column titles above them.
inline constexpr int kReadoutRowHeight = 17;
inline constexpr int kReadoutTitleHeight = 19;

// The rectangles of a window whose client area is width x height pixels, laid out anew at
// every size: the proportions of the screen layout from top to bottom, the strips over the
// whole width but a y-scale column wide enough for its labels, and the read-outs kept
// below the main time scale with room for their titles.
[[nodiscard]] GraphLayout ClientLayout(int width, int height);

// Shares 0.6 of the screen height, from 0.15 down, among the n present channels by their
// weights, with gaps of 0.005; a channel that is absent or has weight 0 gets empty
// rectangles. The active channel becomes the first present channel with a strip. Returns
// false, changing nothing, when there is no present channel or all weights are 0.
[[nodiscard]] bool StripLayout(AppState& state, GraphLayout& layout, int n);

// The number of present channels.
[[nodiscard]] int PresentChannelCount(const AppState& state);

// Whether channel c takes part in the run and has a strip.
[[nodiscard]] bool HasStrip(const AppState& state, int c);

}  // namespace corv
