// The calculation verbs of corvandell-cli run, driven in-process on a ramp of 1201 samples
// at 100 ms: the cursors start where the graph window puts them, at 125 and 875 ms, so the
// section holds samples 1..8 with the values 1..8.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "AppState.h"
#include "Cli.h"
#include "CliTestSupport.h"
#include "TestSupport.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

using test::ReadFile;
using test::TempDir;

std::string RunScript(const TempDir& dir, const std::string& script) {
    std::string text = "time\tvalue\r\n";
    for (int i = 0; i <= 1200; ++i) text += "0\t" + std::to_string(i) + "\r\n";
    test::WriteFile(dir / "ramp.txt", text);
    const std::string setup = test::WriteSetup(dir / "ramp.cfg", [&](AppState& state) {
        ChannelRecord& r = state.store.Rec(0);
        r.NameIn = (dir / "ramp.txt").string();
        r.ColumnValue = 2;
        r.HeaderText = 1;
        r.SampRate = 100;
        r.AutoScale = 'Y';
    });
    return test::RunCliOk({"run", setup, "-"}, script);
}

// The number after "key": in the first line that contains `line`.
double Number(const std::string& out, const std::string& line, const std::string& key) {
    const size_t at = out.find(line);
    const size_t k = out.find("\"" + key + "\":", at);
    EXPECT_NE(k, std::string::npos) << key;
    return std::strtod(out.c_str() + k + key.size() + 3, nullptr);
}

TEST(CalcVerbs, StatisticsCommentAndExport) {
    TempDir dir;
    const std::string sta = (dir / "ramp.sta").string();
    const std::string out = RunScript(dir, "statistics\ncomment first  dive\nstatistics-export " +
                                               sta + "\nstatistics-export " + sta + "\n");
    const std::string stats = "\"command\":\"statistics\"";
    for (const char* key : {"min", "max", "mean", "SD", "median", "a", "b", "cc", "dy", "dx",
                            "gradient", "increase", "base", "integral"})
        EXPECT_NE(out.find(std::string("\"") + key + "\":", out.find(stats)), std::string::npos)
            << key;
    // 1..8 through the automatic scaling of 0..1200 onto the raw words.
    EXPECT_NEAR(Number(out, stats, "mean"), 4.5, 0.01);
    EXPECT_NEAR(Number(out, stats, "SD"), std::sqrt(5.25), 0.01);
    EXPECT_NEAR(Number(out, stats, "cc"), 1, 1e-5);
    EXPECT_NEAR(Number(out, stats, "a"), 10, 0.05);  // 1 per sample of 0.1 s
    EXPECT_NEAR(Number(out, stats, "dx"), 0.75, 1e-12);
    EXPECT_NE(out.find("{\"command\":\"comment\",\"text\":\"first dive\"}"), std::string::npos);
    const std::string file = ReadFile(sta);
    ASSERT_EQ(file.rfind("\r\n", 0), 0u);
    EXPECT_EQ(file.find("\tfirst dive\r\n"), file.find("\r\n", 2) - 11);  // first record only
    EXPECT_EQ(file.back(), '\t');  // the second record has no comment and no line break
}

TEST(CalcVerbs, HistogramPlotCountAndFrequency) {
    TempDir dir;
    const std::string his = (dir / "ramp.his").string();
    const std::string out =
        RunScript(dir, "histogram 0 1\nhistogram -1 0\nhistogram-export " + his +
                           " new\nhistogram-export " + his + " new\nhistogram-export " + his +
                           " append\nplot 1 1\nplot 4 1\n"
                           "count-events 4.5\nfrequency 1\nfrequency 5\ndispose-tags\n");
    const std::string histogram =
        "\"command\":\"histogram\",\"channel\":0,\"ok\":true,\"counts\":[0,";
    EXPECT_NE(out.find(histogram), std::string::npos) << out;
    EXPECT_NEAR(Number(out, histogram, "mean"), 4.5, 0.01);
    EXPECT_NE(out.find("{\"event\":\"message\",\"text\":\" Illegal bin size\"}\n"
                       "{\"command\":\"histogram\",\"channel\":0,\"ok\":false}"),
              std::string::npos);
    EXPECT_NE(out.find("\"mode\":\"new\",\"ok\":false"), std::string::npos);
    EXPECT_NE(out.find("\"mode\":\"append\",\"ok\":true"), std::string::npos);
    const std::string table = ReadFile(his);
    EXPECT_EQ(table.find(" Begin: "), 0u);
    EXPECT_NE(table.find(" Begin: ", 10), std::string::npos);  // appended
    const std::string plot = "\"command\":\"plot\",\"ok\":true";
    EXPECT_NEAR(Number(out, plot, "PlotLowX"), 1, 0.01);
    EXPECT_NEAR(Number(out, plot, "xLow"), 1 - 7.0 / 8, 0.01);
    EXPECT_NE(out.find("{\"command\":\"plot\",\"ok\":false}"), std::string::npos);
    EXPECT_NE(out.find("{\"command\":\"count-events\",\"count\":1}"), std::string::npos);
    // A ramp has no extremes.
    EXPECT_NE(out.find("\"tags\":[],\"mean_minima\":0,"), std::string::npos);
    EXPECT_NE(out.find("{\"event\":\"message\",\"text\":\"Illegal value\"}"), std::string::npos);
    EXPECT_NE(out.find("{\"command\":\"dispose-tags\"}"), std::string::npos);
}

}  // namespace
}  // namespace corv
