#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    auto exe = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv[0]);
    return corv::cli::RunCli(args, exe, std::cin, std::cout, std::cerr);
}
