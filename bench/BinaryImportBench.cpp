// Loading a full-capacity binary channel file (6 553 600 samples, 13 MB, no header) into
// the banks, from the page cache after the first run.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "AppState.h"
#include "core/RecordingUiPort.h"
#include "files/BinaryChannel.h"
#include "settings/Defaults.h"

namespace {

constexpr const char* kBenchFile = "/tmp/corv-bench-bin.dat";
constexpr int64_t kSamples = 6553600;

// Writes the file once; later runs reuse it.
void EnsureBenchFile() {
    std::error_code ec;
    if (std::filesystem::file_size(kBenchFile, ec) == static_cast<uintmax_t>(kSamples * 2)) return;
    std::vector<char> bytes(static_cast<size_t>(kSamples * 2));
    for (int64_t p = 0; p < kSamples; ++p) {
        const auto w = static_cast<uint16_t>(p * 7 + 3);
        bytes[static_cast<size_t>(2 * p)] = static_cast<char>(w & 0xFF);
        bytes[static_cast<size_t>(2 * p + 1)] = static_cast<char>(w >> 8);
    }
    std::ofstream(kBenchFile, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_BinaryImport(benchmark::State& bench) {
    EnsureBenchFile();
    corv::RecordingUiPort ui;
    auto state = std::make_unique<corv::AppState>();
    corv::SetDefaults(*state, "/nonexistent/corv");
    state->store.AllocateBanks(ui);
    corv::ChannelRecord& r = state->store.Rec(0);
    r.NameIn = kBenchFile;
    r.ColumnValue = 0;
    for (auto _ : bench) {
        state->store.ChannelPresent[0] = true;
        ui.Clear();
        benchmark::DoNotOptimize(corv::LoadBinaryChannel(*state, ui, 0));
    }
    bench.counters["samples"] = r.DataCnt;
    bench.SetBytesProcessed(bench.iterations() * kSamples * 2);
}

}  // namespace

BENCHMARK(BM_BinaryImport)->Unit(benchmark::kMillisecond);
