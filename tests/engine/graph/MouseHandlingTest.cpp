#include "graph/MouseHandling.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "GraphTestSupport.h"
#include "core/Times.h"
#include "graph/CursorReadouts.h"
#include "graph/DisplayRange.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

// Strips of 1000 x 200 pixels over 10 000..20 000 ms: 10 ms per pixel; the overview shows
// 0..100 000 ms on the same width. Strip pixels: cursors 200 and 800, B. cursors 400 and
// 600, Sh cursors 500 and 550; a mark is grabbed within 33 pixels.
class MouseHandlingTest : public ::testing::Test {
  protected:
    MouseHandlingTest() {
        for (int c : {0, 1}) g.Load(c, std::vector<uint16_t>(1001, 0), 100).Max = 160;
        g->settings.CommSampInterval = 1;
        g->store.OriginTime = PartsToTime(2026, 12, 5, 14, 3, 7);
        V() = {10000, 20000, 12000, 18000};
        V().LeftBCursor = 14000;
        V().RightBCursor = 16000;
        V().LeftShCursor = 15000;
        V().RightShCursor = 15500;
    }

    MouseDownResult Press(int image, int x, int y, MouseButton b = MouseButton::Left) {
        return ImgMouseDn(*g, {image, x, y, 1000, 200, b, 200}, dims);
    }
    MouseUpResult Release(int x, int y, MouseButton b = MouseButton::Left) {
        return ImgMouseUp(*g, {g->mouseDown.image, x, y, 1000, 200, b, 200}, dims);
    }
    int Grab(int x, int y = 100) {
        Press(0, x, y);
        return g->mouseDown.grabbedMark;
    }
    ViewState& V() { return g->view; }

    test::GraphState g;
    std::vector<DimExtent> dims;
};

TEST_F(MouseHandlingTest, EdgeZonesAndCorners) {
    const int cases[][3] = {{5, 100, kZoneLeft},   {100, 5, kZoneTop},     {100, 189, kZoneBottom},
                            {100, 188, kZoneNone}, {995, 195, kZoneRight}, {5, 5, kZoneLeft}};
    for (const auto& c : cases) {
        Press(0, c[0], c[1]);
        EXPECT_EQ(g->mouseDown.zone, c[2]) << c[0] << "," << c[1];
    }
    g->MouseMode = kModeNone;
    EXPECT_EQ(Grab(11), kGrabNone);
    EXPECT_EQ(g->MouseMode, kModeNone);
    EXPECT_EQ(Release(12, 101).redraw, kRedrawAfterBorders);  // a click widens the window
    EXPECT_EQ(V().LeftBorder, 5000);
}

TEST_F(MouseHandlingTest, NearestMarkBordersFirstAndTheAuxiliaryHandicap) {
    V().LeftCursor = 10240;  // pixel 24: as near to x = 12 as the left border
    EXPECT_EQ(Grab(12), kGrabLeftBorder);
    V().LeftCursor = 12000;
    V().LeftBCursor = 12030;  // pixel 203
    EXPECT_EQ(Grab(202), kGrabLeftCursor);
    EXPECT_EQ(Grab(203), kGrabLeftBCursor);  // more than two pixels nearer
    V().LeftBCursor = 14000;
    EXPECT_EQ(Grab(500), kGrabNone);  // Sh cursors not shown; the B. cursor is too far
    EXPECT_EQ(g->MouseMode, kModeLeftBCursor);
    g->store.Rec(0).CursorMask = 3;
    EXPECT_EQ(Grab(500), kGrabLeftShCursor);
    Press(kOverviewImage, 500, 20);  // on the overview the nearest is grabbed however far
    EXPECT_EQ(g->mouseDown.grabbedMark, kGrabRightBorder);
}

TEST_F(MouseHandlingTest, DragsKeepEachMarkOnItsSideOfItsPartner) {
    Grab(200);
    EXPECT_EQ(Release(900, 100).redraw, 0u);  // past the right cursor
    Grab(200);
    EXPECT_EQ(Release(700, 100).redraw, kRedrawAfterCursors);
    EXPECT_EQ(V().LeftCursor, 17000);
    EXPECT_EQ(V().PrevLeftCursor, 12000);
    Press(0, 800, 100, MouseButton::Right);  // the right button drags marks too
    Release(850, 100, MouseButton::Right);
    EXPECT_EQ(V().RightCursor, 18500);
    Press(0, 5, 100);  // from the left edge zone, released past the right border
    EXPECT_EQ(Release(1100, 100).redraw, 0u);
    Press(0, 5, 100);
    EXPECT_EQ(Release(500, 100).redraw, kRedrawAfterBorders);
    EXPECT_EQ(V().LeftBorder, 15000);
    EXPECT_EQ(Release(600, 100).redraw, 0u);  // a second release without a press
}

TEST_F(MouseHandlingTest, AGrabbedMarkFollowsTheMouseWhileDragged) {
    const auto Move = [this](int x) { return ImgMouseMove(*g, {0, x, 100, 1000, 200}); };
    Press(0, 200, 100);        // the left cursor
    EXPECT_EQ(Move(202), 0u);  // still a click
    EXPECT_EQ(V().LeftCursor, 12000);
    EXPECT_EQ(Move(300), kRedrawAfterCursors);
    EXPECT_EQ(V().LeftCursor, 13000);
    EXPECT_EQ(V().PrevLeftCursor, 12000);  // drawn there last: removed from there
    Move(350);
    EXPECT_EQ(V().PrevLeftCursor, 13000);
    EXPECT_EQ(Move(900), 0u);  // not past its partner
    EXPECT_EQ(V().LeftCursor, 13500);
    EXPECT_EQ(Release(400, 100).redraw, kRedrawAfterCursors);
    EXPECT_EQ(V().PrevLeftCursor, 13500);
    EXPECT_EQ(V().LeftCursor, 14000);
    EXPECT_EQ(Move(500), 0u);  // no press: nothing follows
}

