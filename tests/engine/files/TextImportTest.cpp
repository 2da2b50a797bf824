#include "files/TextImport.h"

#include <gtest/gtest.h>

#include <string>

#include "AppState.h"
#include "TestSupport.h"
#include "core/RecordingUiPort.h"

namespace corv {
namespace {

// {line, column, delimiter, outcome, number read (for kParsedNumber)}.
struct FieldCase {
    std::string line;
    int32_t column;
    char delimiter;
    uint8_t outcome;
    double value;
};

TEST(ParseColumnValue, SeparatorAndBlankModes) {
    const std::string fits = std::string(254, '0') + "7";  // 255 characters: still a number
    const FieldCase cases[] = {
        {"1;2;3", 3, ';', kParsedNumber, 3},
        {"1;2", 3, ';', kTooFewColumns, 0},
        {"1;", 3, ';', kTooFewColumns, 0},
        {"1;;3", 2, ';', kNoValue, 0},
        {"1;2 ;3", 2, ';', kNoValue, 0},  // blank inside the field
        {"1;   2;3", 2, ';', kParsedNumber, 2},
        {"  \t1.5;x  \r", 1, ';', kParsedNumber, 1.5},  // trimmed line
        {"1;abc", 2, ';', kNoValue, 0},
        {"1;2e", 2, ';', kNoValue, 0},
        {" \t ", 1, ';', kNoValue, 0},
        // A TAB ends a field in every mode; the decimal comma is read unless it separates.
        {"7\t1,5\t9", 2, '\t', kParsedNumber, 1.5},
        {"1,5", 1, ',', kParsedNumber, 1},
        {"1,5", 2, ',', kParsedNumber, 5},
        {"2;-4,25e1", 2, ';', kParsedNumber, -42.5},
        {"1\t2", 0, '\t', kParsedNumber, 1},  // column 0 reads the first field
        {"x;" + fits, 2, ';', kParsedNumber, 7},
        {"x;0" + fits, 2, ';', kNoValue, 0},
        // A line ending in the separator ends with an empty field.
        {"1;", 2, ';', kNoValue, 0},
        {"05/01/2002;11:32:00;;;;", 6, ';', kNoValue, 0},
        {"05/01/2002;11:32:00;;;;", 7, ';', kTooFewColumns, 0},
        // Trailing TABs are trimmed with the blanks, yet they still end empty fields.
        {"1\t2\t\t", 4, '\t', kNoValue, 0},
        {"1\t2\t\t", 5, '\t', kTooFewColumns, 0},
        {"1\t2 \r", 3, '\t', kTooFewColumns, 0},
        // Blank-separated mode: no prompt for a missing column, blank then TAB are two.
        {"1   2", 2, ' ', kParsedNumber, 2},
        {"1\t   2,5 3", 2, ' ', kParsedNumber, 2.5},
        {"1 2\t3", 3, ' ', kParsedNumber, 3},
        {"1", 2, ' ', kNoValue, 0},
        {"1 \t2", 2, ' ', kNoValue, 0},
        {"1.5 2", 1, ' ', kParsedNumber, 1.5},
    };
    for (const FieldCase& k : cases) {
        double v = -1;
        EXPECT_EQ(ParseColumnValue(k.line, k.column, k.delimiter, v), k.outcome)
            << k.line << " column " << k.column;
        if (k.outcome == kParsedNumber) {
            EXPECT_EQ(v, k.value) << k.line;
        }
    }
    // Only a field that is there but empty or not a number is a missing value.
    double v = -1;
    EXPECT_EQ(ParseColumnField(" \t ", 1, ';', v), kNoColumn);
    EXPECT_EQ(ParseColumnField("1", 2, ' ', v), kNoColumn);
    EXPECT_EQ(ParseColumnField("1 x", 2, ' ', v), kNoValue);
    EXPECT_EQ(ParseColumnField("1;;", 2, ';', v), kNoValue);
}

class TextImport : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int c = 0; c < kChannelCount; ++c) {
            ChannelRecord& r = state.store.Rec(c);
            r.SampRate = 1000;
            r.StartTime = 5e6;
            r.UsrCoeffA = 1;
            r.LowRng = 0;
            r.HighRng = 65535;
            ScaleFromRange(r);
            r.ColumnValue = 1;
            r.InDelimiter = '\t';
            r.AutoScale = 'N';
            r.KindEqu = 'A';
        }
        state.store.AllocateBanks(ui);
    }

    int Load(const std::string& content, int c = 0) {
        const auto p = dir / ("ch" + std::to_string(c) + ".txt");
        test::WriteFile(p, content);
        Rec(c).NameIn = p.string();
        return LoadTextChannel(state, ui, c);
    }
    ChannelRecord& Rec(int c = 0) { return state.store.Rec(c); }
    uint16_t Raw(int32_t p, int c = 0) { return *state.store.BankWord(c, p); }
    std::vector<uint16_t> Raws(int32_t count) {
        std::vector<uint16_t> out;
        for (int32_t p = 0; p < count; ++p) out.push_back(Raw(p));
        return out;
    }

    test::TempDir dir;
    RecordingUiPort ui;
    AppState state;
};

