#include "graph/StripLayout.h"

#include <algorithm>

#include "AppState.h"
#include "core/Checked.h"

namespace corv {

namespace {

constexpr double kStripAreaTop = 0.15;
constexpr double kStripAreaHeight = 0.6;
constexpr double kStripGap = 0.005;
// The y-scale column: a tenth of the width, within what its labels need.
constexpr int kMinScaleWidth = 72;
constexpr int kMaxScaleWidth = 160;
constexpr int kResultsMinHeight = 60;
// Room left of the first read-out column for its row labels ("Value", "Time", "Date").
constexpr int kRowLabelWidth = 48;

void PlaceReadouts(GraphLayout& g) {
    g.readoutLeft = {g.X(0.04), g.X(0.16), g.X(0.72)};
    g.readoutTop = g.Y(0.83);
    g.readoutWidth = g.X(0.08);
    g.results = {g.X(0.3), g.Y(0.82), g.X(0.7), g.Y(0.9)};
}

}  // namespace

int GraphLayout::X(double f) const {
    return Round<int32_t>(screenWidth * f);
}

int GraphLayout::Y(double f) const {
    return Round<int32_t>(screenHeight * f);
}

GraphLayout ScreenLayout(int width, int height) {
    GraphLayout g;
    g.screenWidth = width;
    g.screenHeight = height;
    const int stripRight = g.X(0.8);
    g.overview = {2, g.Y(0.04), stripRight, g.Y(0.09)};
    g.overviewTimeScale = {2, g.Y(0.092), stripRight, g.Y(0.142)};
    g.mainTimeScale = {2, g.Y(0.77), stripRight, g.Y(0.815)};
    for (int c = 0; c < kChannelCount; ++c) {
        g.strips[static_cast<size_t>(c)] = {2, 0, stripRight, 0};
        g.scales[static_cast<size_t>(c)] = {stripRight + 2, 0, g.X(0.9) - 2, 0};
    }
    PlaceReadouts(g);
    return g;
}

GraphLayout ClientLayout(int width, int height) {
    GraphLayout g = ScreenLayout(width, height);
    const int scaleWidth = std::clamp(g.X(0.1), kMinScaleWidth, kMaxScaleWidth);
    const int stripRight = std::max(width - scaleWidth - 2, 4);
    for (PixelRect* r : {&g.overview, &g.overviewTimeScale, &g.mainTimeScale})
        r->right = stripRight;
    for (size_t c = 0; c < kChannelCount; ++c) {
        g.strips[c].right = stripRight;
        g.scales[c].left = stripRight + 2;
        g.scales[c].right = std::max(width - 2, stripRight + 3);
    }
    // Small windows: the titles of the read-outs need their row below the time scale, and
    // every edit keeps its height; the right column ends inside the window.
    const int below = g.mainTimeScale.bottom;
    g.readoutTop = std::max(g.readoutTop, below + kReadoutTitleHeight + 2);
    g.readoutWidth = std::max(g.readoutWidth, 90);
    g.readoutLeft[0] = std::max(g.readoutLeft[0], kRowLabelWidth);
    g.readoutLeft[1] = std::max(g.readoutLeft[1], g.readoutLeft[0] + g.readoutWidth + 8);
    g.readoutLeft[2] = std::min(g.readoutLeft[2], width - g.readoutWidth - 2);
    g.results.top = std::max(g.results.top, below + 4);
    g.results.bottom = std::max(g.results.bottom, g.results.top + kResultsMinHeight);
    g.results.left = std::max(g.results.left, g.readoutLeft[1] + g.readoutWidth + 8);
    g.results.right = std::min(g.results.right, g.readoutLeft[2] - 8);
    return g;
}

int PresentChannelCount(const AppState& state) {
    int n = 0;
    for (bool present : state.store.ChannelPresent) n += present ? 1 : 0;
    return n;
}

bool HasStrip(const AppState& state, int c) {
    return state.store.ChannelPresent[static_cast<size_t>(c)] && state.store.Rec(c).WndSze > 0;
}

bool StripLayout(AppState& state, GraphLayout& layout, int n) {
    if (n == 0) return false;
    double sum = 0;
    int firstWithStrip = -1;
    for (int c = 0; c < kChannelCount; ++c) {
        if (!state.store.ChannelPresent[static_cast<size_t>(c)]) continue;
        sum += state.store.Rec(c).WndSze;
        if (firstWithStrip < 0 && state.store.Rec(c).WndSze > 0) firstWithStrip = c;
    }
    if (sum == 0 || firstWithStrip < 0) return false;

    GraphLayout g = layout;
    double top = kStripAreaTop;
    for (int c = 0; c < kChannelCount; ++c) {
        PixelRect& strip = g.strips[static_cast<size_t>(c)];
        PixelRect& scale = g.scales[static_cast<size_t>(c)];
        const double h = kStripAreaHeight * state.store.Rec(c).WndSze / sum;
        if (!state.store.ChannelPresent[static_cast<size_t>(c)] || !(h > 0)) {
            strip.top = strip.bottom = scale.top = scale.bottom = 0;
            continue;
        }
        strip.top = scale.top = g.Y(top);
        strip.bottom = scale.bottom = g.Y(top + h);
        top += h + kStripGap;
    }
    layout = g;
    state.ActiveChannel = firstWithStrip;
    return true;
}

}  // namespace corv
