// The bundled demo recording must load through both of its setup files, and must hold what
// the beak analysis looks for: openings at the surface (breaths) and at depth (feeding).

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "AppState.h"
#include "DemoSupport.h"
#include "TestSupport.h"
#include "core/RasterCanvas.h"
#include "core/Times.h"
#include "graph/CurveDrawing.h"

namespace corv {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kLastIndex = 71999;  // two hours at 100 ms

using test::StartDemo;

double Value(const AppState& s, int32_t i, int c) {
    int32_t err = 0;
    return s.store.GetValue(i, c, err);
}

TEST(DemoRecording, TextSetupLoadsBeakAndDepthWithBreathingAndFeeding) {
    AppState s;
    RecordingUiPort ui;
    ASSERT_TRUE(StartDemo(s, ui, "demo.cfg"));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(s.store.ChannelPresent, (std::array<bool, 3>{true, true, false}));

    const double start = PartsToTime(2026, 6, 14, 6, 0, 0);
    for (int c = 0; c < 2; ++c) {
        const ChannelRecord& r = s.store.Rec(c);
        EXPECT_EQ(r.DataCnt, kLastIndex);
        EXPECT_EQ(r.SampRate, 100);
        EXPECT_EQ(r.StartTime, start);
        EXPECT_EQ(r.CorrSmpDelay, 0);
    }
    EXPECT_EQ(s.store.OriginTime, start);

    // Depth positive downwards: surface about 0, dives between 20 and 60 m.
    EXPECT_GT(s.store.Rec(1).LowRng, -0.5);
    EXPECT_LT(s.store.Rec(1).LowRng, 0.0);
    EXPECT_GT(s.store.Rec(1).HighRng, 20.0);
    EXPECT_LT(s.store.Rec(1).HighRng, 61.0);

    // Breathing at the surface, feeding at depth.
    int surfaceOpen = 0, deepOpen = 0, quiet = 0;
    for (int32_t i = 0; i <= kLastIndex; ++i) {
        const double beak = Value(s, i, 0);
        const double depth = Value(s, i, 1);
        if (beak < 0.3) ++quiet;
        // Well above the analysis' quiet-end margin of 1.6 over the background.
        if (beak > 2.5 && depth <= 1.0) ++surfaceOpen;
        if (beak > 2.5 && depth > 10.0) ++deepOpen;
    }
    EXPECT_GT(surfaceOpen, 200);
    EXPECT_GT(deepOpen, 1000);
    EXPECT_GT(quiet, 60000);  // a quiet background between the bouts
    // The search starts at the initial right cursor (52.5 s) with 8 s of quiet before it.
    for (int32_t i = 445; i <= 525; ++i) EXPECT_LT(Value(s, i, 0), 0.3) << i;
}

TEST(DemoRecording, BinaryCopyGivesTheSameBeakChannel) {
    AppState text, binary;
    RecordingUiPort ui;
    ASSERT_TRUE(StartDemo(text, ui, "demo.cfg"));
    ASSERT_TRUE(StartDemo(binary, ui, "demo-bin.cfg"));
    EXPECT_EQ(fs::file_size(test::SourceDir() / "demo" / "beak.bin"), 720u + 2u * 72000u);
    EXPECT_EQ(binary.store.Rec(0).StartTime, text.store.Rec(0).StartTime);
    ASSERT_GE(binary.store.Rec(0).DataCnt, kLastIndex);
    int differing = 0;  // in the raw word or in the scaled value
    for (int32_t i = 0; i <= kLastIndex; ++i)
        differing += text.store.GetRaw(i, 0) != binary.store.GetRaw(i, 0) ||
                     std::fabs(Value(text, i, 0) - Value(binary, i, 0)) > 1e-9;
    EXPECT_EQ(differing, 0);
    // The depth channel is the text file in both.
    EXPECT_EQ(binary.store.Rec(1).DataCnt, kLastIndex);
}

TEST(DemoRecording, CurveAfterAnotherStartIsDrawnFromTheNewWords) {
    // The banks are kept between runs: the words of an earlier recording, already drawn,
    // must not show through the curve of the one loaded next.
    AppState s;
    RecordingUiPort ui;
    ASSERT_TRUE(StartDemo(s, ui, "demo.cfg"));
    for (int32_t p = 0; p <= kLastIndex; ++p) *s.store.BankWord(0, p) = p % 2 ? 65535 : 0;
    s.store.MarkChanged(0, 0, kLastIndex);
    ASSERT_EQ(RunStart(s, ui), StartOutcome::Loaded);
    const ChannelRecord& r = s.store.Rec(0);
    const double span = kLastIndex * 100.0;
    RasterCanvas fast(800, 100), reference(800, 100);
    DrawCurve(fast, s.store, 0, 0, 800, 100, 0, span, r.LowRng, r.HighRng);
    DrawCurveReference(reference, s.store, 0, 0, 800, 100, 0, span, r.LowRng, r.HighRng);
    EXPECT_EQ(fast.CountDifferences(reference), 0);
}

}  // namespace
}  // namespace corv
