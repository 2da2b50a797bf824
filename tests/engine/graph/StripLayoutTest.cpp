#include "graph/StripLayout.h"

#include <gtest/gtest.h>

#include "AppState.h"

namespace corv {
namespace {

void SetWeights(AppState& s, int w0, int w1, int w2) {
    s.store.Rec(0).WndSze = static_cast<uint8_t>(w0);
    s.store.Rec(1).WndSze = static_cast<uint8_t>(w1);
    s.store.Rec(2).WndSze = static_cast<uint8_t>(w2);
}

TEST(StripLayout, ScreenFractionsPlaceTheFixedParts) {
    const GraphLayout g = ScreenLayout(1600, 1000);
    EXPECT_EQ(g.overview, (PixelRect{2, 40, 1280, 90}));
    EXPECT_EQ(g.mainTimeScale, (PixelRect{2, 770, 1280, 815}));
    EXPECT_EQ(g.scales[2].left, 1282);
    // Halves round to the even neighbour.
    EXPECT_EQ(ScreenLayout(800, 101).Y(0.5), 50);
    EXPECT_EQ(ScreenLayout(800, 103).Y(0.5), 52);
}

TEST(StripLayout, WeightsShareSixTenthsOfTheScreenWithGaps) {
    AppState s;
    s.ActiveChannel = 2;
    SetWeights(s, 1, 2, 1);
    GraphLayout g = ScreenLayout(1600, 1000);
    ASSERT_TRUE(StripLayout(s, g, 3));
    EXPECT_EQ(g.strips[0], (PixelRect{2, 150, 1280, 300}));
    EXPECT_EQ(g.strips[1], (PixelRect{2, 305, 1280, 605}));
    EXPECT_EQ(g.strips[2], (PixelRect{2, 610, 1280, 760}));
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(g.scales[c].top, g.strips[c].top);
        EXPECT_EQ(g.scales[c].bottom, g.strips[c].bottom);
    }
    EXPECT_EQ(s.ActiveChannel, 0);

    // One channel of weight 5 takes the whole area.
    SetWeights(s, 0, 5, 0);
    ASSERT_TRUE(StripLayout(s, g, 3));
    EXPECT_EQ(g.strips[1], (PixelRect{2, 150, 1280, 750}));
    EXPECT_EQ(g.strips[0].Height(), 0);
    EXPECT_EQ(g.strips[2].Height(), 0);
    EXPECT_EQ(s.ActiveChannel, 1);
}

TEST(StripLayout, WeightZeroAndAbsentChannelsGetNoStrip) {
    AppState s;
    SetWeights(s, 0, 1, 1);
    GraphLayout g = ScreenLayout(1600, 1000);
    ASSERT_TRUE(StripLayout(s, g, 3));
    EXPECT_EQ(g.strips[0].Height(), 0);
    EXPECT_EQ(g.scales[0].Height(), 0);
    EXPECT_EQ(g.strips[1], (PixelRect{2, 150, 1280, 450}));
    EXPECT_EQ(g.strips[2], (PixelRect{2, 455, 1280, 755}));
    // The channel without a strip cannot be the active one.
    EXPECT_EQ(s.ActiveChannel, 1);
    EXPECT_FALSE(HasStrip(s, 0));

    // An absent channel's weight is not counted.
    SetWeights(s, 1, 4, 1);
    s.store.ChannelPresent = {true, false, true};
    ASSERT_TRUE(StripLayout(s, g, 2));
    EXPECT_EQ(g.strips[0], (PixelRect{2, 150, 1280, 450}));
    EXPECT_EQ(g.strips[1].Height(), 0);
    EXPECT_EQ(g.strips[2], (PixelRect{2, 455, 1280, 755}));
}

TEST(StripLayout, FailureLeavesRectanglesAndActiveChannel) {
    AppState s;
    SetWeights(s, 1, 1, 1);
    GraphLayout g = ScreenLayout(800, 600);
    ASSERT_TRUE(StripLayout(s, g, 3));
    const GraphLayout before = g;
    s.ActiveChannel = 2;

    SetWeights(s, 0, 0, 0);
    EXPECT_FALSE(StripLayout(s, g, 3));
    SetWeights(s, 0, 0, 3);
    s.store.ChannelPresent = {true, true, false};  // the only weight is on an absent channel
    EXPECT_FALSE(StripLayout(s, g, 2));
    s.store.ChannelPresent = {false, false, false};
    EXPECT_FALSE(StripLayout(s, g, 0));
    EXPECT_EQ(g.strips, before.strips);
    EXPECT_EQ(g.scales, before.scales);
    EXPECT_EQ(s.ActiveChannel, 2);
}

}  // namespace
}  // namespace corv
