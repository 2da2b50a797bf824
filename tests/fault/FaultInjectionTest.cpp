// Fault injection on corvandell-cli: every open, read, write, fsync and rename of a file
// fails in turn, one call per run. Write paths must keep the old file byte for byte and
// report the failure; read paths must report it and never load.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include <sys/wait.h>

#include "AppState.h"
#include "TestSupport.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "files/BinaryHeader.h"
#include "files/HeaderMarker.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct Fault {
    std::string op;    // open, read, write, fsync, rename
    std::string path;  // a part of the file name
    int nth = 1;
    int err = 5;  // EIO
};

struct CliRun {
    int code = -1;
    std::string out, err;
    bool Reached() const { return err.find("corv-fault: ") != std::string::npos; }
};

CliRun RunFaulted(const TempDir& dir, const Fault& f, const std::string& args,
                  const std::string& script) {
    WriteFile(dir / "script.txt", script);
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string command =
        "CORV_FAULT_OP=" + f.op + " CORV_FAULT_PATH='" + f.path +
        "' CORV_FAULT_NTH=" + std::to_string(f.nth) + " CORV_FAULT_ERRNO=" + std::to_string(f.err) +
        " ASAN_OPTIONS='" + (asan ? asan : "") + ":verify_asan_link_order=0' LD_PRELOAD='" +
        CORV_FAULT_SHIM + "' '" + CORV_CLI_EXE + "' " + args + " <'" +
        (dir / "script.txt").string() + "' >'" + (dir / "out.txt").string() + "' 2>'" +
        (dir / "err.txt").string() + "'";
    const int status = std::system(command.c_str());
    CliRun r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadFile(dir / "out.txt");
    r.err = ReadFile(dir / "err.txt");
    return r;
}

// The verb said it failed (with its own message), or ended with an error event naming it.
bool Reported(const CliRun& r, const std::string& failure) {
    return (r.out.find(failure) != std::string::npos &&
            r.out.find("\"ok\":false") != std::string::npos) ||
           r.out.find("{\"event\":\"error\",\"text\":\"Cannot ") != std::string::npos;
}

// A recording of a text channel and a binary channel with header, and its setup file.
class FaultInjection : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(dir / "data.txt", "v\r\n1.5\r\n2.5\r\n3.5\r\n");
        std::vector<std::string> lines = {std::string("0720\t ") + kHeaderMarker, "Depth",
                                          FormatSci23(0) + FormatSci23(0.01) + FormatSci23(0),
                                          "01.01.2020 00:00:00", "100"};
        lines.resize(10);
        std::string header;
        for (const std::string& line : lines) header += PadLine70(line) + "\r\n";
        WriteFile(dir / "data.bin", header + std::string(400, '\x02'));
        auto state = std::make_unique<AppState>();
        SetDefaults(*state, "/nonexistent/corv");
        for (int c = 0; c < 2; ++c) {
            ChannelRecord& r = state->store.Rec(c);
            r.NameIn = (dir / (c == 0 ? "data.txt" : "data.bin")).string();
            r.ColumnValue = c == 0 ? 1 : 0;
            r.HeaderText = 1;
            r.SampRate = 100;
            r.AutoScale = 'Y';
            r.ReadHeader = c == 0 ? 'N' : 'Y';
            r.StartTime = PartsToTime(2020, 1, 1, 0, 0, 0);
        }
        ASSERT_TRUE(WriteSetupFile(*state, dir / "setup.cfg"));
        setup = (dir / "setup.cfg").string();
    }

    // Runs with the fault at every matching call in turn until it is no longer reached;
    // check(run) inspects each run that met its fault. Returns the number of such runs.
    template <class Check>
    int EveryCall(const std::string& op, const std::string& path, const std::string& args,
                  const std::string& script, Check check, int err = 5) {
        for (int nth = 1; nth < 100; ++nth) {
            const CliRun r = RunFaulted(dir, Fault{op, path, nth, err}, args, script);
            if (!r.Reached()) return nth - 1;
            SCOPED_TRACE(op + " #" + std::to_string(nth) + " on " + path + "\n" + r.out + r.err);
            check(r);
        }
        ADD_FAILURE() << "the fault is reached forever";
        return 0;
    }

    TempDir dir;
    std::string setup;
};

