#include "graph/GapBands.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RasterCanvas.h"

namespace corv {
namespace {

TEST(GapBands, LightBandsCoverTheGapsOfTheWindowOnly) {
    test::GraphState g;
    // Eleven samples a second apart; positions 2..3 and 9 were missing in the file.
    ChannelRecord& r = g.Load(0, {5, 5, 5, 5, 9, 9, 9, 9, 9, 9, 9}, 1000);
    r.CorrSmpDelay = 0;
    ChannelGaps& gaps = g->store.Gaps[0];
    gaps.Add(2);
    gaps.Add(3);
    gaps.Add(9);
    RasterCanvas strip(100, 40);
    DrawGapBands(strip, *g, 0, 0, 5000);  // 20 pixels a second
    // Samples 2 and 3 stand for 2 s .. 4 s: pixels 40..79; sample 9 lies outside.
    EXPECT_EQ(strip.Pixel(39, 20), 0xFFFFFFu);
    EXPECT_EQ(strip.Pixel(40, 1), kGapBandColour);
    EXPECT_EQ(strip.Pixel(79, 38), kGapBandColour);
    EXPECT_EQ(strip.Pixel(80, 20), 0xFFFFFFu);
    EXPECT_EQ(strip.Pixel(40, 0), 0xFFFFFFu);  // the frame row stays
    int64_t band = 0;
    for (Colour p : strip.Pixels()) band += p == kGapBandColour;
    EXPECT_EQ(band, 40 * 38);

    // A later start on the common axis moves the band with the samples; time running down
    // the strip (style 6) turns it across.
    r.CorrSmpDelay = 1;
    r.GrRepr = 6;
    RasterCanvas down(40, 100);
    DrawGapBands(down, *g, 0, 0, 5000);
    EXPECT_EQ(down.Pixel(20, 59), 0xFFFFFFu);
    EXPECT_EQ(down.Pixel(20, 60), kGapBandColour);
    EXPECT_EQ(down.Pixel(20, 98), kGapBandColour);
    EXPECT_EQ(down.Pixel(0, 70), 0xFFFFFFu);
}

}  // namespace
}  // namespace corv
