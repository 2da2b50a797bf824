#include "settings/SetupFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <utility>
#include <variant>
#include <vector>

#include "TestSupport.h"
#include "core/Errors.h"
#include "settings/Defaults.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::unique_ptr<AppState> DefaultState() {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, fs::path("/opt/corv") / "corvandell");
    return state;
}

std::string SetupText(const AppState& state) {
    std::ostringstream out;
    WriteSetupText(state, out);
    return out.str();
}

// The default file, line by line from the key tables.
TEST(SetupFile, DefaultFileHasExactBytes) {
    const auto state = DefaultState();
    const std::string text = SetupText(*state);
    // The reviewed bytes of the default file, kept as a fixture.
    EXPECT_EQ(text, ReadFile(test::FixturesDir() / "default-setup.cfg"));

    TempDir dir;
    const fs::path file = dir / "setup.txt";
    ASSERT_TRUE(WriteSetupFile(*state, file));
    EXPECT_EQ(ReadFile(file), text);
    EXPECT_FALSE(fs::exists(dir / "setup.txt.corvtmp"));
}

using FieldValue = std::variant<std::string, int64_t, double>;

std::vector<std::pair<std::string, FieldValue>> Fields(const ChannelRecord& r) {
    std::vector<std::pair<std::string, FieldValue>> fields;
    ForEachField(r, [&](const char* name, const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, double>)
            fields.emplace_back(name, v);
        else
            fields.emplace_back(name, static_cast<int64_t>(v));
    });
    return fields;
}

TEST(SetupFile, NonDefaultValuesSurviveARoundTrip) {
    auto saved = DefaultState();
    ChannelRecord& r = saved->store.Rec(1);
    r.NameIn = "/data/penguin 7/beak.bin";
    r.Caption = "Beak opening";
    r.SampRate = 40;
    r.DataCnt = 123456;
    r.StartTime = 634567890123.0;
    r.EndTime = 634567999999.5;
    r.SmpDelay = -3;
    r.GrRepr = 9;
    r.ToCreate = 1;
    r.Min = -0.1;
    r.Max = 1.5e300;
    r.CoeffA = 2.44140625e-5;
    r.CoeffB = -273.15;
    r.CoeffC = 1e-310;  // subnormal
    r.UsrCoeffA = 0.001;
    r.HighRng = 4095.5;
    r.WndSze = 10;
    r.KindEqu = 'A';
    r.ColumnValue = 3;
    r.HeaderText = 12;
    r.InDelimiter = ' ';
    r.Derivation = 1;
    r.GridDist = 0.25;
    r.RunMean = 7;
    r.a0 = 1.25;
    r.b5 = -9.87654321012345e-7;
    r.bSet = 1;
    r.bApplyPolynom = 1;
    r.MissingValues = kKeepTimeStep;
    Settings& s = saved->settings;
    s.ColourTable[3].value = 0x80000005;  // a system colour, negative as a signed number
    s.StartCoordLon = -12.5;
    s.GraphFontSize = 11;
    s.Beak.WindowSize = 150;
    s.Beak.DiveSlope = -0.05;
    s.CommSampInterval = 0.5;
    s.StatisticsFileName = "stats.sta";
    s.NameOutFile[2] = "out3.txt";
    s.OutDlmt = ';';
    s.DateSep = '-';
    s.SubsidLines[2][9] = {-17.75, 1};

    TempDir dir;
    const fs::path file = dir / "round.set";
    ASSERT_TRUE(WriteSetupFile(*saved, file));
    auto loaded = DefaultState();
    ASSERT_TRUE(ReadSetupFile(*loaded, file));

    const auto savedFields = Fields(saved->store.Rec(1));
    const auto loadedFields = Fields(loaded->store.Rec(1));
    ASSERT_EQ(loadedFields.size(), savedFields.size());
    for (size_t i = 0; i < savedFields.size(); ++i)
        EXPECT_TRUE(loadedFields[i].second == savedFields[i].second) << savedFields[i].first;
    // The settings outside the records: the whole text must come back.
    EXPECT_EQ(SetupText(*loaded), SetupText(*saved));
    // The rule for missing values is written for the channel that differs from the default.
    EXPECT_NE(SetupText(*saved).find("\r\nbApplyPolynom\t1\t1\r\nMissingValues\t1\t1\r\n"),
              std::string::npos);
    EXPECT_EQ(SetupText(*saved).find("MissingValues\t0"), std::string::npos);
}

// A file holding the header lines and the given key lines.
std::string SetupWith(const std::string& lines) {
    return std::string(kSetupHeader) + "\r\n" + kSetupRelease + "\r\n" + lines;
}

