#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "GraphTestSupport.h"
#include "calc/EventCount.h"
#include "calc/FrequencyTags.h"
#include "calc/TagDrawing.h"
#include "core/RasterCanvas.h"
#include "graph/Marks.h"

namespace corv {
namespace {

TEST(CountEvents, RisesAboveTheThreshold) {
    test::GraphState g;
    g.Load(0, {9, 0, 2, 0, 2, 0, 2, 0, 2, 0, 1, 0, 2, 1, 2, 0}, 1000);
    EXPECT_EQ(CountEvents(g->store, 0, 1, 1000, 5000), 2);    // 0 2 0 2 0
    EXPECT_EQ(CountEvents(g->store, 0, 1, 6000, 8000), 1);    // 2 0 2: the start is no event
    EXPECT_EQ(CountEvents(g->store, 0, 1, 9000, 11000), 0);   // 0 1 0: equal is not above
    EXPECT_EQ(CountEvents(g->store, 0, 1, 11000, 15000), 1);  // 0 2 1 2 0: equal does not end it
    // F4 at the first sample counts from sample 1: 0 2 0 2 0 ... from 9 would give 4.
    g.Load(1, {0, 2, 0, 2, 0}, 1000);
    EXPECT_EQ(CountEvents(g->store, 1, 1, 0, 4000), 1);
    g->ActiveChannel = 1;
    g->view.LeftCursor = 0;
    g->view.RightCursor = 4000;
    g.ui.QueueText("1");
    EXPECT_EQ(CountEventsCommand(*g, g.ui), 1);
    EXPECT_EQ(g.ui.Messages(), std::vector<std::string>{" Nr of events between F4 and F5 : 1"});
    EXPECT_FALSE(CountEventsCommand(*g, g.ui).has_value());  // cancelled
}

class FrequencyTest : public ::testing::Test {
  protected:
    // Values through raw words scaled onto -1.5 .. 1.5, at 10 ms.
    void Load(const std::function<double(int)>& f, int n) {
        std::vector<uint16_t> raws;
        for (int i = 0; i < n; ++i)
            raws.push_back(static_cast<uint16_t>(std::lround((f(i) + 1.5) / 3 * 65535)));
        ChannelRecord& r = g.Load(0, raws, 10);
        r.CoeffA = 3.0 / 65535;
        r.CoeffB = -1.5;
        r.Min = -1.5;
        r.Max = 1.5;
        g->settings.CommSampInterval = 1;
        g->view.LeftCursor = 0;
        g->view.RightCursor = (n - 1) * 10.0;
        g->view.LeftBorder = 0;
        g->view.RightBorder = (n - 1) * 10.0;
    }
    test::GraphState g;
};

TEST_F(FrequencyTest, SineGivesCrestsAndTroughs) {
    Load([](int i) { return std::sin(2 * std::numbers::pi * i / 100); }, 1000);
    g.ui.QueueText("5");  // refused, asked again
    g.ui.QueueText("1");
    ASSERT_TRUE(CalcFrequency(*g, g.ui));
    EXPECT_EQ(g.ui.Messages(), std::vector<std::string>{"Illegal value"});
    EXPECT_EQ(g->settings.FrequSensibility, 1);
    const std::vector<TagNode>& tags = g->frequencyTags.tags;
    ASSERT_EQ(tags.size(), 20u);  // crests at 25, 125, ..., troughs at 75, 175, ..., 975
    for (size_t k = 0; k < tags.size(); ++k) {
        EXPECT_EQ(tags[k].kind, k % 2 ? -1 : 1);
        EXPECT_NEAR(tags[k].index, 25 + 50 * int(k), 1);
        EXPECT_NEAR(std::fabs(tags[k].value), 1, 1e-3);
        if (k > 0) {
            EXPECT_NEAR(std::fabs(tags[k].amplitude), 2, 2e-3);
        }
    }
    // The crest between the first two troughs: one wave per second, the area of sin + 1
    // over one period.
    EXPECT_NEAR(tags[2].waveFrequency, 1, 1e-12);
    EXPECT_NEAR(tags[2].waveArea, 1, 1e-3);
    EXPECT_EQ(tags[0].waveArea, 0);
    const FrequencyResult& r = g->frequencyTags.result;
    EXPECT_NEAR(r.frequency, 1000.0 / (100 * 10), 1e-12);
    EXPECT_NEAR(r.meanMaxima, 1, 1e-3);
    EXPECT_NEAR(r.meanMinima, -1, 1e-3);
    EXPECT_LT(r.sdMaxima, 1e-3);
    EXPECT_EQ(FrequencyResultLines(g->frequencyTags, 10).size(), 8 + tags.size());
}

TEST_F(FrequencyTest, RampAndSmallTurnsGiveNoTags) {
    Load([](int i) { return i / 1000.0; }, 1000);
    std::vector<TagNode> tags;
    FindExtrema(g->store, 1, g.ui, 0, 0, 999, 0.1, tags);
    EXPECT_TRUE(tags.empty());
    // A rise of 0.3 and back, then a rise of 1.2 and back, with threshold 1: one tag.
    Load(
        [](int i) {
            return i < 30    ? i / 100.0
                   : i < 60  ? (60 - i) / 100.0
                   : i < 120 ? (i - 60) / 50.0
                             : (180 - i) / 50.0;
        },
        181);
    FindExtrema(g->store, 1, g.ui, 0, 0, 180, 1, tags);
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(tags[0].index, 120);
    EXPECT_EQ(tags[0].kind, 1);
    EXPECT_TRUE(g.ui.Messages().empty());
}

TEST_F(FrequencyTest, TagsAreDrawnWithTheActiveStripMarksAndRemovedByDrawingAgain) {
    Load([](int i) { return std::sin(2 * std::numbers::pi * i / 100); }, 400);
    g.ui.QueueText("1");
    ASSERT_TRUE(CalcFrequency(*g, g.ui));
    RasterCanvas strip(400, 100);
    strip.SetBrushColour(0xFFFFFF);
    strip.FillRect(0, 0, 400, 100);
    const RasterCanvas before = strip;
    DrawFrequencyTags(strip, *g, 0);
    int red = 0;
    for (Colour p : strip.Pixels()) red += p != 0xFFFFFF;
    EXPECT_EQ(red, 8 * 8);  // eight tags of 8 pixels
    DrawFrequencyTags(strip, *g, 0);
    EXPECT_EQ(strip.Pixels(), before.Pixels());
    // Part of the marks on the active strip only.
    RasterCanvas marks(400, 100), other(400, 100);
    DrawStripMarks(marks, *g, 0);
    g->ActiveChannel = 1;
    DrawStripMarks(other, *g, 0);
    EXPECT_NE(marks.Pixels(), other.Pixels());
}

}  // namespace
}  // namespace corv
