#include "graph/ViewSettings.h"

#include <gtest/gtest.h>

#include <memory>

#include "AppState.h"
#include "core/Errors.h"

namespace corv {
namespace {

std::unique_ptr<AppState> NewState() {
    auto state = std::make_unique<AppState>();
    for (int c = 0; c < kChannelCount; ++c) state->store.Rec(c).WndSze = 1;
    return state;
}

TEST(ChartStyle, CodesButtonsAndCaption) {
    auto state = NewState();
    for (int code = 0; code < 6; ++code) {
        state->store.Rec(1).GrRepr = static_cast<uint8_t>(code);
        const ChartStyleChoice choice = ChartStyleOf(*state, 1);
        EXPECT_EQ(choice.direction * 3 + choice.figure, code);
        state->store.Rec(1).GrRepr = 9;
        ApplyChartStyle(*state, 1, choice);
        EXPECT_EQ(state->store.Rec(1).GrRepr, code);
    }

    // A code from the setup file checks nothing; OK without a full choice keeps it.
    state->store.Rec(0).GrRepr = 7;
    ChartStyleChoice choice = ChartStyleOf(*state, 0);
    EXPECT_EQ(choice.direction, -1);
    EXPECT_EQ(choice.figure, -1);
    choice.figure = 2;
    ApplyChartStyle(*state, 0, choice);
    EXPECT_EQ(state->store.Rec(0).GrRepr, 7);

    choice.caption = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    choice.captionPos = kCaptionAtBottom;
    ApplyChartStyle(*state, 0, choice);
    EXPECT_EQ(state->store.Rec(0).Caption, "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(ChartStyleOf(*state, 2).captionPos, kCaptionAtBottom);
    // Characters, not bytes: the two-byte "°" and "ä" are counted once and never split.
    EXPECT_EQ(CutCaption("Temp \xC2\xB0"
                         "C H\xC3\xA4lfte 12345"),
              "Temp \xC2\xB0"
              "C H\xC3\xA4lfte 123");
}

TEST(SubsidLines, RowsOkWithTheMasterSwitchAndBadNumbers) {
    auto state = NewState();
    auto& lines = state->settings.SubsidLines[1];
    lines[1] = {1000.0 / 3, 1.0};
    lines[2] = {2.5, 0.5};  // only exactly 1 counts as on
    lines[4] = {42, 1.0};
    SubsidLineRows rows = SubsidLineRowsOf(*state, 1);
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ(rows[0].text, "333.333333333333");
    EXPECT_FALSE(rows[1].checked);
    EXPECT_EQ(rows[8].text, "0");

    rows[0] = {true, " 1,5 "};
    rows[3] = {false, "not read"};
    ApplySubsidLineRows(*state, 1, rows);
    EXPECT_EQ(lines[1].value, 1.5);
    EXPECT_EQ(lines[4].value, 42);  // an unchecked row keeps its value
    EXPECT_EQ(lines[4].shown, 0.0);
    EXPECT_EQ(lines[0].shown, 1.0);

    for (auto& row : rows) row.checked = false;
    ApplySubsidLineRows(*state, 1, rows);
    EXPECT_EQ(lines[0].shown, 0.0);

    // A bad number stores nothing.
    rows[0] = {true, "10"};
    rows[4] = {true, "1O"};
    try {
        ApplySubsidLineRows(*state, 1, rows);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1O' is not a valid floating point value");
    }
    EXPECT_EQ(lines[1].shown, 0.0);
    EXPECT_EQ(lines[0].shown, 0.0);
}

TEST(StripHeights, ActiveChannelFollowsTheStripsAndNoStripIsRefused) {
    auto state = NewState();
    state->ActiveChannel = 0;
    ASSERT_TRUE(ApplyStripHeights(*state, {0, 3, 12}));
    EXPECT_EQ(state->store.Rec(2).WndSze, 10);  // the scroll bar's range ends at 10
    EXPECT_EQ(state->ActiveChannel, 1);
    state->ActiveChannel = 2;
    ASSERT_TRUE(ApplyStripHeights(*state, {5, 3, 1}));
    EXPECT_EQ(state->ActiveChannel, 2);

    // Absent channels keep their weight and never become active.
    state->store.ChannelPresent = {false, true, true};
    state->ActiveChannel = 1;
    ASSERT_TRUE(ApplyStripHeights(*state, {9, 0, 2}));
    EXPECT_EQ(state->store.Rec(0).WndSze, 5);
    EXPECT_EQ(state->ActiveChannel, 2);

    EXPECT_FALSE(ApplyStripHeights(*state, {7, 0, 0}));
    EXPECT_EQ(state->store.Rec(2).WndSze, 2);
    EXPECT_EQ(state->ActiveChannel, 2);
}

}  // namespace
}  // namespace corv
