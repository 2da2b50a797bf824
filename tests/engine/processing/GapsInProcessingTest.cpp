// Commands that move, thin out or overwrite samples keep the gap list on the samples it
// describes, and undo brings it back.
#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "processing/ChannelOps.h"
#include "processing/Resampling.h"
#include "processing/SectionArithmetic.h"
#include "processing/SectionBuffers.h"

namespace corv {
namespace {

using Ranges = std::vector<std::pair<int32_t, int32_t>>;

class GapsInProcessing : public ::testing::Test {
  protected:
    // Ten samples at 1 ms; positions 3..5 were missing in the file and hold 30.
    GapsInProcessing() { Reload(1); }
    void Reload(int32_t sampRate) {
        g.Load(0, {0, 10, 20, 30, 30, 30, 60, 70, 80, 90}, sampRate);
        g->store.Gaps[0].Clear();
        for (int32_t p = 3; p <= 5; ++p) g->store.Gaps[0].Add(p);
        g->history.Clear();
    }
    Ranges Gaps(int c = 0) const {
        Ranges out;
        for (const GapRange& r : g.state->store.Gaps[size_t(c)].Ranges())
            out.emplace_back(r.first, r.last);
        return out;
    }
    bool Run(SectionOp op, double f4, double f5, const std::string& text = "") {
        g->view.LeftCursor = f4;
        g->view.RightCursor = f5;
        if (!text.empty()) g.ui.QueueText(text);
        return RunSectionCommand(*g, g.ui, op);
    }
    void Undo() { ASSERT_TRUE(g->history.Undo(*g).done); }
    // Stores F4..F5 in section buffer b and copies it to `target` through Overwrite.
    bool CopySection(int b, double f4, double f5, double target) {
        g->view.LeftCursor = f4;
        g->view.RightCursor = f5;
        FillSectionBuffer(*g, b);
        if (!SelectSectionBuffer(*g, g.ui, b)) return false;
        g->view.LeftCursor = target;
        return CopySectionBuffer(*g, g.ui, b);
    }

    test::GraphState g;
};

TEST_F(GapsInProcessing, InsertDeleteAndSetConstantThenUndo) {
    ASSERT_TRUE(Run(SectionOp::Insert, 4, 4, "2"));  // after sample 4, inside the gap
    EXPECT_EQ(Gaps(), (Ranges{{3, 7}}));
    ASSERT_TRUE(Run(SectionOp::Insert, 7, 7, "1"));  // after the gap's last sample
    EXPECT_EQ(Gaps(), (Ranges{{3, 7}}));
    g.ui.QueueAnswer(Answer::Ok);
    ASSERT_TRUE(Run(SectionOp::Delete, 1, 3));  // samples 1 and 2 go
    EXPECT_EQ(Gaps(), (Ranges{{1, 5}}));
    EXPECT_EQ(g->store.GetRaw(1, 0), 30);
    // A constant the user sets is no longer missing.
    ASSERT_TRUE(Run(SectionOp::SetConstant, 2, 3, "5"));
    EXPECT_EQ(Gaps(), (Ranges{{1, 1}, {4, 5}}));

    Undo();
    EXPECT_EQ(Gaps(), (Ranges{{1, 5}}));
    Undo();
    Undo();
    Undo();
    EXPECT_EQ(Gaps(), (Ranges{{3, 5}}));
}

TEST_F(GapsInProcessing, ResamplingRescalesTheGaps) {
    // Kept samples are the old 1, 3, 5, 7 and 9: 3 and 5 were missing.
    ASSERT_TRUE(Reduce(*g, g.ui, 0, 2));
    EXPECT_EQ(Gaps(), (Ranges{{1, 2}}));
    Undo();

    Reload(10);
    g.ui.QueueText("2");
    ASSERT_TRUE(ExpandCommand(*g, g.ui));
    // Old 2 and 6 are measured, now at 4 and 12: everything between them is not.
    EXPECT_EQ(Gaps(), (Ranges{{5, 11}}));
    Undo();
    ASSERT_TRUE(DoublePoints(*g, g.ui, 0));
    EXPECT_EQ(Gaps(), (Ranges{{5, 11}}));
}

TEST_F(GapsInProcessing, SectionCopyBringsTheSourceGapsAlong) {
    // Samples 2..5 (gap at 3..5) copied onto 6..9: the target is missing where the source
    // was, and measured elsewhere.
    ASSERT_TRUE(CopySection(0, 2, 5, 6));
    EXPECT_EQ(Gaps(), (Ranges{{3, 5}, {7, 9}}));
    Undo();
    EXPECT_EQ(Gaps(), (Ranges{{3, 5}}));
    // A copy of measured samples over the gap fills it.
    ASSERT_TRUE(CopySection(1, 6, 9, 2));
    EXPECT_TRUE(Gaps().empty());
}

TEST_F(GapsInProcessing, BiChannelResultIsMissingWhereEitherOperandWas) {
    g.Load(1, std::vector<uint16_t>(10, 1), 1);
    g.Load(2, std::vector<uint16_t>(10, 2), 1);
    g->store.Gaps[1].Add(8);
    g->store.Gaps[2].Add(1);  // the result's own old gap is overwritten
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 2));
    EXPECT_EQ(Gaps(2), (Ranges{{3, 5}, {8, 8}}));
    Undo();
    EXPECT_EQ(Gaps(2), (Ranges{{1, 1}}));
}

}  // namespace
}  // namespace corv
