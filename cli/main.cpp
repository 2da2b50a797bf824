#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "Cli.h"
#include "settings/Defaults.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // The commands print file bytes (CR LF included); text mode would double the CRs.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto exe = corv::RunningExecutable(argc > 0 ? argv[0] : nullptr);
    return corv::cli::RunCli(args, exe, std::cin, std::cout, std::cerr);
}
