#include "graph/DisplayRange.h"

#include "AppState.h"

namespace corv {

ValueRange DisplayRange(const ChannelStore& store, int c) {
    const ChannelRecord& r = store.Rec(c);
    const double lo = r.Min - r.yOffset;
    const double hi = r.Max - r.yOffset;
    const double d = (hi - lo) / 16;
    return {lo - d, hi + d};
}

namespace {

double ValueAt(const ChannelStore& store, int c, int y, int height) {
    const ValueRange range = DisplayRange(store, c);
    const double f = static_cast<double>(y) / height;
    const int code = store.Rec(c).GrRepr;
    if (code <= 2) return (1 - f) * (range.hi - range.lo) + range.lo;
    if (code <= 5) return f * (range.hi - range.lo) + range.lo;
    return 0;
}

}  // namespace

TimeValue PixelToTimeValue(const AppState& state, int image, int x, int y, int width, int height) {
    TimeValue out;
    if (height <= 0) return out;
    const bool overview = image == kOverviewImage;
    const int c = overview ? state.ActiveChannel : image;
    if (width > 0) {
        const double f = static_cast<double>(x) / width;
        const ViewState& v = state.view;
        out.time = overview ? f * state.store.TotalSpan
                            : f * (v.RightBorder - v.LeftBorder) + v.LeftBorder;
        out.hasTime = true;
    }
    out.value = ValueAt(state.store, c, y, height);
    return out;
}

}  // namespace corv
