// QtCanvas must set the same pixels as the engine's RasterCanvas, and NotXor figures drawn
// twice must leave no trace.
#include "graph/QtCanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <random>
#include <vector>

#include "AppState.h"
#include "core/RasterCanvas.h"
#include "core/RecordingUiPort.h"
#include "graph/CurveDrawing.h"

namespace corv {
namespace {

QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int64_t Differences(const QtCanvas& q, const RasterCanvas& r) {
    int64_t n = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) n += q.Pixel(x, y) != r.Pixel(x, y);
    return n;
}

// Runs the same drawing on both canvases.
template <class F>
void Both(QtCanvas& q, RasterCanvas& r, F&& draw) {
    draw(static_cast<Canvas&>(q));
    draw(static_cast<Canvas&>(r));
}

TEST(QtCanvas, LinesAndFiguresMatchTheRasterCanvas) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> coord(-60, 260), colour(0, 0xFFFFFF);
    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot};
    for (PenMode mode : {PenMode::Copy, PenMode::NotXor}) {
        for (PenStyle style : styles) {
            QImage image = WhiteImage(200, 150);
            QtCanvas q(image);
            RasterCanvas r(200, 150);
            Both(q, r, [&, seed = rng()](Canvas& c) {
                std::mt19937 g(seed);
                c.SetPenMode(mode);
                c.SetPenStyle(style);
                for (int k = 0; k < 40; ++k) {
                    c.SetPenColour(static_cast<Colour>(colour(g)));
                    c.MoveTo(coord(g), coord(g));
                    // A polyline: the pattern runs on across its corners.
                    for (int j = 0; j < 4; ++j) c.LineTo(coord(g), coord(g));
                }
                c.SetBrushColour(0x00FF00);
                c.Rectangle(coord(g), coord(g), coord(g), coord(g));
                c.Ellipse(coord(g), coord(g), coord(g), coord(g));
                c.Ellipse(10, 10, 12, 12);  // the dot of the dotted chart styles
                c.FillRect(coord(g), coord(g), coord(g), coord(g));
            });
            EXPECT_EQ(Differences(q, r), 0) << "mode " << int(mode) << " style " << int(style);
        }
    }
}

TEST(QtCanvas, NotXorTwiceRestoresEveryPixelAndColoursAreBgr) {
    QImage image = WhiteImage(120, 80);
    QtCanvas q(image);
    q.SetPenColour(0x0000FF);  // red in 0x00BBGGRR
    q.MoveTo(0, 40);
    q.LineTo(120, 40);
    EXPECT_EQ(image.pixel(5, 40), qRgb(255, 0, 0));
    EXPECT_EQ(q.Pixel(5, 40), 0x0000FFu);
    q.SetBrushColour(0xFF8000);
    q.FillRect(50, 10, 70, 30);
    EXPECT_EQ(image.pixel(60, 20), qRgb(0, 0x80, 0xFF));
    q.SetFontHeight(12);
    q.TextOut(2, 2, "12.5");
    const QImage before = image.copy();

    const auto marks = [&] {
        q.SetPenMode(PenMode::NotXor);
        for (PenStyle s : {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot}) {
            q.SetPenStyle(s);
            q.SetPenColour(s == PenStyle::Dot ? 0xFF0000 : 0x000000);
            q.MoveTo(3, 0);
            q.LineTo(3, 80);
            q.MoveTo(0, 0);
            q.LineTo(119, 79);
            q.LineTo(60, 0);
        }
        q.SetBrushColour(0x123456);
        q.Rectangle(1, 1, 118, 78);
        q.Ellipse(20, 20, 40, 35);
    };
    marks();
    EXPECT_NE(image, before);
    marks();
    EXPECT_EQ(image, before);
}

TEST(QtCanvas, FontFollowsTheHeightAskedFor) {
    QImage image = WhiteImage(200, 60);
    QtCanvas q(image);
    q.SetFontHeight(8);
    const int small = q.TextHeight("1");
    q.SetFontHeight(16);
    const int large = q.TextHeight("1");
    EXPECT_GT(large, small);
    EXPECT_GE(small, 8);
    EXPECT_LE(large, 2 * 16);
    EXPECT_GT(q.TextWidth("12345"), q.TextWidth("1"));
    // Text sits in a box of the brush colour at its top-left corner.
    q.SetBrushColour(0x00FFFF);
    q.TextOut(10, 20, "8");
    EXPECT_EQ(q.Pixel(10, 20), 0x00FFFFu);
    EXPECT_EQ(q.Pixel(9, 20), 0xFFFFFFu);
}

// A random walk with spikes and stretches without data, in raw words.
std::vector<uint16_t> NoisyWalk(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> step(-300, 300), event(0, 999), spike(0, 65535);
    std::vector<uint16_t> out(n);
    int level = 30000;
    for (size_t i = 0; i < n; ++i) {
        level = std::clamp(level + step(rng), 12000, 52000);
        out[i] = static_cast<uint16_t>(event(rng) < 3 ? spike(rng) : level);
    }
    return out;
}

TEST(QtCanvas, FastCurveEqualsTheReferenceInEveryStyle) {
    RecordingUiPort ui;
    AppState s;
    s.store.AllocateBanks(ui);
    ChannelRecord& r = s.store.Rec(0);
    const std::vector<uint16_t> raws = NoisyWalk(600000, 9);
    for (size_t i = 0; i < raws.size(); ++i) s.store.SetRaw(static_cast<int32_t>(i), raws[i], 0);
    r.DataCnt = static_cast<int32_t>(raws.size()) - 1;
    r.SampRate = 2;
    r.CoeffA = 1;
    r.CoeffB = -32768;  // values on both sides of the bars' foot
    struct Window {
        double left, right;
    };
    const Window windows[] = {{1000.5, 5000.5}, {0, 1200000}, {300000, 420000}, {-500, 9000}};
    for (uint8_t code = 0; code <= 9; ++code) {
        r.GrRepr = code;
        for (const Window& win : windows) {
            QImage fastImage = WhiteImage(400, 120), refImage = WhiteImage(400, 120);
            QtCanvas fast(fastImage), ref(refImage);
            DrawCurve(fast, s.store, 0, 0x000000, 400, 120, win.left, win.right, -25000, 25000);
            DrawCurveReference(ref, s.store, 0, 0x000000, 400, 120, win.left, win.right, -25000,
                               25000);
            EXPECT_TRUE(fastImage == refImage)
                << "style " << int{code} << ", window " << win.left << ".." << win.right;
            RasterCanvas raster(400, 120);
            DrawCurve(raster, s.store, 0, 0x000000, 400, 120, win.left, win.right, -25000, 25000);
            EXPECT_EQ(Differences(fast, raster), 0) << "style " << int{code};
        }
    }
}

}  // namespace
}  // namespace corv
