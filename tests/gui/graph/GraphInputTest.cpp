// The graph window driven like a user drives it: keys, wheel, drags and clicks on the images,
// the menu items of the value axis, the view dialogs, the binary export and the pictures, and
// the boxes it opens over itself.
#include <QCheckBox>
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>

#include "GraphInputTestSupport.h"
#include "core/NumberFormat.h"
#include "core/QtUiPort.h"
#include "core/RadioGroup.h"
#include "files/ExportDialogs.h"
#include "graph/ChartStyleDialog.h"
#include "graph/GraphReadouts.h"

namespace corv::test {
namespace {

using GraphInput = ShownDemoGraph;

TEST_F(GraphInput, F4ThenArrowsMoveTheLeftCursorAndTheReadoutsFollow) {
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

TEST_F(GraphInput, DragsMoveTheRightBorderAndTheLeftCursor) {
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

TEST_F(GraphInput, ClickOnTheTimeScaleCentresTheWindowThere) {
    TChanImage* scale = Image(w, "imgTime");
    const ViewState& v = run.state.view;
    const double span = v.RightBorder - v.LeftBorder;
    const int x = scale->width() * 3 / 4;
    const double t = static_cast<double>(x) / Image(w, "image0")->width() * span + v.LeftBorder;
    QTest::mouseClick(scale, Qt::LeftButton, {}, QPoint(x, 10));
    EXPECT_NEAR((v.LeftBorder + v.RightBorder) / 2, t, 1.0);
    EXPECT_NEAR(v.RightBorder - v.LeftBorder, span, 1.0);
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST_F(GraphInput, CtrlPgUpZoomsTheValueAxisAndKeysSetTheBaseline) {
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

TEST_F(GraphInput, ViewDialogsChangeStyleAndHeights) {
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

TEST_F(GraphInput, BinaryExportMenuItemWritesTheSection) {
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

    // The samples themselves are checked by the export dialog's tests.
    const ChannelRecord& r = run.state.store.Rec(0);
    const auto first = static_cast<int>(run.state.view.LeftCursor / r.SampRate);
    const auto end = static_cast<int>(run.state.view.RightCursor / r.SampRate);
    ASSERT_GT(end, first);
    EXPECT_EQ(ReadFile(file).size(), (r.ReadHeader == 'Y' ? 720u : 0u) + 2u * (end - first));
    // The only message says where the samples went.
    EXPECT_EQ(run.ui.Messages(),
              std::vector<std::string>{"Exported\r\n" + std::to_string(end - first) +
                                       " samples to " + file.string()});
}

// The box's window is the graph window; a typed text confirms it.
void TypeIntoInputBox(GraphWindow* w, const char* text, bool* seen) {
    WhenModal([w, text, seen](QWidget* d) {
        auto* box = qobject_cast<QInputDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), w);
        *seen = true;
        auto* edit = box->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// Waits (up to two seconds) for a message box to be shown, then runs `answer` on it.
void WhenMessageBox(const std::function<void(QMessageBox*)>& answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer, triesLeft] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            answer(box);
        else if (triesLeft > 0)
            WhenMessageBox(answer, triesLeft - 1);
    });
}

TEST(GraphUsability, BoxesOpenOverTheGraphWindowAndGiveTheKeyboardBack) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    QWidget mainDialog;  // the port's owner, as the main dialog is in the program
    mainDialog.show();
    QtUiPort port(&mainDialog);
    GraphWindow* w = GraphWindow::Open(run.state, port, QSize(1600, 1000), nullptr);
    ASSERT_NE(w, nullptr);
    run.window = w;
    ShowActive(w);

    // Baseline > Numerical with "abc": the input box and then the error box belong to the
    // graph window, which has the keyboard afterwards.
    bool asked = false;
    bool warned = false;
    TypeIntoInputBox(w, "abc", &asked);
    WhenMessageBox([w, &warned](QMessageBox* box) {
        EXPECT_EQ(box->parentWidget(), w);
        warned = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    Trigger(w, "mniNumericalBaseline");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(warned);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));

    // The comment box likewise.
    asked = false;
    TypeIntoInputBox(w, "tagged", &asked);
    Trigger(w, "mniComment");
    EXPECT_TRUE(asked);
    EXPECT_EQ(run.state.PendingComment, "tagged");
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));
}

TEST_F(GraphInput, AClickOnAnotherStripRedrawsWhatShowsTheActiveChannelAtOnce) {
    TChanImage* second = Image(w, "image1");
    ASSERT_NE(second, nullptr);
    const QImage overviewBefore = Image(w, "TotalImage")->image().copy();

    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(second->width() / 2, 40));
    ASSERT_EQ(run.state.ActiveChannel, 1);
    const QImage overview = Image(w, "TotalImage")->image().copy();
    const QImage strip0 = Image(w, "image0")->image().copy();
    const QImage strip1 = second->image().copy();
    EXPECT_NE(overview, overviewBefore);

