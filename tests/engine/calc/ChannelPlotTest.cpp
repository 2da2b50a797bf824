#include "calc/ChannelPlot.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"
#include "core/RecordingCanvas.h"

namespace corv {
namespace {

class ChannelPlotTest : public ::testing::Test {
  protected:
    ChannelPlotTest() {
        g.Load(0, {0, 2, 4, 6, 8, 5}, 1000);
        g.Load(1, {10, 11, 12, 13, 14, 15}, 1000);
        g.Load(2, {1, 1, 1, 1, 1, 1}, 500);
        g->view.LeftCursor = 0;
        g->view.RightCursor = 4000;
    }
    test::GraphState g;
};

TEST_F(ChannelPlotTest, RangesAndChecks) {
    PlotChannels p;
    EXPECT_FALSE(ParsePlotChannels("4", "1", p));  // silently ends
    EXPECT_THROW((void)ParsePlotChannels("0", "1", p), RangeError);
    EXPECT_THROW((void)ParsePlotChannels("x", "1", p), ConversionError);
    ASSERT_TRUE(ParsePlotChannels("1", "2", p));
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(0, 1));
    ASSERT_TRUE(PreparePlot(*g, g.ui, p));
    const PlotAxes axes = PlotAxesOf(g->store, p);
    EXPECT_EQ(g->store.Rec(0).PlotLow, 0);
    EXPECT_EQ(g->store.Rec(0).PlotHigh, 8);
    EXPECT_EQ(std::vector<double>({axes.xLow, axes.xHigh, axes.yLow, axes.yHigh}),
              std::vector<double>({-1, 9, 9.5, 14.5}));
    const PlotPoint pt = PlotReadout(axes, 100, 50, 50, 0);
    EXPECT_EQ(pt.x, 4);
    EXPECT_EQ(pt.y, 14.5);

    EXPECT_FALSE(PreparePlot(*g, g.ui, {0, 2}));
    g->store.ChannelPresent[1] = false;
    EXPECT_FALSE(PreparePlot(*g, g.ui, {0, 1}));
    EXPECT_EQ(g.ui.Messages(), (std::vector<std::string>{kDifferentSampInt, kChannelNotPresent}));
    EXPECT_FALSE(g.ui.Busy());
}

TEST_F(ChannelPlotTest, DotsRunOnePastF5AndZeroLines) {
    const PlotChannels p{0, 0};
    ASSERT_TRUE(PreparePlot(*g, g.ui, p));
    const PlotAxes axes = PlotAxesOf(g->store, p);
    RecordingCanvas image(100, 100);
    DrawChannelPlot(image, g->store, p, axes, 0, 4000);
    const Calls dots = image.CallsStartingWith("fill ");
    ASSERT_EQ(dots.size(), 6u);  // samples 0..4 and 5
    // Against itself: on the diagonal, x + y = H for the dot's centre.
    EXPECT_EQ(dots[0], "fill 9,89-11,91");
    EXPECT_EQ(dots[4], "fill 89,9-91,11");
    EXPECT_EQ(image.CallsStartingWith("line "), (Calls{"line 0,90-100,90", "line 10,0-10,100"}));

    // A y range above 0: the horizontal zero line lies below the image.
    const PlotChannels q{0, 1};
    ASSERT_TRUE(PreparePlot(*g, g.ui, q));
    RecordingCanvas other(100, 100);
    DrawChannelPlot(other, g->store, q, PlotAxesOf(g->store, q), 0, 4000);
    EXPECT_EQ(other.CallsStartingWith("line ")[0], "line 0,290-100,290");

    // A constant channel: no range, nothing drawn.
    g.Load(2, {1, 1, 1, 1, 1, 1}, 1000);
    const PlotChannels flat{2, 2};
    ASSERT_TRUE(PreparePlot(*g, g.ui, flat));
    EXPECT_FALSE(PlotAxesOf(g->store, flat).Valid());
    RecordingCanvas empty(100, 100);
    DrawChannelPlot(empty, g->store, flat, PlotAxesOf(g->store, flat), 0, 4000);
    EXPECT_TRUE(empty.Calls().empty());
}

}  // namespace
}  // namespace corv
