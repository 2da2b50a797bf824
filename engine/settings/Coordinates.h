#pragma once
// Geographic co-ordinates as decimal degrees and as degrees, minutes and seconds. West
// longitudes and south latitudes are negative; a negative angle has all three parts
// negative or zero.

#include <cstdint>

namespace corv {

struct DegreeParts {
    int32_t degrees = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
};

// Splits a decimal angle into whole degrees, minutes and seconds, each cut toward zero.
// Raises RangeError when the angle does not fit 32-bit degrees (or is not a number).
[[nodiscard]] DegreeParts SplitDegrees(double angle);

// Joins the parts with their own signs: d + m / 60 + s / 3600.
[[nodiscard]] double JoinDegrees(int32_t degrees, int32_t minutes, int32_t seconds);

}  // namespace corv