    // The same pictures as a fresh drawing of everything.
    w->RefreshOverview();
    w->RebuildStrips();
    EXPECT_EQ(overview, Image(w, "TotalImage")->image());
    EXPECT_EQ(strip0, Image(w, "image0")->image());
    EXPECT_EQ(strip1, Image(w, "image1")->image());
}

// A turn of the wheel by `notches` over (x, y) of an image.
void Wheel(QWidget* image, QPoint at, int notches, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWheelEvent e(QPointF(at), QPointF(image->mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches),
                  Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(image, &e);
}

TEST_F(GraphInput, WheelMiddleDragLiveMarksAndStatusBar) {
    TChanImage* strip = Image(w, "image0");
    const ViewState& v = run.state.view;
    const int mid = strip->height() / 2;

    // A dragged cursor moves before the button is let go.
    const int x = static_cast<int>(std::lround((v.LeftCursor - v.LeftBorder) * strip->width() /
                                               (v.RightBorder - v.LeftBorder)));
    const double cursor = v.LeftCursor;
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(x, mid));
    QTest::mouseMove(strip, QPoint(x + 40, mid));
    EXPECT_GT(v.LeftCursor, cursor);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(x + 40, mid));

    // Ctrl+wheel zooms in around the pointer; the plain wheel pans back in time.
    const double width = v.RightBorder - v.LeftBorder;
    Wheel(strip, QPoint(strip->width() / 2, mid), 1, Qt::ControlModifier);
    EXPECT_LT(v.RightBorder - v.LeftBorder, width);
    const double left = v.LeftBorder;
    Wheel(strip, QPoint(100, mid), -1);
    EXPECT_GT(v.LeftBorder, left);
    // Shift+wheel zooms the value axis of the strip under the pointer.
    const ChannelRecord& depth = run.state.store.Rec(1);
    const double range = depth.Max - depth.Min;
    Wheel(Image(w, "image1"), QPoint(100, 40), 1, Qt::ShiftModifier);
    EXPECT_LT(depth.Max - depth.Min, range);
    EXPECT_EQ(run.state.ActiveChannel, 0);

    // A middle-button drag to the right shows earlier times, and grabs no mark.
    const double before = v.LeftBorder;
    const int mode = run.state.MouseMode;
    QTest::mousePress(strip, Qt::MiddleButton, {}, QPoint(600, mid));
    QTest::mouseMove(strip, QPoint(500, mid));
    QTest::mouseRelease(strip, Qt::MiddleButton, {}, QPoint(500, mid));
    EXPECT_GT(v.LeftBorder, before);
    EXPECT_EQ(run.state.MouseMode, mode);

    // The status bar names the key mode and the sample under the pointer.
    Press(w, Qt::Key_F5);
    auto* modeLabel = w->findChild<QLabel*>("lblStatusMode");
    ASSERT_NE(modeLabel, nullptr);
    EXPECT_EQ(modeLabel->text(), "Keys move: right cursor (F5)");
    EXPECT_TRUE(w->findChild<QLabel*>("lblStatusStep")->text().startsWith("Step: "));
    QTest::mouseMove(strip, QPoint(300, mid));
    EXPECT_TRUE(w->findChild<QLabel*>("lblStatusPointer")->text().startsWith("Beak opening"));
    // The differences panel has a row per present channel.
    auto* deltas = w->findChild<QTableWidget*>("tblDeltas");
    ASSERT_NE(deltas, nullptr);
    EXPECT_EQ(deltas->rowCount(), 2);
    EXPECT_FALSE(deltas->item(0, 1)->text().isEmpty());
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST_F(GraphInput, PicturesAreSavedAsPngAndSvgAndCopied) {
    w->resize(1200, 800);
    QApplication::processEvents();
    TempDir dir;
    ASSERT_TRUE(w->SavePicture(QString::fromStdString((dir / "strips.png").string())));
    const QImage png(QString::fromStdString((dir / "strips.png").string()));
    EXPECT_EQ(png.width(), w->centralWidget()->width());
    ASSERT_TRUE(w->SavePicture(QString::fromStdString((dir / "strips.svg").string())));
    const std::string svg = ReadFile(dir / "strips.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<path"), std::string::npos);  // the curves as vectors
    EXPECT_NE(svg.find(">Beak opening</text>"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    w->CopyPicture();
    EXPECT_EQ(QApplication::clipboard()->image().size(), png.size());
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
