#include "graph/CursorMoves.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "AppState.h"
#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "graph/KeyHandling.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

using LR = std::pair<double, double>;

class CursorMovesTest : public ::testing::Test {
  protected:
    CursorMovesTest() : s(std::make_unique<AppState>()) {
        s->store.TotalSpan = 100000;
        ViewState& v = s->view;
        v = {10000, 20000, 12000, 18000};
        v.LeftBCursor = 14000;
        v.RightBCursor = 16000;
        v.LeftShCursor = 15000;
        v.RightShCursor = 15500;
        v.CoarseStep = 2500;
        v.FineStep = 625;
        RememberPositions(v);
    }

    ViewState& V() { return s->view; }
    LR Borders() { return {V().LeftBorder, V().RightBorder}; }
    LR Cursors() { return {V().LeftCursor, V().RightCursor}; }
    void Mode(int m) { s->MouseMode = m; }

    std::unique_ptr<AppState> s;
    RecordingCanvas mainScale{500, 30}, overviewScale{500, 30};
    StepMarkerImages images{mainScale, overviewScale, 500};
};

TEST_F(CursorMovesTest, NothingMovesBeforeAModeIsChosen) {
    // Mode 110 (both Sh cursors, set by the menu) has no key moves either, only steps.
    for (int mode : {int{kModeNone}, int{kModeBothShCursors}}) {
        Mode(mode);
        const ViewState before = V();
        EXPECT_EQ(MoveLeft(*s), 0u);
        EXPECT_EQ(MoveRight(*s), 0u);
        MoveHome(*s);
        MoveEnd(*s);
        EXPECT_EQ(PageLeft(*s), 0u);
        EXPECT_EQ(PageRight(*s), 0u);
        if (mode == kModeNone) {
            StepUp(*s, images);
            StepDown(*s, images);
        }
        EXPECT_EQ(std::memcmp(&before, &V(), sizeof before), 0) << mode;
    }
    EXPECT_TRUE(overviewScale.Calls().empty());
    EXPECT_TRUE(mainScale.Calls().empty());
}

TEST_F(CursorMovesTest, BorderModesStopAtTheEndsKeepTheWindowOpenAndTakeTheCursors) {
    Mode(kModeLeftBorder);
    EXPECT_EQ(MoveLeft(*s), kRedrawAfterBorders);
    EXPECT_EQ(V().LeftBorder, 7500);
    V().LeftBorder = 2000;  // less than a step from 0: exactly 0
    MoveLeft(*s);
    EXPECT_EQ(V().LeftBorder, 0);
    V().LeftBorder = 17500;  // window not wider than a step: Right does nothing
    MoveRight(*s);
    EXPECT_EQ(V().LeftBorder, 17500);

    Mode(kModeRightBorder);
    MoveLeft(*s);
    EXPECT_EQ(V().RightBorder, 20000);
    V().RightBorder = 99000;
    MoveRight(*s);
    EXPECT_EQ(V().RightBorder, 100000);

    Mode(kModeBothBorders);
    V().LeftBorder = 1000;
    V().RightBorder = 11000;
    MoveLeft(*s);  // moves by LB only, keeping the width
    EXPECT_EQ(Borders(), LR(0, 10000));
    V().LeftBorder = 89000;
    V().RightBorder = 99000;
    MoveRight(*s);
    EXPECT_EQ(Borders(), LR(90000, 100000));

    Mode(kModeBordersAndCursors);
    V().LeftBorder = 10000;
    V().RightBorder = 20000;
    V().LeftCursor = 1000;
    EXPECT_EQ(MoveLeft(*s), kRedrawAfterBordersAndCursors);
    EXPECT_EQ(V().LeftBorder, 7500);
    EXPECT_EQ(Cursors(), LR(0, 17000));
    MoveRight(*s);
    EXPECT_EQ(V().LeftBorder, 10000);
    EXPECT_EQ(V().RightCursor, 19500);
}

