#include "Cli.h"

#include <iostream>
#include <memory>

#include "AppState.h"
#include "core/Errors.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::cli {

// Reads FILE over the defaults and prints the setup file that would be written.
int SetupShowCommand(CliContext& ctx) {
    if (ctx.args.size() != 1) {
        ctx.err << "corvandell-cli: usage: setup-show FILE\n";
        return kExitUsage;
    }
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, ctx.executable);
    try {
        ReadSetupFile(*state, ctx.args[0]);
    } catch (const IoError& e) {
        ctx.err << "corvandell-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    WriteSetupText(*state, ctx.out);
    ctx.out.flush();
    return kExitOk;
}

}  // namespace corv::cli
