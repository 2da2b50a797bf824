#include "files/ChannelExport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "BinaryFileTestSupport.h"
#include "core/Times.h"
#include "files/BinaryChannel.h"

namespace corv {
namespace {

using test::HeaderLinesOf;
using test::MakeState;
using test::PatternRun;
using test::SampleBytes;
using test::TempDir;

constexpr double kOrigin = test::kJan2020;

// Channel c with 1 s samples from the origin on, `samples` of them loaded as the binary
// loader leaves them (DataCnt one past the last sample).
void SetUpChannel(AppState& state, int c, int32_t samples, int32_t delay = 0) {
    ChannelRecord& r = state.store.Rec(c);
    r.SampRate = 1000;
    r.CorrSmpDelay = delay;
    r.StartTime = kOrigin + delay * 1000.0;
    r.DataCnt = delay + samples - 1;  // the index of the last sample
    r.ReadHeader = 'N';
    test::FillPattern(state, c, samples);
    state.store.OriginTime = kOrigin;
    state.store.TotalSpan = std::max(state.store.TotalSpan, r.DataCnt * 1000.0);
    state.ChannelModified[static_cast<size_t>(c)] = true;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

TEST(ChannelExport, SectionEntireChannelAndAChannelThatStartsLater) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 0, 100);  // DataCnt 99
    // The entire channel includes its last sample, index 99.
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "e.ex1", 0, 0, state->store.TotalSpan));
    EXPECT_EQ(test::ReadFile(dir / "e.ex1"), SampleBytes(PatternRun(0, 100, 0)));
    EXPECT_FALSE(state->ChannelModified[0]);

    // The section between the cursors, with a header.
    state->store.Rec(0).ReadHeader = 'Y';
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "s.ex1", 0, 10000, 20000));
    std::string bytes = test::ReadFile(dir / "s.ex1");
    ASSERT_EQ(bytes.size(), 720u + 20u);
    EXPECT_EQ(bytes.substr(720), SampleBytes(PatternRun(10, 20, 0)));
    EXPECT_EQ(HeaderLinesOf(bytes)[3], PadLine70("01.01.2020 00:00:10"));
    EXPECT_EQ(HeaderLinesOf(bytes)[5], PadLine70("01.01.2020 00:00:20"));
    EXPECT_TRUE(ui.Events().empty());

    // Channel 1 starts 5 s after the origin; the section begins at 2 s, before its data.
    SetUpChannel(*state, 1, 50, 5);
    state->store.Rec(1).ReadHeader = 'Y';
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "d.ex2", 1, 2000, 12000));
    bytes = test::ReadFile(dir / "d.ex2");
    EXPECT_EQ(bytes.substr(720), SampleBytes(PatternRun(0, 7, 1)));
    // The header gives the time of the first sample written, so the file loads in place.
    EXPECT_EQ(HeaderLinesOf(bytes)[3], PadLine70("01.01.2020 00:00:05"));
    EXPECT_EQ(HeaderLinesOf(bytes)[5], PadLine70("01.01.2020 00:00:12"));

    // The end is limited to the time axis and to the channel's data, whose last sample
    // (position 49) a stretch to the end of the recording includes.
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "d.ex2", 1, 50000, 1e12));
    EXPECT_EQ(test::ReadFile(dir / "d.ex2").substr(720), SampleBytes(PatternRun(45, 50, 1)));
}

TEST(ChannelExport, RefusesPolynomialAndReportsFailure) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 2, 10);
    state->folders.HelpFolder = (dir / "help" / "").string();
    state->store.Rec(2).bApplyPolynom = 1;
    EXPECT_FALSE(ExportBinaryChannel(*state, ui, dir / "p.ex3", 2, 0, 10000));
    ASSERT_EQ(ui.Events().size(), 1u);
    EXPECT_EQ(ui.Events()[0].kind, UiEvent::Kind::Help);
    EXPECT_EQ(ui.Events()[0].text, (dir / "help" / "cve05.rtf").generic_string());
    EXPECT_FALSE(std::filesystem::exists(dir / "p.ex3"));

    ui.Clear();
    state->store.Rec(2).bApplyPolynom = 0;
    for (char header : {'N', 'Y'}) {
        state->store.Rec(2).ReadHeader = header;
        EXPECT_FALSE(ExportBinaryChannel(*state, ui, dir / "no-folder" / "p.ex3", 2, 0, 10000));
    }
    EXPECT_EQ(ui.Messages(), std::vector<std::string>(2, " Error. Cannot export to file."));
    EXPECT_TRUE(state->ChannelModified[2]);
}

