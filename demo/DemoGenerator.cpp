// corv-demo-gen OUTDIR: writes the demo recording (two hours of a diving, breathing and
// feeding animal at 100 ms) as "beak.txt" and "depth.txt", the setup file "demo.cfg", a
// binary copy of the beak channel "beak.bin" and the setup file "demo-bin.cfg" that reads
// it. The output is the same on every run and platform.

#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>

#include "AppState.h"
#include "DemoPlan.h"
#include "DemoSetup.h"
#include "DemoTraces.h"
#include "DiveBehaviour.h"
#include "TraceFile.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"
#include "files/BinaryChannel.h"
#include "files/BinaryHeader.h"
#include "files/StartSequence.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace fs = std::filesystem;
using namespace corv;
using namespace corv::demo;

namespace {

constexpr int32_t kSamples = kDemoSamples;
constexpr uint64_t kBeakSeed = 0xBEA6;
constexpr uint64_t kDepthSeed = 0xD39;

struct Generated {
    Behaviour behaviour;
    std::vector<double> beak, depth;
};

Generated Generate() {
    Generated g;
    g.behaviour = PlanDemoBehaviour();
    g.beak = BeakTrace(g.behaviour, {kSamples, 0.1, kBeakSeed});
    g.depth = DepthTrace(g.behaviour, {kSamples, 0.1, kDepthSeed});
    return g;
}

void PrintMessages(const RecordingUiPort& ui) {
    for (const UiEvent& e : ui.Events())
        if (e.kind == UiEvent::Kind::Message || e.kind == UiEvent::Kind::Question)
            std::cerr << "corv-demo-gen: the program said: \"" << e.text << "\"\n";
}

// Reads a setup file of the output folder and presses Start on it, as the program does;
// the input names are made absolute so that the working folder does not matter.
bool StartFromSetup(AppState& state, RecordingUiPort& ui, const fs::path& exe,
                    const fs::path& setup) {
    SetDefaults(state, exe);
    if (!ReadSetupFile(state, setup)) {
        std::cerr << "corv-demo-gen: cannot read " << setup << "\n";
        return false;
    }
    state.folders.SetupPath = setup.string();
    for (auto& r : state.store.Channel) r.NameIn = (setup.parent_path() / r.NameIn).string();
    state.store.AllocateBanks(ui);
    if (RunStart(state, ui) == StartOutcome::Loaded) return true;
    std::cerr << "corv-demo-gen: " << setup << " does not load\n";
    PrintMessages(ui);
    return false;
}

// The whole beak channel with its header: line 4 the channel's start, line 6 its last
// sample.
bool WriteBinaryCopy(const AppState& state, const fs::path& file) {
    const ChannelRecord& r = state.store.Rec(0);
    const int32_t count = r.DataCnt - r.CorrSmpDelay + 1;
    WriteBinaryHeader(state, file, 0, 0.0, state.store.TotalSpan);
    if (!WriteBinaryBody(state, file, 0, count, 'A', 0)) return false;
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return !ec && size == static_cast<uintmax_t>(720 + 2 * int64_t{count});
}

// The binary copy must give the beak channel exactly the raw words of the text file.
bool SameBeak(const AppState& text, const AppState& binary) {
    const ChannelRecord& t = text.store.Rec(0);
    for (int32_t i = 0; i <= t.DataCnt; ++i) {
        int32_t e1 = 0, e2 = 0;
        if (text.store.GetRaw(i, 0) != binary.store.GetRaw(i, 0)) return false;
        const double a = text.store.GetValue(i, 0, e1);
        const double b = binary.store.GetValue(i, 0, e2);
        if (e1 != 0 || e2 != 0 || std::fabs(a - b) > 1e-9 * (1.0 + std::fabs(a))) return false;
    }
    return binary.store.Rec(0).SampRate == t.SampRate &&
           binary.store.Rec(0).StartTime == t.StartTime;
}

void PrintSummary(const Generated& g) {
    int feeding = 0, feedOpenings = 0;
    for (const Dive& d : g.behaviour.dives)
        if (d.feedOpenings > 0) {
            ++feeding;
            feedOpenings += d.feedOpenings;
        }
    std::cout << "corv-demo-gen: " << g.behaviour.dives.size() << " dives (" << feeding
              << " with feeding), " << g.behaviour.openings.size() << " beak openings ("
              << feedOpenings << " at depth)\n";
}

int Run(const fs::path& exe, const fs::path& out) {
    fs::create_directories(out);
    const Generated g = Generate();
    if (!WriteTraceFile(out / kBeakText, "Time [s]\tBeak opening", g.beak, 4) ||
        !WriteTraceFile(out / kDepthText, "Time [s]\tDepth [m]", g.depth, 3)) {
        std::cerr << "corv-demo-gen: cannot write the text files in " << out << "\n";
        return 1;
    }

    AppState demo;
    SetDefaults(demo, exe);
    DescribeTextRecording(demo);
    if (!WriteSetupFile(demo, out / "demo.cfg")) {
        std::cerr << "corv-demo-gen: cannot write " << out / "demo.cfg"
                  << "\n";
        return 1;
    }

    RecordingUiPort ui;
    AppState loaded;
    if (!StartFromSetup(loaded, ui, exe, out / "demo.cfg")) return 1;
    if (!WriteBinaryCopy(loaded, out / kBeakBinary)) {
        std::cerr << "corv-demo-gen: cannot write " << out / kBeakBinary << "\n";
        return 1;
    }
    DescribeBinaryBeak(demo, loaded.store.Rec(0));
    if (!WriteSetupFile(demo, out / "demo-bin.cfg")) {
        std::cerr << "corv-demo-gen: cannot write " << out / "demo-bin.cfg"
                  << "\n";
        return 1;
    }

    AppState binary;
    if (!StartFromSetup(binary, ui, exe, out / "demo-bin.cfg")) return 1;
    if (!SameBeak(loaded, binary)) {
        std::cerr << "corv-demo-gen: beak.bin does not load as the beak channel\n";
        return 1;
    }
    PrintSummary(g);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: corv-demo-gen OUTDIR\n";
        return 2;
    }
    try {
        return Run(fs::absolute(argv[0]), fs::absolute(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << "corv-demo-gen: " << e.what() << "\n";
        return 1;
    }
}
