// Start and the setup file facing devices, numbers at the limits of a double and dates
// beyond the calendar: a message naming the problem, never a hang, NaN or bare error.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <sstream>

#include "BinaryFileTestSupport.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "files/ChannelExport.h"
#include "files/HeaderMarker.h"
#include "files/StartSequence.h"
#include "files/TextImport.h"
#include "settings/SetupFile.h"
#include "settings/SetupLineReader.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::HeaderText;
using test::MakeState;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> Messages(const RecordingUiPort& ui) {
    std::vector<std::string> m;
    for (const auto& e : ui.Events())
        if (e.kind == UiEvent::Kind::Message) m.push_back(e.text);
    return m;
}

// A binary channel file with a header whose coefficients and date are given.
void BinaryChannel(AppState& state, const fs::path& file, const std::string& coefficients,
                   const std::string& date, const std::string& caption = "Depth") {
    WriteFile(file, HeaderText({std::string("0720\t ") + kHeaderMarker, caption, coefficients, date,
                                "1000"}) +
                        std::string(200, '\1'));
    ChannelRecord& r = state.store.Rec(0);
    r.NameIn = file.string();
    r.ColumnValue = 0;
    r.ReadHeader = 'Y';
}

TEST(HostileInput, DevicesAreRefusedByNameAndNeverReadToTheirEnd) {
    RecordingUiPort ui;
    auto state = MakeState(ui);
    state->store.Rec(0).NameIn = "/dev/zero";
    state->store.Rec(0).ColumnValue = 2;
    EXPECT_EQ(RunStart(*state, ui), StartOutcome::PrepareFailed);
    EXPECT_EQ(Messages(ui), std::vector<std::string>{" Not a regular file: /dev/zero"});

    EXPECT_FALSE(HasSetupHeader("/dev/zero"));
    const SetupReadResult r = ReadSetupFileChecked(*state, "/dev/zero");
    EXPECT_EQ(r.status, SetupReadStatus::NotRegular);
    EXPECT_EQ(r.reason, "/dev/zero is not a regular file");
    EXPECT_FALSE(WriteSetupFile(*state, "/dev/zero"));
    EXPECT_FALSE(WriteSetupFile(*state, "/dev/full"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(HostileInput, SetupFilesAreReadInBoundedMemory) {
    TempDir dir;
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corv");
    WriteFile(dir / "big.set",
              std::string(kSetupHeader) + "\r\n" + std::string(kSetupFileLimit, '\n'));
    const SetupReadResult r = ReadSetupFileChecked(*state, dir / "big.set");
    EXPECT_EQ(r.status, SetupReadStatus::ReadFailed);
    EXPECT_NE(r.reason.find("is larger than 1048576 bytes"), std::string::npos) << r.reason;
    EXPECT_THROW(ReadSetupFile(*state, dir / "big.set"), IoError);
    EXPECT_EQ(ReadSetupFileChecked(*state, dir / "none.set").status, SetupReadStatus::Missing);
    EXPECT_EQ(ReadSetupFileChecked(*state, dir.Path()).status, SetupReadStatus::NotRegular);
    WriteFile(dir / "random.set", std::string("\x8f\x01\xff\0zz", 6));
    EXPECT_EQ(ReadSetupFileChecked(*state, dir / "random.set").status,
              SetupReadStatus::NotSetupFile);
}

TEST(HostileInput, AnInvalidDateSeparatorFallsBackWithANoteAndCannotCutRows) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    WriteFile(dir / "nul.set", std::string(kSetupHeader) + "\r\nDateSep\t\0\r\nOutDlmt\t;\r\n"s);
    const SetupReadResult r = ReadSetupFileChecked(*state, dir / "nul.set");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(state->settings.DateSep, '.');
    EXPECT_EQ(state->settings.OutDlmt, ';');
    EXPECT_EQ(r.notes, std::vector<std::string>{"DateSep: not a date separator, '.' kept"});

    // Whatever separator the record holds, every row is written whole.
    ChannelRecord& c = state->store.Rec(0);
    c.SampRate = 1000;
    c.StartTime = test::kJan2020;
    c.DataCnt = 1;
    c.CoeffA = 1;
    c.CoeffB = 0;
    test::FillPattern(*state, 0, 2);
    state->store.OriginTime = test::kJan2020;
    state->store.TotalSpan = 1000;
    state->settings.DateSep = '\0';
    ASSERT_TRUE(ExportTextChannel(*state, ui, dir / "t.txt", 0, 0, 0, 1000));
    EXPECT_EQ(test::ReadFile(dir / "t.txt"),
              "Date;Time;Channel1\r\n01\0"
              "01\0"
              "2020;00:00:00.000;3\r\n"
              "01\0"
              "01\0"
              "2020;00:00:01.000;10\r\n"s);
}

TEST(HostileInput, ScalingsThatAreNotFiniteAreRefusedNamingTheChannel) {
    TempDir dir;
    {
        RecordingUiPort ui;
        auto state = MakeState(ui);
        BinaryChannel(*state, dir / "huge.bin", "1e308 1e308 -1e308", "01.01.2020 00:00:00");
        EXPECT_EQ(RunStart(*state, ui), StartOutcome::PrepareFailed);
        EXPECT_EQ(Messages(ui), std::vector<std::string>{NonFiniteScalingMessage(0)});
        EXPECT_EQ(NonFiniteScalingMessage(0),
                  " Channel 1: the value range is too large, the scaling is not a finite number.");
    }
    {
        RecordingUiPort ui;
        auto state = MakeState(ui);
        WriteFile(dir / "huge.txt", "1.7e308\n-1.7e308\n0\n");
        ChannelRecord& r = state->store.Rec(1);
        r.NameIn = (dir / "huge.txt").string();
        r.ColumnValue = 1;
        r.AutoScale = 'Y';
        EXPECT_EQ(RunStart(*state, ui), StartOutcome::LoadFailed);
        EXPECT_EQ(Messages(ui)[0], NonFiniteScalingMessage(1));
    }
    // The setup writer never writes a number that does not read back.
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corv");
    state->store.Rec(0).CoeffA = INFINITY;
    state->store.Rec(0).Min = -INFINITY;
    state->store.Rec(0).Max = NAN;
    std::ostringstream text;
    WriteSetupText(*state, text);
    EXPECT_EQ(text.str().find("INF"), std::string::npos);
    EXPECT_EQ(text.str().find("NAN"), std::string::npos);
    EXPECT_NE(text.str().find("CoeffA\t0\t 1.79769313486231E+0308\r\n"), std::string::npos);
    EXPECT_NE(text.str().find("Min\t0\t-1.79769313486231E+0308\r\n"), std::string::npos);
    EXPECT_NE(text.str().find("Max\t0\t 0.00000000000000E+0000\r\n"), std::string::npos);
    ASSERT_TRUE(WriteSetupFile(*state, dir / "s.set"));
    auto loaded = std::make_unique<AppState>();
    ASSERT_TRUE(ReadSetupFile(*loaded, dir / "s.set"));
    EXPECT_TRUE(std::isfinite(loaded->store.Rec(0).CoeffA));
    EXPECT_GT(loaded->store.Rec(0).CoeffA, 1.79e308);
}

TEST(HostileInput, HeaderDatesBeyondTheCalendarAndCaptionsCutInsideACharacter) {
    TempDir dir;
    RecordingUiPort ui;
    auto state = MakeState(ui);
    const std::string ones = FormatSci23(0) + FormatSci23(1) + FormatSci23(0);
    BinaryChannel(*state, dir / "y.bin", ones, "01.01.9999 00:00:00");
    try {
        ReadBinaryHeader(*state, dir / "y.bin", 0);
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid year 9999 in line 4 of the header of " +
                                             (dir / "y.bin").string() + ": outside the calendar");
    }
    // 17 ASCII characters, then a two-byte character at bytes 18 and 19: the 18th character
    // is taken whole.
    const std::string caption = std::string(17, 'a') + "\xc3\xa9" + "bc";
    BinaryChannel(*state, dir / "c.bin", ones, "01.01.2020 00:00:00", caption);
    ASSERT_TRUE(ReadBinaryHeader(*state, dir / "c.bin", 0));
    EXPECT_EQ(state->store.Rec(0).Caption, std::string(17, 'a') + "\xc3\xa9");
}

}  // namespace
}  // namespace corv
