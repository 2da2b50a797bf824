#include "graph/ValueScale.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"

namespace corv {
namespace {

TEST(ValueScaleTest, TickStepFollowsRangeAndAxisLength) {
    EXPECT_DOUBLE_EQ(TickStep(400, 100, 0), 2.5);  // f = 0
    EXPECT_DOUBLE_EQ(TickStep(400, 30, 0), 2);     // f = 0.477
    EXPECT_DOUBLE_EQ(TickStep(400, 1, -1), 0.2);
    EXPECT_DOUBLE_EQ(TickStep(400, 0, 1), 0.025);
    EXPECT_DOUBLE_EQ(TickStep(400, 0.02, 0), 0.002);  // e = -1.7: 0.2 x 0.01
    EXPECT_DOUBLE_EQ(TickStep(20, 100, 0), 2.5);      // f' = 0 whatever the factor
    EXPECT_DOUBLE_EQ(TickStep(20, 30, 0), 5);         // f' = 5 x 0.477
    EXPECT_DOUBLE_EQ(TickStep(400, 5, 5), 0);
}

TEST(ValueScaleTest, FirstTickIsAboveANonNegativeLowEnd) {
    EXPECT_DOUBLE_EQ(FirstTick(-1, 0.2), -1.0);
    EXPECT_DOUBLE_EQ(FirstTick(0, 0.025), 0.025);
    EXPECT_DOUBLE_EQ(FirstTick(0.3, 0.25), 0.5);
    EXPECT_DOUBLE_EQ(FirstTick(-0.3, 0.25), -0.25);
}

TEST(ValueScaleTest, ValueScaleLabelsEveryOtherTickInTheStripsDirection) {
    test::GraphState g;
    g.Load(0, {0}, 1000, 0);
    RecordingCanvas normal(40, 400);
    DrawValueScale(normal, g->store, 0, 4, 400, -1, 1, 0x111111);
    const Calls ticks = normal.CallsStartingWith("line ");
    ASSERT_EQ(ticks.size(), 10u);  // -1.0 .. 0.8 every 0.2
    EXPECT_EQ(ticks.front(), "line 0,400-3,400");
    EXPECT_EQ(ticks[5], "line 0,200-3,200");
    // Text height 13: labels 6 pixels above their tick.
    EXPECT_EQ(normal.CallsStartingWith("text "),
              (Calls{"text 4,394  -1.0", "text 4,314  -0.6", "text 4,234  -0.2", "text 4,154   0.2",
                     "text 4,74   0.6"}));
    EXPECT_EQ(normal.FontColour(), 0x111111u);

    g->store.Rec(0).GrRepr = 4;
    RecordingCanvas inverted(40, 400);
    DrawValueScale(inverted, g->store, 0, 4, 400, -1, 1, 0);
    EXPECT_EQ(inverted.CallsStartingWith("line ").front(), "line 0,0-3,0");

    RecordingCanvas empty(40, 400);
    DrawValueScale(empty, g->store, 0, 4, 400, 2, 2, 0);
    EXPECT_TRUE(empty.Calls().empty());
}

TEST(ValueScaleTest, LabelsCarryTheDecimalsOfTheStepSoNeighboursDiffer) {
    test::GraphState g;
    g.Load(0, {0}, 1000, 0);
    // A range 0.4..0.7 on 400 pixels ticks every 0.02: one decimal would print
    // "0.6 0.6 0.5 0.5"; a range around zero printed "-0.0".
    for (const auto& [lo, hi] : {std::pair{0.4, 0.7}, std::pair{-0.11, 0.02}}) {
        RecordingCanvas scale(80, 400);
        DrawValueScale(scale, g->store, 0, 4, 400, lo, hi, 0);
        std::vector<std::string> labels;
        for (const std::string& call : scale.CallsStartingWith("text "))
            labels.push_back(call.substr(call.rfind(' ') + 1));
        ASSERT_GE(labels.size(), 2u);
        if (lo == 0.4) {
            EXPECT_EQ(labels[0], "0.40");
        }
        for (size_t i = 1; i < labels.size(); ++i) EXPECT_NE(labels[i], labels[i - 1]) << lo;
        for (const std::string& label : labels) {
            const bool negativeZero =
                label[0] == '-' && label.find_first_not_of("-0.") == std::string::npos;
            EXPECT_FALSE(negativeZero) << label;
        }
    }
}

TEST(ValueScaleTest, DialogAxes) {
    RecordingCanvas y(100, 300);
    DrawFormYAxis(y, 10, 20, 200, 0, 1, 0x0, 0xC0C0C0);
    const Calls yTicks = y.CallsStartingWith("line ");
    // Step 0.025 on 200 pixels from 0.025: the first tick 5 pixels above the bottom.
    ASSERT_EQ(yTicks.size(), 39u);
    EXPECT_EQ(yTicks.front(), "line 10,215-13,215");
    EXPECT_EQ(y.CallsStartingWith("text ").front().substr(0, 12), "text 14,209 ");

    RecordingCanvas x(500, 100);
    DrawFormXAxis(x, 50, 400, 0, 100, 0x0, 0xC0C0C0);
    const Calls xTicks = x.CallsStartingWith("line ");
    // Step 2.5, every second tick: 2.5, 7.5, ..., 97.5.
    ASSERT_EQ(xTicks.size(), 20u);
    EXPECT_EQ(xTicks.front(), "line 10,50-10,54");
    EXPECT_EQ(xTicks.back(), "line 390,50-390,54");
    EXPECT_EQ(x.CallsStartingWith("text ")[1], "text 30,56  8");
}

}  // namespace
}  // namespace corv
