// corvandell-cli on a logger file with missing values: run honours "MissingValues", reports
// skipped lines, exports gaps as empty fields; sniff prints the guessed layout.
#include <gtest/gtest.h>

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

using test::RunCliOk;
using test::TempDir;
using test::WriteFile;

const char* const kLoggerFile =
    "date;time;depth;light\r\n"
    "05/01/2002;11:31:50;4;7\r\n"
    "05/01/2002;11:31:55;;;\r\n"
    "05/01/2002;11:32:00;6;8\r\n";

std::string SetupFor(const TempDir& dir, uint8_t missingValues) {
    return test::WriteSetup(dir / "seal.cfg", [&](AppState& state) {
        ChannelRecord& r = state.store.Rec(0);
        r.NameIn = (dir / "seal.csv").string();
        r.ColumnValue = 3;
        r.HeaderText = 1;
        r.InDelimiter = ';';
        r.SampRate = 5000;
        r.LowRng = 0;
        r.HighRng = 65535;
        r.AutoScale = 'N';
        r.MissingValues = missingValues;
    });
}

TEST(MissingValuesCli, RunKeepsTheTimeStepOrReportsTheSkippedLines) {
    TempDir dir;
    WriteFile(dir / "seal.csv", kLoggerFile);
    const std::string out = (dir / "out.txt").string();
    std::string r = RunCliOk({"run", SetupFor(dir, kKeepTimeStep), "-"},
                             "values 0 0 2\nexport-text " + out + " 0 0 entire\n");
    EXPECT_NE(r.find("\"value\":[4,4,6]"), std::string::npos) << r;
    EXPECT_EQ(r.find("\"event\":\"message\""), std::string::npos) << r;
    const std::string table = test::ReadFile(out);
    EXPECT_NE(table.find(":00.000\t4\r\n"), std::string::npos) << table;
    EXPECT_NE(table.find(":05.000\t\r\n"), std::string::npos) << table;  // the gap

    // Statistics see the two measured depths only, and say how many samples they left out.
    r = RunCliOk({"run", SetupFor(dir, kKeepTimeStep), "-"}, "cursors 0 10000\nstatistics\n");
    EXPECT_NE(r.find("\"mean\":5,"), std::string::npos) << r;
    EXPECT_NE(r.find("\"gapSamples\":1}"), std::string::npos) << r;

    r = RunCliOk({"run", SetupFor(dir, kSkipMissing), "-"}, "values 0 0 1\n");
    EXPECT_NE(r.find("\"value\":[4,6]"), std::string::npos) << r;
    EXPECT_NE(r.find("{\"event\":\"message\",\"text\":\" Channel 1 (Channel1): 1 line without a "
                     "number in column 3 skipped, the first in line 3."),
              std::string::npos)
        << r;
}

TEST(MissingValuesCli, SniffPrintsTheGuessedLayout) {
    TempDir dir;
    WriteFile(dir / "seal.csv", kLoggerFile);
    const std::string file = (dir / "seal.csv").string();
    EXPECT_EQ(RunCliOk({"sniff", file}, ""),
              "{\"command\":\"sniff\",\"file\":\"" + file +
                  "\",\"separator\":\";\",\"decimalComma\":false,\"headerLines\":1,\"columns\":4,"
                  "\"columnNames\":[\"date\",\"time\",\"depth\",\"light\"]}\n");
    std::istringstream in;
    std::ostringstream o, e;
    EXPECT_EQ(cli::RunCli({"sniff", (dir / "none.csv").string()}, "x", in, o, e), 1);
    EXPECT_EQ(cli::RunCli({"sniff"}, "x", in, o, e), 2);
}

}  // namespace
}  // namespace corv
