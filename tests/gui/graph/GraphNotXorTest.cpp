// Marks, grids and subsidiary lines are drawn and removed by inverting pixels; after any
// mix of moves the pictures must equal a fresh drawing of the same state, pixel by pixel.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "GraphInputTestSupport.h"
#include "graph/SubsidLineDialog.h"

namespace corv::test {
namespace {

using GraphNotXor = ShownDemoGraph;

using Pictures = std::map<std::string, QImage>;

const char* const kImages[] = {"TotalImage", "image0", "image1", "imageSc0", "imageSc1"};

Pictures Take(GraphWindow* w) {
    Pictures p;
    for (const char* name : kImages)
        if (TChanImage* image = Image(w, name)) p[name] = image->image().copy();
    return p;
}

// The pictures of the state as it is, drawn from scratch.
Pictures Fresh(GraphWindow* w) {
    w->RebuildStrips();
    w->RefreshOverview();
    return Take(w);
}

int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

void ExpectSame(const Pictures& now, const Pictures& fresh, const char* when) {
    ASSERT_EQ(now.size(), fresh.size()) << when;
    for (const auto& [name, image] : now)
        EXPECT_EQ(DifferentPixels(image, fresh.at(name)), 0) << name << " " << when;
}

// Line 1 of the active channel, in the middle of its displayed range.
void SubsidLine(GraphWindow* w, const AppState& s, bool on) {
    const ChannelRecord& r = s.store.Rec(s.ActiveChannel);
    const QString value = QString::number((r.Min + r.Max) / 2 - r.yOffset);
    WhenModal([on, value](QWidget* d) {
        auto* lines = qobject_cast<TFrmSubsidLine*>(d);
        ASSERT_NE(lines, nullptr);
        lines->chkLine[0]->setChecked(on);
        lines->edtLine[0]->setText(value);
        lines->btnOK->click();
    });
    Trigger(w, "mniSubsidLine");
}

TEST_F(GraphNotXor, MovesLeaveNoMarksBehind) {
    Press(w, Qt::Key_F4);
    for (int i = 0; i < 3; ++i) Press(w, Qt::Key_Right);
    Press(w, Qt::Key_F5);
    Press(w, Qt::Key_Left);
    Press(w, Qt::Key_PageUp);  // a bigger cursor step
    Press(w, Qt::Key_Left);
    Press(w, Qt::Key_F3);
    Press(w, Qt::Key_Right);  // both borders: the window moves
    Press(w, Qt::Key_F6);     // both cursors
    Press(w, Qt::Key_Right, Qt::ControlModifier);

    Press(w, Qt::Key_PageUp, Qt::ControlModifier);
    Press(w, Qt::Key_Up);
    TChanImage* strip = Image(w, "image0");
    const int mid = strip->height() / 2;
    Drag(strip, QPoint(strip->width() - 3, mid), QPoint(1000, mid));
    const ViewState& v = run.state.view;
    const int x = static_cast<int>(std::lround((v.LeftCursor - v.LeftBorder) * strip->width() /
                                               (v.RightBorder - v.LeftBorder)));
    Drag(strip, QPoint(x, mid), QPoint(x + 40, mid + 20));
    TChanImage* depth = Image(w, "image1");
    QTest::mouseClick(depth, Qt::LeftButton, {}, QPoint(200, depth->height() / 2));
    ASSERT_EQ(run.state.ActiveChannel, 1);
    // The overview follows the active channel when the user refreshes it.
    QTest::mouseDClick(Image(w, "TotalImage"), Qt::LeftButton, {}, QPoint(600, 20));
    Press(w, Qt::Key_F4);
    Press(w, Qt::Key_Left);
    QTest::mouseClick(Image(w, "imgTime"), Qt::LeftButton, {}, QPoint(800, 10));
    Drag(Image(w, "TotalImage"), QPoint(5, 20), QPoint(30, 20));  // the left border there
    ASSERT_TRUE(run.ui.Messages().empty());

    const Pictures now = Take(w);
    ExpectSame(now, Fresh(w), "after the moves");

    // Grid and subsidiary lines on and off twice, on the active (depth) strip.
    for (int round = 0; round < 2; ++round) {
        run.ui.QueueText("50");
        Trigger(w, "mniGrid");
        SubsidLine(w, run.state, true);
        run.ui.QueueText("0");
        Trigger(w, "mniGrid");
        SubsidLine(w, run.state, false);
    }
    ExpectSame(Take(w), Fresh(w), "after the grid and lines were toggled");
    // And once more with both left on.
    run.ui.QueueText("25");
    Trigger(w, "mniGrid");
    SubsidLine(w, run.state, true);
    Press(w, Qt::Key_Right);
    Press(w, Qt::Key_Home);
    ExpectSame(Take(w), Fresh(w), "with grid and line shown");
    EXPECT_TRUE(run.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::test
