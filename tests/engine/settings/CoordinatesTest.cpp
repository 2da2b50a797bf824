#include "settings/Coordinates.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "core/Errors.h"

namespace corv {
namespace {

std::array<int, 3> Split(double degrees) {
    const DegreeParts p = SplitDegrees(degrees);
    return {p.degrees, p.minutes, p.seconds};
}

TEST(Coordinates, SplitCutsEachPartTowardZeroAndIsNotFooledByBinaryFractions) {
    EXPECT_EQ(Split(-10.5), (std::array{-10, -30, 0}));
    EXPECT_EQ(Split(12.0 + 34.0 / 60 + 56.9 / 3600), (std::array{12, 34, 56}));
    EXPECT_EQ(Split(-0.25), (std::array{0, -15, 0}));
    // 10.1 is slightly below 10.1 in binary; it still means 10 degrees 6 minutes.
    EXPECT_EQ(Split(10.1), (std::array{10, 6, 0}));
    EXPECT_EQ(Split(-33.7), (std::array{-33, -42, 0}));
    EXPECT_EQ(Split(10.99999999999999), (std::array{11, 0, 0}));

    EXPECT_THROW((void)SplitDegrees(1e30), RangeError);
    EXPECT_THROW((void)SplitDegrees(std::numeric_limits<double>::quiet_NaN()), RangeError);
}

TEST(Coordinates, JoinUsesTheSignOfEachPart) {
    EXPECT_DOUBLE_EQ(JoinDegrees(-10, 30, 0), -9.5);
    EXPECT_DOUBLE_EQ(JoinDegrees(-10, -30, 0), -10.5);
    EXPECT_DOUBLE_EQ(JoinDegrees(40, 0, 36), 40.01);
    EXPECT_EQ(Split(JoinDegrees(-71, -3, -27)), (std::array{-71, -3, -27}));
}

}  // namespace
}  // namespace corv
