#include "settings/Defaults.h"

#include <gtest/gtest.h>

#include <memory>

#include "AppState.h"
#include "TestSupport.h"

namespace corv {
namespace {

namespace fs = std::filesystem;

// The settings kept in the setup file are checked through its default bytes; these are the
// ones it does not hold.
TEST(Defaults, StateOutsideTheSetupFileIsResetAndFoldersFollowTheExecutable) {
    auto state = std::make_unique<AppState>();
    state->store.ChannelPresent[1] = false;
    state->ChannelModified[2] = true;
    state->histograms[0].binSize = 5;
    state->sectionBuffers[3].used = true;
    state->logarithmicDisplay = true;
    SetDefaults(*state, fs::path("/opt/corv/bin") / "corvandell");

    for (size_t c = 0; c < kChannelCount; ++c) {
        EXPECT_TRUE(state->store.ChannelPresent[c]);
        EXPECT_FALSE(state->ChannelModified[c]);
        EXPECT_EQ(state->histograms[c].binSize, 1);
    }
    EXPECT_FALSE(state->sectionBuffers[3].used);
    EXPECT_FALSE(state->logarithmicDisplay);

    // The folders follow the executable.
    EXPECT_EQ(state->folders.ProgramFolder, fs::path("/opt/corv/bin").string());
    EXPECT_EQ(fs::path(state->folders.HelpFolder), fs::path("/opt/corv/bin") / "help" / "");
    EXPECT_EQ(state->folders.SetupPath, "C:\\");
    EXPECT_EQ(AutoSetupPath(*state), fs::path("/opt/corv/bin") / "$VM3bk$.&&&");

    const fs::path running = RunningExecutable("no-such-name");
    EXPECT_TRUE(running.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(running));
}

// An installed program has no help folder beside it: it finds the help under share/ and keeps
// its automatic setup file in the user's folder, never in bin/.
TEST(Defaults, InstalledLayoutFindsTheSharedHelpAndUsesTheUsersFolder) {
    test::TempDir root;
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/corvandell/help");
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, root / "usr/bin/corvandell");
    EXPECT_EQ(fs::path(state->folders.HelpFolder),
              fs::weakly_canonical(root / "usr/share/corvandell/help") / "");
    EXPECT_EQ(AutoSetupPath(*state), UserSettingsFolder() / "$VM3bk$.&&&");
    EXPECT_EQ(RecentFilesPath(*state), UserSettingsFolder() / "corvandell-recent.txt");

    fs::create_directories(root / "usr/bin/help");  // a help folder beside wins
    SetDefaults(*state, root / "usr/bin/corvandell");
    EXPECT_EQ(AutoSetupPath(*state), root / "usr/bin" / "$VM3bk$.&&&");
    EXPECT_EQ(RecentFilesPath(*state), root / "usr/bin" / "corvandell-recent.txt");
}

TEST(Defaults, CaptionsDependOnTheAnalysisKind) {
    EXPECT_EQ(MainDialogCaption(13), "Corvandell Beak, Main Dialog");
    EXPECT_EQ(MainDialogCaption(7), "Corvandell, Main Dialog");
    EXPECT_EQ(DefaultCaptions(6)[2], "Temp.       ");
    EXPECT_EQ(DefaultCaptions(13), DefaultCaptions(0));
}

}  // namespace
}  // namespace corv
