// Runs the built corvandell-cli as a separate process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "AppState.h"
#include "TestSupport.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

CliRun RunCliProcess(const TempDir& dir, const std::string& args) {
    const fs::path out = dir / "stdout.txt";
    const fs::path err = dir / "stderr.txt";
    std::string command = std::string("\"") + CORV_CLI_EXE + "\" " + args + " >\"" + out.string() +
                          "\" 2>\"" + err.string() + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd.exe strips the outer pair of quotes
#endif
    const int status = std::system(command.c_str());
    CliRun run;
#ifdef _WIN32
    run.code = status;
#else
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

std::string DefaultSetupText() {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, CORV_CLI_EXE);
    std::ostringstream text;
    WriteSetupText(*state, text);
    return text.str();
}

TEST(SetupShow, MissingFilePrintsTheDefaultsAndTheOutputReadsBackUnchanged) {
    TempDir dir;
    const CliRun first = RunCliProcess(dir, "setup-show /no/such/file");
    EXPECT_EQ(first.code, 0);
    // The message and the defaults for files that cannot be read are checked below.
    EXPECT_EQ(first.out.rfind("Corvandell Setup File\r\nRelease 4.0\r\nNameIn\t0\tc:\\\r\n", 0),
              0u);

    const fs::path saved = dir / "shown.set";
    WriteFile(saved, first.out);
    const CliRun second = RunCliProcess(dir, "setup-show \"" + saved.string() + "\"");
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(second.out, first.out);
}

TEST(SetupShow, FilesThatCannotBeReadAreNamedAndStrictFails) {
    TempDir dir;
    WriteFile(dir / "random.bin", std::string("\x8f\x01\xff\x00zz", 6));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/no/such/file", "/no/such/file does not exist"},
        {dir.Path().string(), dir.Path().string() + " is not a regular file"},
        {"/dev/zero", "/dev/zero is not a regular file"},
        {(dir / "random.bin").string(), (dir / "random.bin").string() + " is not a setup file"}};
    for (const auto& [file, reason] : cases) {
        const CliRun run = RunCliProcess(dir, "setup-show \"" + file + "\"");
        EXPECT_EQ(run.code, 0) << file;
        EXPECT_EQ(run.err, "corvandell-cli: not read, the defaults are shown: " + reason + "\n");
        EXPECT_EQ(run.out, DefaultSetupText());
        const CliRun strict = RunCliProcess(dir, "setup-show --strict \"" + file + "\"");
        EXPECT_EQ(strict.code, 1) << file;
        EXPECT_EQ(strict.out, DefaultSetupText());
    }
    WriteFile(dir / "ok.set", "Corvandell Setup File\r\n");
    EXPECT_EQ(RunCliProcess(dir, "setup-show --strict \"" + (dir / "ok.set").string() + "\"").code,
              0);
}

TEST(SetupShow, ValuesOfTheFileReplaceTheDefaults) {
    TempDir dir;
    const fs::path file = dir / "some.set";
    WriteFile(file, "Corvandell Setup File\nSampRate\t2\t 2 500\nyOffset\t2\t7\n");
    const CliRun run = RunCliProcess(dir, "setup-show \"" + file.string() + "\"");
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("\r\nSampRate\t2\t2500\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("\r\nyOffset\t2\t 0.00000000000000E+0000\r\n"), std::string::npos);
}

TEST(SetupShow, UsageErrorsAndHelp) {
    TempDir dir;
    const CliRun bare = RunCliProcess(dir, "");
    EXPECT_EQ(bare.code, 2);
    EXPECT_EQ(bare.out, "");
    ASSERT_FALSE(bare.err.empty());
    EXPECT_EQ(bare.err.find('\n'), bare.err.size() - 1);  // exactly one line

    EXPECT_EQ(RunCliProcess(dir, "setup-show").code, 2);

    const CliRun help = RunCliProcess(dir, "--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("setup-show [--strict] FILE"), std::string::npos);
    EXPECT_NE(help.out.find("run "), std::string::npos);
    EXPECT_NE(help.out.find("--help"), std::string::npos);
}

}  // namespace
}  // namespace corv
