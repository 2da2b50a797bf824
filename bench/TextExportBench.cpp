// Exporting a full channel of 6 553 600 samples as a text table (date, time, value), as
// pandas DataFrame.to_csv writes the same columns in bench/compare.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "AppState.h"
#include "BenchChannels.h"
#include "core/RecordingUiPort.h"
#include "files/ChannelExport.h"

namespace {

void BM_TextExportOneChannel(benchmark::State& bench) {
    corv::AppState& s = corv::bench::FullChannels();
    corv::RecordingUiPort ui;
    const std::filesystem::path file = "/tmp/corv-bench-export1.txt";
    for (auto _ : bench) {
        const corv::ExportOutcome out =
            corv::WriteTextExport(s, ui, file, 0, 0, 0, s.store.TotalSpan);
        if (!out.written || out.samples != corv::ChannelStore::kCapacity)
            bench.SkipWithError("export failed");
    }
    std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(BM_TextExportOneChannel)->Unit(benchmark::kMillisecond);
