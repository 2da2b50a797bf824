#include "graph/RedrawPlan.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"
#include "graph/GraphSurfaces.h"
#include "graph/RedrawFlags.h"
#include "graph/StripDrawing.h"
#include "graph/StripLayout.h"
#include "graph/ViewState.h"

namespace corv {
namespace {

// Graph window images on RasterCanvases: each image records, in a shared log, its name
// whenever drawing moves on to it.
class TaggedCanvas : public RasterCanvas {
  public:
    TaggedCanvas(std::string tag, int w, int h, std::vector<std::string>& log)
        : RasterCanvas(w, h), m_tag(std::move(tag)), m_log(log) {}
    void LineTo(int x, int y) override { Note(), RasterCanvas::LineTo(x, y); }
    void Ellipse(int a, int b, int c, int d) override { Note(), RasterCanvas::Ellipse(a, b, c, d); }
    void Rectangle(int a, int b, int c, int d) override {
        Note(), RasterCanvas::Rectangle(a, b, c, d);
    }
    void FillRect(int a, int b, int c, int d) override {
        Note(), RasterCanvas::FillRect(a, b, c, d);
    }
    void TextOut(int x, int y, const std::string& t) override {
        Note(), RasterCanvas::TextOut(x, y, t);
    }

  private:
    void Note() {
        if (m_log.empty() || m_log.back() != m_tag) m_log.push_back(m_tag);
    }
    std::string m_tag;
    std::vector<std::string>& m_log;
};

class RasterSurfaces : public GraphSurfaces {
  public:
    // Images at the rectangles of a 1000 x 800 screen for the channels that have a strip.
    explicit RasterSurfaces(AppState& state) {
        GraphLayout g = ScreenLayout(1000, 800);
        (void)StripLayout(state, g, PresentChannelCount(state));
        const auto make = [this](const std::string& tag, const PixelRect& r) {
            auto image = std::make_unique<TaggedCanvas>(tag, r.Width(), r.Height(), log);
            ClearImage(*image);
            return image;
        };
        overview = make("overview", g.overview);
        overviewScale = make("overview time", g.overviewTimeScale);
        mainScale = make("time", g.mainTimeScale);
        for (int c = 0; c < kChannelCount; ++c) {
            if (!HasStrip(state, c)) continue;
            strips[c] = make("strip" + std::to_string(c), g.strips[c]);
            scales[c] = make("scale" + std::to_string(c), g.scales[c]);
        }
        log.clear();
    }

    Canvas& Overview() override { return *overview; }
    Canvas& OverviewTimeScale() override { return *overviewScale; }
    Canvas& MainTimeScale() override { return *mainScale; }
    Canvas* Strip(int c) override { return strips[c].get(); }
    Canvas* YScale(int c) override { return scales[c].get(); }
    void ShowReadouts(const CursorReadouts& texts) override {
        readouts = texts;
        log.push_back("readouts");
    }

    // Every image, for comparing whole windows.
    std::vector<const RasterCanvas*> All() const {
        std::vector<const RasterCanvas*> out{overview.get(), overviewScale.get(), mainScale.get()};
        for (int c = 0; c < kChannelCount; ++c)
            if (strips[c]) {
                out.push_back(strips[c].get());
                out.push_back(scales[c].get());
            }
        return out;
    }

