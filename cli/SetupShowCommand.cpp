#include "Cli.h"

#include <iostream>
#include <memory>

#include "AppState.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::cli {

// Reads FILE over the defaults and prints the setup file that would be written. A file that
// cannot be read leaves the defaults, as at start-up, and says why on the error stream;
// with --strict that is a failure.
int SetupShowCommand(CliContext& ctx) {
    std::vector<std::string> files;
    bool strict = false;
    for (const std::string& a : ctx.args) {
        if (a == "--strict")
            strict = true;
        else
            files.push_back(a);
    }
    if (files.size() != 1) {
        ctx.err << "corvandell-cli: usage: setup-show [--strict] FILE\n";
        return kExitUsage;
    }
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, ctx.executable);
    const SetupReadResult r = ReadSetupFileChecked(*state, files[0]);
    if (!r.Ok())
        ctx.err << "corvandell-cli: not read, the defaults are shown: " << r.reason << "\n";
    for (const std::string& note : r.notes) ctx.err << "corvandell-cli: " << note << "\n";
    WriteSetupText(*state, ctx.out);
    ctx.out.flush();
    return strict && !r.Ok() ? kExitFailed : kExitOk;
}

}  // namespace corv::cli
