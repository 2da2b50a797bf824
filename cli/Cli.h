#pragma once
// corvandell-cli: the headless front end on the engine. Each subcommand is a function that
// gets its arguments and the streams; the exit codes are 0 (success), 1 (the command's own
// failure) and 2 (usage error, one line on the error stream).

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace corv::cli {

struct CliContext {
    std::vector<std::string> args;     // the subcommand's arguments
    std::filesystem::path executable;  // the running program (for the program folder)
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Where relative output file names of a script go; empty: the working folder.
    std::filesystem::path outputDir = {};
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs the command line (argv without the program name).
int RunCli(const std::vector<std::string>& argv, const std::filesystem::path& executable,
           std::istream& in, std::ostream& out, std::ostream& err);

// The subcommands.
int SetupShowCommand(CliContext& ctx);
int RunCommand(CliContext& ctx);
int BatchCommand(CliContext& ctx);
int SniffCommand(CliContext& ctx);

}  // namespace corv::cli
