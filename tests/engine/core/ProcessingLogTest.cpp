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
    LogCommand(s, "export-bin x.bin 1 0 990", false);  // a file write: no step of its own
    EXPECT_EQ(Commands(s),
              (std::vector<std::string>{"active 0", "cursors 10 0.30000000000000004", "add 1",
                                        "add 2", "active 1", "add 3", "export-bin x.bin 1 0 990"}));
    EXPECT_EQ(s.history.LogLines()[0].rfind("# 20", 0), 0u);  // date-time and caption

    s.history.Undo(s);  // "add 3" and its "active 1" go; the export stays
    EXPECT_EQ(Commands(s).size(), 5u);
    EXPECT_EQ(Commands(s).back(), "export-bin x.bin 1 0 990");
    s.history.Redo(s);
    EXPECT_EQ(Commands(s).size(), 7u);
    s.history.Undo(s);
    s.ActiveChannel = 0;
    command("multiply 2", 9);  // ends the redo of "add 3" for good
    EXPECT_EQ(Commands(s).back(), "multiply 2");
    EXPECT_EQ(Commands(s).size(), 6u);

    s.history.Clear();  // the applied steps' lines stay
    EXPECT_EQ(Commands(s).size(), 6u);
    const std::string text = ProcessingLogText(s);
    EXPECT_EQ(text.rfind("# Corvandell processing log", 0), 0u);
    EXPECT_NE(text.find("\r\nadd 1\r\n"), std::string::npos);
    s.history.Restart();
    EXPECT_TRUE(s.history.LogLines().empty());
}

}  // namespace
}  // namespace corv