TEST(ChannelExport, OwnExportLoadsBackWithItsHeader) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 0, 300);
    ChannelRecord& r = state->store.Rec(0);
    r.ReadHeader = 'Y';
    r.Caption = "Depth [m]";
    r.CoeffA = -0.25;
    r.CoeffB = 12.5;
    r.SampRate = 250;
    state->store.TotalSpan = 300 * 250.0;
    const std::string comment = std::string(99, 'k') + "!";
    state->store.ChannelComment[0] = comment;
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "o.ex1", 0, 25000, 50000));

    auto back = MakeState(ui);
    ChannelRecord& b = back->store.Rec(1);
    b.NameIn = (dir / "o.ex1").string();
    ASSERT_TRUE(ReadBinaryHeader(*back, dir / "o.ex1", 1));
    EXPECT_EQ(b.Caption, PadLine70("Depth [m]").substr(0, 18));
    EXPECT_DOUBLE_EQ(b.CoeffA, -0.25);
    EXPECT_DOUBLE_EQ(b.CoeffB, 12.5);
    EXPECT_EQ(b.SampRate, 250);
    EXPECT_EQ(b.StartTime, kOrigin + 25000);
    EXPECT_EQ(back->store.ChannelComment[1], comment);
    ASSERT_EQ(LoadBinaryChannel(*back, ui, 1), 0);
    EXPECT_EQ(b.DataCnt, 99);
    EXPECT_EQ(back->store.GetRaw(0, 1), test::Pattern(100, 0));
    EXPECT_EQ(back->store.GetRaw(99, 1), test::Pattern(199, 0));
}

TEST(ChannelExport, SectionStartingBetweenWholeSecondsReloadsInPlace) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 0, 300);
    ChannelRecord& r = state->store.Rec(0);
    r.ReadHeader = 'Y';
    r.SampRate = 100;
    state->store.TotalSpan = 300 * 100.0;
    ASSERT_TRUE(ExportBinaryChannel(*state, ui, dir / "o.ex1", 0, 1250, 5000));
    EXPECT_EQ(HeaderLinesOf(test::ReadFile(dir / "o.ex1"))[6], PadLine70("Milliseconds 200"));

    auto back = MakeState(ui);
    ASSERT_TRUE(ReadBinaryHeader(*back, dir / "o.ex1", 1));
    EXPECT_EQ(back->store.Rec(1).StartTime, kOrigin + 1200);  // sample 12, not second 1
    // A header from elsewhere, with line 7 blank, reads whole seconds as before.
    std::string bytes = test::ReadFile(dir / "o.ex1");
    bytes.replace(6 * 72, 70, std::string(70, ' '));
    test::WriteFile(dir / "plain.bin", bytes);
    ASSERT_TRUE(ReadBinaryHeader(*back, dir / "plain.bin", 1));
    EXPECT_EQ(back->store.Rec(1).StartTime, kOrigin + 1000);
}

TEST(ChannelExport, TextTableOfOneChannel) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 0, 10, 2);
    ChannelRecord& r = state->store.Rec(0);
    r.Caption = "  Depth;m  ";
    r.CoeffA = 0.5;
    r.CoeffB = -1;
    state->settings.OutDlmt = ';';
    state->settings.DateSep = '/';
    ASSERT_TRUE(ExportTextChannel(*state, ui, dir / "t.txt", 0, 0, 0, 5000));
    // Rows start at the channel's first sample (index 2) and end before 5 s.
    EXPECT_EQ(
        Lines(test::ReadFile(dir / "t.txt")),
        (std::vector<std::string>{"Date;Time;Depth m", "01/01/2020;00:00:02.000;0.5",
                                  "01/01/2020;00:00:03.000;4", "01/01/2020;00:00:04.000;7.5"}));
    EXPECT_FALSE(ExportTextChannel(*state, ui, dir / "no-folder" / "t.txt", 0, 0, 0, 5000));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{" Error. Cannot export to file."});
}

TEST(ChannelExport, TextTableOfAllChannelsOnACommonAxis) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    SetUpChannel(*state, 0, 8);
    SetUpChannel(*state, 1, 3, 1);
    state->store.Rec(0).SampRate = 500;   // samples at 0 .. 3.5 s
    state->store.Rec(1).SampRate = 2000;  // samples at 2, 4 and 6 s
    state->store.Rec(0).Caption = "Beak";
    state->store.Rec(1).Caption = "";
    state->store.ChannelPresent[2] = false;
    state->store.TotalSpan = 8000;

    ASSERT_TRUE(ExportTextChannel(*state, ui, dir / "all.txt", 0, 1, 0, state->store.TotalSpan));
    const auto lines = Lines(test::ReadFile(dir / "all.txt"));
    ASSERT_EQ(lines.size(), 18u);  // half-second rows up to the end of the recording at 8 s
    EXPECT_EQ(lines[0], "Date\tTime\tBeak\tChannel2");
    EXPECT_EQ(lines[1], "01.01.2020\t00:00:00.000\t3\t");
    EXPECT_EQ(lines[2], "01.01.2020\t00:00:00.500\t10\t");
    EXPECT_EQ(lines[5], "01.01.2020\t00:00:02.000\t31\t1003");
    EXPECT_EQ(lines[6], "01.01.2020\t00:00:02.500\t38\t");
    EXPECT_EQ(lines[9], "01.01.2020\t00:00:04.000\t\t1010");
    EXPECT_EQ(lines[13], "01.01.2020\t00:00:06.000\t\t1017");
    EXPECT_EQ(lines[16], "01.01.2020\t00:00:07.500\t\t");
    EXPECT_EQ(lines[17], "01.01.2020\t00:00:08.000\t\t");
}

}  // namespace
}  // namespace corv
