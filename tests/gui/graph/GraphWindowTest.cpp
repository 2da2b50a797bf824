#include "graph/GraphWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "GraphWindowTestSupport.h"
#include "core/NumberFormat.h"
#include "graph/ChanImage.h"
#include "graph/GraphMenus.h"

namespace corv::test {
namespace {

using GraphWindowTest = DemoGraph;

QRect Geometry(GraphWindow* w, const char* name) {
    auto* image = w->findChild<TChanImage*>(QString::fromLatin1(name));
    return image ? image->geometry() : QRect();
}

std::string Text(GraphWindow* w, const char* name) {
    return w->findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
}

TEST(GraphWindowStrips, OpenWithTheirScalesAndReadouts) {
    DemoRun run({1, 2, 1}, true);
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "TForm3");
    EXPECT_EQ(w->windowTitle(), "Corvandell - graph window");
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Geometry(w, "TotalImage"), QRect(2, 40, 1436, 50));
    EXPECT_EQ(Geometry(w, "TotalimgTimeScale"), QRect(2, 92, 1436, 50));
    EXPECT_EQ(Geometry(w, "imgTime"), QRect(2, 770, 1436, 45));
    EXPECT_EQ(Geometry(w, "image0"), QRect(2, 150, 1436, 150));
    EXPECT_EQ(Geometry(w, "image1"), QRect(2, 305, 1436, 300));
    EXPECT_EQ(Geometry(w, "image2"), QRect(2, 610, 1436, 150));
    EXPECT_EQ(Geometry(w, "imageSc1"), QRect(1440, 305, 158, 300));
    EXPECT_EQ(w->findChild<QLineEdit*>("EdRCurYval")->geometry(), QRect(1152, 836, 128, 17));
    EXPECT_EQ(run.state.ActiveChannel, 0);
    EXPECT_EQ(run.state.RedrawFlags, 0u);
    // The first window shows the first 1/120 of the recording (7 199 900 ms).
    EXPECT_DOUBLE_EQ(run.state.view.RightBorder, 7199900.0 / 120);
    EXPECT_EQ(Text(w, "EdLCurTime"), "06:00:07.499");
    EXPECT_EQ(Text(w, "edtLCurDate"), "14.06.2026");
    EXPECT_EQ(Text(w, "EdRCurTime"), "06:00:52.499");
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST(GraphWindowStrips, ChannelOfWeightZeroHasNoStripAndOneChannelDisablesPairCommands) {
    DemoRun run({0, 1, 1}, true);
    ASSERT_TRUE(run.loaded);
    GraphWindow* w = run.Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<TChanImage*>("image0"), nullptr);
    EXPECT_EQ(w->findChild<TChanImage*>("imageSc0"), nullptr);
    EXPECT_EQ(Geometry(w, "image1"), QRect(2, 150, 1436, 300));
    EXPECT_EQ(Geometry(w, "image2"), QRect(2, 455, 1436, 300));
    EXPECT_EQ(run.state.ActiveChannel, 1);

    DemoRun none({0, 0, 5});  // the weight is on the absent channel 3
    ASSERT_TRUE(none.loaded);
    EXPECT_EQ(none.Open(), nullptr);
    ASSERT_EQ(none.ui.Messages().size(), 1u);

    DemoRun one;  // one channel: the two-channel commands are off
    one.state.store.ChannelPresent[1] = false;
    ASSERT_NE(one.Open(), nullptr);
    for (const char* name : {"mniSynchronize", "mniPlotChnlChnl", "mniBiChannel"})
        EXPECT_FALSE(one.window->Menus().Item(name)->isEnabled()) << name;
}

