#include "files/StartPreparation.h"

#include <gtest/gtest.h>

#include "BinaryFileTestSupport.h"
#include "core/Times.h"

namespace corv {
namespace {

using test::HeaderText;
using test::MakeState;
using test::TempDir;
using test::WriteFile;

const char* const kDiffersMuch =
    " Start times differs much! \r\n(May origin from info in file header)\r\nContinue? ";

// Three present channels with files, 1 s intervals, starting at the given offsets (s).
void SetUpChannels(AppState& state, const TempDir& dir, std::array<double, 3> offsets) {
    for (int c = 0; c < 3; ++c) {
        const auto file = dir / ("ch" + std::to_string(c) + ".bin");
        WriteFile(file, std::string(20, '\0'));
        ChannelRecord& r = state.store.Rec(c);
        r.NameIn = file.string();
        r.SampRate = 1000;
        r.StartTime = test::kJan2020 + offsets[static_cast<size_t>(c)] * 1000;
    }
}

std::vector<int32_t> Delays(const AppState& state) {
    return {state.store.Rec(0).CorrSmpDelay, state.store.Rec(1).CorrSmpDelay,
            state.store.Rec(2).CorrSmpDelay};
}

TEST(StartPreparation, MarksPresentChannelsAndTheReferenceStart) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannels(*state, dir, {30, 20, 5});
    state->store.Rec(1).NameIn = (dir / "missing.bin").string();
    state->store.Rec(2).NameIn = dir.Path().string();  // a folder is no file
    state->store.Rec(2).ToCreate = 1;                  // ... but the channel is to be created

    EXPECT_TRUE(MarkPresentChannels(*state));
    EXPECT_EQ(state->store.ChannelPresent, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(state->startRef.year, 2020);
    EXPECT_EQ(state->startRef.second, 5);

    state->store.Rec(0).NameIn = (dir / "missing.bin").string();
    state->store.Rec(2).ToCreate = 0;
    EXPECT_FALSE(MarkPresentChannels(*state));
    EXPECT_EQ(state->startRef.second, 5);  // unchanged
}

TEST(StartPreparation, DelaysFollowTheStartTimes) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannels(*state, dir, {20, 0, 10});
    ASSERT_TRUE(MarkPresentChannels(*state));
    ASSERT_TRUE(CheckStartTimes(*state, ui));
    ApplyDelays(*state);
    EXPECT_EQ(Delays(*state), (std::vector<int32_t>{20, 0, 10}));
    EXPECT_EQ(StartRefToTime(state->startRef), test::kJan2020);
    EXPECT_TRUE(ui.Events().empty());

    // Half intervals round to the even neighbour.
    SetUpChannels(*state, dir, {0, 2.5, 3.5});
    ASSERT_TRUE(MarkPresentChannels(*state));
    ASSERT_TRUE(CheckStartTimes(*state, ui));
    EXPECT_EQ(state->store.Rec(1).SmpDelay, 2);
    EXPECT_EQ(state->store.Rec(2).SmpDelay, 4);

    // An absent channel neither sets the earliest start nor gets a delay.
    state->store.ChannelPresent[0] = false;
    state->store.Rec(0).StartTime = 0;
    state->store.Rec(0).CorrSmpDelay = 77;
    ASSERT_TRUE(CheckStartTimes(*state, ui));
    ApplyDelays(*state);
    EXPECT_EQ(Delays(*state), (std::vector<int32_t>{77, 0, 1}));
}

TEST(StartPreparation, FarApartStartsAskAndBadIntervalsStop) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannels(*state, dir, {0, 26000001, 10});
    ASSERT_TRUE(MarkPresentChannels(*state));

    ui.QueueAnswer(Answer::No);
    EXPECT_FALSE(CheckStartTimes(*state, ui));
    EXPECT_EQ(ui.Questions(), std::vector<std::string>{kDiffersMuch});

    ui.Clear();
    ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(CheckStartTimes(*state, ui));
    EXPECT_EQ(ui.Questions().size(), 1u);
    EXPECT_EQ(state->store.Rec(1).SmpDelay, 26000001);
    EXPECT_EQ(state->store.Rec(2).SmpDelay, 10);

    // Too many samples for a delay.
    ui.Clear();
    state->store.Rec(1).SampRate = 1;
    ui.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(CheckStartTimes(*state, ui));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Illegal start time"});

    ui.Clear();
    state->store.Rec(1).SampRate = 0;
    EXPECT_FALSE(CheckStartTimes(*state, ui));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{" Illegal sampl. rate"});
    EXPECT_TRUE(ui.Questions().empty());
}

TEST(StartPreparation, HeadersTakePartInTheCheck) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannels(*state, dir, {0, 0, 0});
    // Channel 1's header starts a minute later with a 500 ms interval.
    WriteFile(dir / "ch1.bin",
              HeaderText({"CV file info", "from header", "0 1 0", "01.01.2020 00:01:00", "500"}));
    WriteFile(dir / "ch2.bin",
              HeaderText({"CV file info", "not read", "0 1 0", "01.01.2020 00:05:00", "500"}));
    state->store.Rec(2).ReadHeader = 'N';
    ASSERT_TRUE(MarkPresentChannels(*state));
    ReadHeaders(*state);
    EXPECT_EQ(state->store.Rec(1).Caption, "from header       ");
    EXPECT_EQ(state->store.Rec(2).SampRate, 1000);
    ASSERT_TRUE(CheckStartTimes(*state, ui));
    EXPECT_EQ(state->store.Rec(1).SmpDelay, 120);
}

TEST(StartPreparation, DerivesDefaultOutputNames) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    Settings& s = state->settings;
    const std::string existing = (dir / "rec.v2.dat").string();
    WriteFile(existing, "");
    state->store.Rec(0).NameIn = "c:\\data.d\\run";  // missing, Windows spelling
    state->store.Rec(1).NameIn = existing;
    state->store.Rec(2).NameIn = (dir / ".hidden").string();
    WriteFile(dir / ".hidden", "");

    DeriveOutputNames(*state);
    EXPECT_EQ(s.NameOutFile[0], "c:\\data.d\\run.ex1");
    EXPECT_EQ(s.NameOutFile[2], "c:\\data.d\\run.ex3");
    EXPECT_EQ(s.BreathFileName, "c:\\data.d\\run.brh");
    EXPECT_EQ(s.FeedFileName, "c:\\data.d\\run.pry");
    EXPECT_EQ(s.StatisticsFileName, (dir / "rec.v2.sta").string());
    for (const auto& h : state->histograms) EXPECT_EQ(h.fileName, (dir / "rec.v2.his").string());

    // Without any existing file the statistics and histogram names stay.
    state->store.Rec(1).NameIn = (dir / "gone").string();
    state->store.Rec(2).NameIn = (dir / "gone2").string();
    state->store.Rec(0).NameIn = (dir / ".hidden").string() + "x";
    DeriveOutputNames(*state);
    EXPECT_EQ(s.NameOutFile[1], (dir / ".hiddenx.ex2").string());
    EXPECT_EQ(s.StatisticsFileName, (dir / "rec.v2.sta").string());

    state->store.Rec(0).NameIn = (dir / ".hidden").string();
    DeriveOutputNames(*state);
    EXPECT_EQ(s.StatisticsFileName, (dir / ".hidden.sta").string());
}

}  // namespace
}  // namespace corv
