// corvandell-cli batch: one script over many setup files, each recording in a fresh state,
// its JSON Lines and output files in a folder of its own; a progress line per recording on
// the error stream and a summary table at the end.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iomanip>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "Cli.h"
#include "core/Convert.h"

namespace corv::cli {

namespace {

namespace fs = std::filesystem;

struct BatchOptions {
    std::string script;
    std::vector<std::string> setups;
    std::string outDir;  // empty: a folder beside each setup file
    int jobs = 1;
    std::vector<std::string> runOptions;  // passed on to run
};

struct Outcome {
    int code = 0;
    int errors = 0;
    double seconds = 0;
    fs::path folder;
    std::string problem;  // why the recording failed, empty when it did not
};

bool ParseBatch(const std::vector<std::string>& args, BatchOptions& o, std::ostream& err) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((a == "--out" || a == "-o") && hasValue) {
            o.outDir = args[++i];
        } else if (a == "-j" && hasValue) {
            try {
                o.jobs = StrToInt(args[++i]);
            } catch (const std::exception&) {
                o.jobs = 0;
            }
            if (o.jobs < 1 || o.jobs > 64) {
                err << "corvandell-cli: -j takes a number of jobs from 1 to 64\n";
                return false;
            }
        } else if (a == "--default-answer" && hasValue) {
            o.runOptions = {a, args[++i]};
        } else if (a.size() > 1 && a[0] == '-') {
            err << "corvandell-cli: unknown or incomplete option " << a << "\n";
            return false;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() < 2) {
        err << "corvandell-cli: usage: batch [--out DIR] [-j N] [--default-answer ANSWER] "
               "SCRIPT SETUP...\n";
        return false;
    }
    o.script = positional[0];
    o.setups.assign(positional.begin() + 1, positional.end());
    std::error_code ec;
    if (o.script == "-" || !fs::is_regular_file(o.script, ec)) {
        err << "corvandell-cli: batch needs a script file: " << o.script << "\n";
        return false;
    }
    return true;
}

// The output folder of each setup: DIR/<name> with --out, else <name>-out beside the setup;
// names that repeat get -2, -3, ...
std::vector<fs::path> OutputFolders(const BatchOptions& o) {
    std::vector<fs::path> folders;
    std::map<std::string, int> seen;
    for (const std::string& setup : o.setups) {
        const fs::path p(setup);
        fs::path folder = o.outDir.empty() ? p.parent_path() / (p.stem().string() + "-out")
                                           : fs::path(o.outDir) / p.stem();
        const int n = ++seen[folder.string()];
        if (n > 1) folder += "-" + std::to_string(n);
        folders.push_back(folder);
    }
    return folders;
}

// The text of the first `"key":"..."` in the JSON Lines (no escapes needed for our keys).
std::string FirstValue(const std::string& jsonl, const std::string& key) {
    const std::string marker = "\"" + key + "\":\"";
    const size_t at = jsonl.find(marker);
    if (at == std::string::npos) return {};
    const size_t from = at + marker.size();
    return jsonl.substr(from, jsonl.find('"', from) - from);
}

int CountErrors(const std::string& jsonl) {
    int n = 0;
    for (size_t at = 0; (at = jsonl.find("{\"event\":\"error\"", at)) != std::string::npos; ++at)
        ++n;
    return n;
}

Outcome RunOne(const BatchOptions& o, const std::string& setup, const fs::path& folder,
               const fs::path& executable) {
    Outcome r;
    r.folder = folder;
    const auto start = std::chrono::steady_clock::now();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        r.code = kExitFailed;
        r.problem = "cannot create " + folder.string() + ": " + ec.message();
        return r;
    }
    std::vector<std::string> args = o.runOptions;
    args.push_back(fs::absolute(setup, ec).string());
    args.push_back(fs::absolute(o.script, ec).string());
    std::istringstream in;
    std::ostringstream out, err;
    CliContext ctx{args, executable, in, out, err, folder};
    try {
        r.code = RunCommand(ctx);
    } catch (const std::exception& e) {
        r.code = kExitFailed;
        err << e.what() << "\n";
    }
    std::ofstream(folder / "run.jsonl", std::ios::binary) << out.str();
    r.errors = CountErrors(out.str());
    if (r.code != kExitOk) {
        const std::string outcome = FirstValue(out.str(), "outcome");
        const std::string first = err.str().substr(0, err.str().find('\n'));
        r.problem = !first.empty() ? first
                                   : "Start " + (outcome.empty() ? "failed" : outcome) + ":" +
                                         FirstValue(out.str(), "text");
    } else if (r.errors > 0)
        r.problem = std::to_string(r.errors) + " command(s) failed";
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

void PrintSummary(std::ostream& out, const BatchOptions& o, const std::vector<Outcome>& outcomes) {
    out << "setup\tresult\terrors\tseconds\toutput\n";
    for (size_t k = 0; k < outcomes.size(); ++k) {
        const Outcome& r = outcomes[k];
        out << o.setups[k] << '\t' << (r.problem.empty() ? "ok" : "failed") << '\t' << r.errors
            << '\t' << std::fixed << std::setprecision(2) << r.seconds << '\t' << r.folder.string()
            << '\n';
    }
}

}  // namespace

int BatchCommand(CliContext& ctx) {
    BatchOptions o;
    if (!ParseBatch(ctx.args, o, ctx.err)) return kExitUsage;
    const std::vector<fs::path> folders = OutputFolders(o);
    std::vector<Outcome> outcomes(o.setups.size());
    std::atomic<size_t> next{0};
    std::atomic<size_t> done{0};
    std::mutex report;
    // Each recording is independent: workers take the next one until none is left.
    auto worker = [&] {
        for (size_t k; (k = next++) < o.setups.size();) {
            outcomes[k] = RunOne(o, o.setups[k], folders[k], ctx.executable);
            const std::lock_guard<std::mutex> lock(report);
            const Outcome& r = outcomes[k];
            ctx.err << "[" << ++done << "/" << o.setups.size() << "] " << o.setups[k] << ": "
                    << (r.problem.empty() ? "ok" : "failed: " + r.problem) << " (" << std::fixed
                    << std::setprecision(2) << r.seconds << " s)\n"
                    << std::flush;
        }
    };
    const size_t jobs = std::min<size_t>(size_t(o.jobs), o.setups.size());
    std::vector<std::thread> pool;
    for (size_t j = 1; j < jobs; ++j) pool.emplace_back(worker);
    worker();
    for (auto& t : pool) t.join();
    PrintSummary(ctx.out, o, outcomes);
    const bool anyFailed = std::any_of(outcomes.begin(), outcomes.end(),
                                       [](const Outcome& r) { return !r.problem.empty(); });
    return anyFailed ? kExitFailed : kExitOk;
}

}  // namespace corv::cli
