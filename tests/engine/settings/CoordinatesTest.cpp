#include "settings/Coordinates.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/Errors.h"

namespace corv {
namespace {

TEST(Coordinates, SplitCutsEachPartTowardZero) {
    const DegreeParts west = SplitDegrees(-10.5);
    EXPECT_EQ(west.degrees, -10);
    EXPECT_EQ(west.minutes, -30);
    EXPECT_EQ(west.seconds, 0);

    const DegreeParts p = SplitDegrees(12.0 + 34.0 / 60 + 56.9 / 3600);
    EXPECT_EQ(p.degrees, 12);
    EXPECT_EQ(p.minutes, 34);
    EXPECT_EQ(p.seconds, 56);

    const DegreeParts small = SplitDegrees(-0.25);
    EXPECT_EQ(small.degrees, 0);
    EXPECT_EQ(small.minutes, -15);
    EXPECT_EQ(small.seconds, 0);
}

TEST(Coordinates, SplitIsNotFooledByBinaryFractions) {
    // 10.1 is slightly below 10.1 in binary; it still means 10 degrees 6 minutes.
    const DegreeParts p = SplitDegrees(10.1);
    EXPECT_EQ(p.minutes, 6);
    EXPECT_EQ(p.seconds, 0);
    const DegreeParts q = SplitDegrees(-33.7);
    EXPECT_EQ(q.degrees, -33);
    EXPECT_EQ(q.minutes, -42);
    EXPECT_EQ(q.seconds, 0);
    const DegreeParts r = SplitDegrees(10.99999999999999);
    EXPECT_EQ(r.degrees, 11);
    EXPECT_EQ(r.minutes, 0);
    EXPECT_EQ(r.seconds, 0);
}

TEST(Coordinates, JoinUsesTheSignOfEachPart) {
    EXPECT_DOUBLE_EQ(JoinDegrees(-10, 30, 0), -9.5);
    EXPECT_DOUBLE_EQ(JoinDegrees(-10, -30, 0), -10.5);
    EXPECT_DOUBLE_EQ(JoinDegrees(40, 0, 36), 40.01);
    const DegreeParts p = SplitDegrees(JoinDegrees(-71, -3, -27));
    EXPECT_EQ(p.degrees, -71);
    EXPECT_EQ(p.minutes, -3);
    EXPECT_EQ(p.seconds, -27);
}

TEST(Coordinates, SplitRejectsAnglesBeyondTheIntegerRange) {
    EXPECT_THROW((void)SplitDegrees(1e30), RangeError);
    EXPECT_THROW((void)SplitDegrees(std::numeric_limits<double>::quiet_NaN()), RangeError);
}

}  // namespace
}  // namespace corv
