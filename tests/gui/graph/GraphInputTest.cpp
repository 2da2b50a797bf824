// The graph window driven like a user drives it: keys, drags and clicks on the images, the
// menu items of the value axis, the view dialogs and the binary export.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "GraphInputTestSupport.h"
#include "core/NumberFormat.h"
#include "core/RadioGroup.h"
#include "files/ExportDialogs.h"
#include "graph/ChartStyleDialog.h"
#include "graph/GraphReadouts.h"
#include "graph/SubsidLineDialog.h"

namespace corv::test {
namespace {

TEST(GraphInput, F4ThenArrowsMoveTheLeftCursorAndTheReadoutsFollow) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    const ViewState& v = run.state.view;
    const double left = v.LeftCursor;
    const double right = v.RightCursor;
    const std::string before = w->Readouts().EdLCurTime->text().toStdString();

    Press(w, Qt::Key_F4);  // a menu shortcut: the left cursor mode
    EXPECT_EQ(run.state.MouseMode, kModeLeftCursor);
    EXPECT_TRUE(w->Menus().Item("mniLeftCursor")->isChecked());
    Press(w, Qt::Key_Right);
    Press(w, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(v.LeftCursor, left + 2 * v.FineStep);
    EXPECT_DOUBLE_EQ(v.RightCursor, right);
    EXPECT_NE(w->Readouts().EdLCurTime->text().toStdString(), before);
    EXPECT_EQ(w->Readouts().EdLCurYval->text().toStdString(), ValueAtTime(run.state, v.LeftCursor));
    Press(w, Qt::Key_Left);
    EXPECT_DOUBLE_EQ(v.LeftCursor, left + v.FineStep);
    EXPECT_EQ(w->Readouts().EdLCurYval->text().toStdString(), ValueAtTime(run.state, v.LeftCursor));
    // The key handler hands the focus to the hidden edit and ends with the normal cursor.
    EXPECT_EQ(QApplication::focusWidget(), w->Readouts().edtFoc);
    EXPECT_FALSE(run.ui.Busy());
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphInput, DragsMoveTheRightBorderAndTheLeftCursor) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    TChanImage* strip = Image(w, "image0");
    ASSERT_NE(strip, nullptr);
    const ViewState& v = run.state.view;
    const int width = strip->width();
    const int mid = strip->height() / 2;

    // From the right edge zone: the right border goes to the release point.
    double lb = v.LeftBorder, rb = v.RightBorder;
    Drag(strip, QPoint(width - 4, mid), QPoint(900, mid));
    EXPECT_DOUBLE_EQ(v.RightBorder, 900.0 / width * (rb - lb) + lb);
    EXPECT_DOUBLE_EQ(v.LeftBorder, lb);

    // The left cursor, grabbed at its pixel, follows the mouse.
    lb = v.LeftBorder;
    rb = v.RightBorder;
    const int x = static_cast<int>(std::lround((v.LeftCursor - lb) * width / (rb - lb)));
    Drag(strip, QPoint(x, mid), QPoint(x + 60, mid));
    EXPECT_DOUBLE_EQ(v.LeftCursor, (x + 60.0) / width * (rb - lb) + lb);

