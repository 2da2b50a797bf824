#include "graph/DimsDrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "core/RecordingCanvas.h"
#include "graph/CurveDrawing.h"
#include "graph/DisplayRange.h"

namespace corv {
namespace {

using Calls = std::vector<std::string>;

class DimsDrawingTest : public ::testing::Test {
  protected:
    DimsDrawingTest() {
        std::vector<uint16_t> raws(200);
        for (size_t i = 0; i < raws.size(); ++i) raws[i] = static_cast<uint16_t>(i * 37 % 100);
        raws[20] = 0;  // the curve crosses the bracket band (rows 87..94) at both ends of
        raws[40] = 3;  // the first dim
        ChannelRecord& r = g.Load(0, raws, 10);
        r.Min = 0;
        r.Max = 100;
        g->view.LeftBorder = 0;
        g->view.RightBorder = 1000;  // samples 0..100 on 200 pixels
        g->settings.ColourTable[kColForeground].value = 0x010101;
    }

    test::GraphState g;
};

TEST_F(DimsDrawingTest, BracketsBelowEachDimInsideTheWindow) {
    const DimExtent dims[] = {{20, 40}, {90, 150}, {120, 120}};
    RecordingCanvas c(200, 100);
    DrawDims(c, *g, 0, dims, 0x0000FF, true);
    EXPECT_EQ(c.CallsStartingWith("line 40,87-"), (Calls{"line 40,87-40,95"}));
    EXPECT_EQ(c.CallsStartingWith("line 80,87-"), (Calls{"line 80,87-80,95"}));
    EXPECT_EQ(c.CallsStartingWith("line 40,95-"), (Calls{"line 40,95-80,95"}));
    // The second dim ends beyond the window: its start bracket and its underline only.
    EXPECT_EQ(c.CallsStartingWith("line 180,87-"), (Calls{"line 180,87-180,95"}));
    EXPECT_EQ(c.CallsStartingWith("line 180,95-"), (Calls{"line 180,95-300,95"}));
    EXPECT_TRUE(c.CallsStartingWith("line 300,87").empty());
    EXPECT_EQ(c.CallsStartingWith("pen colour 16711680").size(), 1u);  // blue for feeding
    EXPECT_EQ(c.Mode(), PenMode::Copy);
}

TEST_F(DimsDrawingTest, DrawingWithTheCurveColourRestoresTheStrip) {
    const DimExtent dims[] = {{20, 40}, {60, 61}, {95, 130}};
    const ValueRange range = DisplayRange(g->store, 0);
    RasterCanvas strip(200, 100), plain(200, 100);
    for (RasterCanvas* c : {&strip, &plain})
        DrawCurve(*c, g->store, 0, 0x000000, 200, 100, 0, 1000, range.lo, range.hi);
    DrawDims(strip, *g, 0, dims, 0x0000FF, false);
    EXPECT_GT(strip.CountDifferences(plain), 0);
    DrawDims(strip, *g, 0, dims, 0x000000, false);
    EXPECT_EQ(strip.CountDifferences(plain), 0);
}

}  // namespace
}  // namespace corv
