#include "processing/ChannelOps.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"

namespace corv {
namespace {

class ChannelOpsTest : public ::testing::Test {
  protected:
    ChannelStore& S() { return g->store; }
    double V(int c, int32_t i) {
        int32_t err = 0;
        return S().GetValue(i, c, err);
    }
    void ExpectValues(int c, const std::vector<double>& want, double tolerance) {
        for (size_t i = 0; i < want.size(); ++i)
            EXPECT_NEAR(V(c, int32_t(i)), want[i], tolerance) << "channel " << c << " at " << i;
    }
    // The raw words of channel c, 0..DataCnt.
    std::vector<uint16_t> Raws(int c) {
        std::vector<uint16_t> out;
        for (int32_t i = 0; i <= S().Rec(c).DataCnt; ++i) out.push_back(S().GetRaw(i, c));
        return out;
    }

    test::GraphState g;
};

TEST_F(ChannelOpsTest, AddSpansTheSumAndStoresFreshScaling) {
    // Channel 1 reads 0..10, channel 2 0..5 (raw / 10).
    g.Load(0, {0, 50, 100, 75}, 1000).CoeffA = 0.1;
    g.Load(1, {0, 0, 50, 0}, 1000).CoeffA = 0.1;
    ChannelRecord& r = S().Rec(2);
    g.Load(2, {1, 2, 3, 4}, 1000);
    r.yOffset = 3;
    r.CoeffC = 2;
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 2));
    EXPECT_DOUBLE_EQ(r.CoeffA, 15.0 / 65535);
    EXPECT_DOUBLE_EQ(r.CoeffB, 0);
    EXPECT_EQ(r.CoeffC, 0);
    EXPECT_EQ(r.yOffset, 0);
    // 7.5 lies at 32767.5 raw: halves go to the even neighbour.
    EXPECT_EQ(Raws(2), (std::vector<uint16_t>{0, 21845, 65535, 32768}));
    EXPECT_TRUE(g->ChannelModified[2]);
    EXPECT_FALSE(g->ChannelModified[0]);

    // Undo gives back words and scaling exactly.
    EXPECT_TRUE(g->history.Undo(*g).done);
    EXPECT_EQ(Raws(2), (std::vector<uint16_t>{1, 2, 3, 4}));
    EXPECT_EQ(r.CoeffA, 1);
    EXPECT_EQ(r.yOffset, 3);
    EXPECT_EQ(r.CoeffC, 2);
}

TEST_F(ChannelOpsTest, SubtractAndAbs) {
    g.Load(0, {10, 20, 30}, 500);
    g.Load(1, {40, 20, 0}, 500);
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpSubtract, 0, 1, 0));  // into channel 1 itself
    ExpectValues(0, {-30, 0, 30}, 1e-3);
    // Channel 1 now reads -30, 0, 30; with channel 2 the sums are 10, 20, 30.
    g.Load(1, {40, 20, 0}, 500).CoeffB = -50;  // -10, -30, -50
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpAbsSum, 0, 1, 1));
    ExpectValues(1, {40, 30, 20}, 1e-3);
}

TEST_F(ChannelOpsTest, ConstantResultReadsBackExactly) {
    g.Load(0, {7, 9, 1000, 3}, 1000).CoeffB = 0.25;
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpSubtract, 0, 0, 0));  // a channel minus itself
    EXPECT_EQ(S().Rec(0).CoeffA, 0);
    EXPECT_EQ(Raws(0), (std::vector<uint16_t>(4, 0)));

    g.Load(1, {5, 5, 5}, 1000).CoeffB = 0.1;
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpAdd, 1, 1, 1));
    for (int32_t i = 0; i <= 2; ++i) EXPECT_EQ(V(1, i), 5.1 + 5.1);
}

