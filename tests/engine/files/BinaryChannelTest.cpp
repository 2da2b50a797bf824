#include "files/BinaryChannel.h"

#include <gtest/gtest.h>

#include "BinaryFileTestSupport.h"
#include "files/HeaderMarker.h"

namespace corv {
namespace {

using test::HeaderText;
using test::MakeState;
using test::Pattern;
using test::PatternRun;
using test::SampleBytes;
using test::TempDir;
using test::WriteFile;

// Points channel c at a file and loads it.
int Load(AppState& state, RecordingUiPort& ui, int c, const std::filesystem::path& file) {
    state.store.Rec(c).NameIn = file.string();
    state.store.ChannelPresent[static_cast<size_t>(c)] = true;
    return LoadBinaryChannel(state, ui, c);
}

TEST(BinaryChannel, LoadsWithAndWithoutHeaderAndReportsAMissingFile) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    ChannelRecord& r = state->store.Rec(1);
    r.SampRate = 10;
    r.StartTime = 1000;
    r.CorrSmpDelay = 3;

    // 1001 bytes: the odd last byte is no sample.
    WriteFile(dir / "plain.bin", SampleBytes(PatternRun(0, 500, 1)) + "\x7F");
    EXPECT_EQ(Load(*state, ui, 1, dir / "plain.bin"), 0);
    // DataCnt and EndTime belong to the last sample loaded.
    EXPECT_EQ(r.DataCnt, 3 + 499);
    EXPECT_EQ(r.EndTime, 1000 + 499 * 10);
    EXPECT_EQ(state->store.GetRaw(3, 1), Pattern(0, 1));
    EXPECT_EQ(state->store.GetRaw(3 + 499, 1), Pattern(499, 1));

    // With the marker the first 720 bytes are skipped, whatever the header holds.
    WriteFile(dir / "head.bin",
              HeaderText({"0720\t CV file info"}) + SampleBytes(PatternRun(100, 600, 1)));
    r.CorrSmpDelay = 0;
    EXPECT_EQ(Load(*state, ui, 1, dir / "head.bin"), 0);
    EXPECT_EQ(r.DataCnt, 499);
    EXPECT_EQ(state->store.GetRaw(0, 1), Pattern(100, 1));
    EXPECT_EQ(state->store.GetRaw(499, 1), Pattern(599, 1));
    EXPECT_TRUE(ui.Messages().empty());

    // A missing file fails; an absent channel is skipped.
    EXPECT_EQ(Load(*state, ui, 0, dir / "gone.bin"), 1);
    EXPECT_FALSE(state->store.ChannelPresent[0]);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0], kCantOpenPrefix + (dir / "gone.bin").string());

    state->store.ChannelPresent[2] = false;
    state->store.Rec(2).NameIn = (dir / "gone.bin").string();
    EXPECT_EQ(LoadBinaryChannel(*state, ui, 2), 0);
    EXPECT_EQ(ui.Messages().size(), 1u);
}

TEST(BinaryChannel, StopsOnePieceShortOfTheCapacity) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    const int32_t limit = state->store.MaxSamples - 1024;  // 6 552 576
    std::vector<uint16_t> all(static_cast<size_t>(state->store.MaxSamples));
    for (size_t p = 0; p < all.size(); ++p) all[p] = Pattern(static_cast<int64_t>(p), 2);
    WriteFile(dir / "full.bin", SampleBytes(all));  // 13 107 200 bytes

    EXPECT_EQ(Load(*state, ui, 2, dir / "full.bin"), 0);
    const ChannelRecord& r = state->store.Rec(2);
    EXPECT_EQ(r.DataCnt, limit - 1);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{" Cannot load entire bin. file. "});
    // Every block of the channel, the last loaded word and the first one after it.
    for (int32_t p : {0, 16383, 16384, 3 * 16384 + 5, limit - 1})
        EXPECT_EQ(*state->store.BankWord(2, p), Pattern(p, 2)) << p;
    EXPECT_NE(*state->store.BankWord(2, limit), Pattern(limit, 2));
    EXPECT_EQ(r.EndTime, r.StartTime + (limit - 1.0) * r.SampRate);

    // A file that ends exactly at the limit loads whole, without the message.
    ui.Clear();
    all.resize(static_cast<size_t>(limit));
    WriteFile(dir / "limit.bin", SampleBytes(all));
    EXPECT_EQ(Load(*state, ui, 2, dir / "limit.bin"), 0);
    EXPECT_EQ(r.DataCnt, limit - 1);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(BinaryChannel, WritesChunksFromTheRightBlocks) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    for (int c = 0; c < 3; ++c) test::FillPattern(*state, c, 40000);

    ASSERT_TRUE(WriteBinaryBody(*state, dir / "a.bin", 0, 1500, 'O', 1));
    EXPECT_EQ(test::ReadFile(dir / "a.bin"), SampleBytes(PatternRun(0, 1500, 1)));

    // Across a bank border, appended after what is there.
    ASSERT_TRUE(WriteBinaryBody(*state, dir / "a.bin", 16380, 16390, 'A', 1));
    EXPECT_EQ(test::ReadFile(dir / "a.bin"),
              SampleBytes(PatternRun(0, 1500, 1)) + SampleBytes(PatternRun(16380, 16390, 1)));

    // Overwrite; a longer stretch over several borders; an empty stretch.
    ASSERT_TRUE(WriteBinaryBody(*state, dir / "a.bin", 15000, 34000, 'O', 2));
    EXPECT_EQ(test::ReadFile(dir / "a.bin"), SampleBytes(PatternRun(15000, 34000, 2)));
    ASSERT_TRUE(WriteBinaryBody(*state, dir / "a.bin", 10, 10, 'O', 2));
    EXPECT_EQ(test::ReadFile(dir / "a.bin"), "");
    // Append creates a missing file.
    ASSERT_TRUE(WriteBinaryBody(*state, dir / "new.bin", 0, 2, 'A', 0));
    EXPECT_EQ(test::ReadFile(dir / "new.bin"), SampleBytes(PatternRun(0, 2, 0)));

    EXPECT_FALSE(WriteBinaryBody(*state, dir / "no-such-folder" / "x.bin", 0, 10, 'O', 0));
}

}  // namespace
}  // namespace corv