TEST_F(CursorMovesTest, CursorModesMoveByTheFineStep) {
    Mode(kModeLeftCursor);
    EXPECT_EQ(MoveLeft(*s), kRedrawAfterCursors);
    EXPECT_EQ(V().LeftCursor, 11375);
    V().LeftCursor = 600;
    MoveLeft(*s);
    EXPECT_EQ(V().LeftCursor, 0);
    V().LeftCursor = 17500;  // 500 from RC: less than the step, Right does nothing
    MoveRight(*s);
    EXPECT_EQ(V().LeftCursor, 17500);

    Mode(kModeRightCursor);
    V().RightCursor = 99900;
    MoveRight(*s);
    EXPECT_EQ(V().RightCursor, 100000);  // past the end: exactly T
    MoveLeft(*s);
    EXPECT_EQ(V().RightCursor, 99375);

    Mode(kModeBothCursors);
    V().LeftCursor = 100;
    V().RightCursor = 1100;
    MoveLeft(*s);
    EXPECT_EQ(Cursors(), LR(0, 1000));
}

TEST_F(CursorMovesTest, AuxiliaryPairsMeetButDoNotCross) {
    Mode(kModeRightBCursor);
    V().RightBCursor = 14300;
    EXPECT_EQ(MoveLeft(*s), kRedrawMoveModeMarks);
    EXPECT_EQ(V().RightBCursor, 14000);
    Mode(kModeLeftBCursor);
    MoveRight(*s);
    EXPECT_EQ(V().LeftBCursor, 14000);
    V().LeftBCursor = 300;
    MoveLeft(*s);
    EXPECT_EQ(V().LeftBCursor, 0);
    Mode(kModeBothBCursors);
    V().RightBCursor = 99800;
    MoveRight(*s);
    EXPECT_EQ(V().RightBCursor, 100000);
    EXPECT_EQ(V().LeftBCursor, 200);

    Mode(kModeLeftShCursor);
    MoveRight(*s);
    EXPECT_EQ(V().LeftShCursor, 15500);
    Mode(kModeRightShCursor);
    MoveLeft(*s);
    EXPECT_EQ(V().RightShCursor, 15500);
    MoveRight(*s);
    EXPECT_EQ(V().RightShCursor, 16125);
}

TEST_F(CursorMovesTest, HomeAndEnd) {
    Mode(kModeRightBorder);
    EXPECT_EQ(MoveHome(*s), kRedrawAfterBorders);
    EXPECT_EQ(V().RightBorder, 10001);  // a window 1 ms wide
    Mode(kModeBothBorders);
    MoveEnd(*s);
    EXPECT_EQ(V().RightBorder, 100000);
    EXPECT_EQ(V().LeftBorder, 99999);
    Mode(kModeLeftCursor);
    EXPECT_EQ(MoveEnd(*s), kRedrawAfterCursors);
    EXPECT_EQ(V().LeftCursor, 17999);
    Mode(kModeBothCursors);
    MoveHome(*s);
    EXPECT_EQ(Cursors(), LR(0, 1));
    Mode(kModeLeftBCursor);
    MoveEnd(*s);
    EXPECT_EQ(V().LeftBCursor, V().RightBCursor);
    Mode(kModeRightShCursor);  // Sh cursors have no Home or End
    const double before = V().RightShCursor;
    EXPECT_EQ(MoveEnd(*s), kRedrawAfterCursors);
    EXPECT_EQ(V().RightShCursor, before);
}

TEST_F(CursorMovesTest, PageMoves) {
    Mode(kModeBothBorders);
    EXPECT_EQ(PageRight(*s), kRedrawAfterBorders);
    EXPECT_EQ(V().LeftBorder, 20000);
    PageLeft(*s);
    PageLeft(*s);  // LB = 10000 is not more than w: stays
    EXPECT_EQ(V().LeftBorder, 10000);

    // Cursor modes page by the cursor distance plus 1 ms, which can leave the left border
    // half a millisecond before 0.
    Mode(kModeBothCursors);
    V().LeftBorder = 6000.5;
    V().RightBorder = 16000.5;
    EXPECT_EQ(PageLeft(*s), kRedrawAfterBordersAndCursors);
    EXPECT_EQ(V().LeftBorder, -0.5);
    EXPECT_EQ(Cursors(), LR(5999, 11999));
    PageRight(*s);
    EXPECT_EQ(V().LeftBorder, 6000.5);
    EXPECT_EQ(V().RightCursor, 18000);

    Mode(kModeBordersAndCursors);
    V().LeftBorder = 90000;
    V().RightBorder = 95000;
    PageRight(*s);  // 5000 left: not more than w, the borders stay; the cursors move by w
    EXPECT_EQ(V().LeftBorder, 90000);
    EXPECT_EQ(V().LeftCursor, 17000);
}

