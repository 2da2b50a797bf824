#include "core/ErrorTable.h"

#include <gtest/gtest.h>

#include "core/RecordingUiPort.h"

namespace corv {
namespace {

TEST(ErrorTable, TextsKeepTheirBlanks) {
    EXPECT_EQ(ErrorText(0), "  User abort.");
    EXPECT_EQ(ErrorText(8),
              "  Baseline correcting is not possible because   the baseline differs too much "
              "from 0 [binary] .");
    EXPECT_EQ(ErrorText(12), " Compass File too large.");
    for (int n : {-1, 4, 5, 9, 10, 16, 1000}) EXPECT_EQ(ErrorText(n), "") << n;
}

TEST(ErrorTable, FatalErrorShowsBothTextsThenHaltsOthersReturn) {
    RecordingUiPort ui;
    EXPECT_THROW(ShowError(ui, 2, 1), HaltRequested);
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{"  Fatal Graphic error. Calling undefined window.",
                                        "     Program halts. "}));
    ASSERT_FALSE(ui.Events().empty());
    EXPECT_EQ(ui.Events().back().kind, UiEvent::Kind::Halt);

    // Any other halt code shows one box and returns.
    ui.Clear();
    ShowError(ui, 1, 2);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"  Time error. StartTime=EndTime. "});
}

}  // namespace
}  // namespace corv
