#pragma once
// The value range a strip shows, and the way back from a pixel of a strip or of the
// overview strip to the time and value under it.

namespace corv {

class ChannelStore;
struct AppState;

struct ValueRange {
    double lo = 0;
    double hi = 0;
};

// Min - yOffset .. Max - yOffset of channel c, widened by 1/16 of it at each end.
[[nodiscard]] ValueRange DisplayRange(const ChannelStore& store, int c);

// The image a pixel lies in: a channel number 0..2, or the overview strip.
inline constexpr int kOverviewImage = -1;

struct TimeValue {
    bool hasTime = false;
    double time = 0;   // ms after OriginTime
    double value = 0;  // baseline-relative
};

// Time and value at pixel (x, y) of an image of width x height pixels: a channel strip
// shows LeftBorder..RightBorder and its channel's display range, the overview strip the
// whole recording and the active channel's range. The downward styles give value 0.
[[nodiscard]] TimeValue PixelToTimeValue(const AppState& state, int image, int x, int y, int width,
                                         int height);

}  // namespace corv
