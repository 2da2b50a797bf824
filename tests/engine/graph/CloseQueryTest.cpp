#include "graph/CloseQuery.h"

#include <gtest/gtest.h>

#include "AppState.h"
#include "core/RecordingUiPort.h"
#include "graph/GraphHelp.h"

namespace corv {
namespace {

TEST(CloseQuery, AsksForEachModifiedChannelUntilCancel) {
    AppState s;
    s.store.Rec(0).Caption = "Beak";
    s.store.Rec(2).Caption = "Temp";
    s.ChannelModified = {true, false, true};
    std::vector<int> saved;
    const auto save = [&](int c) { saved.push_back(c); };

    RecordingUiPort ui;
    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(QueryClose(s, ui, save));
    EXPECT_EQ(ui.Questions(),
              std::vector<std::string>{"\t Channel Beak is modified. Save as binary file? "});

    RecordingUiPort no;
    no.QueueAnswer(Answer::No);
    no.QueueAnswer(Answer::No);
    EXPECT_TRUE(QueryClose(s, no, save));
    ASSERT_EQ(no.Questions().size(), 2u);
    EXPECT_EQ(no.Questions()[1], "\t Channel Temp is modified. Save as binary file? ");
    EXPECT_TRUE(saved.empty());

    // Yes saves and keeps the window, and the next channel is still asked about.
    RecordingUiPort yes;
    yes.QueueAnswer(Answer::Yes);
    yes.QueueAnswer(Answer::No);
    EXPECT_FALSE(QueryClose(s, yes, save));
    EXPECT_EQ(yes.Questions().size(), 2u);
    EXPECT_EQ(saved, std::vector<int>{0});

    s.ChannelModified = {};
    RecordingUiPort none;
    EXPECT_TRUE(QueryClose(s, none, save));
    EXPECT_TRUE(none.Questions().empty());
}

TEST(GraphHelp, MenuHelpFilesAndInfo) {
    EXPECT_EQ(MenuHelpFile(GraphMenu::XZoom, 13), "\\mnixZoom.rtf");
    EXPECT_EQ(MenuHelpFile(GraphMenu::Analysis, 13), "mniAnaBeak.rtf");
    EXPECT_EQ(MenuHelpFile(GraphMenu::Analysis, 17), "mniAnRout14.rtf");
    EXPECT_EQ(MenuHelpFile(GraphMenu::Analysis, 3), "");
    const std::string info = InfoText(13);
    EXPECT_EQ(info.rfind("Corvandell beak\r\n", 0), 0u);
    EXPECT_NE(info.find("\r\nCapacity kB 39600"), std::string::npos);
}

}  // namespace
}  // namespace corv
