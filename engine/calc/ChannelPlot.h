#pragma once
// Calculations > "&Plot chnl-chnl": the WorkSection of one channel against another as a
// scatter plot, one dot per sample index, with the zero lines and a mouse read-out.

#include <string>

namespace corv {

struct AppState;
class Canvas;
class ChannelStore;
class UiPort;

inline constexpr const char* kChannelNotPresent = "Error. One of the channels is not present.";
inline constexpr const char* kDifferentSampInt =
    " Error. Channel 1 and channel 2 must have same samp. int.";
inline constexpr const char* kRangeTooSmall = "Range too small";

// The channels from the two typed numbers 1..3: a number above 3 ends the command
// silently (false), one below 1 or a text that is not an integer raises.
struct PlotChannels {
    int x = 0;
    int y = 0;
};
bool ParsePlotChannels(const std::string& xText, const std::string& yText, PlotChannels& out);

// Checks that both channels are present with one sampling interval (message and false
// otherwise), then sets their PlotLow and PlotHigh over the WorkSection.
bool PreparePlot(AppState& state, UiPort& ui, const PlotChannels& p);

// The axis ends: PlotLow and PlotHigh widened by an eighth of their distance on each side.
struct PlotAxes {
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    // False when an axis has no extent ("Range too small").
    [[nodiscard]] bool Valid() const { return xHigh - xLow != 0 && yHigh - yLow != 0; }
};
[[nodiscard]] PlotAxes PlotAxesOf(const ChannelStore& store, const PlotChannels& p);

// The dots (2 x 2 black squares) from Trunc(f4 / dt) to one index past Trunc(f5 / dt), then
// the two zero lines. Nothing for axes that are not valid.
void DrawChannelPlot(Canvas& image, const ChannelStore& store, const PlotChannels& p,
                     const PlotAxes& axes, double f4, double f5);

// The values under the pointer at pixel (px, py) of a width x height image.
struct PlotPoint {
    double x = 0;
    double y = 0;
};
[[nodiscard]] PlotPoint PlotReadout(const PlotAxes& axes, int width, int height, int px, int py);

}  // namespace corv
