#include "graph/DisplayRange.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"

namespace corv {
namespace {

TEST(DisplayRangeTest, BaselineRelativeRangeWidenedBySixteenths) {
    test::GraphState g;
    ChannelRecord& r = g.Load(0, {0}, 1000);
    r.Min = 0;
    r.Max = 160;
    r.yOffset = 10;
    const ValueRange range = DisplayRange(g->store, 0);
    EXPECT_DOUBLE_EQ(range.lo, -20);
    EXPECT_DOUBLE_EQ(range.hi, 160);
}

TEST(DisplayRangeTest, PixelsMapBackToTimeAndValue) {
    test::GraphState g;
    ChannelRecord& r = g.Load(0, {0}, 1000);
    r.Min = 10;
    r.Max = 170;  // shown as 0..180
    AppState& s = *g;
    s.view.LeftBorder = 1000;
    s.view.RightBorder = 3000;
    s.store.TotalSpan = 40000;

    TimeValue tv = PixelToTimeValue(s, 0, 50, 0, 100, 90);
    EXPECT_TRUE(tv.hasTime);
    EXPECT_DOUBLE_EQ(tv.time, 2000);
    EXPECT_DOUBLE_EQ(tv.value, 180);  // top of a normal strip
    EXPECT_DOUBLE_EQ(PixelToTimeValue(s, 0, 0, 30, 100, 90).value, 120);
    r.GrRepr = 5;
    EXPECT_DOUBLE_EQ(PixelToTimeValue(s, 0, 0, 30, 100, 90).value, 60);
    r.GrRepr = 6;
    EXPECT_DOUBLE_EQ(PixelToTimeValue(s, 0, 0, 30, 100, 90).value, 0);
    r.GrRepr = 0;

    tv = PixelToTimeValue(s, 0, 50, 30, 100, 0);
    EXPECT_FALSE(tv.hasTime);
    EXPECT_DOUBLE_EQ(tv.value, 0);

    // The overview shows the whole recording with the active channel's range.
    s.ActiveChannel = 0;
    tv = PixelToTimeValue(s, kOverviewImage, 25, 90, 100, 90);
    EXPECT_DOUBLE_EQ(tv.time, 10000);
    EXPECT_DOUBLE_EQ(tv.value, 0);
}

}  // namespace
}  // namespace corv
