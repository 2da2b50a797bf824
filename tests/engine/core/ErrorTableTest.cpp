#include "core/ErrorTable.h"

#include <gtest/gtest.h>

#include "core/RecordingUiPort.h"

namespace corv {
namespace {

TEST(ErrorTable, TextsKeepTheirBlanks) {
    EXPECT_EQ(ErrorText(0), "  User abort.");
    EXPECT_EQ(ErrorText(1), "  Time error. StartTime=EndTime. ");
    EXPECT_EQ(ErrorText(3), "  Illegal sampling interval. Only integers allowed.");
    EXPECT_EQ(ErrorText(8),
              "  Baseline correcting is not possible because   the baseline differs too much "
              "from 0 [binary] .");
    EXPECT_EQ(ErrorText(11),
              "  Analysis yet not possible with logarithmic scale.  Please contact Quillmarsh "
              "Software.");
    EXPECT_EQ(ErrorText(12), " Compass File too large.");
    EXPECT_EQ(ErrorText(15), " Illegal separator in inputfile");
    for (int n : {-1, 4, 5, 9, 10, 16, 1000}) EXPECT_EQ(ErrorText(n), "") << n;
}

TEST(ErrorTable, FatalErrorShowsBothTextsThenHalts) {
    RecordingUiPort ui;
    EXPECT_THROW(ShowError(ui, 2, 1), HaltRequested);
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{"  Fatal Graphic error. Calling undefined window.",
                                        "     Program halts. "}));
    ASSERT_FALSE(ui.Events().empty());
    EXPECT_EQ(ui.Events().back().kind, UiEvent::Kind::Halt);
}

TEST(ErrorTable, PlainErrorShowsOneBoxAndReturns) {
    RecordingUiPort ui;
    ShowError(ui, 4, 0);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{""});
    ShowError(ui, 1, 2);  // only 1 halts
    EXPECT_EQ(ui.Events().size(), 2u);
    EXPECT_EQ(ui.Events().back().text, "  Time error. StartTime=EndTime. ");
}

}  // namespace
}  // namespace corv
