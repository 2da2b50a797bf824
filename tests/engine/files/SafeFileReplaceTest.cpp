// Files the program writes survive failures and concurrent writers whole.
#include "files/SafeFileReplace.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "BinaryFileTestSupport.h"
#include "FileSizeLimit.h"
#include "files/ChannelExport.h"
#include "files/HeaderMarker.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::FileSizeLimit;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

size_t FilesIn(const fs::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
    return n;
}

TEST(SafeFileReplace, ReplacesOnlyOnCommitAndLeavesNoTemporaryFile) {
    TempDir dir;
    const fs::path file = dir / "f.txt";
    WriteFile(file, "old");
    {
        SafeFileReplace out(file);
        ASSERT_TRUE(out.Open());
        ASSERT_TRUE(out.Write("new text"));
        EXPECT_EQ(ReadFile(file), "old");
    }  // abandoned
    EXPECT_EQ(ReadFile(file), "old");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
    ASSERT_TRUE(ReplaceFileContents(file, "new text"));
    EXPECT_EQ(ReadFile(file), "new text");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);

    std::string error;
    EXPECT_FALSE(ReplaceFileContents(dir / "no-folder" / "f.txt", "x", &error));
    EXPECT_NE(error.find("no-folder"), std::string::npos) << error;
    // A device is never replaced by a plain file.
    EXPECT_FALSE(ReplaceFileContents("/dev/null", "x", &error));
    EXPECT_NE(error.find("Not a regular file: /dev/null"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(SafeFileReplace, TwoWritersOfOneSetupFileLeaveOneCompleteFile) {
    TempDir dir;
    const fs::path file = dir / "shared.set";
    auto a = std::make_unique<AppState>();
    auto b = std::make_unique<AppState>();
    SetDefaults(*a, "/nonexistent/corv");
    SetDefaults(*b, "/nonexistent/corv");
    b->store.Rec(0).SampRate = 250;
    b->store.Rec(2).NameIn = std::string(3000, 'x');  // texts of different lengths
    std::ostringstream ta, tb;
    WriteSetupText(*a, ta);
    WriteSetupText(*b, tb);
    ASSERT_TRUE(WriteSetupFile(*a, file));

    for (int round = 0; round < 200; ++round) {
        std::string errors;
        auto save = [&](const AppState& s) {
            try {
                if (!WriteSetupFile(s, file)) errors += "declined;";
            } catch (const std::exception& e) {
                errors += e.what();
            }
        };
        std::thread first(save, std::cref(*a));
        std::thread second(save, std::cref(*b));
        first.join();
        second.join();
        const std::string now = ReadFile(file);
        ASSERT_TRUE(now == ta.str() || now == tb.str()) << "round " << round;
        ASSERT_EQ(errors, "") << "round " << round;
    }
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFileReplace, AFullDiskKeepsEveryOldFileByteForByte) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = test::MakeState(ui);
    ChannelRecord& r = state->store.Rec(0);
    r.SampRate = 1000;
    r.StartTime = test::kJan2020;
    r.DataCnt = 99999;
    r.ReadHeader = 'Y';
    test::FillPattern(*state, 0, 100000);
    state->store.OriginTime = test::kJan2020;
    state->store.TotalSpan = 99999000.0;
    state->store.ChannelPresent[0] = true;
    state->ChannelModified[0] = true;

    // The channel's own recording, saved over after an edit.
    const fs::path own = dir / "rec.bin";
    const std::string recording =
        test::HeaderText({std::string("0720\t ") + kHeaderMarker}) + std::string(20000, 'r');
    const fs::path table = dir / "rec.txt";
    const fs::path setup = dir / "rec.set";
    WriteFile(own, recording);
    WriteFile(table, "old table");
    ASSERT_TRUE(WriteSetupFile(*state, setup));
    const std::string setupText = ReadFile(setup);
    {
        FileSizeLimit full(4096);
        EXPECT_FALSE(ExportBinaryChannel(*state, ui, own, 0, 0, state->store.TotalSpan));
        EXPECT_FALSE(ExportTextChannel(*state, ui, table, 0, 0, 0, state->store.TotalSpan));
        state->store.Rec(1).NameIn = std::string(5000, 'n');
        EXPECT_THROW(WriteSetupFile(*state, setup), IoError);
    }
    EXPECT_EQ(ReadFile(own), recording);
    EXPECT_EQ(ReadFile(table), "old table");
    EXPECT_EQ(ReadFile(setup), setupText);
    EXPECT_TRUE(state->ChannelModified[0]) << "a failed save leaves the channel unsaved";
    EXPECT_EQ(ui.Events().size(), 2u);
    EXPECT_EQ(FilesIn(dir.Path()), 3u) << "no temporary file is left behind";

    // With room on the disk the same exports replace the files.
    EXPECT_TRUE(ExportBinaryChannel(*state, ui, own, 0, 0, state->store.TotalSpan));
    EXPECT_EQ(fs::file_size(own), 720u + 200000u);
}

}  // namespace
}  // namespace corv
