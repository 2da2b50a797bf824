// The processing commands on small recordings: the work-section arithmetic, smoothing, peak
// elimination, the running mean and resampling, with the edge cases that can break.
#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"
#include "core/RecordingCanvas.h"
#include "processing/PeakElimination.h"
#include "processing/Resampling.h"
#include "processing/RunningMean.h"
#include "processing/SectionArithmetic.h"
#include "processing/Smoothing.h"

namespace corv {
namespace {

class Processing : public ::testing::Test {
  protected:
    // Channel 0 with the given raw words, 1 ms apart, cursors on the indexes a and b.
    ChannelRecord& Load(const std::vector<uint16_t>& raws, int32_t a, int32_t b) {
        ChannelRecord& r = g.Load(0, raws, 1);
        g->view.LeftCursor = a;
        g->view.RightCursor = b;
        return r;
    }
    std::vector<uint16_t> Words(int32_t from, int32_t to) const {
        std::vector<uint16_t> w;
        for (int32_t i = from; i <= to; ++i) w.push_back(g.state->store.GetRaw(i, 0));
        return w;
    }
    bool Run(SectionOp op, const std::string& text) {
        g.ui.QueueText(text);
        return RunSectionCommand(*g, g.ui, op);
    }
    test::GraphState g;
};

TEST_F(Processing, MultiplyAddDivideRoundAndClipOnTheRawPath) {
    ChannelRecord& r = Load({5, 1000, 40000, 10, 7}, 0, 3);
    r.CoeffA = 0.1;
    EXPECT_TRUE(Run(SectionOp::Multiply, "2"));
    EXPECT_EQ(Words(0, 4), (std::vector<uint16_t>{5, 2000, 65535, 20, 7}));  // sample 0 kept
    r.CoeffA = 1;
    EXPECT_TRUE(Run(SectionOp::Add, "2.5"));  // 2002.5 and 22.5 go to the even neighbour
    EXPECT_EQ(Words(1, 3), (std::vector<uint16_t>{2002, 65535, 22}));
    EXPECT_TRUE(Run(SectionOp::Add, "-100"));
    EXPECT_EQ(Words(3, 3), (std::vector<uint16_t>{0}));  // clipped below
    const auto before = Words(0, 4);
    EXPECT_FALSE(Run(SectionOp::Divide, "0"));
    EXPECT_FALSE(Run(SectionOp::Multiply, "1"));
    EXPECT_FALSE(Run(SectionOp::Insert, "0"));
    EXPECT_FALSE(Run(SectionOp::Insert, "-3"));
    EXPECT_EQ(Words(0, 4), before);
    EXPECT_TRUE(g.ui.Messages().empty());
    EXPECT_THROW(Run(SectionOp::Multiply, "abc"), ConversionError);
    EXPECT_EQ(Words(0, 4), before);
}

TEST_F(Processing, WholeRecordingRescalesAndSetConstantStillWrites) {
    ChannelRecord& r = Load({1, 2, 3, 4}, 0, 3);
    r.CoeffA = 2, r.CoeffB = 1, r.CoeffC = 0, r.yOffset = 0.5;
    EXPECT_TRUE(Run(SectionOp::Multiply, "3"));
    EXPECT_EQ(Words(0, 3), (std::vector<uint16_t>{1, 2, 3, 4}));
    EXPECT_EQ(r.CoeffA, 6);
    EXPECT_EQ(r.CoeffB, 3);
    EXPECT_EQ(r.yOffset, 1.5);
    EXPECT_TRUE(Run(SectionOp::Add, "4"));
    EXPECT_EQ(r.CoeffB, 7);
    // The same add on a section one sample shorter changes the samples instead.
    g->view.RightCursor = 2.5;
    r.CoeffA = 1, r.CoeffB = 0, r.yOffset = 0;
    EXPECT_TRUE(Run(SectionOp::Add, "4"));
    EXPECT_EQ(Words(0, 3), (std::vector<uint16_t>{1, 6, 7, 4}));
    g->view.RightCursor = 3;
    EXPECT_TRUE(Run(SectionOp::SetConstant, "9"));
    EXPECT_EQ(Words(0, 3), (std::vector<uint16_t>{1, 9, 9, 9}));
}

TEST_F(Processing, DeleteAndInsertMoveSamplesAndSpan) {
    std::vector<uint16_t> raws(101);
    for (size_t i = 0; i < raws.size(); ++i) raws[i] = uint16_t(i);
    ChannelRecord& r = Load(raws, 10, 20);
    g.ui.QueueAnswer(Answer::Ok);
    EXPECT_TRUE(RunSectionCommand(*g, g.ui, SectionOp::Delete));
    EXPECT_EQ(r.DataCnt, 90);
    EXPECT_EQ(Words(9, 11), (std::vector<uint16_t>{9, 20, 21}));
    EXPECT_EQ(g->store.TotalSpan, 100);
    g.ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(RunSectionCommand(*g, g.ui, SectionOp::Delete));

    EXPECT_TRUE(Run(SectionOp::Insert, "5"));
    EXPECT_EQ(r.DataCnt, 95);
    EXPECT_EQ(Words(10, 16), (std::vector<uint16_t>{20, 20, 20, 20, 20, 20, 21}));
    EXPECT_EQ(g->store.TotalSpan, 100);  // 95 ms is inside the old span
    EXPECT_TRUE(Run(SectionOp::Insert, "10"));
    EXPECT_EQ(g->store.TotalSpan, 105);
    EXPECT_FALSE(Run(SectionOp::Insert, "1e9"));
    EXPECT_EQ(g.ui.Messages().back(), " Rejected! Size exceeds limit.");
    EXPECT_EQ(r.DataCnt, 105);
}

TEST_F(Processing, RampEqualizeClampAndPolynomialRefusal) {
    ChannelRecord& r = Load({0, 100, 100, 100, 100, 140}, 1, 5);
    EXPECT_TRUE(RunRampCommand(*g, g.ui, 40));
    EXPECT_EQ(Words(1, 5), (std::vector<uint16_t>{100, 110, 120, 130, 180}));
    EXPECT_TRUE(ProcessSection(*g, g.ui, SectionOp::Equalize, 0, 0, 5, 1));
    EXPECT_EQ(Words(1, 5), (std::vector<uint16_t>{100, 90, 80, 70, 100}));
    r.CoeffB = -95;  // values -5, -15, ...: all but the first and last below zero
    EXPECT_TRUE(RunSectionCommand(*g, g.ui, SectionOp::ClampBelowZero));
    EXPECT_EQ(Words(1, 5), (std::vector<uint16_t>{100, 95, 95, 95, 100}));
    r.bApplyPolynom = 1;
    r.a2 = 0.5;
    EXPECT_FALSE(Run(SectionOp::Add, "1"));
    EXPECT_EQ(g.ui.Events().back().kind, UiEvent::Kind::Help);
    EXPECT_NE(g.ui.Events().back().text.find("ErrPoly.rtf"), std::string::npos);
    EXPECT_EQ(r.bSet, 1);
}

TEST_F(Processing, SmoothingReadsTheOldSamples) {
    Load({0, 0, 100, 0, 0, 0}, 0, 5);
    EXPECT_TRUE(SmoothSection(*g, g.ui, SmoothKernel::K121));
    EXPECT_EQ(Words(0, 5), (std::vector<uint16_t>{0, 50, 50, 25, 0, 0}));
    g->view.RightCursor = 1;  // two samples: nothing
    EXPECT_FALSE(SmoothSection(*g, g.ui, SmoothKernel::K1241));

    // The trimmed mean leaves out the first highest and lowest; equal samples stay.
    const std::vector<uint16_t> x{9, 9, 9, 9, 1, 2, 3, 100, 5, 6, 7, 9};
    std::vector<uint16_t> out(8);
    SmoothWords(SmoothKernel::Trimmed7, x.data(), 8, out.data());
    EXPECT_EQ(out[6], 5);  // centred on the 100: Round(23 / 5)
    const std::vector<uint16_t> same(12, 7);
    SmoothWords(SmoothKernel::Trimmed7, same.data(), 8, out.data());
    EXPECT_EQ(out, std::vector<uint16_t>(8, 7));

    // The shortened kernels at the start and the centred ones further in, against sums.
    const std::vector<uint16_t> y{50, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};
    SmoothWords(SmoothKernel::K1241, y.data(), 8, out.data());
    EXPECT_EQ(out[0], 15);
    EXPECT_EQ(out[1], (10 + 40 + 30) / 4);
    EXPECT_EQ(out[2], (10 + 40 + 120 + 80 + 50) / 10);
    EXPECT_EQ(out[3], (10 + 40 + 120 + 400 + 200 + 120 + 70) / 24);
    EXPECT_EQ(out[4], (20 + 60 + 160 + 500 + 240 + 140 + 80) / 24);
    SmoothWords(SmoothKernel::K11232, y.data(), 8, out.data());
    EXPECT_EQ(out[1], 20);
    EXPECT_EQ(out[2], (10 + 20 + 60 + 40 + 50) / 6);
    EXPECT_EQ(out[4], (20 + 30 + 80 + 150 + 120 + 70 + 80) / 11);

    Load({10, 10, 10, 10, 10, 10}, 0, 5);
    EXPECT_TRUE(SmoothSection(*g, g.ui, SmoothKernel::K11232));
    // The last position's window reaches three samples past the end, which read 0.
    EXPECT_EQ(Words(5, 5), (std::vector<uint16_t>{(10 + 10 + 20 + 30) / 11}));
}

TEST_F(Processing, PeakModes) {
    Load({10, 65535, 0, 12}, 0, 3);
    EXPECT_TRUE(EliminatePeaks(*g, g.ui, {PeakMode::HighLow, "", "", ""}));
    EXPECT_EQ(Words(0, 3), (std::vector<uint16_t>{10, 10, 10, 12}));

    Load({9, 10, 30, 11, 12}, 1, 3);
    EXPECT_TRUE(EliminatePeaks(*g, g.ui, {PeakMode::UserDefined, "-5", "1", ""}));
    EXPECT_EQ(Words(0, 4), (std::vector<uint16_t>{9, 10, 10, 11, 12}));

    Load({0, 10, 2, 3, 20, 20}, 1, 4);
    EXPECT_TRUE(EliminatePeaks(*g, g.ui, {PeakMode::ReplSmallValues, "", "", "5"}));
    EXPECT_EQ(Words(0, 5), (std::vector<uint16_t>{0, 10, 13, 17, 20, 20}));
    // A run reaching the section's end is joined to the sample after it.
    Load({0, 10, 20, 2, 3, 30}, 1, 4);
    EXPECT_TRUE(EliminatePeaks(*g, g.ui, {PeakMode::ReplSmallValues, "", "", "5"}));
    EXPECT_EQ(Words(3, 5), (std::vector<uint16_t>{23, 27, 30}));

    // A two-sample peak on a flat line becomes the line.
    std::vector<uint16_t> flat(40, 100);
    flat[20] = flat[21] = 200;
    Load(flat, 5, 35);
    EXPECT_TRUE(EliminatePeaks(*g, g.ui, {PeakMode::UserDefined, "20", "3", ""}));
    EXPECT_EQ(Words(0, 39), std::vector<uint16_t>(40, 100));

    EXPECT_FALSE(EliminatePeaks(*g, g.ui, {PeakMode::UserDefined, "5", "0", ""}));
    EXPECT_EQ(g.ui.Messages().back(), " B [points] must be at least 1.");
    EXPECT_THROW(EliminatePeaks(*g, g.ui, {PeakMode::UserDefined, "x", "1", ""}), ConversionError);
}

TEST_F(Processing, RunningMeanStoresAndDraws) {
    ChannelRecord& r = Load({0, 2, 4, 6, 8, 10, 12}, 0, 6);
    g.ui.QueueText("2");
    EXPECT_TRUE(SetRunningMean(*g, g.ui));
    EXPECT_EQ(r.RunMean, 2);
    EXPECT_FALSE(g->ChannelModified[0]);  // a display setting
    g.ui.QueueText("1.5");
    EXPECT_THROW(SetRunningMean(*g, g.ui), ConversionError);
    EXPECT_EQ(r.RunMean, 2);
    g->view.LeftBorder = 0, g->view.RightBorder = 6;
    r.Min = 0, r.Max = 12;
    RecordingCanvas canvas(60, 120);
    DrawRunningMean(canvas, *g, 0);
    // Points at i = 3..6 (i - n > 0): one MoveTo and three LineTo, NotXor then Copy.
    EXPECT_EQ(canvas.CallsStartingWith("line ").size(), 3u);
    EXPECT_EQ(canvas.CallsStartingWith("pen mode "),
              (std::vector<std::string>{"pen mode notxor", "pen mode copy"}));
}

TEST_F(Processing, ResamplingOnTheExamplesAndAtTheCapacityLimit) {
    std::vector<uint16_t> ten(10);
    for (size_t i = 0; i < 10; ++i) ten[i] = uint16_t(i * 10);
    ChannelRecord& r = g.Load(0, ten, 100);
    EXPECT_FALSE(Reduce(*g, g.ui, 0, 1));
    EXPECT_TRUE(Reduce(*g, g.ui, 0, 3));
    EXPECT_EQ(Words(0, 3), (std::vector<uint16_t>{20, 50, 80, 90}));
    EXPECT_EQ(r.DataCnt, 3);
    EXPECT_EQ(r.SampRate, 300);

    g.Load(0, {0, 10, 20}, 100);
    g.ui.QueueText("2");
    EXPECT_TRUE(ExpandCommand(*g, g.ui));
    EXPECT_EQ(Words(0, 4), (std::vector<uint16_t>{0, 5, 10, 15, 20}));
    EXPECT_EQ(r.DataCnt, 4);
    EXPECT_EQ(r.SampRate, 50);
    EXPECT_TRUE(g.ui.Questions().empty());

    g.Load(0, {0, 10, 20}, 1000);
    g.ui.QueueText("3");
    g.ui.QueueAnswer(Answer::No);
    EXPECT_FALSE(ExpandCommand(*g, g.ui));
    const std::string q = g.ui.Questions().back();
    EXPECT_NE(q.find("should be changd to 333.333333333333\n"), std::string::npos);
    EXPECT_NE(q.find("will be rounded to 333\n"), std::string::npos);
    g.ui.QueueText("3");
    g.ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(ExpandCommand(*g, g.ui));
    EXPECT_EQ(r.SampRate, 333);
    g.ui.QueueText("1");
    EXPECT_FALSE(ExpandCommand(*g, g.ui));

    g.Load(0, {0, 0, 100, 100, 100}, 100);
    g.ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(DoublePointsCommand(*g, g.ui));
    EXPECT_EQ(r.DataCnt, 8);
    EXPECT_EQ(r.SampRate, 50);
    // Between 100 and 100 after a rise, the curvature correction overshoots: 100 + 8.
    EXPECT_EQ(Words(0, 8), (std::vector<uint16_t>{0, 0, 0, 50, 100, 108, 100, 100, 100}));

    // At the capacity limit.
    g.Load(0, {1, 2, 3}, 100);
    r.DataCnt = g->store.MaxSamples / 2;
    EXPECT_FALSE(DoublePoints(*g, g.ui, 0));
    EXPECT_FALSE(Expand(*g, g.ui, 0, 2));
    EXPECT_EQ(g.ui.Messages().back(), "Not enough capacity for this operation.");
    EXPECT_EQ(r.DataCnt, g->store.MaxSamples / 2);
    r.DataCnt = 2;
    EXPECT_FALSE(Expand(*g, g.ui, 0, 200));
    EXPECT_EQ(g.ui.Messages().back(), "Command rejected. Sampl. int. too small.");
}

}  // namespace
}  // namespace corv
