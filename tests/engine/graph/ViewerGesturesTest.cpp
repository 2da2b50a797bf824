#include "graph/ViewerGestures.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "graph/RedrawFlags.h"
#include "graph/StatusTexts.h"

namespace corv {
namespace {

using LR = std::pair<double, double>;

// 1001 samples 100 ms apart (0..100 s); the window shows 10..20 s.
class ViewerGesturesTest : public ::testing::Test {
  protected:
    ViewerGesturesTest() {
        std::vector<uint16_t> raws(1001);
        for (size_t i = 0; i < raws.size(); ++i) raws[i] = static_cast<uint16_t>(i);
        for (int c : {0, 1}) g.Load(c, raws, 100).Max = 1000;
        g->store.ChannelPresent = {true, true, false};
        g->view.LeftBorder = 10000;
        g->view.RightBorder = 20000;
    }
    ViewState& V() { return g->view; }
    LR Borders() { return {V().LeftBorder, V().RightBorder}; }
    test::GraphState g;
};

TEST_F(ViewerGesturesTest, PanKeepsTheWidthWithinTheRecording) {
    EXPECT_EQ(PanWindow(*g, 2500), kRedrawAfterBorders);
    EXPECT_EQ(Borders(), LR(12500, 22500));
    EXPECT_EQ(V().PrevLeftBorder, 10000);
    PanWindow(*g, -50000);
    EXPECT_EQ(Borders(), LR(0, 10000));
    EXPECT_EQ(PanWindow(*g, -1), 0u);  // already at the start
    PanWindow(*g, 1e9);
    EXPECT_EQ(V().RightBorder, 100000);
}

TEST_F(ViewerGesturesTest, ZoomKeepsTheTimeUnderThePointer) {
    EXPECT_EQ(ZoomTimeAround(*g, 12500, 0.5), kRedrawAfterBorders);
    EXPECT_EQ(Borders(), LR(11250, 16250));  // 12.5 s stays at a quarter of the width
    ZoomTimeAround(*g, 0, 1e6);              // out beyond the recording: the whole of it
    EXPECT_EQ(Borders(), LR(0, 100000));
    ZoomTimeAround(*g, 500, 1e-9);  // in: never below 1 ms
    EXPECT_DOUBLE_EQ(V().RightBorder - V().LeftBorder, 1);

    // Shift+wheel on an inactive strip: its range around the value, all strips redrawn.
    g->ActiveChannel = 0;
    const ValueZoomResult r = ZoomValueAround(*g, 1, 200, 0.5);
    EXPECT_EQ(r.yScaleChannel, 1);
    EXPECT_EQ(g->store.Rec(1).Min, 100);
    EXPECT_EQ(g->store.Rec(1).Max, 600);
    EXPECT_EQ(ZoomValueAround(*g, 0, 0, 2).redraw, kRedrawStripMarksScale);
    EXPECT_LT(WheelZoomFactor(1), 1);
    EXPECT_GT(WheelZoomFactor(-1), 1);
}

TEST_F(ViewerGesturesTest, StatusTextsNameTheModeStepSampleAndCursorDifferences) {
    EXPECT_EQ(KeyModeText(*g), "Keys move: nothing (choose a mark with F1..F6)");
    g->MouseMode = kModeLeftCursor;
    V().FineStep = 250;
    V().CoarseStep = 150000;
    EXPECT_EQ(KeyModeText(*g), "Keys move: left cursor (F4)");
    EXPECT_EQ(StepText(*g), "Step: 250 ms");
    g->MouseMode = kModeBothBorders;
    EXPECT_EQ(StepText(*g), "Step: 2 min 30 s");
    EXPECT_EQ(SpanText(12500), "12.5 s");
    EXPECT_EQ(SpanText(7260000), "2 h 01 min");

    // Pixel 250 of 1000 over 10..20 s is 12.5 s: sample 125, whose value is 125.
    g->store.Rec(0).Caption = "Beak";
    const std::string pointer = PointerText(*g, 0, 250, 1000);
    EXPECT_NE(pointer.find("Beak"), std::string::npos);
    EXPECT_NE(pointer.find(".500"), std::string::npos);  // milliseconds at 100 ms samples
    EXPECT_EQ(pointer.substr(pointer.rfind(' ') + 1), "125");
    V().LeftBorder = -10000;
    EXPECT_EQ(PointerText(*g, 0, 0, 1000), "");  // before the recording

    V().LeftCursor = 1000;
    V().RightCursor = 3000;
    const std::vector<DeltaRow> rows = CursorDeltas(*g);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].dt, "2 s");
    EXPECT_EQ(rows[0].dy, "20");
    EXPECT_EQ(rows[0].slope, "10 /s");
}

}  // namespace
}  // namespace corv
