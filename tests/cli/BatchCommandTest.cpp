// corvandell-cli batch: recordings one after another or side by side, each with its own
// output folder; a failing recording fails alone.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "AppState.h"
#include "Cli.h"
#include "TestSupport.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// The demo setup with its input names made absolute, saved as `name`; `missing` points
// channel 1 at a file that does not exist.
fs::path DemoSetupCopy(const TempDir& dir, const std::string& name, bool missing = false) {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corvandell");
    EXPECT_TRUE(ReadSetupFile(*state, test::SourceDir() / "demo" / "demo.cfg"));
    for (auto& r : state->store.Channel)
        if (!r.NameIn.empty() && fs::path(r.NameIn).is_relative())
            r.NameIn = (test::SourceDir() / "demo" / r.NameIn).string();
    if (missing)
        for (auto& r : state->store.Channel) r.NameIn = (dir / "no-such-file.txt").string();
    EXPECT_TRUE(WriteSetupFile(*state, dir / name));
    return dir / name;
}

TEST(BatchCommand, RunsEachSetupInItsOwnFolderAndReportsTheFailingOne) {
    TempDir dir;
    const fs::path a = DemoSetupCopy(dir, "a.cfg");
    const fs::path b = DemoSetupCopy(dir, "b.cfg");
    const fs::path bad = DemoSetupCopy(dir, "bad.cfg", true);
    WriteFile(dir / "script.txt", "cursors 0 1000\nexport-text first.txt 0 0 0 1000\n");
    std::istringstream in;
    std::ostringstream out, err;
    const int code =
        cli::RunCli({"batch", "--out", (dir / "out").string(), "-j", "2",
                     (dir / "script.txt").string(), a.string(), bad.string(), b.string()},
                    "/nonexistent/corvandell-cli", in, out, err);
    EXPECT_EQ(code, 1);
    const std::string first = ReadFile(dir / "out" / "a" / "first.txt");
    EXPECT_NE(first.find("Date\tTime\t"), std::string::npos);
    EXPECT_EQ(first, ReadFile(dir / "out" / "b" / "first.txt"));
    EXPECT_NE(ReadFile(dir / "out" / "a" / "run.jsonl").find("\"outcome\":\"loaded\""),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out" / "bad" / "first.txt"));
    // One progress line per recording, and the summary names the failure alone.
    EXPECT_NE(err.str().find("[3/3]"), std::string::npos) << err.str();
    EXPECT_NE(out.str().find(a.string() + "\tok\t0\t"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(b.string() + "\tok\t0\t"), std::string::npos);
    EXPECT_NE(out.str().find(bad.string() + "\tfailed\t"), std::string::npos);

    // Without --out the folder lies beside each setup; all good gives exit 0.
    std::ostringstream out2, err2;
    EXPECT_EQ(cli::RunCli({"batch", (dir / "script.txt").string(), a.string()},
                          "/nonexistent/corvandell-cli", in, out2, err2),
              0)
        << err2.str();
    EXPECT_TRUE(fs::exists(dir / "a-out" / "first.txt"));
    EXPECT_EQ(cli::RunCli({"batch", "-j", "0", "x", "y"}, "/x", in, out2, err2), 2);
}

}  // namespace
}  // namespace corv
