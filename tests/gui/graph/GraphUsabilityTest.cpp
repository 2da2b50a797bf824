// The graph window as a new user meets it: boxes over the window they come from, the
// active channel's drawings following a click at once, read-outs that say what they show.
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QWheelEvent>

#include "GraphInputTestSupport.h"
#include "core/QtUiPort.h"
#include "graph/GraphReadouts.h"

namespace corv::test {
namespace {

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

TEST(GraphUsability, AClickOnAnotherStripRedrawsWhatShowsTheActiveChannelAtOnce) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
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

TEST(GraphUsability, WheelMiddleDragLiveMarksAndStatusBar) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    ShowActive(w);
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

TEST(GraphUsability, PicturesAreSavedAsPngAndSvgAndCopied) {
    DemoRun run;
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    w->resize(1200, 800);
    w->show();
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
