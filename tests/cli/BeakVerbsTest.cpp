// The beak analysis verbs of `corvandell-cli run` on the demo recording.
#include <gtest/gtest.h>

#include <sstream>

#include "AppState.h"
#include "CliTestSupport.h"
#include "DemoSupport.h"
#include "Script.h"
#include "TestSupport.h"
#include "core/RecordingUiPort.h"

namespace corv::cli {
namespace {

struct DemoScript {
    AppState state;
    RecordingUiPort ui;
    std::ostringstream out;
    DemoScript() { EXPECT_TRUE(test::StartDemo(state, ui)); }
    // The result line of one script line.
    std::string Run(const std::string& line) {
        out.str("");
        ScriptContext ctx{state, ui, out};
        RunScriptLine(ctx, SplitScriptLine(line));
        return out.str();
    }
};

using test::Has;

TEST(BeakVerbs, SearchEditWriteAndAnalyseAll) {
    DemoScript d;
    test::TempDir dir;
    const std::string all = (dir / "all.txt").string();
    EXPECT_TRUE(Has(d.Run("beak-params MinDuration=10 Step=1"), "\"MinDuration\":10,"));
    EXPECT_TRUE(Has(d.Run("beak-params Step=x"), "\"event\":\"error\""));
    EXPECT_TRUE(Has(d.Run("beak-params Bogus=1"), "is no beak parameter"));
    EXPECT_TRUE(Has(d.Run("beak-files " + all + " - -"), "\"breath\":\"\""));
    d.Run("cursors 0 1000");

    const std::string search = d.Run("beak-search");
    EXPECT_TRUE(
        Has(search, "{\"command\":\"beak-search\",\"found\":true,\"type\":\"B\",\"dims\":[{"))
        << search;
    EXPECT_TRUE(Has(search, "\"LeftBCursor\":"));
    const int count = d.state.analysis.dimList.count;
    const Dim first = d.state.analysis.dimList.dims[0];
    const std::string mid = std::to_string((first.start + first.end) / 2);
    EXPECT_TRUE(Has(d.Run("dims-divide 0 " + mid), "\"changed\":true"));
    EXPECT_TRUE(Has(d.Run("dims-merge 0"), "\"changed\":true"));
    EXPECT_TRUE(Has(d.Run("dims-merge " + std::to_string(count - 1)), "\"changed\":false"));
    EXPECT_TRUE(Has(d.Run("dims-delete 0"), "\"changed\":true"));
    EXPECT_TRUE(Has(d.Run("undo"), "\"name\":\"Delete dim\""));
    EXPECT_EQ(d.state.analysis.dimList.count, count);
    EXPECT_TRUE(Has(d.Run("beak-type"), "\"type\":\"F\""));
    EXPECT_TRUE(Has(d.Run("beak-type"), "\"type\":\"B\""));

    const std::string write = d.Run("beak-write");
    EXPECT_TRUE(Has(write, "\"analysed\":{\"type\":\"B\",\"start_time\":"));
    EXPECT_TRUE(Has(write, "\"written\":true,\"found\":true,\"type\":\"F\""));
    const std::string rest = d.Run("analyse-all");
    // One feed event per feeding dive; breathing bouts now and then split in two.
    EXPECT_TRUE(Has(rest, "\"feed\":26}")) << rest;
    const int breath = std::stoi(rest.substr(rest.find("\"breath\":") + 9));
    EXPECT_GE(breath, 40);
    EXPECT_LE(breath, 60);
    EXPECT_TRUE(d.ui.Messages().empty());
}

}  // namespace
}  // namespace corv::cli