TEST_F(ChannelOpsTest, DifferentiateAndIntegrateInPlaceUseTheOldScaling) {
    // Values 0, 2, 4, ...: raw / 2 with an offset, so the old scaling matters.
    ChannelRecord& r = g.Load(0, {10, 14, 18, 22, 26}, 1000);
    r.CoeffA = 0.5;
    r.CoeffB = -5;
    ASSERT_TRUE(ChannelOp(*g, g.ui, kOpDifferentiate, 0, 0));
    EXPECT_EQ(r.CoeffB, 0);  // y(0) = v(0) = 0 is the minimum, the differences 2 the maximum
    EXPECT_DOUBLE_EQ(r.CoeffA, 2.0 / 65535);
    EXPECT_EQ(Raws(0), (std::vector<uint16_t>{0, 65535, 65535, 65535, 65535}));

    ChannelRecord& q = g.Load(1, {1, 2, 3, 4}, 1000);
    q.CoeffA = 2;
    ASSERT_TRUE(ChannelOp(*g, g.ui, kOpIntegrate, 1, 1));  // 2, 6, 12, 20
    ExpectValues(1, {2, 6, 12, 20}, 1e-3);
    EXPECT_EQ(g->history.UndoName(), "Integrate");
}

TEST_F(ChannelOpsTest, CompassWrapsAtPlusMinus180) {
    // Headings 350, 10, 350, 170, -20: differences -340 -> 20, 340 -> -20, -180, -190 -> 170.
    ChannelRecord& r = g.Load(0, {370, 30, 370, 190, 0}, 1000);
    r.CoeffB = -20;
    ASSERT_TRUE(ChannelOp(*g, g.ui, kOpDiffCompass, 0, 0));
    ExpectValues(0, {350, 20, -20, -180, 170}, 0.01);
}

TEST_F(ChannelOpsTest, RefusalsChangeNothing) {
    g.Load(0, {1, 2, 3}, 1000);
    g.Load(1, {1, 2, 3}, 1000);
    S().ChannelPresent[2] = false;
    EXPECT_FALSE(BiChannel(*g, g.ui, kOpAdd, 0, 2, 1));
    EXPECT_FALSE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 2));  // the result channel too
    EXPECT_EQ(g.ui.Messages(), Calls(2, "Error. One of the channels does not exist"));

    // A polynomial on both channels, one of them not the identity.
    S().Rec(0).bApplyPolynom = 1;
    S().Rec(1).bApplyPolynom = 1;
    S().Rec(1).a0 = 5;
    g.ui.Clear();
    EXPECT_FALSE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 0));
    ASSERT_EQ(g.ui.Events().size(), 1u);
    EXPECT_EQ(g.ui.Events()[0].kind, UiEvent::Kind::Help);
    EXPECT_NE(g.ui.Events()[0].text.find("ErrPoly.rtf"), std::string::npos);
    EXPECT_EQ(S().Rec(1).bSet, 1);
    S().Rec(1).a0 = 0;

    // Different intervals: the question names both channels; any answer stops.
    S().Rec(1).SampRate = 500;
    g.ui.Clear();
    g.ui.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 0));
    ASSERT_EQ(g.ui.Questions().size(), 1u);
    const std::string q = g.ui.Questions()[0];
    EXPECT_NE(q.find("Channel 1: sampling interval 1000 ms"), std::string::npos) << q;
    EXPECT_NE(q.find("Channel 2: sampling interval 500 ms"), std::string::npos) << q;

    // Typed channel numbers.
    g.ui.Clear();
    EXPECT_FALSE(BiChannelFromTexts(*g, g.ui, kOpAdd, "1", "4", "1"));
    EXPECT_EQ(g.ui.Messages(), Calls{"Invalid channel number"});
    EXPECT_THROW(BiChannelFromTexts(*g, g.ui, kOpAdd, "1", "x", "1"), ConversionError);
    EXPECT_EQ(S().GetRaw(2, 0), 3);
    EXPECT_EQ(g->history.StepCount(), 0u);
}

}  // namespace
}  // namespace corv
