#include "analysis/BeakSearch.h"

#include <gtest/gtest.h>

#include "BeakTestRecording.h"
#include "analysis/AnalyseEvent.h"
#include "analysis/BeakCommands.h"
#include "core/NumberFormat.h"

namespace corv {
namespace {

using test::BeakRecording;
using test::GraphState;

const DimList& Dims(GraphState& g) {
    return g->analysis.dimList;
}

int32_t F4(GraphState& g) {
    return static_cast<int32_t>(g->view.LeftCursor / 100);
}
int32_t F5(GraphState& g) {
    return static_cast<int32_t>(g->view.RightCursor / 100);
}

// A breath bout of four openings at the surface, then a dive to 20 m with a feed bout of
// five openings, then quiet to the end.
BeakRecording BreathThenFeed() {
    BeakRecording r(2000);
    r.Bout(200, 4, 15, 6, 3.0);
    r.Depth(500, 1200, 20).Bout(700, 5, 20, 8, 6.0);
    return r;
}

TEST(BeakSearch, WalksBreathAndFeedEventsThenStops) {
    GraphState g;
    BreathThenFeed().LoadInto(g);

    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_EQ(g->analysis.event.type, 'B');
    ASSERT_EQ(Dims(g).count, 4);
    for (int k = 0; k < 4; ++k) {
        const Dim& d = Dims(g).dims[static_cast<size_t>(k)];
        EXPECT_NEAR(d.start, 200 + 15 * k, 2) << k;
        EXPECT_NEAR(d.end, 206 + 15 * k, 2) << k;
    }
    EXPECT_NEAR(F4(g), 200, 2);
    EXPECT_EQ(F5(g), Dims(g).dims[3].end - 1);
    // The view is centred on the event.
    EXPECT_LT(g->view.LeftBorder, g->view.LeftCursor);
    EXPECT_GT(g->view.RightBorder, g->view.RightCursor);

    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_EQ(g->analysis.event.type, 'F');
    EXPECT_EQ(Dims(g).count, 5);
    EXPECT_NEAR(F4(g), 700, 2);

    // No further event: nothing changes.
    const ViewState before = g->view;
    const size_t steps = g->history.StepCount();
    const double offset = g->store.Rec(kBeakChannel).yOffset;
    EXPECT_FALSE(SearchNext(*g, g.ui));
    EXPECT_EQ(std::vector<double>({g->view.LeftCursor, g->view.RightCursor, g->view.LeftBorder}),
              std::vector<double>({before.LeftCursor, before.RightCursor, before.LeftBorder}));
    EXPECT_EQ(Dims(g).count, 5);
    EXPECT_EQ(g->history.StepCount(), steps);
    EXPECT_EQ(g->store.Rec(kBeakChannel).yOffset, offset);
    EXPECT_TRUE(g.ui.Messages().empty());
}

TEST(BeakSearch, BreathEventFramesTheDiveBeforeIt) {
    GraphState g;
    BeakRecording r(2000);
    r.Depth(100, 400, 30).Bout(450, 3, 15, 6, 3.0);
    r.LoadInto(g);
    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_EQ(g->analysis.event.type, 'B');
    EXPECT_NEAR(g->view.LeftBCursor, 100 * 100, 200);
    EXPECT_NEAR(g->view.RightBCursor, 400 * 100, 200);
    AnalyseEvent(*g);
    EXPECT_NEAR(g->analysis.event.diveDuration, 30000, 400);
    EXPECT_NEAR(g->analysis.event.diveMaximum, 30, 1e-9);
}

TEST(BeakSearch, ShortScanIntervalStillScansSixSamples) {
    GraphState g;
    BreathThenFeed().LoadInto(g);
    g->settings.Beak.ScanInterval = 0;
    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_NEAR(F4(g), 200, 2);
}

TEST(BeakSearch, BaselineFromTheEventHistogramOrFlatStart) {
    // A closed beak at 1.0: the cursors span a flat stretch, so the baseline becomes the
    // value at the start.
    GraphState g;
    BeakRecording r(2000, 1.0);
    r.Bout(200, 4, 15, 6, 3.0);
    r.LoadInto(g);
    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_NEAR(g->store.Rec(kBeakChannel).yOffset, 1.0, 0.01);

    // With a ripple between the cursors the histogram of the event gives the closed level.
    GraphState h;
    BeakRecording q(2000, 1.0);
    for (int i = 0; i < 10; ++i) q.beak[static_cast<size_t>(i)] += (i % 2) * 0.2;
    q.Bout(200, 4, 15, 6, 3.0);
    q.LoadInto(h);
    ASSERT_TRUE(SearchNext(*h, h.ui));
    EXPECT_NEAR(h->store.Rec(kBeakChannel).yOffset, 1.0, 0.02);
    // The search is one undo step: undo restores the baseline and the empty dims list.
    EXPECT_EQ(h->history.UndoName(), "Search next");
    h->history.Undo(*h);
    EXPECT_EQ(h->store.Rec(kBeakChannel).yOffset, 0);
    EXPECT_EQ(h->analysis.dimList.count, 0);
    EXPECT_FALSE(h->ChannelModified[kBeakChannel]);
}

TEST(BeakSearch, KeepsFiftyDimsAndSplitsAdjacentOnes) {
    GraphState g;
    BeakRecording r(3000);
    r.Bout(200, 60, 10, 6, 3.0);
    r.LoadInto(g);
    g->settings.Beak.MinDuration = 60;
    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_EQ(Dims(g).count, 50);
    EXPECT_EQ(F5(g), Dims(g).dims[49].end - 1);

    // Two openings with a single closed sample between them: both dims reach that sample,
    // so the first ends one sample earlier and the second starts one later.
    GraphState h;
    BeakRecording q(2000);
    q.Opening(200, 10, 3.0).Opening(211, 10, 3.0);
    q.LoadInto(h);
    ASSERT_TRUE(SearchNext(*h, h.ui));
    ASSERT_EQ(Dims(h).count, 2);
    EXPECT_EQ(Dims(h).dims[0].end, 209);
    EXPECT_EQ(Dims(h).dims[1].start, 211);
}

TEST(BeakSearch, FeedEventDropsItsShallowLastDims) {
    GraphState g;
    BeakRecording r(2000);
    r.Depth(500, 1200, 20).Depth(850, 1200, 4);
    r.Bout(700, 5, 20, 8, 6.0).Bout(900, 2, 20, 8, 6.0);
    r.LoadInto(g);
    ASSERT_TRUE(SearchNext(*g, g.ui));
    ASSERT_EQ(g->analysis.event.type, 'F');
    ASSERT_EQ(Dims(g).count, 5);
    EXPECT_EQ(F5(g), Dims(g).dims[4].end - 1);
    EXPECT_NEAR(Dims(g).dims[4].typeValue, 20, 1e-9);
}

TEST(BeakSearch, StepZeroIsRefusedForDimsAndDive) {
    GraphState g;
    BreathThenFeed().LoadInto(g);
    g->settings.Beak.Step = 0;
    ASSERT_TRUE(SearchNext(*g, g.ui));
    EXPECT_EQ(Dims(g).count, 0);
    EXPECT_EQ(g.ui.Messages(),
              (std::vector<std::string>{" Illegal parameter ", "Illegal LenRest-Parameter"}));
}

TEST(BeakSearch, AnalyseEventComputesDimsAndFlagsLongEvents) {
    GraphState g;
    BreathThenFeed().LoadInto(g);
    ASSERT_TRUE(SearchNext(*g, g.ui));
    ASSERT_TRUE(AnalyseEvent(*g));
    const BeakEvent& e = g->analysis.event;
    EXPECT_TRUE(e.valid);
    EXPECT_EQ(e.dimCount, 4);
    EXPECT_EQ(e.startTime, F4(g) * 100);
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        const Dim& d = Dims(g).dims[static_cast<size_t>(k)];
        EXPECT_NEAR(d.maximum, 3.0, 0.2);
        EXPECT_EQ(d.duration, (d.end - d.start) * 100);
        EXPECT_EQ(d.gap, k == 0 ? 0 : (d.start - Dims(g).dims[size_t(k - 1)].start) * 100);
        sum += d.positiveSum;
    }
    EXPECT_DOUBLE_EQ(e.positiveSum, sum);
    EXPECT_EQ(ResultDurationText(*g), FormatShortest(e.duration / 60000.0) + " min");

    g->view.RightCursor = g->view.LeftCursor + 65001 * 100.0;
    EXPECT_FALSE(AnalyseEvent(*g));
    EXPECT_TRUE(g->analysis.event.tooLong);
}

}  // namespace
}  // namespace corv
