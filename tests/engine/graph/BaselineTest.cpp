#include "graph/Baseline.h"

#include <gtest/gtest.h>

#include <functional>

#include "GraphTestSupport.h"
#include "core/Errors.h"
#include "core/RecordingCanvas.h"
#include "graph/GridDistance.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

constexpr uint32_t kAfterBaseline = kRedrawYScale | kRedrawReadouts;

class BaselineTest : public ::testing::Test {
  protected:
    // Values 10..50 at 1 s, range 0..200; the WorkSection holds samples 1..3.
    BaselineTest() {
        g.Load(0, {10, 20, 30, 40, 50}, 1000).Max = 200;
        g->view.LeftCursor = 1000;
        g->view.RightCursor = 3999;
    }

    ChannelRecord& Rec() { return g->store.Rec(0); }

    test::GraphState g;
    RecordingCanvas strip{300, 225};  // one row per unit of the widened range
};

TEST_F(BaselineTest, RefusedWhileThePolynomialIsApplied) {
    Rec().bApplyPolynom = 1;
    const std::vector<std::function<uint32_t()>> ops = {
        [&] { return BaselineAtCursor(*g, g.ui, &strip, 1000); },
        [&] { return BaselineIncrement(*g, g.ui, &strip); },
        [&] { return BaselineMeanBetweenCursors(*g, g.ui, &strip); },
        [&] { return BaselineMeanOfCursors(*g, g.ui, &strip); },
        [&] { return NumericalBaseline(*g, g.ui, &strip); },
    };
    for (const auto& op : ops) EXPECT_EQ(op(), 0u);
    EXPECT_EQ(g.ui.Events().size(), 5u);  // the messages only, no input box
    EXPECT_EQ(g.ui.Messages(), Calls(5, "Not possible since polynom is enabled"));
    EXPECT_EQ(Rec().yOffset, 0);
    EXPECT_TRUE(strip.Calls().empty());
}

TEST_F(BaselineTest, AtCursorAndSteps) {
    Rec().yOffset = 7;  // a baseline already set does not matter
    EXPECT_EQ(BaselineAtCursor(*g, g.ui, &strip, 2500), kAfterBaseline);  // sample 2
    EXPECT_EQ(Rec().yOffset, 30);
    EXPECT_EQ(BaselineAtCursor(*g, g.ui, &strip, 9000), 0u);  // no sample there: kept
    EXPECT_EQ(Rec().yOffset, 30);
    EXPECT_EQ(g.ui.Events().at(0).kind, UiEvent::Kind::Beep);
    BaselineIncrement(*g, g.ui, nullptr);  // 1 % of Max - Min, not of the widened range
    EXPECT_EQ(Rec().yOffset, 32);
    BaselineDecrement(*g, g.ui, nullptr);
    EXPECT_EQ(Rec().yOffset, 30);
}

TEST_F(BaselineTest, MeansOfTheWorkSection) {
    Rec().yOffset = 5;  // the means are baseline-relative
    int analysisCalls = 0;
    BaselineMeanBetweenCursors(*g, g.ui, nullptr, [&](AppState&) { ++analysisCalls; });
    EXPECT_EQ(Rec().yOffset, 30);  // (20 + 30 + 40) / 3
    EXPECT_EQ(analysisCalls, 1);   // channel 0 is the analysis channel
    g->view.RightCursor = 4000;
    BaselineMeanOfCursors(*g, g.ui, nullptr);
    EXPECT_EQ(Rec().yOffset, 35);  // (20 + 50) / 2
    g->view.LeftCursor = 5000;     // an empty section adds 0
    BaselineMeanBetweenCursors(*g, g.ui, nullptr);
    EXPECT_EQ(Rec().yOffset, 35);
}

TEST_F(BaselineTest, NumericalBaselineMakesTheTypedValueZero) {
    Rec().yOffset = 5;
    g.ui.QueueText("0");
    EXPECT_EQ(NumericalBaseline(*g, g.ui, &strip), kAfterBaseline);
    g.ui.QueueText("12,5");
    NumericalBaseline(*g, g.ui, &strip);
    EXPECT_EQ(Rec().yOffset, 17.5);
    EXPECT_EQ(g.ui.Events()[0].text, "Input:  New baseline at:");
    strip.Clear();
    g.ui.SetDefaultAnswer(Answer::Cancel);
    EXPECT_EQ(NumericalBaseline(*g, g.ui, &strip), 0u);
    g.ui.QueueText("zero");
    EXPECT_THROW(NumericalBaseline(*g, g.ui, &strip), ConversionError);
    EXPECT_EQ(Rec().yOffset, 17.5);
    EXPECT_TRUE(strip.Calls().empty());  // the lines were not touched
    // Each change is one undo step that leaves the channel unmodified; "0" changed nothing.
    EXPECT_EQ(g->history.UndoName(), "Numerical baseline");
    g->history.Undo(*g);
    EXPECT_EQ(Rec().yOffset, 5);
    EXPECT_FALSE(g->history.CanUndo());
    EXPECT_FALSE(g->ChannelModified[0]);
}

TEST_F(BaselineTest, SubsidiaryLinesMoveWithTheBaseline) {
    auto& lines = g->settings.SubsidLines[0];
    lines[1] = {50, 1.0};
    BaselineIncrement(*g, g.ui, &strip);  // master switch off: the strip shows no lines
    EXPECT_TRUE(strip.Calls().empty());
    lines[0].shown = 1.0;
    BaselineIncrement(*g, g.ui, &strip);  // range -14.5..210.5, then -16.5..208.5
    EXPECT_EQ(strip.CallsStartingWith("line "),
              (Calls{"line 2,161-298,161", "line 2,159-298,159"}));  // removed, drawn
}

TEST_F(BaselineTest, GridDistanceRedrawsTheGrid) {
    g.ui.QueueText("50");
    SetGridDistance(*g, g.ui, &strip);
    EXPECT_EQ(g.ui.Events()[0].text, "Request:  Grid distance (0.0 for no grid):");
    const Calls grid = strip.CallsStartingWith("line ");
    EXPECT_EQ(grid.size(), 4u);  // 0, 50, 100, 150
    strip.Clear();
    g.ui.QueueText("0");  // the old grid drawn once more is gone
    SetGridDistance(*g, g.ui, &strip);
    EXPECT_EQ(strip.CallsStartingWith("line "), grid);
    strip.Clear();
    Rec().GridDist = 25;
    g.ui.QueueText("wide");
    EXPECT_THROW(SetGridDistance(*g, g.ui, &strip), ConversionError);
    EXPECT_EQ(Rec().GridDist, 25);
    EXPECT_TRUE(strip.Calls().empty());
}

}  // namespace
}  // namespace corv