    // A click moves nothing and shows the value under the mouse.
    const double cursor = v.LeftCursor;
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(500, mid));
    EXPECT_DOUBLE_EQ(v.LeftCursor, cursor);
    EXPECT_FALSE(w->Readouts().edtMausY->text().isEmpty());
    EXPECT_FALSE(w->Readouts().edtMausTime->text().isEmpty());
    EXPECT_FALSE(run.ui.Busy());
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphInput, ClickOnTheTimeScaleCentresAndOnAStripMakesItActive) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    TChanImage* scale = Image(w, "imgTime");
    const ViewState& v = run.state.view;
    const double span = v.RightBorder - v.LeftBorder;
    const int x = scale->width() * 3 / 4;
    const double t = static_cast<double>(x) / Image(w, "image0")->width() * span + v.LeftBorder;
    QTest::mouseClick(scale, Qt::LeftButton, {}, QPoint(x, 10));
    EXPECT_NEAR((v.LeftBorder + v.RightBorder) / 2, t, 1.0);
    EXPECT_NEAR(v.RightBorder - v.LeftBorder, span, 1.0);

    TChanImage* depth = Image(w, "image1");
    QTest::mouseClick(depth, Qt::LeftButton, {}, QPoint(300, depth->height() / 2));
    EXPECT_EQ(run.state.ActiveChannel, 1);
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphInput, CtrlPgUpZoomsTheValueAxisAndKeysSetTheBaseline) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    ChannelRecord& r = run.state.store.Rec(0);
    const double lo = r.Min, hi = r.Max;
    const QImage scaleBefore = Image(w, "imageSc0")->image().copy();
    Press(w, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(r.Min, lo + (hi - lo) / 8);
    EXPECT_DOUBLE_EQ(r.Max, hi - (hi - lo) / 8);
    EXPECT_NE(Image(w, "imageSc0")->image(), scaleBefore);
    Press(w, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_GT(r.Max - r.Min, (hi - lo) * 0.9);

    // "4" is the shortcut of Baseline > "At F4": the value at the cursor becomes zero.
    int32_t err = 0;
    const auto i = static_cast<int32_t>(std::lround(run.state.view.LeftCursor / r.SampRate));
    const double atCursor = run.state.store.GetValue(i, 0, err);
    Press(w, Qt::Key_4);
    EXPECT_DOUBLE_EQ(r.yOffset, atCursor);
    // The y-zoom menu items do what their keys do.
    const double range = r.Max - r.Min;
    Trigger(w, "mniZoomOut");
    EXPECT_DOUBLE_EQ(r.Max - r.Min, range * 1.25);
    const double offset = r.yOffset;
    Press(w, Qt::Key_U, Qt::ControlModifier);  // Baseline > "Increment"
    EXPECT_DOUBLE_EQ(r.yOffset, offset + (r.Max - r.Min) / 100);

    // A press on a y-scale moves the range of that channel, active or not.
    ChannelRecord& depth = run.state.store.Rec(1);
    TChanImage* scale = Image(w, "imageSc1");
    const double lo1 = depth.Min, hi1 = depth.Max;
    const int y = scale->height() * 3 / 4;
    const double shift = (hi1 - lo1) * (static_cast<double>(y) / scale->height() - 0.5);
    const double sign = depth.GrRepr >= 3 ? -1 : 1;
    QTest::mouseClick(scale, Qt::LeftButton, {}, QPoint(20, y));
    EXPECT_DOUBLE_EQ(depth.Min, lo1 + sign * shift);
    EXPECT_DOUBLE_EQ(depth.Max, hi1 + sign * shift);
    EXPECT_EQ(run.state.ActiveChannel, 0);
    EXPECT_FALSE(run.ui.Busy());
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphInput, ViewDialogsChangeStyleLinesAndHeights) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    TChanImage* depth = Image(w, "image1");
    QTest::mouseClick(depth, Qt::LeftButton, {}, QPoint(300, depth->height() / 2));
    ASSERT_EQ(run.state.ActiveChannel, 1);

    WhenModal([](QWidget* d) {
        auto* style = qobject_cast<TfrmChartStyle*>(d);
        ASSERT_NE(style, nullptr);
        style->rboInverted->setChecked(true);
        style->rboDots->setChecked(true);
        style->btnOK->click();
    });
    Trigger(w, "mniStyle");
    EXPECT_EQ(run.state.store.Rec(1).GrRepr, 5);

    const ChannelRecord& r = run.state.store.Rec(1);
    const double middle = (r.Min + r.Max) / 2 - r.yOffset;
    WhenModal([middle](QWidget* d) {
        auto* lines = qobject_cast<TFrmSubsidLine*>(d);
        ASSERT_NE(lines, nullptr);
        lines->chkLine[0]->setChecked(true);
        lines->edtLine[0]->setText(QString::number(middle));
        lines->btnOK->click();
    });
    const QImage strip = Image(w, "image1")->image().copy();
    Trigger(w, "mniSubsidLine");
    const auto& pairs = run.state.settings.SubsidLines[1];
    EXPECT_DOUBLE_EQ(pairs[1].value, middle);
    EXPECT_EQ(pairs[1].shown, 1.0);
    EXPECT_EQ(pairs[0].shown, 1.0);
    EXPECT_NE(Image(w, "image1")->image(), strip);

    // The beak strip grows; the depth channel stays the active one.
    const int height = Image(w, "image1")->height();
    WhenModal([](QWidget* d) {
        d->findChild<QScrollBar*>("sbrHeight0")->setValue(3);
        d->findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(w, "mniWinSize");
    EXPECT_EQ(run.state.store.Rec(0).WndSze, 3);
    EXPECT_LT(Image(w, "image1")->height(), height);
    EXPECT_GT(Image(w, "image0")->height(), Image(w, "image1")->height());
    EXPECT_EQ(run.state.ActiveChannel, 1);
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphInput, BinaryExportOfTheSectionWritesItsSamples) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
    TempDir dir;
    const auto file = dir / "section.bin";
    WhenModal([&file](QWidget* d) {
        auto* bin = qobject_cast<TfrmExportBin*>(d);
        ASSERT_NE(bin, nullptr);
        bin->rgrSection->Button(0)->setChecked(true);  // F4..F5
        bin->rgrChannel->Button(0)->setChecked(true);  // the active channel
        bin->edtfName->setText(QString::fromStdString(file.string()));
        bin->btnOK->click();
    });
    Trigger(w, "mniExportBinary");

    const ChannelRecord& r = run.state.store.Rec(0);
    const auto first = static_cast<int>(run.state.view.LeftCursor / r.SampRate);
    const auto end = static_cast<int>(run.state.view.RightCursor / r.SampRate);
    ASSERT_GT(end, first);
    std::string expected;
    for (int p = first; p < end; ++p) {
        const uint16_t word = *run.state.store.BankWord(0, p);
        expected.push_back(static_cast<char>(word & 0xFF));
        expected.push_back(static_cast<char>(word >> 8));
    }
    const std::string written = ReadFile(file);
    const size_t header = r.ReadHeader == 'Y' ? 720 : 0;
    ASSERT_EQ(written.size(), header + expected.size());
    EXPECT_EQ(written.substr(header), expected);
    // The only message says where the samples went.
    EXPECT_EQ(run.ui.Messages(),
              std::vector<std::string>{"Exported\r\n" + std::to_string(end - first) +
                                       " samples to " + file.string()});
}

}  // namespace
}  // namespace corv::test
