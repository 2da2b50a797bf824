#include "processing/SectionBuffers.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "graph/GraphSurfaces.h"
#include "processing/SectionPreview.h"

namespace corv {
namespace {

class SectionBuffersTest : public ::testing::Test {
  protected:
    SectionBuffersTest() {
        std::vector<uint16_t> raws(20);
        for (size_t i = 0; i < raws.size(); ++i) raws[i] = static_cast<uint16_t>(100 + i);
        g.Load(0, raws, 1000);
        g.Load(1, std::vector<uint16_t>(20, 7), 500);
    }
    std::vector<uint16_t> Raws(int c, int32_t from, int32_t to) {
        std::vector<uint16_t> out;
        for (int32_t i = from; i <= to; ++i) out.push_back(g->store.GetRaw(i, c));
        return out;
    }
    void Mark(int b, double t4, double t5, int c) {
        g->view.LeftCursor = t4;
        g->view.RightCursor = t5;
        g->ActiveChannel = c;
        FillSectionBuffer(*g, b);
    }
    test::GraphState g;
};

TEST_F(SectionBuffersTest, StoreFillsOnTickAndMarksUsedOnOk) {
    Mark(3, 2000, 4500, 0);
    Mark(5, 1000, 1000, 1);
    std::array<bool, kSectionBufferCount> ticked{};
    ticked[3] = true;
    EXPECT_EQ(SoleUsedSectionBuffer(*g), -1);
    SetSectionBuffersUsed(*g, ticked);
    EXPECT_EQ(UsedSectionBuffers(*g), ticked);
    EXPECT_EQ(SoleUsedSectionBuffer(*g), 3);
    EXPECT_EQ(g->sectionBuffers[3].endTime, 4500);
    EXPECT_EQ(g->sectionBuffers[5].channel, 1);  // filled, though not used
}

TEST_F(SectionBuffersTest, SelectAndCopyRawWordsAtF4) {
    EXPECT_FALSE(SelectSectionBuffer(*g, g.ui, -1));
    EXPECT_EQ(g.ui.Messages(), Calls{"Invalid choice"});
    Mark(2, 2000, 4999, 0);  // source samples 2..4 of channel 1
    ASSERT_TRUE(SelectSectionBuffer(*g, g.ui, 2));
    EXPECT_EQ(ShownSectionBuffer(*g), 2);
    // Into channel 2 at F4 = 2500 ms: the source's interval gives index Round(2.5) = 2.
    g->ActiveChannel = 1;
    g->view.LeftCursor = 2500;
    ASSERT_TRUE(CopySectionBuffer(*g, g.ui, 2));
    EXPECT_EQ(ShownSectionBuffer(*g), -1);
    EXPECT_EQ(Raws(1, 1, 5), (std::vector<uint16_t>{7, 102, 103, 104, 7}));
    EXPECT_TRUE(g->ChannelModified[1]);
    EXPECT_EQ(g->store.Rec(1).DataCnt, 19);
    g->history.Undo(*g);
    EXPECT_EQ(Raws(1, 1, 5), std::vector<uint16_t>(5, 7));
}

TEST_F(SectionBuffersTest, OverlapWithTheTargetAfterTheSourceRepeatsTheStretch) {
    Mark(0, 2000, 5000, 0);  // samples 2..5
    g->view.LeftCursor = 4000;
    ASSERT_TRUE(CopySectionBuffer(*g, g.ui, 0));
    // Ascending copy: 4 and 5 are overwritten before they are read.
    EXPECT_EQ(Raws(0, 2, 8), (std::vector<uint16_t>{102, 103, 102, 103, 102, 103, 108}));
    // Beyond DataCnt the words are written up to the capacity, DataCnt stays.
    Mark(1, 0, 19000, 0);
    g->view.LeftCursor = 15000;
    ASSERT_TRUE(CopySectionBuffer(*g, g.ui, 1));
    EXPECT_EQ(g->store.Rec(0).DataCnt, 19);
    EXPECT_EQ(g->store.GetRaw(19, 0), 102);  // source sample 4, as the first copy left it
}

// The surfaces of one strip for the preview.
class OneStrip : public GraphSurfaces {
  public:
    explicit OneStrip(RasterCanvas& strip) : m_strip(strip) {}
    Canvas& Overview() override { return m_strip; }
    Canvas& OverviewTimeScale() override { return m_strip; }
    Canvas& MainTimeScale() override { return m_strip; }
    Canvas* Strip(int c) override { return c == 0 ? &m_strip : nullptr; }
    Canvas* YScale(int) override { return nullptr; }
    void ShowReadouts(const CursorReadouts&) override {}

  private:
    RasterCanvas& m_strip;
};

TEST_F(SectionBuffersTest, PreviewFollowsF4AndLeavesNoPixels) {
    g->view.LeftBorder = 0;
    g->view.RightBorder = 19000;
    g->store.Rec(0).Min = 90;
    g->store.Rec(0).Max = 130;
    RasterCanvas strip(200, 100);
    strip.SetBrushColour(0xFFFFFF);
    strip.FillRect(0, 0, 200, 100);
    const RasterCanvas blank = strip;
    OneStrip surfaces(strip);
    Mark(4, 1000, 6000, 0);
    SelectSectionBuffer(*g, g.ui, 4);
    SectionPreview& preview = g->sectionPreview;
    preview.Show(*g, surfaces);
    ASSERT_TRUE(preview.Drawn());
    const RasterCanvas atFirst = strip;
    EXPECT_FALSE(atFirst.Pixels() == blank.Pixels());
    // F4 moves: the preview is taken off and drawn at the new place.
    g->view.LeftCursor = 9000;
    preview.Hide(*g, surfaces);
    EXPECT_TRUE(strip.Pixels() == blank.Pixels());
    preview.Show(*g, surfaces);
    EXPECT_FALSE(strip.Pixels() == atFirst.Pixels());
    // Hidden after a change of range, it still removes exactly what it drew.
    g->store.Rec(0).Max = 200;
    preview.Hide(*g, surfaces);
    EXPECT_TRUE(strip.Pixels() == blank.Pixels());
}

}  // namespace
}  // namespace corv