    std::vector<std::string> log;
    CursorReadouts readouts;
    std::unique_ptr<TaggedCanvas> overview, overviewScale, mainScale;
    std::array<std::unique_ptr<TaggedCanvas>, kChannelCount> strips, scales;
};

// Three channels of ten minutes at 100 ms: slow waves of different periods.
void LoadThreeChannels(test::GraphState& g) {
    for (int c = 0; c < 3; ++c) {
        std::vector<uint16_t> raws(6001);
        for (size_t i = 0; i < raws.size(); ++i)
            raws[i] = static_cast<uint16_t>(
                32768 + 20000 * std::sin(static_cast<double>(i) / (40.0 + 30 * c)));
        g.Load(c, raws, 100, static_cast<uint8_t>(c == 1 ? 3 : 0));
    }
    g->view = InitialViewState(g->store.TotalSpan);
    g->view.LeftBorder = 0;
    g->view.RightBorder = 60000;
    g->view.LeftCursor = 10000;
    g->view.RightCursor = 50000;
    RememberPositions(g->view);
}

// Pixels that differ between two windows. The step marker of a time scale starts on the
// frame column, which redrawing the scale leaves alone, so that one pixel is not compared.
int64_t Differences(const RasterSurfaces& a, const RasterSurfaces& b) {
    const auto x = a.All(), y = b.All();
    int64_t n = 0;
    for (size_t k = 0; k < x.size(); ++k) {
        const RasterCanvas& p = *x[k];
        const RasterCanvas& q = *y[k];
        const bool timeScale = &p == a.overviewScale.get() || &p == a.mainScale.get();
        for (int row = 0; row < p.Height(); ++row)
            for (int col = 0; col < p.Width(); ++col)
                if (!(timeScale && col == 0 && row == p.Height() - 2))
                    n += p.Pixel(col, row) != q.Pixel(col, row);
    }
    return n;
}

TEST(RedrawPlan, JobsRunInTheirFixedOrderAndClearTheFlags) {
    test::GraphState g;
    LoadThreeChannels(g);
    RasterSurfaces s(*g);
    g->ActiveChannel = 1;  // the layout made channel 0 active
    g->RedrawFlags =
        kRedrawYScale | kRedrawTimeScale | kRedrawAllStrips | kRedrawOverview | kRedrawReadouts;
    RedrawPending(*g, g.ui, s);
    EXPECT_EQ(g->RedrawFlags, 0u);
    EXPECT_EQ(s.log, (std::vector<std::string>{"overview", "strip1", "strip2", "strip0", "readouts",
                                               "time", "scale1"}));
    EXPECT_TRUE(s.readouts.shown);

    s.log.clear();
    RedrawPending(*g, g.ui, s);
    EXPECT_TRUE(s.log.empty());

    // Jobs for the active channel do nothing when it has no strip.
    g->store.ChannelPresent[2] = false;
    RasterSurfaces without(*g);
    g->ActiveChannel = 2;
    g->RedrawFlags = kRedrawStripMarksScale | kRedrawGrid | kRedrawSubsidLines;
    RedrawPending(*g, g.ui, without);
    EXPECT_TRUE(without.log.empty());
}

TEST(RedrawPlan, MovedMarksAndBordersLookAsIfDrawnAfresh) {
    test::GraphState g;
    LoadThreeChannels(g);
    g->store.Rec(0).CursorMask = 3;
    g->store.Rec(0).GridDist = 5000;
    g->settings.SubsidLines[2][0].shown = 1.0;
    g->settings.SubsidLines[2][3] = {30000, 1.0};
    RasterSurfaces moved(*g);
    InitialDraw(*g, g.ui, moved);

    // The F4/F5 cursors move (cursor mode), then the borders (border mode).
    RememberPositions(g->view);
    g->MouseMode = kModeLeftCursor;
    g->view.LeftCursor = 20000;
    g->view.RightCursor = 40000;
    g->RedrawFlags = kRedrawAfterCursors;
    RedrawPending(*g, g.ui, moved);
    RememberPositions(g->view);
    g->MouseMode = kModeBothBorders;
    g->view.LeftBorder = 5000;
    g->view.RightBorder = 55000;
    g->RedrawFlags = kRedrawAfterBorders;
    RedrawPending(*g, g.ui, moved);

    RasterSurfaces fresh(*g);
    InitialDraw(*g, g.ui, fresh);
    EXPECT_EQ(Differences(moved, fresh), 0);

    // The outline goes to the new active strip and comes back without a trace.
    RasterSurfaces before(*g);
    InitialDraw(*g, g.ui, before);
    ChangeActiveChannel(*g, moved, 2);
    EXPECT_EQ(g->ActiveChannel, 2);
    EXPECT_NE(moved.strips[0]->CountDifferences(*before.strips[0]), 0);
    EXPECT_NE(moved.strips[2]->CountDifferences(*before.strips[2]), 0);
    ChangeActiveChannel(*g, moved, 0);
    EXPECT_EQ(Differences(moved, before), 0);
}

TEST(RedrawPlan, StripShowsCaptionAndOutlineOnlyWhenActive) {
    test::GraphState g;
    LoadThreeChannels(g);
    g->store.Rec(0).Caption = "Beak";
    RasterSurfaces s(*g);
    InitialDraw(*g, g.ui, s);
    const RasterCanvas& active = *s.strips[0];
    // The outline inverts the white interior one pixel inside the black frame.
    EXPECT_EQ(active.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(active.Pixel(active.Width() - 2, active.Height() - 2), 0x000000u);
    EXPECT_EQ(s.strips[1]->Pixel(1, 1), 0xFFFFFFu);
    // The caption at a third of the width, 5 rows down.
    EXPECT_EQ(active.Pixel(active.Width() / 3 + 1, 6), 0x000000u);
}

}  // namespace
}  // namespace corv
