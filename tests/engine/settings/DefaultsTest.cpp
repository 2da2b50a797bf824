#include "settings/Defaults.h"

#include <gtest/gtest.h>

#include <memory>

#include "AppState.h"

namespace corv {
namespace {

namespace fs = std::filesystem;

// The settings kept in the setup file are checked through its default bytes; these are the
// ones it does not hold.
TEST(Defaults, StateOutsideTheSetupFileIsReset) {
    auto state = std::make_unique<AppState>();
    state->store.ChannelPresent[1] = false;
    state->ChannelModified[2] = true;
    state->histograms[0].binSize = 5;
    state->sectionBuffers[3].used = true;
    state->logarithmicDisplay = true;
    SetDefaults(*state, fs::path("/opt/corv/bin") / "corvandell");

    for (size_t c = 0; c < kChannelCount; ++c) {
        const ChannelRecord& r = state->store.Channel[c];
        EXPECT_EQ(r.CursorMask, 1);
        EXPECT_EQ(r.AutoScale, 'Y');
        EXPECT_EQ(r.ReadHeader, 'Y');
        EXPECT_TRUE(state->store.ChannelPresent[c]);
        EXPECT_EQ(state->store.ChannelComment[c], " ");
        EXPECT_FALSE(state->ChannelModified[c]);
        EXPECT_EQ(state->histograms[c].binSize, 1);
        EXPECT_EQ(state->histograms[c].fileName, "c:\\");
    }
    EXPECT_FALSE(state->sectionBuffers[3].used);
    EXPECT_FALSE(state->logarithmicDisplay);
    EXPECT_EQ(state->settings.Beak.BeakLevel, 0.8);
    EXPECT_EQ(state->settings.Beak.Step, 1);
    EXPECT_EQ(state->startRef.year, 82);
}

TEST(Defaults, FoldersFollowTheExecutable) {
    auto state = std::make_unique<AppState>();
    const fs::path exe = fs::path("/opt/corv/bin") / "corvandell";
    SetDefaults(*state, exe);
    EXPECT_EQ(state->folders.ProgramFolder, fs::path("/opt/corv/bin").string());
    EXPECT_EQ(fs::path(state->folders.HelpFolder), fs::path("/opt/corv/bin") / "help" / "");
    EXPECT_EQ(state->folders.SetupPath, "C:\\");
    EXPECT_EQ(AutoSetupPath(*state), fs::path("/opt/corv/bin") / "$VM3bk$.&&&");

    const fs::path running = RunningExecutable("no-such-name");
    EXPECT_TRUE(running.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(running));
}

TEST(Defaults, CaptionsDependOnTheAnalysisKind) {
    EXPECT_EQ(MainDialogCaption(13), "Corvandell Beak, Main Dialog");
    EXPECT_EQ(MainDialogCaption(16), "Corvandell Route6 Analysis, Main Dialog");
    EXPECT_EQ(MainDialogCaption(7), "Corvandell, Main Dialog");

    EXPECT_EQ(DefaultCaptions(1)[2], "File3       ");
    EXPECT_EQ(DefaultCaptions(6)[2], "Temp.       ");
    EXPECT_EQ(DefaultCaptions(14)[2], "3rd Channel   ");
    EXPECT_EQ(DefaultCaptions(2)[0], "Depth Channel");
    EXPECT_EQ(DefaultCaptions(13), DefaultCaptions(0));
    EXPECT_EQ(DefaultCaptions(13)[0], "Channel1          ");
}

}  // namespace
}  // namespace corv
