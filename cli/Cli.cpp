#include "Cli.h"

#include <iostream>

namespace corv::cli {

namespace {

struct Subcommand {
    const char* name;
    const char* usage;
    int (*fn)(CliContext&);
};

const Subcommand kSubcommands[] = {
    {"setup-show",
     "setup-show FILE                 print FILE read over the defaults as a setup file",
     SetupShowCommand},
    {"run",
     "run [--default-answer yes|no|ok|cancel|aux] SETUP [SCRIPT]\n"
     "                                  read SETUP, press Start, run SCRIPT (- for stdin)",
     RunCommand},
    {"batch",
     "batch [--out DIR] [-j N] [--default-answer ANSWER] SCRIPT SETUP...\n"
     "                                  run SCRIPT on each SETUP in a fresh state; output files\n"
     "                                  and run.jsonl in DIR/<setup name> (default: beside\n"
     "                                  each setup, <setup name>-out); exit 1 if any failed",
     BatchCommand},
    {"sniff",
     "sniff FILE                      guess separator, decimal comma, header lines and column\n"
     "                                  names of a text data file (JSON)",
     SniffCommand},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: corvandell-cli COMMAND [ARGS]\n\nCommands:\n";
    for (const auto& s : kSubcommands) out << "  " << s.usage << "\n";
    out << "  --help                          show this help\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, const std::filesystem::path& executable,
           std::istream& in, std::ostream& out, std::ostream& err) {
    if (argv.empty()) {
        err << "corvandell-cli: missing command (try --help)\n";
        return kExitUsage;
    }
    if (argv[0] == "--help" || argv[0] == "-h" || argv[0] == "help") {
        PrintHelp(out);
        return kExitOk;
    }
    for (const auto& s : kSubcommands) {
        if (argv[0] != s.name) continue;
        CliContext ctx{{argv.begin() + 1, argv.end()}, executable, in, out, err};
        return s.fn(ctx);
    }
    err << "corvandell-cli: unknown command '" << argv[0] << "' (try --help)\n";
    return kExitUsage;
}

}  // namespace corv::cli