TEST_F(TextImport, AutoScalingMapsTheRangeOntoRawWordsOverEveryLineEnd) {
    Rec().AutoScale = 'Y';
    Rec().HeaderText = 2;
    Rec().CorrSmpDelay = 3;
    ui.RecordProgress(true);
    // Header lines hold numbers beyond the range; blank and number-free lines give no sample.
    ASSERT_EQ(Load("100\t1\r\n-100\n0\t9\r\n\r\n3\t0\rtext\n\n-1\t2\x1a"
                   "5\r\n"),
              0);
    EXPECT_DOUBLE_EQ(Rec().LowRng, -1);
    EXPECT_DOUBLE_EQ(Rec().HighRng, 3);
    EXPECT_EQ(Rec().KindEqu, 'M');
    EXPECT_EQ(Rec().DataCnt, 3 + 3 - 1);
    EXPECT_DOUBLE_EQ(Rec().EndTime, 5e6 + 2 * 1000);
    EXPECT_EQ(Raws(3), (std::vector<uint16_t>{16384, 65535, 0}));  // 0 maps to 16383.75
    std::vector<std::string> progress;
    for (const auto& e : ui.Events())
        if (e.kind == UiEvent::Kind::Progress) progress.push_back(e.text);
    EXPECT_EQ(progress, (std::vector<std::string>{"20,40: Text lines (" + Rec().NameIn + "): 3"}));
    EXPECT_EQ(ui.ProgressTitles(),
              (std::vector<std::string>{"Loading channel 1: " + Rec().NameIn}));
    EXPECT_FALSE(ui.ProgressOpen());
}

TEST_F(TextImport, FixedScaleRoundsHalvesToEvenClipsAndAppliesUserGain) {
    ASSERT_EQ(Load("2.5\n3.5\n-5\n70000\n65535.49\n"), 0);
    EXPECT_EQ(Raws(5), (std::vector<uint16_t>{2, 4, 0, 65535, 65535}));
    EXPECT_EQ(Rec().KindEqu, 'A');  // untouched without automatic scaling

    Rec().UsrCoeffA = 2;
    Rec().UsrCoeffB = 1;
    Rec().LowRng = -10;  // raw = ((v + 10) x 2 + 1) with CoeffA = 1
    Rec().HighRng = 65525;
    ScaleFromRange(Rec());
    ASSERT_EQ(Load("0\n"), 0);
    EXPECT_EQ(Raw(0), 21);
}

TEST_F(TextImport, AutomaticScalingOfConstantAndNumberFreeFiles) {
    Rec().AutoScale = 'Y';
    ASSERT_EQ(Load("3\n3\n3\n"), 0);
    EXPECT_EQ(Rec().LowRng, -100);
    EXPECT_EQ(Rec().HighRng, 100);
    EXPECT_EQ(Raw(2), 33751);  // 3 maps to 33750.525
    EXPECT_EQ(Rec().DataCnt, 2);

    ASSERT_EQ(Load("no\n\nnumbers\n"), 0);
    EXPECT_EQ(Rec().LowRng, -10);
    EXPECT_EQ(Rec().HighRng, 10);
    EXPECT_EQ(Rec().DataCnt, -1);
    EXPECT_DOUBLE_EQ(Rec().EndTime, 5e6 - 1000);
}

