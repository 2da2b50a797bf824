// Start as a user meets it: three text files of 6 553 600 lines (one per channel, column
// c + 1 of file c, automatic scaling) loaded by the engine's Start, then the first full
// window drawn (three strips of 1600 x 300 and the overview); and the three channels
// exported side by side into one text table. The Start benchmark also measures the peak
// resident size the load added beyond what stays resident after it (the banks).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AppState.h"
#include "TextBenchFile.h"
#include "core/RasterCanvas.h"
#include "core/RecordingUiPort.h"
#include "files/ChannelExport.h"
#include "files/StartSequence.h"
#include "graph/StripDrawing.h"
#include "graph/ViewState.h"
#include "settings/Defaults.h"

namespace {

constexpr int kStripWidth = 1600;
constexpr int kStripHeight = 300;
constexpr int kOverviewHeight = 80;

std::string StartFile(int c) {
    return "/tmp/corv-bench-start-" + std::to_string(c + 1) + ".tsv";
}

// A /proc/self/status field in KiB (VmRSS, VmHWM), or -1.
long StatusKiB(const std::string& field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    return -1;
}

// Starts the peak resident size afresh from the current one (Linux 4.0 and later).
void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::unique_ptr<corv::AppState> StartState(corv::RecordingUiPort& ui) {
    auto state = std::make_unique<corv::AppState>();
    corv::SetDefaults(*state, "/nonexistent/corv");
    for (int c = 0; c < corv::kChannelCount; ++c) {
        corv::ChannelRecord& r = state->store.Rec(c);
        r.NameIn = StartFile(c);
        r.ColumnValue = c + 1;
        r.InDelimiter = '\t';
        r.AutoScale = 'Y';
        r.ReadHeader = 'N';
        r.HeaderText = 0;
        r.SampRate = 10;
        r.UsrCoeffA = 1;
        r.UsrCoeffB = 0;
    }
    state->store.AllocateBanks(ui);
    return state;
}

// The first full window: every strip and the overview over the whole recording.
void DrawFirstWindow(corv::AppState& state) {
    state.view = corv::InitialViewState(state.store.TotalSpan);
    for (int c = 0; c < corv::kChannelCount; ++c) {
        corv::RasterCanvas strip(kStripWidth, kStripHeight);
        corv::DrawStrip(strip, state, c);
        benchmark::DoNotOptimize(strip.Pixels().data());
    }
    corv::RasterCanvas overview(kStripWidth, kOverviewHeight);
    corv::DrawOverview(overview, state);
    benchmark::DoNotOptimize(overview.Pixels().data());
}

void GenerateStartFiles() {
    for (int c = 0; c < corv::kChannelCount; ++c)
        corv::bench::GenerateTextFile(StartFile(c), 1000 + static_cast<uint64_t>(c));
}

void BM_StartToFirstDrawing(benchmark::State& bench) {
    GenerateStartFiles();
    corv::RecordingUiPort ui;
    ui.SetDefaultAnswer(corv::Answer::Yes);
    double addedMiB = 0;
    double keptMiB = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto state = StartState(ui);
        const long before = StatusKiB("VmRSS");
        ResetPeakResident();
        bench.ResumeTiming();
        if (corv::RunStart(*state, ui) != corv::StartOutcome::Loaded ||
            state->store.Rec(2).DataCnt != corv::bench::kTextLines - 1) {
            bench.SkipWithError("Start failed");
            break;
        }
        DrawFirstWindow(*state);
        bench.PauseTiming();
        // What stays resident (banks, block extremes) is not the load's extra memory.
        const long after = StatusKiB("VmRSS");
        addedMiB = std::max(addedMiB, static_cast<double>(StatusKiB("VmHWM") - after) / 1024);
        keptMiB = static_cast<double>(after - before) / 1024;
        state.reset();
        bench.ResumeTiming();
    }
    bench.counters["added_MiB"] = addedMiB;
    bench.counters["kept_MiB"] = keptMiB;
}

void BM_ExportThreeChannels(benchmark::State& bench) {
    GenerateStartFiles();
    corv::RecordingUiPort ui;
    ui.SetDefaultAnswer(corv::Answer::Yes);
    auto state = StartState(ui);
    if (corv::RunStart(*state, ui) != corv::StartOutcome::Loaded) {
        bench.SkipWithError("Start failed");
        return;
    }
    const std::filesystem::path file = "/tmp/corv-bench-export3.txt";
    for (auto _ : bench) {
        if (!corv::WriteTextExport(*state, ui, file, 0, 1, 0, state->store.TotalSpan).written)
            bench.SkipWithError("export failed");
    }
    std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(BM_StartToFirstDrawing)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportThreeChannels)->Unit(benchmark::kMillisecond)->Iterations(1);
