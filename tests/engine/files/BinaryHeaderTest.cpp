#include "files/BinaryHeader.h"

#include <gtest/gtest.h>

#include "BinaryFileTestSupport.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/Times.h"

namespace corv {
namespace {

using test::HeaderLinesOf;
using test::HeaderText;
using test::MakeState;
using test::TempDir;
using test::WriteFile;

const std::string kCaption18 = "Beak opening  ch.1";  // exactly 18 characters

// Four-digit years are written by the header writer test; these are the other forms.
TEST(BinaryHeader, FormatsAndParsesLongAndShortDateForms) {
    EXPECT_EQ(PadLine70(std::string(75, 'x')), std::string(70, 'x'));
    EXPECT_EQ(FormatHeaderDateTime(TimeParts{5, 1, 9, 0, 0, 0, 0}, '/'), "09/01/05 00:00:00");
    EXPECT_EQ(FormatHeaderDateTime(TimeParts{0, 1, 1, 0, 0, 0, 0}, '.'), "   ");
    EXPECT_EQ(FormatHeaderDateTime(TimeParts{2026, 0, 1, 0, 0, 0, 0}, '.'), "   ");

    HeaderDateTime d = ParseHeaderDateTime("05.12.2026 14:03:07" + std::string(51, ' '));
    EXPECT_FALSE(d.error);
    EXPECT_EQ(std::vector<int>({d.year, d.month, d.day, d.hour, d.minute, d.second}),
              std::vector<int>({2026, 12, 5, 14, 3, 7}));

    d = ParseHeaderDateTime("05/12/26 14-03-07");  // short form, separators not checked
    EXPECT_FALSE(d.error);
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.hour, 14);
    EXPECT_EQ(d.second, 7);
    EXPECT_EQ(ParseHeaderDateTime("01.01.50 00:00:00").year, 1950);
    EXPECT_EQ(ParseHeaderDateTime("01.01.49 00:00:00").year, 2049);
    EXPECT_EQ(ParseHeaderDateTime("01.01.0085 00:00:00").year, 1985);

    for (const char* bad : {"32.12.2026 14:03:07", "05.13.2026 14:03:07", "05.00.2026 14:03:07",
                            "05.12.2026 24:03:07", "05.12.2026 14:60:07", "05.12.2026 14:03:60",
                            "ab.12.2026 14:03:07", "05.12.2026", "   ", ""})
        EXPECT_TRUE(ParseHeaderDateTime(bad).error) << bad;
}

TEST(BinaryHeader, ReadsHeaderFieldsAndDerivesTheRange) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    const std::string comment = std::string(60, 'a') + std::string(10, 'b') + std::string(30, 'c');
    const std::string line3 = FormatSci23(-5) + FormatSci23(0.01) + FormatSci23(0);
    ASSERT_EQ(line3[0], '-');
    WriteFile(dir / "a.bin", HeaderText({"CV file info", kCaption18 + "ignored", line3,
                                         "05.12.2026 14:03:07", "1000", "06.12.2026 00:00:00", "",
                                         "", comment.substr(0, 70), comment.substr(70)}) +
                                 std::string(20, '\0'));

    ASSERT_TRUE(ReadBinaryHeader(*state, dir / "a.bin", 1));
    const ChannelRecord& r = state->store.Rec(1);
    EXPECT_EQ(r.Caption, kCaption18);
    EXPECT_EQ(r.StartTime, PartsToTime(2026, 12, 5, 14, 3, 7));
    EXPECT_EQ(state->store.ChannelComment[1], comment);
    EXPECT_DOUBLE_EQ(r.Min, -5);
    EXPECT_DOUBLE_EQ(r.Max, 65535 * 0.01 - 5);
    EXPECT_DOUBLE_EQ(r.LowRng, r.Min);
    EXPECT_DOUBLE_EQ(r.HighRng, r.Max);
    EXPECT_EQ(state->store.Rec(0).Caption, "Channel1          ");  // other channels untouched
}

