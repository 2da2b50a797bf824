#include "processing/Synchronise.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"

namespace corv {
namespace {

class SynchroniseTest : public ::testing::Test {
  protected:
    SynchroniseTest() {
        g.Load(0, std::vector<uint16_t>(200), 1000);
        g.Load(1, std::vector<uint16_t>(200), 1000);
        g->view.LeftCursor = 100000;
        g->view.RightCursor = 101000;
    }
    // Runs the command with the typed answer; returns the messages.
    Calls Run(const std::string& typed) {
        g.ui.Clear();
        g.ui.QueueText(typed);
        Synchronise(*g, g.ui);
        return g.ui.Messages();
    }
    test::GraphState g;
};

TEST_F(SynchroniseTest, ProposalsOfTheExample) {
    EXPECT_EQ(Run("1 2"), Calls{"SI 1= 1010.000 or SI 1=  990.099 or SI 2=  990.099 or "
                                "SI 2= 1010.000"});
    // Blanks before, between and after; channel 2 first.
    g->store.Rec(0).SampRate = 500;
    EXPECT_EQ(Run("  2   1  "), Calls{"SI 2= 1010.000 or SI 2=  990.099 or SI 1=  495.050 or "
                                      "SI 1=  505.000"});
}

TEST_F(SynchroniseTest, ParsingAndChecks) {
    EXPECT_EQ(ParseSyncChannels(" "), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(ParseSyncChannels("2 "), (std::array<int, 3>{2, 0, 0}));
    EXPECT_EQ(ParseSyncChannels(" 3  1 2 9"), (std::array<int, 3>{3, 1, 2}));
    EXPECT_THROW((void)ParseSyncChannels("1 x"), ConversionError);
    EXPECT_EQ(Run("1"), Calls{"Invalid channel number"});
    EXPECT_EQ(Run("1 4"), Calls{"Invalid channel number"});
    EXPECT_EQ(Run("1 1"), Calls{"Channels must be different"});
    EXPECT_EQ(Run("1 2 3"), Calls{" Too many channels selected"});
    g->store.ChannelPresent[2] = false;
    EXPECT_EQ(Run("3 1"), Calls{});  // channel 3 is not loaded: no message
    // Cancel ends the command without a word.
    g.ui.Clear();
    EXPECT_FALSE(Synchronise(*g, g.ui));
    EXPECT_EQ(g.ui.Events().size(), 1u);
}

TEST_F(SynchroniseTest, DifferentStartsAndTheFirstInterval) {
    g->store.Rec(1).SampRate = 500;  // a different interval alone does not matter
    EXPECT_EQ(Run("1 2").size(), 1u);
    g->store.Rec(1).StartTime = 1000;
    g.ui.QueueAnswer(Answer::Yes);
    EXPECT_EQ(Run("1 2"), Calls{});
    EXPECT_EQ(g.ui.Questions().size(), 1u);
    g->store.Rec(1).StartTime = 0;
    g->view.LeftCursor = 999;  // index 0 of channel 1
    const Calls m = Run("1 2");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].rfind(" No proposal", 0), 0u) << m[0];
}

}  // namespace
}  // namespace corv
