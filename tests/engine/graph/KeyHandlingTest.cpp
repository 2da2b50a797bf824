#include "graph/KeyHandling.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/RecordingCanvas.h"
#include "graph/RedrawFlags.h"

namespace corv {
namespace {

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
