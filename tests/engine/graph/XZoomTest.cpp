#include "graph/XZoom.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

using LR = std::pair<double, double>;

class XZoomTest : public ::testing::Test {
  protected:
    XZoomTest() {
        g->store.TotalSpan = 100000;
        ViewState& v = g->view;
        v = {10000, 22000, 12000, 18000};
        v.CoarseStep = 2500;
        v.FineStep = 625;
    }

    ViewState& V() { return g->view; }
    LR Borders() { return {V().LeftBorder, V().RightBorder}; }
    LR Cursors() { return {V().LeftCursor, V().RightCursor}; }

    test::GraphState g;
    RecordingCanvas mainScale{500, 30}, overviewScale{500, 30};
    StepMarkerImages images{mainScale, overviewScale, 500};
};

TEST_F(XZoomTest, EdgeClicksWidenByHalfTheWindowWithinTheRecording) {
    EXPECT_EQ(WidenLeft(*g), kRedrawAfterBorders);
    EXPECT_EQ(g->MouseMode, kModeLeftBorder);
    EXPECT_EQ(V().LeftBorder, 4000);
    WidenLeft(*g);
    EXPECT_EQ(V().LeftBorder, 0);
    V().RightBorder = 95000;
    EXPECT_EQ(WidenRight(*g), kRedrawAfterBorders);
    EXPECT_EQ(g->MouseMode, kModeRightBorder);
    EXPECT_EQ(V().RightBorder, 100000);
}

TEST_F(XZoomTest, CentreAtShiftsWindowAndCursorsButNotPastTheEnd) {
    EXPECT_EQ(CentreAt(*g, 30000), kRedrawAfterBordersAndCursors);
    EXPECT_EQ(V().PrevLeftBorder, 10000);  // remembered first
    EXPECT_EQ(Borders(), LR(24000, 36000));
    EXPECT_EQ(V().LeftCursor, 26000);
    CentreAt(*g, 99000);  // the shift is cut where the right border meets the end
    EXPECT_EQ(V().RightBorder, 100000);
    EXPECT_EQ(V().RightCursor, 100000);
    EXPECT_EQ(V().LeftBorder, 88000);
    CentreAt(*g, 0);  // no lower limit
    EXPECT_EQ(V().LeftBorder, -6000);
}

TEST_F(XZoomTest, CursorPairsIntoTheWindow) {
    EXPECT_EQ(CursorsIntoBorders(*g, images), kRedrawAfterCursors);
    EXPECT_EQ(g->MouseMode, kModeBothCursors);
    EXPECT_EQ(Cursors(), LR(13000, 19000));
    EXPECT_EQ(V().FineStep, 1000);
    EXPECT_EQ(V().PrevLeftCursor, 12000);
    EXPECT_EQ(mainScale.CallsStartingWith("line "),
              (std::vector<std::string>{"line 0,28-26,28", "line 0,28-42,28"}));
    V().RightBorder = 10006;  // a twelfth of 6 ms would be a step below 1 ms
    CursorsIntoBorders(*g, images);
    EXPECT_EQ(V().FineStep, 1);

    V().RightBorder = 22000;
    EXPECT_EQ(BCursorsIntoBorders(*g), kRedrawMoveMarks);
    EXPECT_EQ(g->MouseMode, kModeRightBCursor);
    EXPECT_EQ(V().LeftBCursor, 14000);
    EXPECT_EQ(V().RightBCursor, 18000);
    EXPECT_EQ(ShCursorsIntoBorders(*g), kRedrawMoveMarks);
    EXPECT_EQ(g->MouseMode, kModeBothShCursors);
    EXPECT_EQ(V().LeftShCursor, 14000);
    EXPECT_EQ(V().PrevLeftBCursor, 14000);
}

TEST_F(XZoomTest, BordersToCursorsZoomsOntoTheWorkSectionInBothDirections) {
    ChannelRecord& r = g.Load(1, {5, 9, 3, 7, 8, 2, 6}, 1000);
    r.yOffset = 1;  // values 4, 8, 2, 6, 7, 1, 5
    g->ActiveChannel = 1;
    g->store.TotalSpan = 100000;
    V().LeftCursor = 1500;  // samples 1..4
    V().RightCursor = 4999;
    EXPECT_EQ(BordersToCursors(*g), kRedrawAfterZoomToCursors);
    EXPECT_EQ(g->MouseMode, kModeBothBorders);
    EXPECT_EQ(Borders(), LR(1062, 5436));  // Trunc(1500 - 3499 / 8) Trunc(4999 + 3499 / 8)
    EXPECT_EQ(r.Min, 3);                   // smallest value 2, plus the baseline
    EXPECT_EQ(r.Max, 9);

    // A flat section leaves the value range; the window stops at 0 and at the end.
    r.Min = -100;
    V().LeftCursor = 0;
    V().RightCursor = 0;
    BordersToCursors(*g);
    EXPECT_EQ(r.Min, -100);
    EXPECT_EQ(Borders(), LR(0, 1));  // coinciding cursors still give a 1 ms window
    V().LeftCursor = 90000;
    V().RightCursor = 100000;
    BordersToCursors(*g);
    EXPECT_EQ(V().RightBorder, 100000);
}

TEST_F(XZoomTest, MenuItemsChooseModesAndTheirCheckMarks) {
    XZoomChecks checks;
    EXPECT_TRUE(checks.bothBorders);
    EXPECT_EQ(ChooseXZoomItem(*g, XZoomItem::LeftCursor, images, checks), 0u);
    EXPECT_EQ(g->MouseMode, kModeLeftCursor);
    EXPECT_EQ(checks, (XZoomChecks{false, false, false, true, false, false}));
    ChooseXZoomItem(*g, XZoomItem::BordersAndCursors, images, checks);
    EXPECT_EQ(g->MouseMode, kModeBordersAndCursors);
    EXPECT_EQ(checks, (XZoomChecks{false, false, true, false, false, true}));
    ChooseXZoomItem(*g, XZoomItem::RightBCursor, images, checks);  // leaves the checks
    EXPECT_EQ(g->MouseMode, kModeRightBCursor);
    EXPECT_EQ(checks, (XZoomChecks{false, false, true, false, false, true}));
    ChooseXZoomItem(*g, XZoomItem::ShCursorsIntoBorders, images, checks);
    EXPECT_EQ(checks, (XZoomChecks{false, false, false, false, false, true}));
    ChooseXZoomItem(*g, XZoomItem::RightBorder, images, checks);
    EXPECT_EQ(checks, (XZoomChecks{false, true, false, false, false, false}));

    // "Move left" remembers the positions, then moves as the Left arrow does.
    EXPECT_EQ(ChooseXZoomItem(*g, XZoomItem::MoveLeft, images, checks), kRedrawAfterBorders);
    EXPECT_EQ(V().PrevRightBorder, 22000);
    EXPECT_EQ(V().RightBorder, 19500);
}

TEST(ViewStateTest, NewWindowShowsTheFirst120thWithStepsOfAtLeastOneMillisecond) {
    ViewState v = InitialViewState(960000);
    EXPECT_EQ(v.RightBorder, 8000);
    EXPECT_EQ(v.CoarseStep, 2000);
    EXPECT_EQ(v.FineStep, 500);
    EXPECT_EQ(v.RightCursor, 7000);
    EXPECT_EQ(v.RightShCursor, 4000);

    v = InitialViewState(60);  // shorter than 120 ms
    EXPECT_EQ(v.RightBorder, 0.5);
    EXPECT_EQ(v.CoarseStep, 1);
    EXPECT_EQ(v.FineStep, 1);
}

}  // namespace
}  // namespace corv
