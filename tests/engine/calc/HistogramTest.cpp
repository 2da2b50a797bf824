#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "TestSupport.h"
#include "calc/Histogram.h"
#include "calc/HistogramCommand.h"
#include "core/Errors.h"
#include "core/RasterCanvas.h"
#include "core/Times.h"

namespace corv {
namespace {

class HistogramTest : public ::testing::Test {
  protected:
    // Values 0.5, 1.5, 1.5, 2.5 (raw words times 0.5) and one far above, at 1 s.
    HistogramTest() {
        g.Load(0, {1, 3, 3, 5, 1000}, 1000).CoeffA = 0.5;
        g->store.OriginTime = PartsToTime(2026, 6, 14, 6, 0, 0);
        g->settings.CommSampInterval = 1;
        g->view.LeftCursor = 0;
        g->view.RightCursor = 3000;
    }
    const HistogramCounts& Table() const { return g.state->histogramCounts[0]; }
    HistogramRecord& Record() { return g->histograms[0]; }

    test::GraphState g;
    test::TempDir dir;
};

TEST_F(HistogramTest, BinsMeanAndMedian) {
    EXPECT_TRUE(HistogramFirstPress(*g, g.ui, "0", "1"));
    EXPECT_EQ(std::vector<uint32_t>(Table().begin(), Table().begin() + 4),
              (std::vector<uint32_t>{1, 2, 1, 0}));
    EXPECT_DOUBLE_EQ(Record().mean, 1.5);
    EXPECT_DOUBLE_EQ(Record().sd, std::sqrt(0.5));
    EXPECT_EQ(Record().median, 1);  // running total 3 passes 2 at bin 1
    EXPECT_TRUE(g.ui.Messages().empty());
    // The value 500 lies beyond min + 255 w: bin 255.
    g->view.RightCursor = 4000;
    EXPECT_TRUE(HistogramFirstPress(*g, g.ui, "0", "1"));
    EXPECT_EQ(Table()[255], 1u);
}

TEST_F(HistogramTest, BinEdges) {
    EXPECT_EQ(HistogramBin(0.999, 0, 1), 0);
    EXPECT_EQ(HistogramBin(-7, 0, 1), 0);
    EXPECT_EQ(HistogramBin(1, 0, 1), 1);
    EXPECT_EQ(HistogramBin(254.99, 0, 1), 254);
    EXPECT_EQ(HistogramBin(255, 0, 1), 255);
    EXPECT_EQ(HistogramBin(1e300, 0, 1e-300), 255);  // no integer overflow
    // The start is rounded to whole bins, halves to even: 2.5 counts as 2.
    EXPECT_EQ(HistogramBin(2.7, 2.5, 1), 0);
    EXPECT_EQ(HistogramBin(3.1, 2.5, 1), 1);
}

TEST_F(HistogramTest, RefusalsAndWarnings) {
    EXPECT_FALSE(HistogramFirstPress(*g, g.ui, "0", "-1"));
    EXPECT_FALSE(HistogramFirstPress(*g, g.ui, "0", "0"));
    EXPECT_THROW((void)HistogramFirstPress(*g, g.ui, "abc", "1"), ConversionError);
    EXPECT_EQ(g.ui.Messages(), std::vector<std::string>(2, kIllegalBinSize));
    g.ui.Clear();
    // Every value below the table: one bar at bin 0, and the mean warning.
    EXPECT_TRUE(HistogramFirstPress(*g, g.ui, "100", "1"));
    EXPECT_EQ(Table()[0], 4u);
    EXPECT_EQ(LargestCount(Table()), 4u);
    EXPECT_EQ(g.ui.Messages(), std::vector<std::string>{kMeanOutsideTable});
    RasterCanvas image(255, 100);
    image.SetBrushColour(0xFFFFFF);
    image.FillRect(0, 0, 255, 100);
    DrawHistogramBars(image, Table(), Record());
    int black = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 255; ++x) black += image.Pixel(x, y) == 0;
    EXPECT_EQ(black, 99);  // one bar from the bottom edge up to the top row, which it leaves out
}

TEST_F(HistogramTest, ExportNewAppendOverwrite) {
    ASSERT_TRUE(HistogramFirstPress(*g, g.ui, "0", "1"));
    const auto file = dir / "rec.his";
    EXPECT_TRUE(HistogramExportPress(*g, g.ui, file.string()));
    const std::string table = test::ReadFile(file);
    EXPECT_EQ(table.substr(0, table.find("\r\n 2.00")),
              " Begin: 14.06.2026 06:00:00      End: 14.06.2026 06:00:03      Duration [sec]: "
              "              3\r\n<  1.00   1\r\n 1.00 -  2.00  2");
    EXPECT_NE(table.find("\r\n254.00 - 255.00  0\r\n> 255.00      0\r\n\r\n Mean:    1.50   "
                         "Standard Dev.:    0.71   Median:    1.00\r\n"),
              std::string::npos);
    // The file exists now: Append adds a second table, Cancel nothing, Overwrite replaces.
    g.ui.QueueAnswer(Answer::Ok);
    EXPECT_TRUE(HistogramExportPress(*g, g.ui, file.string()));
    EXPECT_EQ(test::ReadFile(file), table + table);
    g.ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(HistogramExportPress(*g, g.ui, file.string()));
    g.ui.QueueAnswer(Answer::Aux);
    EXPECT_TRUE(HistogramExportPress(*g, g.ui, file.string()));
    EXPECT_EQ(test::ReadFile(file), table);
    EXPECT_EQ(g.ui.Questions(), std::vector<std::string>(3, kHistogramFileExists));
}

}  // namespace
}  // namespace corv
