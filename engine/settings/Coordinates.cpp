#include "settings/Coordinates.h"

#include <cmath>

#include "core/Checked.h"

namespace corv {

namespace {

// Decimal fractions such as 0.1 are not exact in binary, so 10.1 degrees would otherwise
// come out as 10 5' 59". A distance this small from a whole second is taken as that
// second; it is far below anything a typed co-ordinate can mean.
constexpr double kSecondTolerance = 1e-6;

double SnapToWholeSecond(double seconds) {
    const double whole = std::round(seconds);
    return std::fabs(seconds - whole) < kSecondTolerance ? whole : seconds;
}

}  // namespace

DegreeParts SplitDegrees(double angle) {
    DegreeParts p;
    p.degrees = Trunc<int32_t>(angle);
    const double restSeconds = SnapToWholeSecond((angle - p.degrees) * 3600.0);
    if (std::fabs(restSeconds) >= 3600.0) {
        // The fraction rounded up to a whole degree.
        p.degrees = CheckedAdd(p.degrees, angle < 0 ? -1 : 1);
        return p;
    }
    p.minutes = Trunc<int32_t>(restSeconds / 60.0);
    p.seconds = Trunc<int32_t>(restSeconds - p.minutes * 60.0);
    return p;
}

double JoinDegrees(int32_t degrees, int32_t minutes, int32_t seconds) {
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

}  // namespace corv