TEST_F(GraphWindowTest, MenuItemsMoveTheCursorsAndTheReadoutsFollowAndHelpOpens) {
    GraphMenus& m = w->Menus();
    EXPECT_TRUE(m.Item("mniBothBorders")->isChecked());

    Trigger(w, "mniCursIntoBorders");  // the cursors a quarter of the window inside
    const ViewState& v = run.state.view;
    EXPECT_DOUBLE_EQ(v.LeftCursor, v.RightBorder / 4);
    EXPECT_EQ(Text(w, "EdLCurTime"), "06:00:14.999");
    EXPECT_EQ(Text(w, "EdRCurTime"), "06:00:44.999");
    EXPECT_EQ(Text(w, "EdLCurYval"), ValueAtTime(run.state, v.LeftCursor));
    EXPECT_EQ(Text(w, "EdRCurYval"), ValueAtTime(run.state, v.RightCursor));
    EXPECT_TRUE(m.Item("mniBothCursors")->isChecked());
    EXPECT_FALSE(m.Item("mniBothBorders")->isChecked());

    Trigger(w, "mniMoveLeft");  // both cursors one fine step (a twelfth) to the left
    EXPECT_EQ(Text(w, "EdLCurTime"), "06:00:09.999");
    EXPECT_EQ(Text(w, "EdRCurTime"), "06:00:39.999");
    EXPECT_EQ(Text(w, "EdRCurYval"), ValueAtTime(run.state, v.RightCursor));

    Trigger(w, "mniRightCursor");
    EXPECT_EQ(run.state.MouseMode, kModeRightCursor);
    EXPECT_TRUE(m.Item("mniRightCursor")->isChecked());
    EXPECT_FALSE(m.Item("mniBothCursors")->isChecked());
    Trigger(w, "mniBordAndCursors");
    EXPECT_TRUE(m.Item("mniBothCursors")->isChecked());
    EXPECT_TRUE(m.Item("mniBothBorders")->isChecked());
    EXPECT_TRUE(run.ui.Messages().empty());

    // Shortcuts and help.
    EXPECT_EQ(m.Item("mniBordAndCursors")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_EQ(m.Item("mniLeftCursor")->text(), "Left Cursor ");
    // Every command is connected; Undo waits for a step.
    for (const char* name : {"mniMultiply", "mniSmooth121", "mniStatistic", "mniSearchNext"})
        EXPECT_TRUE(m.Item(name)->isEnabled()) << name;
    EXPECT_FALSE(m.Item("mniUndo")->isEnabled());      // nothing to take back yet
    EXPECT_TRUE(m.Item("mniBiChannel")->isEnabled());  // two channels are present

    Trigger(w, "mnixZoomHelp");
    Trigger(w, "mniAnalysisHelp");
    Trigger(w, "mniInfo");
    std::vector<std::string> help;
    for (const UiEvent& e : run.ui.Events())
        if (e.kind == UiEvent::Kind::Help) help.push_back(e.text);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_TRUE(help[0].ends_with("/help/mnixZoom.rtf")) << help[0];
    EXPECT_TRUE(help[1].ends_with("/help/mniAnaBeak.rtf")) << help[1];
    ASSERT_EQ(run.ui.Messages().size(), 1u);
    EXPECT_EQ(run.ui.Messages()[0].rfind("Corvandell beak", 0), 0u);
}

TEST_F(GraphWindowTest, KeysReachTheKeyHandlerAndHeightsRebuildTheStrips) {
    Trigger(w, "mniBothBorders");
    const double width = run.state.view.RightBorder - run.state.view.LeftBorder;
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &right);
    EXPECT_DOUBLE_EQ(run.state.view.LeftBorder, run.state.view.CoarseStep);
    EXPECT_DOUBLE_EQ(run.state.view.RightBorder - run.state.view.LeftBorder, width);
    // An edit does not keep the letter of a menu shortcut from the menu, but other letters.
    QLineEdit* edit = w->findChild<QLineEdit*>("edtMausY");
    QKeyEvent m(QEvent::ShortcutOverride, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
    m.ignore();
    QCoreApplication::sendEvent(edit, &m);
    EXPECT_FALSE(m.isAccepted());
    QKeyEvent z(QEvent::ShortcutOverride, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
    z.ignore();
    QCoreApplication::sendEvent(edit, &z);
    EXPECT_TRUE(z.isAccepted());

    // The beak channel loses its strip: the depth strip takes the whole area and the
    // active role.
    run.state.store.Rec(0).WndSze = 0;
    w->RebuildStrips();
    EXPECT_EQ(w->findChild<TChanImage*>("image0"), nullptr);
    EXPECT_EQ(Geometry(w, "image1"), QRect(2, 150, 1436, 600));
    EXPECT_EQ(run.state.ActiveChannel, 1);
    EXPECT_EQ(run.state.RedrawFlags, 0u);
    EXPECT_TRUE(run.ui.Messages().empty());
}

TEST_F(GraphWindowTest, CloseAsksAboutEachModifiedChannel) {
    run.state.ChannelModified = {true, true, false};

    run.ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(run.window->close());
    ProcessDeletes();
    ASSERT_FALSE(run.window.isNull());
    EXPECT_EQ(run.ui.Questions().size(), 1u);

    run.ui.QueueAnswer(Answer::No);
    run.ui.QueueAnswer(Answer::No);
    EXPECT_TRUE(run.window->close());
    ProcessDeletes();
    EXPECT_TRUE(run.window.isNull());
    ASSERT_EQ(run.ui.Questions().size(), 3u);
    EXPECT_EQ(run.ui.Questions()[2], "\t Channel Depth [m] is modified. Save as binary file? ");
}

}  // namespace
}  // namespace corv::test
