#include "graph/GridLines.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "core/RecordingCanvas.h"

namespace corv {
namespace {

class GridLinesTest : public ::testing::Test {
  protected:
    // Range 0..100 is shown as -6.25..106.25 on 225 rows: 2 rows per unit.
    GridLinesTest() {
        ChannelRecord& r = g.Load(0, {0}, 1000, 0);
        r.Min = 0;
        r.Max = 100;
        g->settings.ColourTable[kColDashedLines].value = 4;
    }

    ChannelRecord& Rec() { return g->store.Rec(0); }
    SubsidLine& Line(int i) { return g->settings.SubsidLines[0][static_cast<size_t>(i)]; }

    test::GraphState g;
};

TEST_F(GridLinesTest, GridFromTheLowEndInTheStripsDirection) {
    Rec().GridDist = 25;
    RecordingCanvas c(200, 225);
    DrawGrid(c, *g, 0);
    // 0, 25, 50, 75 at rows 12, 62, 112, 162 (halves to even), flipped for style 0.
    EXPECT_EQ(c.CallsStartingWith("line "), (Calls{"line 2,213-198,213", "line 2,163-198,163",
                                                   "line 2,113-198,113", "line 2,63-198,63"}));
    EXPECT_EQ(Calls(c.Calls().begin(), c.Calls().begin() + 3),
              (Calls{"pen colour 4", "pen style dot", "pen mode notxor"}));
    EXPECT_TRUE(c.Style() == PenStyle::Solid && c.Mode() == PenMode::Copy);  // restored

    Rec().GrRepr = 3;      // inverted: not flipped
    Rec().GridDist = -25;  // the same lines as 25
    RecordingCanvas inverted(200, 225);
    DrawGrid(inverted, *g, 0);
    EXPECT_EQ(inverted.CallsStartingWith("line ").front(), "line 2,12-198,12");
    EXPECT_EQ(inverted.CallsStartingWith("line ").size(), 4u);
}

TEST_F(GridLinesTest, GridStaysOffTheEdgesAndZeroDrawsNothing) {
    Rec().GridDist = 0;
    RecordingCanvas none(200, 225);
    DrawGrid(none, *g, 0);
    EXPECT_TRUE(none.Calls().empty());

    // Range -0.5..0.5 on 20 rows: value -0.5 sits on row 1 (not drawn), 0 on row 10.
    Rec().Min = -0.5;
    Rec().Max = 0.5;
    Rec().GridDist = 0.5;
    Rec().GrRepr = 3;
    RecordingCanvas edge(50, 20);
    DrawGrid(edge, *g, 0);
    EXPECT_EQ(edge.CallsStartingWith("line "), (Calls{"line 2,10-48,10"}));

    // A grid far too dense for the strip is not drawn at all rather than looping for ages.
    Rec().GridDist = 1e-12;
    RecordingCanvas dense(50, 20);
    DrawGrid(dense, *g, 0);
    EXPECT_TRUE(dense.CallsStartingWith("line ").empty());
}

TEST_F(GridLinesTest, GridDrawnTwiceLeavesNoTrace) {
    Rec().GridDist = 10;
    RasterCanvas c(200, 225, 0x3366AA), blank(200, 225, 0x3366AA);
    DrawGrid(c, *g, 0);
    EXPECT_GT(c.CountDifferences(blank), 0);
    DrawGrid(c, *g, 0);
    EXPECT_EQ(c.CountDifferences(blank), 0);
}

TEST_F(GridLinesTest, SubsidiaryLinesOnceARowAndStrictlyInsideTheRange) {
    const double values[] = {50, 49.8, -6.25, 106.25, 25, 75, 0, 100, 60};
    for (int i = 1; i <= 9; ++i) Line(i) = {values[i - 1], 1.0};
    Line(6).shown = 0.5;  // only exactly 1.0 switches a line on
    RecordingCanvas c(200, 225);
    DrawSubsidiaryLines(c, *g, 0);
    // 50 and 49.8 share row 113; -6.25 and 106.25 are the range's ends.
    EXPECT_EQ(c.CallsStartingWith("line "),
              (Calls{"line 2,113-198,113", "line 2,163-198,163", "line 2,213-198,213",
                     "line 2,13-198,13", "line 2,93-198,93"}));
    EXPECT_EQ(c.Calls()[1], "pen style dash");
    EXPECT_EQ(c.Mode(), PenMode::Copy);

    // Rows 0, 1 and height - 1 are left free.
    for (int i = 1; i <= 9; ++i) Line(i).shown = 0;
    Line(1) = {106, 1.0};  // row 225 - 224 = 1
    RecordingCanvas top(200, 225);
    DrawSubsidiaryLines(top, *g, 0);
    EXPECT_TRUE(top.CallsStartingWith("line ").empty());
}

}  // namespace
}  // namespace corv
