#include "graph/MouseHandling.h"

#include <cstdint>
#include <cstdlib>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "graph/CursorReadouts.h"
#include "graph/DisplayRange.h"
#include "graph/RedrawFlags.h"
#include "graph/XZoom.h"
#include "graph/YZoom.h"

namespace corv {

namespace {

constexpr int kZoneWidth = 12;    // pixels of a strip's edge zones
constexpr int kClickLimit = 4;    // a release this far from the press is a drag
constexpr double kNoMark = 1e33;  // distance before any mark is tested

// Pixel of time t on a width-pixel image showing left..right, held inside 32 bits so that
// a far mark or an empty window cannot end the press with a range error.
int32_t PixelOf(double t, double left, double right, int width) {
    const double p = RoundHalfEven((t - left) * width / (right - left));
    if (!(p > -2147483648.0)) return INT32_MIN;  // NaN included
    if (p > 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(p);
}

struct Window {
    double left, right;
};

Window WindowOf(const AppState& state, int image) {
    if (image == kOverviewImage) return {0, state.store.TotalSpan};
    return {state.view.LeftBorder, state.view.RightBorder};
}

int64_t Distance(int x, int32_t pixel) {
    return std::llabs(int64_t{x} - pixel);
}

int EdgeZoneAt(int x, int y, int width, int height) {
    int zone = kZoneNone;
    if (y < kZoneWidth) zone = kZoneTop;
    if (y > height - kZoneWidth) zone = kZoneBottom;
    if (x > width - kZoneWidth) zone = kZoneRight;
    if (x < kZoneWidth) zone = kZoneLeft;
    return zone;
}

// The marks in the order they are tested; the B. and Sh cursors must be more than two
// pixels nearer than the best so far, so they do not hide the borders and cursors.
struct Candidate {
    int pixel;
    int mode;
    uint8_t code;
    bool handicap;
    bool shPair;
};

constexpr Candidate kCandidates[] = {
    {kPixLeftBorder, kModeLeftBorder, kGrabLeftBorder, false, false},
    {kPixRightBorder, kModeRightBorder, kGrabRightBorder, false, false},
    {kPixLeftCursor, kModeLeftCursor, kGrabLeftCursor, false, false},
    {kPixRightCursor, kModeRightCursor, kGrabRightCursor, false, false},
    {kPixLeftBCursor, kModeLeftBCursor, kGrabLeftBCursor, true, false},
    {kPixRightBCursor, kModeRightBCursor, kGrabRightBCursor, true, false},
    {kPixLeftShCursor, kModeLeftShCursor, kGrabLeftShCursor, true, true},
    {kPixRightShCursor, kModeRightShCursor, kGrabRightShCursor, true, true},
};

// Grabs the mark nearest to x and returns its distance.
double GrabNearestMark(AppState& state, const MarkPixelArray& pixels, int x, bool shPair) {
    double best = kNoMark;
    for (const Candidate& m : kCandidates) {
        if (m.shPair && !shPair) continue;
        const double d = static_cast<double>(Distance(x, pixels[static_cast<size_t>(m.pixel)]));
        if (d < (m.handicap ? best - 2 : best)) {
            best = d;
            state.MouseMode = m.mode;
            state.mouseDown.grabbedMark = m.code;
        }
    }
    return best;
}

// The last dim holding the sample under time t of the analysis channel, or -1.
int DimAtTime(const AppState& state, std::span<const DimExtent> dims, double t, int32_t& index) {
    index = Trunc<int32_t>(t / state.store.Rec(kBeakChannel).SampRate);
    int found = -1;
    for (size_t k = 0; k < dims.size(); ++k)
        if (dims[k].start <= index && index < dims[k].end) found = static_cast<int>(k);
    return found;
}

void OfferDimsPopup(const AppState& state, const MouseEvent& press, std::span<const DimExtent> dims,
                    MouseDownResult& out) {
    if (press.button != MouseButton::Right || dims.empty() || state.ActiveChannel != kBeakChannel)
        return;
    const TimeValue tv = PixelToTimeValue(state, state.ActiveChannel, press.x, press.y, press.width,
                                          press.activeStripHeight);
    if (!tv.hasTime) return;
    int32_t index = 0;
    const int dim = DimAtTime(state, dims, tv.time, index);
    if (dim < 0) return;
    out = {true, dim, index, press.x, press.y};
}

// Grabs the dim end nearest to x when the press lies in the dims band of the strip and the
// end is nearer than the grabbed mark.
void GrabDimEnd(AppState& state, const MouseEvent& press, std::span<const DimExtent> dims,
                const MarkPixelArray& pixels, double best) {
    const int h = press.activeStripHeight;
    if (h <= 0) return;
    const double f = static_cast<double>(press.y) / h;
    if (f < 0.87 || f > 0.95) return;
    const Window w = WindowOf(state, press.image);
    const double dt = state.store.Rec(kBeakChannel).SampRate * state.settings.CommSampInterval;
    auto pixelOf = [&](int32_t index) {
        return PixelOf(RoundHalfEven(index * dt), w.left, w.right, press.width);
    };
    int64_t nearest = 10000000;
    int dim = -1, end = kDimStart;
    for (size_t k = 0; k < dims.size(); ++k) {
        for (int e : {int{kDimStart}, int{kDimEnd}}) {
            const int64_t d =
                Distance(press.x, pixelOf(e == kDimStart ? dims[k].start : dims[k].end));
            if (d < nearest) {
                nearest = d;
                dim = static_cast<int>(k);
                end = e;
            }
        }
    }
    const int64_t span = int64_t{pixels[kPixRightBorder]} - pixels[kPixLeftBorder];
    if (dim < 0 || !(nearest < span / 30) || !(static_cast<double>(nearest) < best)) return;
    state.mouseDown.dim = dim;
    state.mouseDown.dimEnd = end;
    state.mouseDown.grabbedMark = kGrabNone;
}

// Moves a grabbed mark to t if it stays on its side of its partner.
uint32_t DragMark(ViewState& v, uint8_t mark, double t) {
    auto left = [t](double& mark, double partner, uint32_t flags) {
        if (!(t < partner)) return 0u;
        mark = t;
        return flags;
    };
    auto right = [t](double& mark, double partner, uint32_t flags) {
        if (!(t > partner)) return 0u;
        mark = t;
        return flags;
    };
    switch (mark) {
        case kGrabLeftBorder:
            return left(v.LeftBorder, v.RightBorder, kRedrawAfterBorders);
        case kGrabRightBorder:
            return right(v.RightBorder, v.LeftBorder, kRedrawAfterBorders);
        case kGrabLeftCursor:
            return left(v.LeftCursor, v.RightCursor, kRedrawAfterCursors);
        case kGrabRightCursor:
            return right(v.RightCursor, v.LeftCursor, kRedrawAfterCursors);
        case kGrabLeftBCursor:
            return left(v.LeftBCursor, v.RightBCursor, kRedrawMoveMarks);
        case kGrabRightBCursor:
            return right(v.RightBCursor, v.LeftBCursor, kRedrawMoveMarks);
        case kGrabLeftShCursor:
            return left(v.LeftShCursor, v.RightShCursor, kRedrawMoveMarks);
        case kGrabRightShCursor:
            return right(v.RightShCursor, v.LeftShCursor, kRedrawMoveMarks);
        default:
            return 0;
    }
}

// A drag from an edge zone of channel c's strip. The borders keep their order like a
// dragged border mark: a window whose left border passed its right one would show nothing.
uint32_t DragZone(AppState& state, int c, int zone, const TimeValue& tv) {
    switch (zone) {
        case kZoneLeft:
            return tv.hasTime ? DragMark(state.view, kGrabLeftBorder, tv.time) : 0;
        case kZoneRight:
            return tv.hasTime ? DragMark(state.view, kGrabRightBorder, tv.time) : 0;
        case kZoneTop:
        case kZoneBottom:
            return EdgeDrag(state, c, zone, tv.value);
        default:
            return 0;
    }
}

// A click in an edge zone of channel c's strip: the window widens at a side edge, the value
// range grows by a quarter at the edge clicked.
uint32_t ClickZone(AppState& state, int c, int zone) {
    if (zone == kZoneLeft) return WidenLeft(state);
    if (zone == kZoneRight) return WidenRight(state);
    const uint8_t code = state.store.Rec(c).GrRepr;
    const bool normal = code <= 2;
    const bool inverted = code >= 3 && code <= 5;
    const bool growMax = (zone == kZoneTop && normal) || (zone == kZoneBottom && inverted);
    const bool growMin = (zone == kZoneTop && inverted) || (zone == kZoneBottom && normal);
    if (growMax) return YShiftChannel(state, c, 0, -2);
    if (growMin) return YShiftChannel(state, c, 2, 0);
    return 0;
}

DimMove DragDim(const AppState& state, std::span<const DimExtent> dims, double t) {
    const MouseDownState& down = state.mouseDown;
    DimMove move;
    if (down.dim < 0 || static_cast<size_t>(down.dim) >= dims.size()) return move;
    const DimExtent& d = dims[static_cast<size_t>(down.dim)];
    const int32_t i = Trunc<int32_t>(t / state.store.Rec(kBeakChannel).SampRate);
    const bool ok = down.dimEnd == kDimStart ? i < d.end : i > d.start;
    if (ok) move = {down.dim, down.dimEnd, i};
    return move;
}

void FillReadout(const AppState& state, const TimeValue& tv, MouseUpResult& out) {
    if (!tv.hasTime) return;
    out.readoutShown = true;
    out.mouseValue = FormatFixed(tv.value, 6, 4);
    const double t = static_cast<double>(Trunc(tv.time * state.settings.CommSampInterval)) +
                     state.store.OriginTime;
    ReadoutDateTime(t, state.settings.DateSep, ReadoutsShowMilliseconds(state), out.mouseDate,
                    out.mouseTime);
}

}  // namespace

MarkPixelArray MarkPixels(const AppState& state, int image, int width) {
    const Window w = WindowOf(state, image);
    const ViewState& v = state.view;
    const double times[] = {v.LeftBorder,  v.RightBorder,  v.LeftCursor,   v.RightCursor,
                            v.LeftBCursor, v.RightBCursor, v.LeftShCursor, v.RightShCursor};
    MarkPixelArray out{};
    for (size_t i = 0; i < out.size(); ++i) out[i] = PixelOf(times[i], w.left, w.right, width);
    return out;
}

MouseDownResult ImgMouseDn(AppState& state, const MouseEvent& press,
                           std::span<const DimExtent> dims) {
    MouseDownResult out;
    OfferDimsPopup(state, press, dims, out);

    MouseDownState& down = state.mouseDown;
    down = MouseDownState{};
    down.x = press.x;
    down.y = press.y;
    const bool strip = press.image >= 0 && press.image < kChannelCount;
    if (!strip && press.image != kOverviewImage) return out;
    down.image = press.image;

    if (strip) {
        down.zone = EdgeZoneAt(press.x, press.y, press.width, press.height);
        if (down.zone != kZoneNone) return out;
    }
    const MarkPixelArray pixels = MarkPixels(state, press.image, press.width);
    const bool shPair = strip && (state.store.Rec(press.image).CursorMask & 2) != 0;
    const double best = GrabNearestMark(state, pixels, press.x, shPair);
    // On a strip only a mark within a thirtieth of the width is taken; the mode stays.
    if (strip) {
        const double span = static_cast<double>(pixels[kPixRightBorder]) - pixels[kPixLeftBorder];
        if (RoundHalfEven(span / 30) < best) down.grabbedMark = kGrabNone;
    }
    if (strip && press.button == MouseButton::Left) GrabDimEnd(state, press, dims, pixels, best);
    return out;
}

uint32_t ImgMouseMove(AppState& state, const MouseEvent& move) {
    const MouseDownState& down = state.mouseDown;
    if (down.image == kNoImage || down.grabbedMark == kGrabNone) return 0;
    // Below the drag distance the release will count as a click: nothing moves yet.
    if (std::abs(move.x - down.x) + std::abs(move.y - down.y) < kClickLimit) return 0;
    const TimeValue tv =
        PixelToTimeValue(state, down.image, move.x, move.y, move.width, move.height);
    if (!tv.hasTime) return 0;
    RememberPositions(state.view);
    return DragMark(state.view, down.grabbedMark, tv.time);
}

MouseUpResult ImgMouseUp(AppState& state, const MouseEvent& release,
                         std::span<const DimExtent> dims) {
    MouseUpResult out;
    RememberPositions(state.view);
    MouseDownState& down = state.mouseDown;
    down.moved = std::abs(release.x - down.x) + std::abs(release.y - down.y) >= kClickLimit;
    const int image = down.image;
    if (image == kNoImage) return out;
    // One release per press.
    down.image = kNoImage;
    const bool strip = image >= 0;
    const TimeValue tv =
        PixelToTimeValue(state, image, release.x, release.y, release.width, release.height);

    if (down.moved) {
        if (tv.hasTime) out.redraw |= DragMark(state.view, down.grabbedMark, tv.time);
        if (strip) out.redraw |= DragZone(state, image, down.zone, tv);
        if (release.button == MouseButton::Left && tv.hasTime)
            out.dimMove = DragDim(state, dims, tv.time);
    } else {
        if (strip) out.redraw |= ClickZone(state, image, down.zone);
        if (strip) FillReadout(state, tv, out);
    }

    // The strip's channel is the active one from now on. Everything that shows the active
    // channel is drawn afresh at once, which also shows whatever the jobs above changed;
    // their mark moves would undo the fresh marks.
    if (strip && image != state.ActiveChannel) {
        out.activeChanged = true;
        out.previousActive = state.ActiveChannel;
        state.ActiveChannel = image;
        out.redraw = (out.redraw & ~kRedrawMarkMoves) | kRedrawAfterActiveChange;
    }
    return out;
}

uint32_t ImgDblClick(int image) {
    return image == kOverviewImage ? kRedrawOverview | kRedrawOverviewMarks : 0;
}

uint32_t ImgTimeDown(AppState& state, TimeScaleKind scale, int x, int width) {
    if (width <= 0) return 0;
    RememberPositions(state.view);
    const double f = static_cast<double>(x) / width;
    const ViewState& v = state.view;
    const double t = scale == TimeScaleKind::Overview
                         ? f * state.store.TotalSpan
                         : f * (v.RightBorder - v.LeftBorder) + v.LeftBorder;
    return CentreAt(state, t);
}

ScaleYResult ImgScaleYDown(AppState& state, int c, int y, int height) {
    ScaleYResult out;
    if (c < 0 || c >= kChannelCount) return out;
    out.redraw = ScaleClick(state, c, y, height);
    // The active channel's jobs would not show a change on another strip: redraw all strips
    // with their marks, and that strip's y-scale.
    if (out.redraw != 0 && c != state.ActiveChannel) {
        out.redraw = kRedrawAllStrips | kRedrawAllStripMarks;
        out.yScaleChannel = c;
    }
    return out;
}

}  // namespace corv
