#include "files/InputChecks.h"

#include <gtest/gtest.h>

#include "BinaryFileTestSupport.h"
#include "files/StartSequence.h"

namespace corv {
namespace {

using test::MakeState;
using test::TempDir;

// A semicolon CSV with decimal commas, as a logger's software writes it.
constexpr const char* kCsv = "time;depth\r\n06:00:00;1,5\r\n06:00:01;2,25\r\n06:00:02;3,0\r\n";

class InputChecksTest : public ::testing::Test {
  protected:
    InputChecksTest() : state(MakeState(ui)) {
        test::WriteFile(dir / "depth.csv", kCsv);
        ChannelRecord& r = state->store.Rec(0);
        r.NameIn = (dir / "depth.csv").string();
        r.ReadHeader = 'N';
        r.SampRate = 1000;
    }

    TempDir dir;
    RecordingUiPort ui;
    std::unique_ptr<AppState> state;
};

TEST_F(InputChecksTest, ATextFileChosenAsBinaryIsQuestioned) {
    ASSERT_EQ(state->store.Rec(0).ColumnValue, 0);  // "Binary file", the start-up default
    ui.QueueAnswer(Answer::No);
    EXPECT_EQ(RunStart(*state, ui), StartOutcome::PrepareFailed);
    ASSERT_EQ(ui.Questions().size(), 1u);
    EXPECT_NE(ui.Questions()[0].find("This file looks like a text file. Load it as binary anyway?"),
              std::string::npos);
    EXPECT_NE(ui.Questions()[0].find("Channel 1: "), std::string::npos);

    // Binary words and headed files are not text.
    EXPECT_FALSE(LooksLikeText(std::string("\x01\x00\x02\x00", 4)));
    EXPECT_FALSE(LooksLikeText("0720\t CV file info\r\n"));
    EXPECT_FALSE(LooksLikeText("no line break"));
    EXPECT_TRUE(LooksLikeText(kCsv));
}

TEST_F(InputChecksTest, AMissingFileIsNamedAndTheUserDecides) {
    state->store.Rec(0).ColumnValue = 2;
    state->store.Rec(0).InDelimiter = ';';
    state->store.Rec(0).HeaderText = 1;
    state->store.Rec(1).NameIn = (dir / "gone.txt").string();
    ui.QueueAnswer(Answer::Yes);
    EXPECT_EQ(RunStart(*state, ui), StartOutcome::Loaded);
    ASSERT_EQ(ui.Questions().size(), 1u);
    EXPECT_EQ(ui.Questions()[0].substr(0, 28), "Channel 2: file not found: " + std::string(1, '/'));
    EXPECT_EQ(state->store.Rec(0).DataCnt, 2);
    EXPECT_DOUBLE_EQ(state->store.Rec(0).LowRng, 1.5);  // the decimal commas were read

    ui.Clear();
    ui.QueueAnswer(Answer::No);
    EXPECT_EQ(RunStart(*state, ui), StartOutcome::PrepareFailed);
    // The dialog's default name "c:\" names no file: nothing to ask.
    EXPECT_FALSE(NamesAFile("c:\\"));
    EXPECT_FALSE(NamesAFile(""));
}

TEST_F(InputChecksTest, AColumnWithoutNumbersIsExplained) {
    ChannelRecord& r = state->store.Rec(0);
    r.ColumnValue = 1;  // the time column: no number in any line
    r.InDelimiter = ';';
    r.HeaderText = 1;
    r.AutoScale = 'Y';
    EXPECT_EQ(RunStart(*state, ui), StartOutcome::Loaded);
    ASSERT_FALSE(ui.Messages().empty());
    const std::string m = ui.Messages().back();
    EXPECT_EQ(m.substr(0, 10), "Channel 1 ");
    EXPECT_NE(m.find("no number in column 1 of " + r.NameIn), std::string::npos);
    EXPECT_NE(m.find("line 2: 06:00:00;1,5"), std::string::npos);
}

}  // namespace
}  // namespace corv
