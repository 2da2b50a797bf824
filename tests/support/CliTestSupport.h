#pragma once
// corvandell-cli run in-process, and the setup files its tests start from.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AppState.h"
#include "Cli.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::test {

struct CliResult {
    int code;
    std::string out, err;
};

// corvandell-cli with the arguments, `input` as its standard input.
inline CliResult RunCliWith(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = cli::RunCli(args, "/nonexistent/corvandell-cli", in, out, err);
    return {code, out.str(), err.str()};
}

// The output of a run that must succeed.
inline std::string RunCliOk(const std::vector<std::string>& args, const std::string& input) {
    const CliResult r = RunCliWith(args, input);
    EXPECT_EQ(r.code, 0) << r.err;
    return r.out;
}

// Writes a setup file: the defaults, changed by `configure`. Returns its path as text.
inline std::string WriteSetup(const std::filesystem::path& path,
                              const std::function<void(AppState&)>& configure) {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corvandell");
    configure(*state);
    EXPECT_TRUE(WriteSetupFile(*state, path));
    return path.string();
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace corv::test
