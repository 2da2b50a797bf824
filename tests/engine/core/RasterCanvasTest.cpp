#include "core/RasterCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace corv {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;

std::vector<std::pair<int, int>> Set(const RasterCanvas& c) {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != kWhite) out.emplace_back(x, y);
    return out;
}

TEST(RasterCanvasTest, LinesLeaveOutTheirEndPoint) {
    RasterCanvas c(20, 20);
    c.SetPenColour(kRed);
    c.MoveTo(2, 5);
    c.LineTo(6, 5);  // 2..5
    c.LineTo(6, 8);  // 5..7
    c.LineTo(6, 8);  // nothing
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(Set(c), (P{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {6, 6}, {6, 7}}));

    RasterCanvas d(20, 20);
    d.SetPenColour(kRed);
    d.MoveTo(4, 2);
    d.LineTo(0, 0);  // x-major backwards: step k -> (4 - k, 2 - floor((4k + 4) / 8))
    EXPECT_EQ(Set(d), (P{{1, 0}, {2, 1}, {3, 1}, {4, 2}}));
}

TEST(RasterCanvasTest, FarReachingLinesHitTheSamePixelsAsTheirVisiblePart) {
    // Both lines have slope 1/2 through the origin; the far one starts 2e9 pixels away.
    RasterCanvas nearLine(20, 20), farLine(20, 20);
    for (RasterCanvas* c : {&nearLine, &farLine}) c->SetPenColour(kRed);
    nearLine.MoveTo(0, 0);
    nearLine.LineTo(20, 10);
    farLine.MoveTo(-2000000000, -1000000000);
    farLine.LineTo(20, 10);
    EXPECT_EQ(nearLine.CountDifferences(farLine), 0);
    EXPECT_EQ(nearLine.Pixel(3, 2), kRed);  // floor((3 + 1) / 2)

    // Steep and reversed: a vertical line from far below ends just inside.
    RasterCanvas steep(10, 10);
    steep.SetPenColour(kRed);
    steep.MoveTo(5, 2147483647);
    steep.LineTo(5, 3);
    EXPECT_EQ(Set(steep).size(), 6u);  // rows 4..9
    EXPECT_EQ(steep.Pixel(5, 3), kWhite);
}

TEST(RasterCanvasTest, NotXorTwiceRestoresAndPatternsRunAlongThePolyline) {
    RasterCanvas c(60, 30, 0x336699);
    RasterCanvas blank(60, 30, 0x336699);
    c.SetPenColour(kRed);
    c.SetPenMode(PenMode::NotXor);
    c.SetPenStyle(PenStyle::Dash);
    for (int pass = 0; pass < 2; ++pass) {
        c.MoveTo(0, 3);
        c.LineTo(48, 3);
        c.Ellipse(10, 10, 20, 18);
        c.Rectangle(30, 10, 50, 25);
    }
    EXPECT_EQ(c.CountDifferences(blank), 0);

    c.SetPenMode(PenMode::Copy);
    c.MoveTo(0, 3);
    c.LineTo(48, 3);
    int on = 0;
    for (int x = 0; x < 48; ++x) on += c.Pixel(x, 3) == kRed;
    EXPECT_EQ(on, 36);  // two dashes of 18
    EXPECT_EQ(c.Pixel(18, 3), 0x336699u);

    // NotXor with a black pen inverts: white becomes black.
    RasterCanvas x(2, 1);
    x.SetPenMode(PenMode::NotXor);
    x.MoveTo(0, 0);
    x.LineTo(2, 0);
    EXPECT_EQ(x.Pixel(0, 0), 0x000000u);
}

TEST(RasterCanvasTest, FiguresExcludeTheirRightAndBottomEdges) {
    RasterCanvas c(10, 10);
    c.SetPenColour(kRed);
    c.SetBrushColour(0x00FF00);
    c.Ellipse(3, 3, 5, 5);  // a dot: 2 x 2 pen pixels
    EXPECT_EQ(Set(c).size(), 4u);
    EXPECT_EQ(c.Pixel(4, 4), kRed);
    EXPECT_EQ(c.Pixel(5, 5), kWhite);

    RasterCanvas r(10, 10);
    r.SetPenColour(kRed);
    r.SetBrushColour(0x00FF00);
    r.Rectangle(1, 1, 5, 4);
    EXPECT_EQ(r.Pixel(1, 1), kRed);
    EXPECT_EQ(r.Pixel(4, 3), kRed);
    EXPECT_EQ(r.Pixel(2, 2), 0x00FF00u);
    EXPECT_EQ(r.Pixel(5, 4), kWhite);
    r.FillRect(0, 0, 2, 2);
    EXPECT_EQ(r.Pixel(1, 1), 0x00FF00u);
    EXPECT_EQ(r.Pixel(2, 2), 0x00FF00u);
}

}  // namespace
}  // namespace corv
