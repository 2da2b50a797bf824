// Loading one column of a large TAB-separated file with automatic scaling (two passes).
// The file is generated once and shared with the pandas comparison in bench/compare:
// "/tmp/corv-bench-text.tsv", 6 553 600 lines, no header, three TAB-separated columns,
// CR LF line ends, lines like "12.345\t-3.2100\t987.6"; column 2 is loaded.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "AppState.h"
#include "core/RecordingUiPort.h"
#include "files/TextImport.h"

namespace {

constexpr const char* kBenchFile = "/tmp/corv-bench-text.tsv";
constexpr int kLines = 6553600;

// Noisy logger-like values: a slow signal around 12, a signed one, a pressure-like one.
void GenerateFile(const std::filesystem::path& file) {
    if (std::filesystem::exists(file) && std::filesystem::file_size(file) > 0) return;
    const std::filesystem::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        std::mt19937_64 rng(42);
        std::normal_distribution<double> noise(0.0, 1.0);
        std::string block;
        char line[96];
        double walk = 0;
        for (int i = 0; i < kLines; ++i) {
            walk = 0.999 * walk + 0.5 * noise(rng);
            const int len = std::snprintf(line, sizeof line, "%.3f\t%.4f\t%.1f\r\n",
                                          12 + 0.001 * (i % 5000) + 0.01 * noise(rng), walk,
                                          987.6 + 3 * noise(rng));
            block.append(line, static_cast<size_t>(len));
            if (block.size() > (1u << 20)) {
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
                block.clear();
            }
        }
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    std::filesystem::rename(partial, file);
}

void BM_TextImportAutoScale(benchmark::State& bench) {
    GenerateFile(kBenchFile);
    corv::RecordingUiPort ui;
    auto state = std::make_unique<corv::AppState>();
    state->store.AllocateBanks(ui);
    corv::ChannelRecord& r = state->store.Rec(0);
    r.NameIn = kBenchFile;
    r.ColumnValue = 2;
    r.InDelimiter = '\t';
    r.AutoScale = 'Y';
    r.SampRate = 1000;
    r.UsrCoeffA = 1;
    for (auto _ : bench) {
        state->store.ChannelPresent[0] = true;
        if (corv::LoadTextChannel(*state, ui, 0) != 0 || r.DataCnt != kLines - 1)
            bench.SkipWithError("load failed");
        benchmark::DoNotOptimize(state->store.GetRaw(r.DataCnt, 0));
    }
    bench.counters["lines"] = kLines;
}

}  // namespace

BENCHMARK(BM_TextImportAutoScale)->Unit(benchmark::kMillisecond);