TEST(BinaryHeader, SeparatesCoefficientsKeepsCommentsAndRefusesMalformedHeaders) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    struct Case {
        std::string line3;
        double b, a, c;
    };
    const Case cases[] = {
        {FormatSci23(-5) + FormatSci23(-0.01) + FormatSci23(-2e-9), -5, -0.01, -2e-9},
        {"  -5   0,25 0", -5, 0.25, 0},
        {"1.5E+0000-2.5E-0001-3", 1.5, -0.25, -3},
    };
    for (const Case& k : cases) {
        WriteFile(dir / "h.bin",
                  HeaderText({"CV file info", "x", k.line3, "01.01.2020 00:00:00", "8"}));
        ASSERT_TRUE(ReadBinaryHeader(*state, dir / "h.bin", 0)) << k.line3;
        const ChannelRecord& r = state->store.Rec(0);
        EXPECT_DOUBLE_EQ(r.CoeffB, k.b) << k.line3;
        EXPECT_DOUBLE_EQ(r.CoeffA, k.a) << k.line3;
        EXPECT_DOUBLE_EQ(r.CoeffC, k.c) << k.line3;
        EXPECT_EQ(r.SampRate, 8);
    }

    // Comments keep their length; an empty one becomes one blank.
    using Comment = std::pair<std::string, std::string>;  // line 9, comment read
    for (const auto& [line9, expected] : {Comment{std::string(70, 'z'), std::string(70, 'z')},
                                          Comment{"  note  ", "  note"}, Comment{"", " "}}) {
        WriteFile(dir / "c.bin", HeaderText({"CV file info", "x", "0 1 0", "01.01.2020 00:00:00",
                                             "8", "", "", "", line9, ""}));
        ASSERT_TRUE(ReadBinaryHeader(*state, dir / "c.bin", 2));
        EXPECT_EQ(state->store.ChannelComment[2], expected);
    }

    // Without the marker or with malformed numbers nothing is taken.
    const ChannelRecord before = state->store.Rec(0);
    WriteFile(dir / "n.bin",
              HeaderText({"xx CV file info", "x", "0 1 0", "01.01.2020 00:00:00", "8"}));
    EXPECT_FALSE(ReadBinaryHeader(*state, dir / "n.bin", 0));
    EXPECT_FALSE(ReadBinaryHeader(*state, dir / "missing.bin", 0));
    EXPECT_EQ(state->store.Rec(0).Caption, before.Caption);
    EXPECT_EQ(state->store.Rec(0).SampRate, before.SampRate);

    // Malformed numbers abandon the header and change nothing.
    for (const auto& [line3, line5] :
         {std::pair{"-5 0.01", "1000"}, std::pair{"1 2 x", "1000"},
          std::pair{"-5 0.01 0", "1000.5"}, std::pair{"-5 0.01 0", ""}}) {
        WriteFile(dir / "m.bin",
                  HeaderText({"CV file info", "new caption", line3, "05.12.2026 14:03:07", line5}));
        EXPECT_THROW(ReadBinaryHeader(*state, dir / "m.bin", 0), IoError) << line3 << line5;
        EXPECT_EQ(state->store.Rec(0).Caption, before.Caption);
        EXPECT_EQ(state->store.Rec(0).CoeffA, before.CoeffA);
    }

    // A bad date alone keeps the dialog's start time and takes the rest.
    const double dialogStart = state->store.Rec(0).StartTime;
    WriteFile(dir / "d.bin",
              HeaderText({"CV file info", "dated", "0 2 0", "15.13.2026 25:00:00", "250"}));
    ASSERT_TRUE(ReadBinaryHeader(*state, dir / "d.bin", 0));
    EXPECT_EQ(state->store.Rec(0).StartTime, dialogStart);
    EXPECT_EQ(state->store.Rec(0).SampRate, 250);
    EXPECT_DOUBLE_EQ(state->store.Rec(0).CoeffA, 2);
}

TEST(BinaryHeader, WritesTenLinesOf70CharactersWithCrLf) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    ChannelRecord& r = state->store.Rec(0);
    r.Caption = kCaption18;
    r.CoeffB = -5;
    r.CoeffA = -0.01;
    r.CoeffC = 0;
    r.SampRate = 40;
    r.StartTime = PartsToTime(2026, 12, 5, 14, 3, 7);
    state->settings.DateSep = '/';
    state->store.ChannelComment[0] = std::string(70, 'p') + "q\r\nr";

    ASSERT_TRUE(WriteBinaryHeader(*state, dir / "w.bin", 0, 0, 0));
    const std::string bytes = test::ReadFile(dir / "w.bin");
    ASSERT_EQ(bytes.size(), 720u);
    for (size_t k = 0; k < 10; ++k) EXPECT_EQ(bytes.substr(k * 72 + 70, 2), "\r\n");
    const auto lines = HeaderLinesOf(bytes);
    EXPECT_EQ(lines[0], PadLine70("0720\t CV file info"));
    EXPECT_EQ(lines[1], PadLine70(kCaption18));
    EXPECT_EQ(lines[2], PadLine70("-5.00000000000000E+0000-1.00000000000000E-0002 "
                                  "0.00000000000000E+0000"));
    EXPECT_EQ(lines[3], PadLine70("05/12/2026 14:03:07"));
    EXPECT_EQ(lines[4], PadLine70("40"));
    EXPECT_EQ(lines[5], lines[3]);
    EXPECT_EQ(lines[6], PadLine70("Milliseconds 0"));
    EXPECT_EQ(lines[8], std::string(70, 'p'));
    EXPECT_EQ(lines[9], PadLine70("q  r"));  // line breaks in a comment cannot break the layout

    EXPECT_FALSE(WriteBinaryHeader(*state, dir / "no-such-folder" / "w.bin", 0, 0, 0));
}

}  // namespace
}  // namespace corv
