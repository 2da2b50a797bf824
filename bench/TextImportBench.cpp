// Loading column 2 of the large TAB-separated benchmark file (TextBenchFile.h) with
// automatic scaling, as pandas.read_csv reads it in bench/compare.

#include <benchmark/benchmark.h>

#include <memory>

#include "AppState.h"
#include "TextBenchFile.h"
#include "core/RecordingUiPort.h"
#include "files/TextImport.h"

namespace {

using corv::bench::kTextFile;
using corv::bench::kTextLines;

void BM_TextImportAutoScale(benchmark::State& bench) {
    corv::bench::GenerateTextFile();
    corv::RecordingUiPort ui;
    auto state = std::make_unique<corv::AppState>();
    state->store.AllocateBanks(ui);
    corv::ChannelRecord& r = state->store.Rec(0);
    r.NameIn = kTextFile;
    r.ColumnValue = 2;
    r.InDelimiter = '\t';
    r.AutoScale = 'Y';
    r.SampRate = 1000;
    r.UsrCoeffA = 1;
    for (auto _ : bench) {
        state->store.ChannelPresent[0] = true;
        if (corv::LoadTextChannel(*state, ui, 0) != 0 || r.DataCnt != kTextLines - 1)
            bench.SkipWithError("load failed");
        benchmark::DoNotOptimize(state->store.GetRaw(r.DataCnt, 0));
    }
    bench.counters["lines"] = kTextLines;
}

}  // namespace

BENCHMARK(BM_TextImportAutoScale)->Unit(benchmark::kMillisecond);