TEST_F(TextImport, MissingColumnsAskOncePerLoad) {
    Rec().InDelimiter = ';';
    Rec().ColumnValue = 2;
    Rec().AutoScale = 'Y';
    ui.QueueAnswer(Answer::Yes);
    ASSERT_EQ(Load("1;2\n7\n1;4\n8\n"), 0);
    EXPECT_EQ(ui.Questions(),
              std::vector<std::string>{" Propably wrong column, header,.. . Continue anyway?"});
    EXPECT_EQ(ui.Events().front().box, BoxKind::Warning);
    EXPECT_EQ(Rec().DataCnt, 1);

    ui.Clear();  // the main pass asks as well when there is no first pass
    Rec().AutoScale = 'N';
    Rec().DataCnt = 77;
    ui.QueueAnswer(Answer::No);
    EXPECT_EQ(Load("1;2\n7\n"), 1);
    EXPECT_EQ(ui.Questions().size(), 1u);
    EXPECT_EQ(Rec().DataCnt, 77);
}

// A logger file with a header line, 5 s lines and missing values: empty fields inside and at
// the end of lines, a field that is not a number and a blank line.
const char* const kLoggerFile =
    "date;time;depth;light\r\n"
    "05/01/2002;11:31:50;;7\r\n"
    "05/01/2002;11:31:55;10;7\r\n"
    "05/01/2002;11:32:00;;;\r\n"
    "05/01/2002;11:32:05;n/a;8\r\n"
    "\r\n"
    "05/01/2002;11:32:10;30;9\r\n"
    "05/01/2002;11:32:15;40;\r\n"
    "05/01/2002;11:32:20;;\r\n";

TEST_F(TextImport, KeepTheTimeStepGivesEveryLineItsSampleAndRecordsTheGaps) {
    Rec().InDelimiter = ';';
    Rec().ColumnValue = 3;
    Rec().HeaderText = 1;
    Rec().CorrSmpDelay = 2;
    Rec().MissingValues = kKeepTimeStep;
    Rec().SampRate = 5000;
    ASSERT_EQ(Load(kLoggerFile), 0);
    EXPECT_TRUE(ui.Messages().empty());
    // One sample per line with a field (the blank line has none), each at its line's time.
    EXPECT_EQ(Rec().DataCnt, 2 + 7 - 1);
    EXPECT_DOUBLE_EQ(Rec().EndTime, 5e6 + 6 * 5000);
    // Before the first number the first one is repeated, later the one before the gap.
    EXPECT_EQ(Raws(7), (std::vector<uint16_t>{10, 10, 10, 10, 30, 40, 40}));
    const auto& gaps = state.store.Gaps[0];
    ASSERT_EQ(gaps.Ranges().size(), 3u);
    EXPECT_EQ(gaps.Ranges()[1].first, 2);
    EXPECT_EQ(gaps.Ranges()[1].last, 3);
    EXPECT_EQ(gaps.Count(), 4);
    for (int32_t i = 2; i <= 9; ++i)  // common index = CorrSmpDelay + position
        EXPECT_EQ(state.store.InGap(i, 0), i == 2 || i == 4 || i == 5 || i == 8) << i;
    EXPECT_EQ(gaps.Within(3, 5).size(), 1u);

    // The light column: its empty last fields are missing values, not missing columns.
    Rec().ColumnValue = 4;
    ASSERT_EQ(Load(kLoggerFile), 0);
    EXPECT_TRUE(ui.Questions().empty());
    EXPECT_EQ(Rec().DataCnt, 2 + 7 - 1);
    EXPECT_EQ(state.store.Gaps[0].Count(), 3);

    // A file without a number holds the raw word of 0 and is one gap.
    Rec().ColumnValue = 3;
    ASSERT_EQ(Load("date;time;depth\nx;;\n;;\n"), 0);
    EXPECT_EQ(Raw(0), 0);
    EXPECT_EQ(state.store.Gaps[0].Count(), 2);
}

