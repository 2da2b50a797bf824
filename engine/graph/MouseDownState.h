#pragma once
// What a mouse press on a channel strip or the overview strip left for the release: where
// it was, which image, edge zone, mark or dim end it grabbed.

#include <cstdint>

namespace corv {

// The image of a press; kOverviewImage (-1, DisplayRange.h) and the channel strips 0..2
// are the others.
inline constexpr int kNoImage = -2;

// The marks a press can grab, by their codes.
enum GrabbedMark : uint8_t {
    kGrabNone = 0,
    kGrabLeftBorder = 59,
    kGrabRightBorder = 60,
    kGrabLeftCursor = 62,
    kGrabRightCursor = 63,
    kGrabLeftBCursor = 66,
    kGrabRightBCursor = 67,
    kGrabLeftShCursor = 91,
    kGrabRightShCursor = 92,
};

// The edge zones of a channel strip, 12 pixels wide.
enum EdgeZone : int { kZoneNone = 0, kZoneLeft = 1, kZoneRight = 2, kZoneTop = 3, kZoneBottom = 4 };

// The end of a grabbed dim.
enum DimEnd : int { kDimStart = 66, kDimEnd = 69 };

struct MouseDownState {
    int x = 0;
    int y = 0;
    bool moved = false;  // set at the release: 4 pixels or more (x and y distances summed)
    int image = kNoImage;
    int zone = kZoneNone;
    int dim = -1;  // index of the grabbed dim, -1: none
    int dimEnd = kDimStart;
    uint8_t grabbedMark = kGrabNone;
};

}  // namespace corv
