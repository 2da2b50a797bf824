#include "graph/Marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"

namespace corv {
namespace {

using Calls = std::vector<std::string>;

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

TEST_F(MarksTest, MarksAtTheWindowEdgesAreDrawnAndOutsideOnesAreNot) {
    EXPECT_EQ(Draw(kMarkStripCursors, 1000, 2000), (Calls{"line 0,2-0,46", "line 100,2-100,46"}));
    EXPECT_EQ(last[0], "pen colour 16711680");
    EXPECT_EQ(last[1], "pen style dot");
    EXPECT_EQ(last[2], "pen mode notxor");
    EXPECT_EQ(Draw(kMarkStripCursors, 999.9, 1500), (Calls{"line 50,2-50,46"}));
    EXPECT_EQ(Draw(kMarkStripCursors, 900, 2000.1), Calls{});
    EXPECT_TRUE(Draw(kMarkStripCursors, 1500, 1500, 1000, 1000).empty());
    EXPECT_TRUE(last.empty());
}

TEST_F(MarksTest, PairOnOneColumnIsDrawnOnceSoNotXorDoesNotCancelIt) {
    EXPECT_EQ(Draw(kMarkStripCursors, 1500, 1500.4), (Calls{"line 50,2-50,46"}));
    // Only drawn marks count: the left one lies outside.
    EXPECT_EQ(Draw(kMarkStripCursors, 2000.2, 2000), (Calls{"line 100,2-100,46"}));
}

TEST_F(MarksTest, KindsDifferInPenAndExtent) {
    EXPECT_EQ(Draw(kMarkOverviewBorders, 1500, 1600)[0], "line 50,2-50,46");
    EXPECT_EQ(last[0], "pen colour 16711935");
    EXPECT_EQ(last[1], "pen style dash");
    EXPECT_EQ(Draw(kMarkOverviewCursors, 1500, 1600)[0], "line 50,2-50,46");
    EXPECT_EQ(Draw(kMarkStripBCursors, 1500, 1600)[0], "line 50,24-50,46");
    EXPECT_EQ(last[1], "pen style dot");
    EXPECT_EQ(Draw(kMarkStripShCursors, 1500, 1600)[0], "line 50,26-50,46");
    EXPECT_EQ(last[1], "pen style solid");
    EXPECT_TRUE(Draw(3, 1500, 1600).empty());
}

TEST_F(MarksTest, StripsShowAndMoveOnlyThePairsTheirCursorMaskAsksFor) {
    test::GraphState g;
    g.Load(0, {0, 0}, 1000).CursorMask = 0;
    AppState& s = *g;
    s.view = ViewState{};
    s.view.RightBorder = 100;
    s.view.LeftCursor = 10;
    s.view.RightCursor = 90;
    s.view.LeftBCursor = 20;
    s.view.RightBCursor = 80;
    s.view.LeftShCursor = 30;
    s.view.RightShCursor = 70;
    s.view.PrevLeftBCursor = 25;
    s.view.PrevRightBCursor = 80;
    s.view.PrevLeftShCursor = 35;
    s.view.PrevRightShCursor = 70;

    RecordingCanvas plain(100, 48);
    DrawStripMarks(plain, s, 0);
    EXPECT_EQ(plain.CallsStartingWith("line ").size(), 2u);
    s.store.Rec(0).CursorMask = 3;
    RecordingCanvas all(100, 48);
    DrawStripMarks(all, s, 0);
    EXPECT_EQ(all.CallsStartingWith("line ").size(), 6u);

    s.MouseMode = kModeLeftBCursor;
    RecordingCanvas moved(100, 48);
    MoveModeMarks(moved, s, 0);
    EXPECT_EQ(moved.CallsStartingWith("line "), (Calls{"line 25,24-25,46", "line 80,24-80,46",
                                                       "line 20,24-20,46", "line 80,24-80,46"}));
    s.store.Rec(0).CursorMask = 2;  // the strip does not show the B. cursors
    RecordingCanvas hidden(100, 48);
    MoveModeMarks(hidden, s, 0);
    EXPECT_TRUE(hidden.Calls().empty());
    s.MouseMode = kModeBothShCursors;
    RecordingCanvas sh(100, 48);
    MoveModeMarks(sh, s, 0);
    EXPECT_EQ(sh.CallsStartingWith("line ").size(), 4u);
}

}  // namespace
}  // namespace corv
