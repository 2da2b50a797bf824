// The Calculations menu on the demo recording: each window and dialog opened through the
// menu, answered as a user would.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "../graph/GraphInputTestSupport.h"
#include "calc/HistogramDialog.h"
#include "calc/PlotDialogs.h"
#include "calc/ReadoutImage.h"
#include "calc/SectionStatistics.h"
#include "calc/StatisticsExport.h"
#include "calc/StatisticsWindow.h"
#include "core/Times.h"

namespace corv::test {
namespace {

using CalcWindows = DemoGraph;

int BlackPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

TEST_F(CalcWindows, StatisticsWindowExportsTheRecordWithTheComment) {
    TempDir dir;
    const auto file = dir / "dive.sta";
    run.ui.QueueText("first dive");
    Trigger(w, "mniComment");
    EXPECT_EQ(run.state.PendingComment, "first dive");

    SectionStatistics shown;
    run.ui.QueueText(file.string());
    WhenModal([&](QWidget* d) {
        auto* window = qobject_cast<TfrmStatistics*>(d);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Statistics");
        ASSERT_EQ(window->lines.size(), 10u);
        EXPECT_EQ(window->lines[0]->text(), "Linear Regression  y = ax + b");
        EXPECT_TRUE(window->lines[1]->text().startsWith(" a = "));
        EXPECT_TRUE(window->lines[8]->textInteractionFlags() & Qt::TextSelectableByMouse);
        shown = window->Results();
        Click(window, "btnExport");
    });
    Trigger(w, "mniStatistic");
    EXPECT_GT(shown.max, shown.min);
    const std::string expected =
        "\r\n" + StatisticsRecord(run.state, shown, run.state.view.LeftCursor,
                                  run.state.view.RightCursor, "first dive");
    EXPECT_EQ(ReadFile(file), expected);
    EXPECT_EQ(expected.substr(2, 20), "14.06.2026\t06:00:07\t");
    EXPECT_TRUE(run.state.PendingComment.empty());
    EXPECT_EQ(run.state.settings.StatisticsFileName, file.string());
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST_F(CalcWindows, HistogramDrawsReadsOutAndExports) {
    run.state.ActiveChannel = 1;  // depth
    TempDir dir;
    const auto file = dir / "depth.his";
    WhenModal([&](QWidget* d) {
        auto* h = qobject_cast<TfrmHistogram*>(d);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->windowTitle(), "Histogram");
        EXPECT_EQ(h->imgHistogram->size(), QSize(473, 321));
        h->edtMinBin->setText("-0.5");
        h->edtBinSize->setText("0.01");
        Click(h, "btnOK");
        EXPECT_EQ(h->btnOK->text(), "Export");
        EXPECT_GT(BlackPixels(h->imgHistogram->image()), 100);
        EXPECT_EQ(h->lblTop->text(), "2.05 bin");
        h->ImgMouseMove(0, 321);
        EXPECT_EQ(h->lblValue->text(), "-0.5");
        EXPECT_EQ(h->lblAmount->text(), "0");
        h->edtHistFile->setText(QString::fromStdString(file.string()));
        Click(h, "btnOK");
    });
    Trigger(w, "mniHistogram");
    const std::string table = ReadFile(file);
    EXPECT_EQ(table.rfind(" Begin: 14.06.2026 06:00:07      End: 14.06.2026 06:00:52", 0), 0u);
    EXPECT_NE(table.find("\r\n Mean: "), std::string::npos);
    EXPECT_EQ(run.state.histograms[1].binSize, 0.01);
}

TEST_F(CalcWindows, PlotDepthAgainstBeak) {
    bool plotted = false;
    WhenModal([&](QWidget* d) {
        auto* ask = qobject_cast<PlotChannelQuery*>(d);
        ASSERT_NE(ask, nullptr);
        EXPECT_EQ(ask->lblChannel1->text(), "&Plot channel Nr");
        EXPECT_EQ(ask->lblChannel2->text(), "&against chan. Nr");
        ask->edtChannel1->setText("2");
        ask->edtChannel2->setText("1");
        WhenModal([&](QWidget* p) {
            auto* plot = qobject_cast<TfrmPlotChnl1againstChnl2*>(p);
            ASSERT_NE(plot, nullptr);
            EXPECT_EQ(plot->windowTitle(), "Plot channel against channel");
            EXPECT_GT(BlackPixels(plot->imgPlotChnlChnl->image()), 50);
            const PlotAxes& a = plot->Axes();
            plot->ImgMouseMove(0, plot->imgPlotChnlChnl->height());
            EXPECT_NEAR(plot->edtValChn1->text().toDouble(), a.xLow, 1e-12);
            EXPECT_NEAR(plot->edtValChn2->text().toDouble(), a.yLow, 1e-12);
            plotted = true;
            Click(plot, "btnOK");
        });
        Click(ask, "btnOK");
    });
    Trigger(w, "mniPlotChnlChnl");
    EXPECT_TRUE(plotted);
    EXPECT_LT(run.state.store.Rec(1).PlotLow, run.state.store.Rec(1).PlotHigh);
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST_F(CalcWindows, CountEventsAndFrequencyTagsUntilDisposed) {
    run.ui.QueueText("1");
    Trigger(w, "mniCountEvents");
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_EQ(run.ui.Messages()[0].rfind(" Nr of events between F4 and F5 : ", 0), 0u);

    GraphMenus& m = w->Menus();
    EXPECT_FALSE(m.Item("mniDisposeTags")->isEnabled());
    EXPECT_FALSE(m.Item("mniShowResult")->isEnabled());
    const QImage before = Image(w, "image0")->image().copy();
    const auto answerResult = [](QWidget* d) {
        auto* memo = d->findChild<QPlainTextEdit*>();
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->toPlainText().contains(" Frequency [1/s]: "));
        Click(d, "btnOK");
    };
    run.ui.QueueText("1");
    WhenModal(answerResult);
    Trigger(w, "mniCalcFrequ");
    ASSERT_FALSE(run.state.frequencyTags.tags.empty());
    EXPECT_NE(Image(w, "image0")->image(), before);
    EXPECT_TRUE(m.Item("mniDisposeTags")->isEnabled());
    WhenModal(answerResult);
    Trigger(w, "mniShowResult");

    Trigger(w, "mniDisposeTags");
    EXPECT_TRUE(run.state.frequencyTags.tags.empty());
    EXPECT_FALSE(m.Item("mniShowResult")->isEnabled());
    const QImage disposed = Image(w, "image0")->image().copy();
    w->RebuildStrips();
    EXPECT_EQ(disposed, Image(w, "image0")->image());
    EXPECT_EQ(disposed, before);
}

}  // namespace
}  // namespace corv::test
