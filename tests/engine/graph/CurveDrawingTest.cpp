#include "graph/CurveDrawing.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"

namespace corv {
namespace {

using DrawFn = void (*)(Canvas&, const ChannelStore&, int, Colour, int, int, double, double, double,
                        double);

constexpr DrawFn kBoth[] = {&DrawCurve, &DrawCurveReference};

class CurveDrawingTest : public ::testing::Test {
  protected:
    // Six samples a second apart; over 0..5000 ms on 100 pixels they fall 20 pixels apart.
    CurveDrawingTest() { g.Load(0, {10, 25, 50, 75, 100, 30}, 1000); }

    Calls Lines(DrawFn draw, uint8_t code, int w, int h, double lo, double hi,
                const char* prefix = "line ") {
        g->store.Rec(0).GrRepr = code;
        RecordingCanvas c(w, h);
        draw(c, g->store, 0, 0x123, w, h, 0, 5000, lo, hi);
        return c.CallsStartingWith(prefix);
    }

    test::GraphState g;
};

TEST_F(CurveDrawingTest, NormalAndInvertedLinesRoundHalfToEven) {
    for (DrawFn draw : kBoth) {
        // yscale 0.5: 25 -> 12.5 -> 12 and 75 -> 37.5 -> 38.
        EXPECT_EQ(Lines(draw, 0, 100, 50, 0, 100),
                  (Calls{"line 0,45-0,45", "line 0,45-20,38", "line 20,38-40,25",
                         "line 40,25-60,12", "line 60,12-80,0", "line 80,0-100,35"}));
        EXPECT_EQ(Lines(draw, 3, 100, 50, 0, 100),
                  (Calls{"line 0,5-0,5", "line 0,5-20,12", "line 20,12-40,25", "line 40,25-60,38",
                         "line 60,38-80,50", "line 80,50-100,15"}));
        // A range from -20 shifts by Round(lo * yscale) = -10.
        EXPECT_EQ(Lines(draw, 0, 100, 50, -20, 80)[1], "line 0,35-20,28");
        EXPECT_EQ(Lines(draw, 3, 100, 50, -20, 80)[1], "line 0,15-20,22");
    }
}

TEST_F(CurveDrawingTest, DownwardStylesRunTimeDownTheCanvas) {
    for (DrawFn draw : kBoth) {
        // Time along the 50-pixel height (10 px a second), values across the 100-pixel width.
        EXPECT_EQ(Lines(draw, 6, 100, 50, 0, 100),
                  (Calls{"line 90,0-90,0", "line 90,0-75,10", "line 75,10-50,20",
                         "line 50,20-25,30", "line 25,30-0,40", "line 0,40-70,50"}));
        EXPECT_EQ(Lines(draw, 7, 100, 50, 0, 100)[1], "line 10,0-25,10");
        // Bars from the zero line at the right edge.
        EXPECT_EQ(Lines(draw, 8, 100, 50, 0, 100)[1], "line 100,10-75,10");
        EXPECT_EQ(Lines(draw, 9, 100, 50, 0, 100)[1], "line 100,10-75,10");
    }
}

TEST_F(CurveDrawingTest, BarsStandOnTheZeroLineAndDotsAreSmallEllipses) {
    for (DrawFn draw : kBoth) {
        EXPECT_EQ(Lines(draw, 1, 100, 50, 0, 100)[1], "line 20,50-20,38");
        EXPECT_EQ(Lines(draw, 1, 100, 50, -20, 80)[1], "line 20,40-20,28");  // zero at 50 - 10
        EXPECT_EQ(Lines(draw, 4, 100, 50, 0, 100)[1], "line 20,0-20,12");
        EXPECT_EQ(Lines(draw, 4, 100, 50, -20, 80)[1], "line 20,10-20,22");
        EXPECT_EQ(Lines(draw, 2, 100, 50, 0, 100, "ellipse ")[1], "ellipse 19,37-21,39");
        EXPECT_EQ(Lines(draw, 5, 100, 50, 0, 100, "ellipse ")[1], "ellipse 19,11-21,13");
        EXPECT_TRUE(Lines(draw, 2, 100, 50, 0, 100).empty());
    }
}

TEST_F(CurveDrawingTest, EmptyWindowOrRangeOrUnknownStyleDrawsNothing) {
    for (DrawFn draw : kBoth) {
        RecordingCanvas c(100, 50);
        draw(c, g->store, 0, 0, 100, 50, 5000, 5000, 0, 100);
        draw(c, g->store, 0, 0, 100, 50, 0, 5000, 7, 7);
        g->store.Rec(0).GrRepr = 10;
        draw(c, g->store, 0, 0, 100, 50, 0, 5000, 0, 100);
        g->store.Rec(0).GrRepr = 0;
        EXPECT_TRUE(c.Calls().empty());
    }
}

TEST_F(CurveDrawingTest, WindowBeforeTheRecordingStillDrawsTheSamplesInsideIt) {
    for (DrawFn draw : kBoth) {
        // Window -5000..5000 on 100 pixels: sample 0 sits at x 50, sample 5 at x 100.
        RecordingCanvas c(100, 50);
        draw(c, g->store, 0, 0, 100, 50, -5000, 5000, 0, 100);
        const Calls lines = c.CallsStartingWith("line ");
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[0], "line 50,45-50,45");
        EXPECT_EQ(lines[5], "line 90,0-100,35");
    }
}

TEST_F(CurveDrawingTest, CurveEndsAtTheChannelEndAndSkipsMissingData) {
    for (DrawFn draw : kBoth) {
        RecordingCanvas c(100, 50);
        draw(c, g->store, 0, 0, 100, 50, 0, 10000, 0, 100);
        EXPECT_EQ(c.CallsStartingWith("line ").size(), 6u);  // indexes 0..5, then stop
    }
    // Blocks beyond the first row read as missing data: the line jumps the gap.
    std::vector<uint16_t> raws(16390, 40);
    g.Load(1, raws, 1, 0);
    g->store.BlockCount = 3;
    for (DrawFn draw : kBoth) {
        RecordingCanvas c(10, 50);
        draw(c, g->store, 1, 0, 10, 50, 16380, 16390, 0, 100);
        EXPECT_EQ(c.CallsStartingWith("line ").size(), 4u);  // 16380..16383
    }
}

TEST_F(CurveDrawingTest, ThinningOnlyInWindowsLongerThanSixSeconds) {
    g.Load(0, std::vector<uint16_t>(10000, 50), 1);
    RecordingCanvas exact(100, 50), longer(100, 50);
    DrawCurveReference(exact, g->store, 0, 0, 100, 50, 0, 6000, 0, 100);
    DrawCurveReference(longer, g->store, 0, 0, 100, 50, 0, 6001, 0, 100);
    EXPECT_EQ(exact.CallsStartingWith("line ").size(), 6002u);  // every sample 0..6001
    EXPECT_EQ(longer.CallsStartingWith("line ").size(), 101u);  // one per column 0..100

    // The column drawing needs at most a few lines per column at any window length.
    RecordingCanvas fast(100, 50);
    DrawCurve(fast, g->store, 0, 0, 100, 50, 0, 6000, 0, 100);
    EXPECT_LE(fast.CallsStartingWith("line ").size(), 101u);
}

TEST_F(CurveDrawingTest, FarValuesAreHeldAtTheCanvasLimits) {
    // yscale 1e6: a value of 100 lies 1e8 pixels off, 60000 beyond the integer range.
    g.Load(0, {0, 60000, 0}, 1000);
    for (DrawFn draw : kBoth) {
        RecordingCanvas normal(100, 100), inverted(100, 100);
        g->store.Rec(0).GrRepr = 0;
        draw(normal, g->store, 0, 0, 100, 100, 0, 2000, 0, 0.0001);
        EXPECT_EQ(normal.CallsStartingWith("line ")[1], "line 0,100-50,-2147483646");
        g->store.Rec(0).GrRepr = 3;
        draw(inverted, g->store, 0, 0, 100, 100, 0, 2000, 0, 0.0001);
        EXPECT_EQ(inverted.CallsStartingWith("line ")[1], "line 0,0-50,2147483646");
    }
    // Style 7 is not raised to -2147483646: -2147483647 reaches the canvas unchanged.
    ChannelRecord& r = g.Load(0, {53, 53}, 1000, 7);
    r.CoeffB = -2147483700.0;
    for (uint8_t code : {uint8_t{7}, uint8_t{3}}) {
        r.GrRepr = code;
        RecordingCanvas c(100, 100);
        DrawCurve(c, g->store, 0, 0, 100, 100, 0, 1000, 0, 100);
        const std::string expected = code == 7 ? "-2147483647" : "-2147483646";
        EXPECT_NE(c.CallsStartingWith("line ")[0].find(expected), std::string::npos) << int{code};
    }
}

TEST_F(CurveDrawingTest, StretchRedrawsOnlyInsideTheWindowInAHigherColour) {
    AppState& s = *g;
    s.view.LeftBorder = 0;
    s.view.RightBorder = 5000;
    s.store.Rec(0).Min = 0;
    s.store.Rec(0).Max = 100;
    s.settings.ColourTable[kColForeground].value = 0x000000;
    RecordingCanvas strip(100, 50);
    DrawCurveStretch(strip, s, 0, 0x000000, 2000, 3000, false);
    EXPECT_EQ(strip.PenColour(), 0x000001u);
    // Samples 2..4 over the display range -6.25..106.25.
    EXPECT_EQ(strip.CallsStartingWith("line ").size(), 3u);

    strip.Clear();
    DrawCurveStretch(strip, s, 0, 0x0000FF, 6000, 7000, false);
    s.store.Rec(0).WndSze = 0;
    DrawCurveStretch(strip, s, 0, 0x0000FF, 2000, 3000, false);
    EXPECT_TRUE(strip.Calls().empty());
}

}  // namespace
}  // namespace corv
