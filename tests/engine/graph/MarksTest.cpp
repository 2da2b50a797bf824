#include "graph/Marks.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "core/RecordingCanvas.h"
#include "graph/CurveDrawing.h"
#include "graph/DimsDrawing.h"
#include "graph/DisplayRange.h"

namespace corv {
namespace {

class MarksTest : public ::testing::Test {
  protected:
    MarksTest() {
        colours[kColCursor].value = 0xFF0000;
        colours[kColBorder].value = 0xFF00FF;
    }

    Calls Draw(int kind, double tA, double tB, double left = 1000, double right = 2000) {
        RecordingCanvas c(100, 48);  // m = 2
        DrawMarkPair(c, colours, 100, 48, kind, left, right, tA, tB);
        EXPECT_EQ(c.Mode(), PenMode::Copy);
        EXPECT_EQ(c.Style(), PenStyle::Solid);
        last = c.Calls();
        return c.CallsStartingWith("line ");
    }

    std::array<ColourEntry, kColourCount> colours{};
    Calls last;
};

TEST_F(MarksTest, MarksAtTheWindowEdgesAreDrawnOutsideOnesAndSecondOnOneColumnAreNot) {
    EXPECT_EQ(Draw(kMarkStripCursors, 1000, 2000), (Calls{"line 0,2-0,46", "line 100,2-100,46"}));
    EXPECT_EQ(Calls(last.begin(), last.begin() + 3),
              (Calls{"pen colour 16711680", "pen style dot", "pen mode notxor"}));
    EXPECT_EQ(Draw(kMarkStripCursors, 999.9, 1500), (Calls{"line 50,2-50,46"}));
    EXPECT_EQ(Draw(kMarkStripCursors, 900, 2000.1), Calls{});
    EXPECT_TRUE(Draw(kMarkStripCursors, 1500, 1500, 1000, 1000).empty());
    EXPECT_TRUE(last.empty());

    // A pair on one column is drawn once, so that NotXor does not cancel it.
    EXPECT_EQ(Draw(kMarkStripCursors, 1500, 1500.4), (Calls{"line 50,2-50,46"}));
    // Only drawn marks count: the left one lies outside.
    EXPECT_EQ(Draw(kMarkStripCursors, 2000.2, 2000), (Calls{"line 100,2-100,46"}));
}

TEST_F(MarksTest, KindsDifferInPenAndExtent) {
    EXPECT_EQ(Draw(kMarkOverviewBorders, 1500, 1600)[0], "line 50,2-50,46");
    EXPECT_EQ(last[0], "pen colour 16711935");
    EXPECT_EQ(last[1], "pen style dash");
    EXPECT_EQ(Draw(kMarkStripBCursors, 1500, 1600)[0], "line 50,24-50,46");
    EXPECT_EQ(Draw(kMarkStripShCursors, 1500, 1600)[0], "line 50,26-50,46");
    EXPECT_EQ(last[1], "pen style solid");
    EXPECT_TRUE(Draw(3, 1500, 1600).empty());
}

TEST_F(MarksTest, StripsShowAndMoveOnlyThePairsTheirCursorMaskAsksFor) {
    test::GraphState g;
    g.Load(0, {0, 0}, 1000).CursorMask = 0;
    AppState& s = *g;
    s.view = {0, 100, 10, 90};
    s.view.LeftBCursor = 20;
    s.view.RightBCursor = 80;
    s.view.LeftShCursor = 30;
    s.view.RightShCursor = 70;
    s.view.PrevLeftBCursor = 25;
    s.view.PrevRightBCursor = 80;
    s.view.PrevLeftShCursor = 35;
    s.view.PrevRightShCursor = 70;

    const auto lines = [&](void (*draw)(Canvas&, const AppState&, int)) {
        RecordingCanvas c(100, 48);
        draw(c, s, 0);
        return c.CallsStartingWith("line ");
    };
    EXPECT_EQ(lines(DrawStripMarks).size(), 2u);
    s.store.Rec(0).CursorMask = 3;
    EXPECT_EQ(lines(DrawStripMarks).size(), 6u);
    s.MouseMode = kModeLeftBCursor;
    EXPECT_EQ(lines(MoveModeMarks), (Calls{"line 25,24-25,46", "line 80,24-80,46",
                                           "line 20,24-20,46", "line 80,24-80,46"}));
    s.store.Rec(0).CursorMask = 2;  // the strip does not show the B. cursors
    RecordingCanvas hidden(100, 48);
    MoveModeMarks(hidden, s, 0);
    EXPECT_TRUE(hidden.Calls().empty());
    s.MouseMode = kModeBothShCursors;
    EXPECT_EQ(lines(MoveModeMarks).size(), 4u);
}

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