TEST_F(MouseHandlingTest, AClickOnlyFillsTheMouseReadouts) {
    Press(0, 500, 100);
    const MouseUpResult up = Release(503, 100);  // three pixels
    EXPECT_EQ(up.redraw, 0u);
    EXPECT_EQ(V().RightBCursor, 16000);
    EXPECT_EQ(up.mouseValue, "80.0000");  // the middle of -10..170
    EXPECT_EQ(up.mouseDate, "05.12.2026");
    EXPECT_EQ(up.mouseTime, "14:03:22.030");  // 15.03 s after the origin, 100 ms samples
    Press(0, 500, 100);
    EXPECT_FALSE(Release(502, 102).readoutShown);  // four pixels: a drag
}

TEST_F(MouseHandlingTest, EdgeClicksAndTheActiveChannel) {
    Press(1, 500, 100);
    MouseUpResult up = Release(500, 100);
    EXPECT_TRUE(up.activeChanged);
    EXPECT_EQ(up.previousActive, 0);
    // The overview and the curve colours follow the active channel at once.
    EXPECT_EQ(up.redraw, kRedrawAfterActiveChange);
    // The pressed strip's channel grows at the clicked edge, shown by the fresh drawing.
    Press(0, 500, 5);
    EXPECT_EQ(Release(500, 5).redraw, kRedrawAfterActiveChange);
    EXPECT_EQ(g->store.Rec(0).Max, 200);
    EXPECT_EQ(g->store.Rec(1).Max, 160);
    g->store.Rec(0).GrRepr = 3;  // inverted: the bottom edge shows Max
    Press(0, 500, 195);
    Release(500, 195);
    EXPECT_EQ(g->store.Rec(0).Max, 250);
    Press(1, 200, 100);
    EXPECT_EQ(Release(700, 100).redraw, kRedrawAfterActiveChange);  // the cursor drawn afresh
}

TEST_F(MouseHandlingTest, DimEndsInTheDimsBand) {
    dims = {{151, 158}};  // pixels 510 and 580
    Press(0, 512, 180);   // 0.9 of the height
    EXPECT_EQ(g->mouseDown.dim, 0);
    EXPECT_EQ(g->mouseDown.grabbedMark, kGrabNone);
    const DimMove move = Release(532, 180).dimMove;
    EXPECT_EQ(move.dim, 0);
    EXPECT_EQ(move.end, kDimStart);
    EXPECT_EQ(move.index, 153);
    Press(0, 512, 180);
    EXPECT_EQ(Release(600, 180).dimMove.dim, -1);  // a start past the end
    Press(0, 598, 180);                            // the B. cursor is nearer than the end
    EXPECT_EQ(g->mouseDown.grabbedMark, kGrabRightBCursor);
    const MouseDownResult popup = Press(0, 520, 180, MouseButton::Right);
    EXPECT_EQ(g->mouseDown.dim, -1);  // dim ends need the left button
    EXPECT_TRUE(popup.openDimsPopup);
    EXPECT_EQ(popup.popupIndex, 152);
}

TEST_F(MouseHandlingTest, FarMarksTimeScalesAndYScales) {
    V().LeftCursor = 1e13;
    EXPECT_EQ(MarkPixels(*g, 0, 1000)[kPixLeftCursor], INT32_MAX);
    V().LeftBorder = V().RightBorder;  // an empty window grabs nothing and raises nothing
    EXPECT_EQ(Grab(500), kGrabNone);
    V() = {10000, 20000, 12000, 18000};
    EXPECT_EQ(ImgTimeDown(*g, TimeScaleKind::Main, 750, 1000), kRedrawAfterBordersAndCursors);
    EXPECT_EQ(V().LeftBorder, 12500);
    const ScaleYResult res = ImgScaleYDown(*g, 1, 150, 200);  // not the active channel
    EXPECT_EQ(res.redraw, kRedrawAllStrips | kRedrawAllStripMarks);
    EXPECT_EQ(res.yScaleChannel, 1);
    EXPECT_EQ(g->store.Rec(1).Min, 40);
}

TEST(CursorReadoutsTest, ValuesAtTheCursorSamplesWithDateAndTimeOfDay) {
    test::GraphState g;
    ChannelRecord& r = g.Load(1, {100, 200, 300, 400}, 500);
    r.CoeffA = 0.5;
    AppState& s = *g;
    s.ActiveChannel = 1;
    s.store.OriginTime = PartsToTime(2005, 6, 7, 23, 59, 59);
    s.settings.DateSep = '/';
    s.view.LeftCursor = 999;     // sample 1
    s.view.RightCursor = 60000;  // past the last sample: sample 3
    const CursorReadouts out = CursorReadoutTexts(s);
    ASSERT_TRUE(out.shown);
    EXPECT_EQ(out.leftValue, "100.0000");
    EXPECT_EQ(out.rightValue, "200.0000");
    EXPECT_EQ(out.leftDate, "07/06/2005");
    // Samples 500 ms apart: the times carry milliseconds; a 1 s channel shows seconds.
    EXPECT_EQ(out.leftTime, "23:59:59.999");
    EXPECT_EQ(out.rightDate, "08/06/2005");
    EXPECT_EQ(out.rightTime, "00:00:59.000");
    r.SampRate = 1000;
    EXPECT_EQ(CursorReadoutTexts(s).leftTime, "23:59:59");

    // Nothing when the right cursor lies before the channel.
    s.view.LeftCursor = -3000;
    s.view.RightCursor = -2000;
    EXPECT_FALSE(CursorReadoutTexts(s).shown);
}

}  // namespace
}  // namespace corv