TEST_F(FaultInjection, WritePathsKeepTheOldFileAndReportTheFailure) {
    const std::string old = "Corvandell Setup File\r\nold, complete file\r\n";
    const struct {
        std::string target, verb, failure;
    } paths[] = {
        {"target.set", "save-setup", "\"command\":\"save-setup\""},  // or its error event
        {"target.bin", "export-bin", " Error. Cannot export to file."},
        {"target.txt", "export-text", " Error. Cannot export to file."},
    };
    for (const auto& p : paths) {
        const std::string file = (dir / p.target).string();
        const std::string script = p.verb == "save-setup"   ? "save-setup " + file
                                   : p.verb == "export-bin" ? "export-bin " + file + " 1 entire"
                                                            : "export-text " + file + " 0 0 entire";
        for (const std::string op : {"open", "write", "fsync", "rename"}) {
            WriteFile(file, old);
            const int runs = EveryCall(
                op, op == "open" ? p.target + ".corvtmp" : p.target, "run '" + setup + "' -",
                script + "\n",
                [&](const CliRun& r) {
                    EXPECT_EQ(ReadFile(file), old);
                    EXPECT_TRUE(Reported(r, p.failure));
                },
                op == "write" ? 28 : 5);  // ENOSPC: a full disk
            EXPECT_GE(runs, 1) << p.verb << " " << op;
            for (const auto& e : fs::directory_iterator(dir.Path()))
                EXPECT_EQ(e.path().string().find(".corvtmp"), std::string::npos) << e.path();
        }
        // Without a fault the file is replaced.
        const CliRun r = RunFaulted(dir, Fault{"none", p.target}, "run '" + setup + "' -", script);
        EXPECT_NE(r.out.find("\"ok\":true"), std::string::npos) << r.out << r.err;
        EXPECT_NE(ReadFile(file), old);
    }
}

TEST_F(FaultInjection, ReadPathsReportTheFailureAndNeverLoad) {
    for (const std::string file : {"data.txt", "data.bin", "setup.cfg"})
        for (const std::string op : {"open", "read"}) {
            const int runs =
                EveryCall(op, file, "run '" + setup + "' -", "channels\n", [&](const CliRun& r) {
                    EXPECT_NE(r.code, 0);
                    EXPECT_EQ(r.out.find("\"outcome\":\"loaded\""), std::string::npos);
                    EXPECT_TRUE(r.out.find("\"event\":\"error\"") != std::string::npos ||
                                r.out.find("Missing data files") != std::string::npos ||
                                r.err.find("not a readable setup file") != std::string::npos);
                });
            EXPECT_GE(runs, 1) << op << " " << file;
        }
    // A read error on the binary header is an I/O error, not a file without header.
    const CliRun header =
        RunFaulted(dir, Fault{"read", "data.bin", 1}, "run '" + setup + "' -", "");
    EXPECT_NE(header.out.find("{\"event\":\"error\",\"text\":\"Read error on file " +
                              (dir / "data.bin").string()),
              std::string::npos)
        << header.out;
    // setup-show names the failure; --strict fails.
    const CliRun show =
        RunFaulted(dir, Fault{"read", "setup.cfg", 1}, "setup-show '" + setup + "'", "");
    EXPECT_EQ(show.code, 0);
    EXPECT_NE(show.err.find("not read, the defaults are shown: Read error on file"),
              std::string::npos)
        << show.err;
    EXPECT_EQ(
        RunFaulted(dir, Fault{"read", "setup.cfg", 1}, "setup-show --strict '" + setup + "'", "")
            .code,
        1);
}

}  // namespace
}  // namespace corv