TEST_F(TextImport, SkippedMissingValuesAreReportedOnce) {
    Rec().InDelimiter = ';';
    Rec().ColumnValue = 3;
    Rec().HeaderText = 1;
    Rec().Caption = " Depth            ";
    ASSERT_EQ(Load(kLoggerFile), 0);
    EXPECT_EQ(Rec().DataCnt, 2);
    EXPECT_EQ(Raw(1), 30);
    EXPECT_TRUE(state.store.Gaps[0].Empty());
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{
                  " Channel 1 (Depth): 4 lines without a number in column 3 skipped, the first in "
                  "line 2. Every later sample moved earlier in time. To keep the time axis, choose "
                  "\"Keep the time step\" under \"Missing values\" on the channel's page. "});

    // Lines that lack the column or are blank are not missing values.
    ui.Clear();
    Rec().HeaderText = 0;
    ui.QueueAnswer(Answer::Yes);
    ASSERT_EQ(Load("1;2;3\n\nfree text\n4;5;6\n"), 0);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(ui.Questions().size(), 1u);
}

TEST_F(TextImport, LinesAreCutAfter1024Characters) {
    Rec().ColumnValue = 2;
    const std::string cut = std::string(1019, 'x') + "\t12345";  // "1234" stays
    ASSERT_EQ(Load(cut + "\n5\t" + std::string(5000, 'y') + "\n1\t9\n"), 0);
    EXPECT_EQ(Rec().DataCnt, 1);
    EXPECT_EQ(Raws(2), (std::vector<uint16_t>{1234, 9}));
}

TEST_F(TextImport, MissingFileOrAbsentChannel) {
    Rec().NameIn = (dir / "none.txt").string();
    EXPECT_EQ(LoadTextChannel(state, ui, 0), 1);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"   Can't open : " + Rec().NameIn});
    EXPECT_FALSE(state.store.ChannelPresent[0]);
    ui.Clear();
    EXPECT_EQ(LoadTextChannel(state, ui, 0), 0);  // not present: nothing to do
    EXPECT_TRUE(ui.Events().empty());
}

TEST_F(TextImport, ChannelToCreateIsFilledWithTheRawWordOfZero) {
    Rec(0).DataCnt = 99;
    ChannelRecord& r = Rec(2);
    r.ToCreate = 1;
    r.SampRate = 500;
    r.CorrSmpDelay = 5;
    r.LowRng = -2.5;  // value 0 is raw 2.5
    r.HighRng = 65532.5;
    ScaleFromRange(r);
    r.NameIn = (dir / "new.bin").string();
    *state.store.BankWord(2, 194) = 7;
    ASSERT_EQ(LoadTextChannel(state, ui, 2), 0);
    EXPECT_EQ(r.DataCnt, 198);
    EXPECT_DOUBLE_EQ(r.EndTime, 5e6 + 198 * 500);
    EXPECT_EQ(Raw(0, 2), 2);
    EXPECT_EQ(Raw(193, 2), 2);  // common index 198 sits at position 193
    EXPECT_EQ(Raw(194, 2), 7);
    EXPECT_FALSE(std::filesystem::exists(r.NameIn));
    EXPECT_TRUE(state.store.ChannelPresent[2]);

    r.NameIn = (dir / "no-such-folder" / "new.bin").string();
    EXPECT_EQ(LoadTextChannel(state, ui, 2), 1);
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{" Error. Missing filename of file to create "});
}

TEST_F(TextImport, StopsAtTheChannelCapacity) {
    std::string content;
    content.reserve(3 * 6553601);
    for (int i = 0; i < 6553601; ++i) content += i % 2 ? "1\n" : "22\n";
    Rec().CorrSmpDelay = 4;
    ASSERT_EQ(Load(content), 0);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{" Cannot load entire file. "});
    EXPECT_EQ(Rec().DataCnt, 4 + 6553600 - 1);
    EXPECT_EQ(Raw(6553599), 1);
}

}  // namespace
}  // namespace corv
