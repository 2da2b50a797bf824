#include "analysis/ResultsFile.h"

#include <gtest/gtest.h>

#include "BeakTestRecording.h"
#include "TestSupport.h"
#include "analysis/BeakCommands.h"
#include "core/Times.h"

namespace corv {
namespace {

using test::ReadFile;

// Two breath events and a feed event, recorded from 14 June 2026 06:00.
struct Written {
    test::GraphState g;
    test::TempDir dir;
    Written() {
        test::BeakRecording r(3000);
        r.Bout(200, 4, 15, 6, 3.0).Bout(600, 3, 15, 6, 3.0);
        r.Depth(900, 1800, 20).Bout(1100, 5, 20, 8, 6.0);
        r.LoadInto(g);
        g->store.OriginTime = PartsToTime(2026, 6, 14, 6, 0, 0);
        g->settings.NameOutFile[kBeakChannel] = (dir / "events.txt").string();
        g->settings.BreathFileName = (dir / "breath.txt").string();
        g->settings.FeedFileName = (dir / "feed.txt").string();
    }
};

TEST(ResultsFile, WritesEventsAndDimsWithHeadersAndNumbers) {
    Written w;
    auto& g = w.g;
    ASSERT_TRUE(SearchNext(*g, g.ui));
    const AnalyseAllOutcome r = AnalyseAll(*g, g.ui);
    EXPECT_EQ(r.breath, 2);
    EXPECT_EQ(r.feed, 1);
    EXPECT_TRUE(g.ui.Messages().empty());

    const std::string all = ReadFile(w.dir / "events.txt");
    EXPECT_EQ(all.substr(0, all.find("\r\n")), kEventsHeader);
    // The bout at sample 200 is found two samples before it rises; no dive precedes it.
    EXPECT_NE(all.find("\r\n1\tB\t2026-06-14T06:00:19.800\t5.200\t0.000\t0\t4\t"),
              std::string::npos)
        << all;
    // Feed events have no dive fields.
    EXPECT_NE(all.find("\r\n3\tF\t2026-06-14T06:01:49.800\t8.900\t\t\t5\t"), std::string::npos)
        << all;
    const std::string feed = ReadFile(w.dir / "feed.txt");
    EXPECT_NE(feed.find("\r\n3\tF\t"), std::string::npos) << feed;
    const std::string dims = ReadFile(w.dir / "events-dims.txt");
    EXPECT_EQ(dims.substr(0, dims.find("\r\n")), kDimsHeader);
    EXPECT_NE(dims.find("\r\n2\t3\t2026-06-14T06:01:"), std::string::npos) << dims;
    EXPECT_EQ(ReadFile(w.dir / "breath-dims.txt").find("\r\n3\t"), std::string::npos);

    // Appending continues the numbers of the all-events file.
    EXPECT_EQ(NextEventNumber(w.dir / "events.txt"), 4);
    EXPECT_EQ(NextEventNumber(w.dir / "missing.txt"), 1);
}

TEST(ResultsFile, RefusesAFileOfAnotherLayout) {
    Written w;
    auto& g = w.g;
    test::WriteFile(w.dir / "events.txt", "date\tvalue\r\n1\t2\r\n");
    ASSERT_TRUE(SearchNext(*g, g.ui));
    const WriteOutcome out = WriteResults(*g, g.ui);
    EXPECT_TRUE(out.failed);
    EXPECT_FALSE(out.written);
    EXPECT_EQ(ReadFile(w.dir / "events.txt"), "date\tvalue\r\n1\t2\r\n");
    ASSERT_EQ(g.ui.Messages().size(), 1u);
    EXPECT_NE(g.ui.Messages()[0].find("events.txt"), std::string::npos);
    // Analyse all stops at the refusal instead of asking once per event.
    EXPECT_EQ(AnalyseAll(*g, g.ui).breath, 0);
    EXPECT_EQ(g.ui.Messages().size(), 2u);

    // A folder name (the default result file is c:\) is refused, not made a file in the
    // working folder.
    for (const std::string& folder : {std::string("c:\\"), w.dir.Path().string()}) {
        g->settings.NameOutFile[kBeakChannel] = folder;
        EXPECT_TRUE(WriteResults(*g, g.ui).failed) << folder;
        EXPECT_NE(g.ui.Messages().back().find(": it names a folder, not a file."),
                  std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists("c:\\"));
}

TEST(ResultsFile, NamesAndTimes) {
    EXPECT_EQ(DimsFileName("/x/events.txt"), std::filesystem::path("/x/events-dims.txt"));
    EXPECT_EQ(DimsFileName("res"), std::filesystem::path("res-dims"));
    EXPECT_EQ(IsoDateTime(PartsToTime(2026, 6, 14, 23, 59, 59) + 999.6), "2026-06-15T00:00:00.000");
    EXPECT_EQ(IsoDateTime(PartsToTime(2026, 1, 2, 3, 4, 5) + 67), "2026-01-02T03:04:05.067");
}

}  // namespace
}  // namespace corv
