// The processing log follows undo and redo, and sets the channel and cursors only when they
// differ from what it set last.
#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/ProcessingLog.h"

namespace corv {
namespace {

std::vector<std::string> Commands(const AppState& s) {
    std::vector<std::string> lines;
    for (const auto& l : s.history.LogLines())
        if (l[0] != '#') lines.push_back(l);
    return lines;
}

TEST(ProcessingLog, LinesFollowUndoRedoAndSetChannelAndCursorsOnlyWhenChanged) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(100, 5), 10);
    g.Load(1, std::vector<uint16_t>(100, 5), 10);
    AppState& s = *g;
    auto command = [&](const std::string& line, uint16_t v) {
        s.history.RunEdit(s, g.ui, line, EditScope().Words(s.ActiveChannel, 2, 2), [&] {
            s.store.SetRaw(2, v, s.ActiveChannel);
            LogCommand(s, line, true);
            return true;
        });
    };
    s.view.LeftCursor = 10;
    s.view.RightCursor = 0.1 + 0.2;  // logged so that it reads back as the same double
    command("add 1", 6);
    command("add 2", 7);
    s.ActiveChannel = 1;
    command("add 3", 8);
    // A file write: no step of its own, so it sets the channel itself (undoing "add 3"
    // would take that step's "active 1" away).
    LogCommand(s, "export-bin x.bin 1 0 990", false);
    EXPECT_EQ(Commands(s), (std::vector<std::string>{"active 0", "cursors 10 0.30000000000000004",
                                                     "add 1", "add 2", "active 1", "add 3",
                                                     "active 1", "export-bin x.bin 1 0 990"}));
    EXPECT_EQ(s.history.LogLines()[0].rfind("# 20", 0), 0u);  // date-time and caption

    s.history.Undo(s);  // "add 3" and its "active 1" go; the export stays
    EXPECT_EQ(Commands(s).size(), 6u);
    EXPECT_EQ(Commands(s).back(), "export-bin x.bin 1 0 990");
    s.history.Redo(s);
    EXPECT_EQ(Commands(s).size(), 8u);
    s.history.Undo(s);
    s.ActiveChannel = 0;
    command("multiply 2", 9);  // ends the redo of "add 3" for good
    EXPECT_EQ(Commands(s).back(), "multiply 2");
    EXPECT_EQ(Commands(s).size(), 8u);

    s.history.Clear();  // the applied steps' lines stay
    EXPECT_EQ(Commands(s).size(), 8u);
    const std::string text = ProcessingLogText(s);
    EXPECT_EQ(text.rfind("# Corvandell processing log", 0), 0u);
    EXPECT_NE(text.find("\r\nadd 1\r\n"), std::string::npos);
    s.history.Restart();
    EXPECT_TRUE(s.history.LogLines().empty());
}

// Lines logged after a step ran belong to it; a search that moved the cursors makes the
// next section command set them again; paused logging drops lines; typed text is tidied.
TEST(ProcessingLog, LinesAfterAStepPausesAndCursorsMovedByASearch) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(100, 5), 10);
    AppState& s = *g;
    s.view.LeftCursor = 10;
    s.view.RightCursor = 500;
    const auto step = [&](uint16_t v) {
        return s.history.RunEdit(s, g.ui, "Set", EditScope().Words(0, 2, 2), [&] {
            s.store.SetRaw(2, v, 0);
            return true;
        });
    };
    ASSERT_TRUE(step(6));
    LogEdit(s, "smooth 121", true);
    LogCommandAt(s, {"beak-search"}, 10, 500);  // a line of no step: sets channel and cursors
    EXPECT_EQ(Commands(s), (std::vector<std::string>{"active 0", "cursors 10 500", "smooth 121",
                                                     "active 0", "cursors 10 500", "beak-search"}));
    s.history.Undo(s);  // the step's lines go, the search's stay
    EXPECT_EQ(Commands(s).size(), 3u);
    s.history.Redo(s);
    ASSERT_TRUE(step(7));
    LogEdit(s, "smooth 124", true);  // the cursors stand where the log set them last,
                                     // but the search may have moved them since
    EXPECT_EQ(Commands(s).back(), "smooth 124");
    EXPECT_EQ(Commands(s)[Commands(s).size() - 2], "cursors 10 500");

    s.history.Undo(s);
    LogEdit(s, "after undo", false);  // the last step is no longer the one just run
    EXPECT_EQ(Commands(s).size(), 8u);
    s.history.Redo(s);  // redo brings "smooth 124" back, the later line stays
    EXPECT_EQ(Commands(s).size(), 10u);
    {
        LogPause pause(s);
        LogCommand(s, "dropped", false);
        LogSetting(s, "beak-files a b c");
    }
    EXPECT_EQ(Commands(s).size(), 10u);
    LogSetting(s, "beak-files a b c");
    LogSetting(s, "beak-files a b c");  // a line of no step is logged each time
    EXPECT_EQ(Commands(s).size(), 12u);

    EXPECT_EQ(LogText("  1.5 \t "), "1.5");
    EXPECT_EQ(LogText(" a   b "), "a b");
    EXPECT_EQ(LogNumber(1e-5), "1e-05");
    EXPECT_EQ(LogFileBeside("/d/x.bin"), std::filesystem::path("/d/x.bin.log.txt"));
}

}  // namespace
}  // namespace corv
