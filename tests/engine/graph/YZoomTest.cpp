#include "graph/YZoom.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"
#include "graph/CurveMapping.h"
#include "graph/DisplayRange.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

using LR = std::pair<double, double>;

class YZoomTest : public ::testing::Test {
  protected:
    YZoomTest() { g.Load(0, {0, 100, 50}, 1000).Max = 80; }

    ChannelRecord& Rec() { return g->store.Rec(0); }
    LR Range() { return {Rec().Min, Rec().Max}; }

    // Screen row of value v on a 200-row strip of channel 0.
    int32_t RowOf(double v) {
        const ValueRange range = DisplayRange(g->store, 0);
        const CurveMapping m(Rec().GrRepr, 400, 200, 0, 1000, range.lo, range.hi);
        return m.ValueCoord(m.Offset(v));
    }

    test::GraphState g;
};

TEST_F(YZoomTest, ZoomAndShiftSteps) {
    EXPECT_EQ(YShift(*g, -1, 1), kRedrawStripMarksScale);
    EXPECT_EQ(Range(), LR(10, 70));
    YShift(*g, 1, -1);  // Out adds an eighth of the narrower range: not restored
    EXPECT_EQ(Range(), LR(2.5, 77.5));
    for (uint8_t code : {uint8_t{0}, uint8_t{3}}) {  // Shift Up raises the curve either way
        Rec().GrRepr = code;
        const int32_t before = RowOf(40);
        YShift(*g, 1, 1);
        EXPECT_LT(RowOf(40), before) << "style " << int{code};
        YShift(*g, -1, -1);
        EXPECT_EQ(RowOf(40), before);
    }
}

TEST_F(YZoomTest, NumericalZoomAndItsPartialOutcomes) {
    Rec().yOffset = 5;
    g.ui.SetDefaultAnswer(Answer::Ok);  // unscripted boxes confirm their default text
    EXPECT_EQ(NumericalYZoom(*g, g.ui), kRedrawStripMarksScale);
    EXPECT_EQ(g.ui.Events()[0].text, "Input:  New y-min value:");
    EXPECT_EQ(g.ui.Events()[0].answer, "-5");  // baseline-relative defaults
    EXPECT_EQ(g.ui.Events()[1].answer, "75");
    EXPECT_EQ(Rec().Max, 80);

    g.ui.SetDefaultAnswer(Answer::Cancel);
    EXPECT_EQ(NumericalYZoom(*g, g.ui), 0u);
    g.ui.QueueText("-20");
    EXPECT_EQ(NumericalYZoom(*g, g.ui), kRedrawStripMarksScale);  // second box cancelled
    EXPECT_EQ(Rec().Min, 0);
    g.ui.QueueText("-20");
    g.ui.QueueText("high");
    EXPECT_THROW(NumericalYZoom(*g, g.ui), ConversionError);
    EXPECT_EQ(Rec().Min, 0);
}

TEST_F(YZoomTest, NumericalZoomSwapsReversedEndsAndRefusesEqualOnes) {
    g.ui.QueueText("40");
    g.ui.QueueText("10");
    EXPECT_EQ(NumericalYZoom(*g, g.ui), kRedrawStripMarksScale);
    EXPECT_EQ(Range(), LR(10, 40));
    g.ui.QueueText("7");
    g.ui.QueueText("7");
    EXPECT_EQ(NumericalYZoom(*g, g.ui), 0u);
    EXPECT_EQ(Rec().Min, 10);
    EXPECT_EQ(g.ui.Messages().back(), " y-min and y-max must differ.");
}

TEST_F(YZoomTest, FitToDataTakesTheExtremesOfTheVisibleSamples) {
    Rec().yOffset = 5;
    g->view.LeftBorder = -1000;  // before the recording: those indexes are skipped
    g->view.RightBorder = 1000;
    EXPECT_EQ(FitToData(*g), kRedrawStripMarksScale);
    EXPECT_EQ(Range(), LR(-5 + 5, 95 + 5));
    g->view.LeftBorder = g->view.RightBorder = 2000;  // one sample: nothing to fit
    EXPECT_EQ(FitToData(*g), 0u);
    EXPECT_EQ(Rec().Max, 100);
}

TEST_F(YZoomTest, ScaleClicksAndEdgeDrags) {
    EXPECT_EQ(ScaleClick(*g, 0, 150, 200), kRedrawStripMarksScale);  // a quarter below
    EXPECT_EQ(Rec().Min, 20);
    Rec().GrRepr = 4;
    ScaleClick(*g, 0, 150, 200);
    EXPECT_EQ(Range(), LR(0, 80));
    Rec().yOffset = 10;
    EdgeDrag(*g, 0, kZoneTop, 0);  // inverted: the top edge shows Min
    EXPECT_EQ(Rec().Min, 10);
    Rec().GrRepr = 0;
    EdgeDrag(*g, 0, kZoneTop, 50);
    EXPECT_EQ(Rec().Max, 60);
    Rec().GrRepr = 7;
    EXPECT_EQ(ScaleClick(*g, 0, 150, 200) + EdgeDrag(*g, 0, kZoneTop, 0), 0u);
}

TEST(DisplayRangeTest, RangeAndPixelsMappedBackToTimeAndValue) {
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

    // The range is baseline-relative, widened by a sixteenth at each end.
    r.yOffset = 10;
    const ValueRange range = DisplayRange(g->store, 0);
    EXPECT_DOUBLE_EQ(range.lo, -10);
    EXPECT_DOUBLE_EQ(range.hi, 170);
}

}  // namespace
}  // namespace corv