TEST(SetupFile, ReaderToleratesAndSkipsMalformedLines) {
    TempDir dir;
    const fs::path file = dir / "t.set";
    WriteFile(file, SetupWith("SampRate\t1\t2 000\r\n"
                              "CoeffA\t0\t0,5\r\n"
                              "GrRepr\t0\t300\r\n"
                              "GrRepr\t1\t-1\r\n"
                              "WndSze\t2\t7\r\n"
                              "Caption\t2\tABCDEFGHIJKLMNOPQRSTUVWXY\r\n"
                              "Color\t17\t255\tx\r\n"
                              "Color\t16\t12 345\tignored name\r\n"
                              "SampRate\t5\t100\r\n"
                              "SampRate\t0\t1000.0\r\n"
                              "DataCnt\t0\t\r\n"
                              "DataCnt\t2\t1 2 3\r\n"
                              "CoeffB\t1\t1,5,0\r\n"
                              "Max\t1\t99\textra field\r\n"
                              "samprate\t0\t5\r\n"
                              "Caption\t1\t\r\n"
                              "NameIn\t1\t\r\n"
                              "name_out_file\t\r\n"
                              "subsidline\t1\t10\t1\t1\r\n"
                              "subsidline\t1\t4\t2,5\tx\r\n"
                              "subsidline\t0\t9\t-3\t1\r\n"
                              "NameOutFile\t3\tfar.txt\r\n"
                              "Beak WndPnts\t 1 500 \r\n"
                              "Beak BeakThr\t0,75\r\n"
                              "InDelimiter\t0\t\t\r\n"
                              "InDelimiter\t1\t \r\n"
                              "OutDlmt\t\t\r\n"
                              "just some words\r\n"
                              "\r\n"));
    auto state = DefaultState();
    state->store.Rec(1).yOffset = 3;
    ASSERT_TRUE(ReadSetupFile(*state, file));
    const ChannelStore& st = state->store;
    EXPECT_EQ(st.Rec(1).SampRate, 2000);
    EXPECT_EQ(st.Rec(0).CoeffA, 0.5);
    EXPECT_EQ(st.Rec(0).GrRepr, 0);
    EXPECT_EQ(st.Rec(1).GrRepr, 0);
    EXPECT_EQ(st.Rec(2).WndSze, 7);
    EXPECT_EQ(st.Rec(2).Caption, "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(state->settings.ColourTable[16].value, 12345u);
    EXPECT_EQ(state->settings.ColourTable[16].name, "Tags");
    EXPECT_EQ(st.Rec(0).SampRate, 1000);
    EXPECT_EQ(st.Rec(0).DataCnt, 0);
    EXPECT_EQ(st.Rec(2).DataCnt, 123);
    EXPECT_EQ(st.Rec(1).CoeffB, 0);
    EXPECT_EQ(st.Rec(1).Max, 99);
    EXPECT_EQ(st.Rec(1).Caption, "Channel2          ");
    EXPECT_EQ(st.Rec(1).NameIn, "");
    EXPECT_EQ(state->settings.StatisticsFileName, "events.txt");
    EXPECT_EQ(state->settings.SubsidLines[1][4].value, 0);
    EXPECT_EQ(state->settings.SubsidLines[0][9].value, -3);
    EXPECT_EQ(state->settings.SubsidLines[0][9].shown, 1);
    EXPECT_EQ(state->settings.Beak.WindowSize, 1500);
    EXPECT_EQ(state->settings.Beak.BeakThreshold, 0.75);
    EXPECT_EQ(st.Rec(0).InDelimiter, '\t');
    EXPECT_EQ(st.Rec(1).InDelimiter, ' ');
    EXPECT_EQ(state->settings.OutDlmt, '\t');
    EXPECT_EQ(st.Rec(1).yOffset, 0);
}

TEST(SetupFile, LineEndsAndLongLines) {
    TempDir dir;
    const fs::path file = dir / "ends.set";
    const std::string longName(2000, 'n');
    WriteFile(file, std::string(kSetupHeader) + "\n" + kSetupRelease +
                        "\rSampRate\t0\t11\nSampRate\t1\t22\rSampRate\t2\t33\r\n"
                        "NameIn\t0\t" +
                        longName +
                        "\r\nCaption\t0\tKanal \xC3\xA4\xC3\xB6\xC3\xBC"
                        "\xC3\xA4\xC3\xB6\xC3\xBC 1234567\n"
                        "DataCnt\t0\t44");  // no line end at the end of the file
    auto state = DefaultState();
    ASSERT_TRUE(ReadSetupFile(*state, file));
    for (int c = 0; c < 3; ++c) EXPECT_EQ(state->store.Rec(c).SampRate, 11 * (c + 1));
    EXPECT_EQ(state->store.Rec(0).NameIn, std::string(1024 - 9, 'n'));
    // Eighteen characters, the two-byte letters counted once each.
    EXPECT_EQ(state->store.Rec(0).Caption,
              "Kanal \xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC 12345");
    EXPECT_EQ(state->store.Rec(0).DataCnt, 44);
}

TEST(SetupFile, HeaderOnlyFileKeepsSettingsButZeroesBaselines) {
    TempDir dir;
    const fs::path file = dir / "empty.set";
    WriteFile(file, SetupWith(""));
    auto state = DefaultState();
    state->store.Rec(0).SampRate = 77;
    state->settings.DateSep = '/';
    for (auto& r : state->store.Channel) r.yOffset = 1.5;
    ASSERT_TRUE(ReadSetupFile(*state, file));
    EXPECT_EQ(state->store.Rec(0).SampRate, 77);
    EXPECT_EQ(state->settings.DateSep, '/');
    for (const auto& r : state->store.Channel) EXPECT_EQ(r.yOffset, 0);
}

TEST(SetupFile, ForeignFilesAreNeitherReadNorOverwrittenAndFailedWritesKeepTheOldFile) {
    TempDir dir;
    const fs::path foreign = dir / "$VM3bk$.&&&";
    const std::string bytes = "Corvandell Setup File \r\nSampRate\t0\t5\r\n";  // trailing blank
    WriteFile(foreign, bytes);
    auto state = DefaultState();
    state->store.Rec(0).yOffset = 2;
    EXPECT_FALSE(ReadSetupFile(*state, foreign));
    EXPECT_EQ(state->store.Rec(0).SampRate, 1000);
    EXPECT_EQ(state->store.Rec(0).yOffset, 2);
    EXPECT_FALSE(WriteSetupFile(*state, foreign));
    EXPECT_EQ(ReadFile(foreign), bytes);

    EXPECT_FALSE(ReadSetupFile(*state, dir / "missing.set"));
    EXPECT_FALSE(ReadSetupFile(*state, dir.Path()));
    EXPECT_FALSE(WriteSetupFile(*state, dir.Path()));
    EXPECT_TRUE(fs::is_directory(dir.Path()));

    WriteFile(dir / "empty", "");
    EXPECT_FALSE(WriteSetupFile(*state, dir / "empty"));
    EXPECT_EQ(fs::file_size(dir / "empty"), 0u);

    // A folder that is a regular file cannot hold anything.
    WriteFile(dir / "plain", "x");
    EXPECT_FALSE(WriteSetupFile(*state, dir / "plain" / "setup.set"));
    EXPECT_EQ(ReadFile(dir / "plain"), "x");

    // An existing setup file is replaced as a whole.
    const fs::path file = dir / "keep.set";
    state->store.Rec(0).SampRate = 250;
    ASSERT_TRUE(WriteSetupFile(*state, file));
    state->store.Rec(0).SampRate = 500;
    ASSERT_TRUE(WriteSetupFile(*state, file));
    auto loaded = DefaultState();
    ASSERT_TRUE(ReadSetupFile(*loaded, file));
    EXPECT_EQ(loaded->store.Rec(0).SampRate, 500);
}

TEST(SetupFile, TextsCannotBreakTheLineStructureAndDatesUseTheSeparator) {
    auto state = DefaultState();
    state->store.Rec(0).NameIn = "evil\r\nSampRate\t0\t5";
    state->store.Rec(1).StartTime = 1e20;  // beyond the calendar
    state->settings.DateSep = '/';
    state->store.Rec(2).StartTime = 31622400000.0 + 86400000.0 * 59 + 3723000.0;
    const std::string text = SetupText(*state);
    EXPECT_NE(text.find("NameIn\t0\tevil  SampRate\t0\t5\r\n"), std::string::npos);
    EXPECT_NE(text.find("StartTime\t1\t 1.00000000000000E+0020\t ()\r\n"), std::string::npos);
    EXPECT_NE(text.find("StartTime\t2\t 3.67237230000000E+0010\t (01/03/1982 01:02:03)\r\n"),
              std::string::npos);

    TempDir dir;
    ASSERT_TRUE(WriteSetupFile(*state, dir / "s.set"));
    auto loaded = DefaultState();
    ASSERT_TRUE(ReadSetupFile(*loaded, dir / "s.set"));
    EXPECT_EQ(loaded->store.Rec(0).SampRate, 1000);
    EXPECT_EQ(loaded->store.Rec(1).StartTime, 1e20);
}

}  // namespace
}  // namespace corv