TEST_F(CursorMovesTest, StepsDoubleUpToTheRecordingAndHalveDownToOneMillisecond) {
    Mode(kModeBothBorders);
    EXPECT_EQ(StepUp(*s, images), 0u);
    EXPECT_EQ(V().CoarseStep, 5000);
    // The overview marker is removed and drawn again.
    EXPECT_EQ(overviewScale.CallsStartingWith("line ").size(), 2u);
    EXPECT_TRUE(mainScale.Calls().empty());
    for (int i = 0; i < 10; ++i) StepUp(*s, images);
    EXPECT_EQ(V().CoarseStep, 100000);

    Mode(kModeLeftShCursor);
    V().FineStep = 3;
    StepDown(*s, images);
    EXPECT_EQ(V().FineStep, 1.5);
    StepDown(*s, images);
    StepDown(*s, images);
    EXPECT_EQ(V().FineStep, 1);
    EXPECT_EQ(mainScale.CallsStartingWith("line ").size(), 6u);

    s->store.TotalSpan = 0;  // a single sample: the step still stays at 1 ms
    StepUp(*s, images);
    EXPECT_EQ(V().FineStep, 1);
}

TEST(KeyHandlingTest, ShortcutsFirstThenTheModifierRules) {
    constexpr KeyModifiers none{}, shift{true, false, false}, ctrl{false, true, false},
        alt{false, false, true}, shiftCtrl{true, true, false}, ctrlAlt{false, true, true};
    using C = KeyCommand;
    // clang-format off
    const struct { Key key; KeyModifiers mods; KeyCommand command; } cases[] = {
        {Key::F4, none, C::MenuShortcut},       {Key::D4, none, C::MenuShortcut},
        {Key::F3, shift, C::MenuShortcut},      {Key::D, ctrl, C::MenuShortcut},  // Decrement
        {Key::U, shiftCtrl, C::None},           {Key::F7, none, C::None},
        {Key::F8, shift, C::LeftShCursorMode},  {Key::F8, shiftCtrl, C::LeftShCursorMode},
        {Key::F8, ctrl, C::None},               {Key::PageDown, shiftCtrl, C::YZoomOut},
        {Key::Left, ctrlAlt, C::PageLeft},      {Key::Left, shift, C::None},
        {Key::Left, alt, C::None},              {Key::Left, none, C::MoveLeft},
        {Key::PageUp, none, C::StepUp},         {KeyOfChar('d'), none, C::MoveRight},
        {KeyOfChar('E'), none, C::YShiftUp},    {KeyOfChar('x'), none, C::YShiftDown},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DecideKey(c.key, c.mods, GraphMenuShortcuts()), c.command)
            << static_cast<int>(c.key) << " " << c.mods.shift << c.mods.ctrl << c.mods.alt;
    EXPECT_EQ(DecideKey(Key::F4, none, {}), C::None);  // the list is data
}

TEST(KeyHandlingTest, RunningACommandRemembersPositionsAndTakesTheFocus) {
    test::GraphState g;
    ChannelRecord& r = g.Load(0, {0, 1, 2}, 1000);
    r.Max = 80;
    g->view = InitialViewState(100000);  // coarse step 208
    RecordingCanvas mainScale{500, 30}, overviewScale{500, 30};
    const StepMarkerImages images{mainScale, overviewScale, 500};

    g->view.LeftBorder = 100;
    EXPECT_TRUE(RunKeyCommand(*g, KeyCommand::None, images).focusEdtFoc);
    EXPECT_EQ(g->view.PrevLeftBorder, 100);
    g->view.LeftBorder = 50;
    EXPECT_FALSE(RunKeyCommand(*g, KeyCommand::MenuShortcut, images).focusEdtFoc);
    EXPECT_EQ(g->view.PrevLeftBorder, 100);  // the handler never ran
    RunKeyCommand(*g, KeyCommand::LeftShCursorMode, images);
    EXPECT_EQ(g->MouseMode, kModeLeftShCursor);
    EXPECT_EQ(RunKeyCommand(*g, KeyCommand::YZoomIn, images).redraw, kRedrawStripMarksScale);
    EXPECT_EQ(r.Min, 10);
    g->MouseMode = kModeLeftBorder;
    EXPECT_EQ(RunKeyCommand(*g, KeyCommand::MoveLeft, images).redraw, kRedrawAfterBorders);
    EXPECT_EQ(g->view.LeftBorder, 0);
}

}  // namespace
}  // namespace corv
