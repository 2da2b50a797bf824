#include "Cli.h"

#include <iostream>

namespace corv::cli {

int RunCommand(CliContext& ctx) {
    ctx.err << "corvandell-cli: run is not available yet\n";
    return kExitUsage;
}

}  // namespace corv::cli
