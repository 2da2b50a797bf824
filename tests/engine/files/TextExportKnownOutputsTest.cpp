// Exports generated recordings as text tables under several settings (separators, date
// separators, one channel or all side by side, gaps, a derivative, a polynomial, values
// needing scientific notation, a leap day and midnight) and compares the bytes written with those
// the earlier row-by-row formatter wrote, kept as digests.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "BinaryFileTestSupport.h"
#include "core/Times.h"
#include "files/ChannelExport.h"

namespace corv {
namespace {

uint64_t Fnv(const std::string& bytes) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char ch : bytes) {
        h ^= static_cast<unsigned char>(ch);
        h *= 0x100000001B3ull;
    }
    return h;
}

// Three channels of random words with scalings that give short decimals, long ones,
// tiny values written in scientific notation and large ones.
std::unique_ptr<AppState> Recording(RecordingUiPort& ui, uint64_t seed) {
    auto state = test::MakeState(ui);
    std::mt19937_64 rng(seed);
    ChannelStore& store = state->store;
    const double coeffA[] = {0.01, 1.0 / 3, 1e-9};
    const double coeffB[] = {-327.68, 5, 0};
    const int32_t rates[] = {40, 80, 120};
    const int32_t counts[] = {3000, 1400, 1000};
    const int32_t delays[] = {0, 3, 0};
    for (int c = 0; c < kChannelCount; ++c) {
        ChannelRecord& r = store.Rec(c);
        r.SampRate = rates[c];
        r.CoeffA = coeffA[c];
        r.CoeffB = coeffB[c];
        r.CorrSmpDelay = delays[c];
        r.DataCnt = delays[c] + counts[c] - 1;
        r.Caption = "Channel " + std::to_string(c);
        for (int32_t p = 0; p < counts[c]; ++p)
            *store.BankWord(c, p) = static_cast<uint16_t>(rng() % (c == 2 ? 40 : 65536));
    }
    // Leap day 2024, a minute before midnight: the rows cross into 1 March.
    store.OriginTime = PartsToTime(2024, 2, 29, 23, 59, 0) + 17;
    store.TotalSpan = 3000.0 * 40 - 40;
    store.Gaps[0].Add(5);
    store.Gaps[0].Add(6);
    store.Gaps[1].Add(100);
    return state;
}

TEST(TextExportKnownOutputs, TablesAreByteIdenticalToTheRowByRowFormatter) {
    struct Case {
        char dlmt;
        char dateSep;
        int channel;
        int mode;
        uint8_t derivation;
        bool polynomial;
        double start;
        uint64_t expected;
    };
    const Case cases[] = {
        {'\t', '.', 0, 0, 0, false, 0, 3839102312945187357ull},
        {';', '/', 0, 1, 0, false, 0, 6467568850137663774ull},
        {',', '-', 1, 1, 0, false, 200, 16455353845838428564ull},
        {'\t', '.', 2, 0, 0, false, 0, 6217185146276413984ull},
        {'\t', '.', 0, 1, 1, false, 0, 17596403531066231294ull},
        {';', '.', 0, 0, 0, true, 1000, 18062984585711267071ull},
        {' ', '.', 1, 0, 1, true, 0, 935957119570160041ull},
    };
    for (const Case& k : cases) {
        test::TempDir dir;
        RecordingUiPort ui;
        auto state = Recording(ui, 11);
        state->settings.OutDlmt = k.dlmt;
        state->settings.DateSep = k.dateSep;
        ChannelRecord& r = state->store.Rec(k.channel);
        r.Derivation = k.derivation;
        if (k.polynomial) {
            // A rational polynomial turns the short decimals into long ones.
            r.bApplyPolynom = 1;
            r.a0 = 2;
            r.a1 = 0.5;
            r.b1 = -0.004;
            r.b2 = 1e-7;
        }
        const auto file = dir / "table.txt";
        ASSERT_TRUE(
            WriteTextExport(*state, ui, file, k.channel, k.mode, k.start, state->store.TotalSpan)
                .written);
        EXPECT_EQ(Fnv(test::ReadFile(file)), k.expected)
            << "channel " << k.channel << " mode " << k.mode << " separator '" << k.dlmt << "'";
    }
}

}  // namespace
}  // namespace corv
