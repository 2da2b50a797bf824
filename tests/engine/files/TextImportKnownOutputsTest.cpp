// Loads generated text files of every shape the loader meets (numbers of many lengths and
// exponents, decimal commas, signs, empty and text fields, missing columns, blank lines,
// mixed line ends) under several settings, and compares a digest of everything the load
// leaves behind (raw words, count, range, gaps, messages) with the digests the earlier
// two-pass loader produced on the same files.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "AppState.h"
#include "TestSupport.h"
#include "core/RecordingUiPort.h"
#include "files/TextImport.h"

namespace corv {
namespace {

// Only the raw output of the engine is used: the distributions of the standard library
// differ between implementations.
class Generator {
  public:
    explicit Generator(uint64_t seed) : m_rng(seed) {}
    uint64_t Below(uint64_t n) { return m_rng() % n; }

    std::string Number(char comma) {
        std::string s;
        if (Below(3) == 0) s += Below(4) == 0 ? '+' : '-';
        const uint64_t digits = 1 + Below(4);
        for (uint64_t i = 0; i < digits; ++i) s += static_cast<char>('0' + Below(10));
        if (Below(3) != 0) {
            s += comma;
            const uint64_t decimals = Below(Below(8) == 0 ? 20 : 6);
            for (uint64_t i = 0; i < decimals; ++i) s += static_cast<char>('0' + Below(10));
        }
        if (Below(10) == 0)
            s += Below(2) ? "e" + std::to_string(Below(2)) : "E-" + std::to_string(Below(40));
        return s;
    }

    std::string Field(char delimiter) {
        switch (Below(40)) {
            case 0:
                return "";
            case 1:
                return "x1";
            case 2:
                return "1e";
            case 3:
                return " 7";
            default:
                return Number(delimiter == ',' ? '.' : (Below(5) == 0 ? ',' : '.'));
        }
    }

    std::string File(char delimiter, int lines) {
        static const char* const ends[] = {"\r\n", "\n", "\r"};
        std::string s;
        for (int i = 0; i < lines; ++i) {
            if (Below(60) == 0) {
                s += Below(2) ? "" : "  text line";
            } else {
                const uint64_t columns = Below(25) == 0 ? 1 : 3;
                for (uint64_t k = 0; k < columns; ++k) {
                    if (k > 0) s += delimiter;
                    s += Field(delimiter);
                }
            }
            s += ends[Below(25) == 0 ? 1 + Below(2) : 0];
        }
        return s;
    }

  private:
    std::mt19937_64 m_rng;
};

class Digest {
  public:
    void Add(uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            m_h ^= (v >> (8 * i)) & 0xFF;
            m_h *= 0x100000001B3ull;
        }
    }
    void Add(const std::string& s) {
        for (char ch : s) Add(static_cast<uint64_t>(static_cast<unsigned char>(ch)));
    }
    uint64_t Value() const { return m_h; }

  private:
    uint64_t m_h = 0xCBF29CE484222325ull;
};

struct Setting {
    char delimiter;
    char autoScale;
    int32_t missing;
    int32_t header;
    int32_t maxSamples;
    uint64_t seed;
    uint64_t expected;
};

uint64_t LoadAndDigest(const Setting& s, const std::string& content) {
    test::TempDir dir;
    RecordingUiPort ui;
    ui.SetDefaultAnswer(Answer::Yes);
    auto state = std::make_unique<AppState>();
    ChannelStore& store = state->store;
    ChannelRecord& r = store.Rec(0);
    r.SampRate = 10;
    r.UsrCoeffA = 1.25;
    r.UsrCoeffB = 3;
    r.LowRng = -20000;
    r.HighRng = 9000;
    ScaleFromRange(r);
    r.ColumnValue = 2;
    r.InDelimiter = s.delimiter;
    r.AutoScale = s.autoScale;
    r.MissingValues = s.missing;
    r.HeaderText = s.header;
    store.AllocateBanks(ui);
    store.MaxSamples = s.maxSamples;
    const auto file = dir / "data.txt";
    test::WriteFile(file, content);
    r.NameIn = file.string();
    Digest d;
    d.Add(static_cast<uint64_t>(LoadTextChannel(*state, ui, 0)));
    d.Add(static_cast<uint64_t>(r.DataCnt));
    d.Add(std::bit_cast<uint64_t>(r.LowRng));
    d.Add(std::bit_cast<uint64_t>(r.HighRng));
    for (int32_t p = 0; p <= r.DataCnt && p < s.maxSamples; ++p)
        d.Add(uint64_t{*store.BankWord(0, p)});
    for (const GapRange& g : store.Gaps[0].Ranges()) {
        d.Add(static_cast<uint64_t>(g.first));
        d.Add(static_cast<uint64_t>(g.last));
    }
    for (const UiEvent& e : ui.Events()) d.Add(e.text + "|" + e.answer);
    return d.Value();
}

TEST(TextImportKnownOutputs, GeneratedFilesLoadAsTheTwoPassLoaderLoadedThem) {
    const Setting settings[] = {
        {'\t', 'Y', kKeepTimeStep, 0, ChannelStore::kCapacity, 1, 17081786012951501240ull},
        {'\t', 'Y', 0, 2, ChannelStore::kCapacity, 2, 17053244443649026738ull},
        {';', 'Y', kKeepTimeStep, 1, ChannelStore::kCapacity, 3, 15972853702465462647ull},
        {';', 'N', 0, 0, ChannelStore::kCapacity, 4, 2772847113202888482ull},
        {' ', 'Y', 0, 3, ChannelStore::kCapacity, 5, 14047760575449991110ull},
        {',', 'Y', kKeepTimeStep, 0, ChannelStore::kCapacity, 6, 1606307270210700431ull},
        {'\t', 'Y', kKeepTimeStep, 0, 1000, 7,
         9224136707532361203ull},  // the file holds more lines than fit
        {';', 'Y', 0, 0, 777, 8, 3192273889566479780ull},
    };
    for (const Setting& s : settings) {
        Generator g(s.seed);
        const std::string content = g.File(s.delimiter, 3000);
        EXPECT_EQ(LoadAndDigest(s, content), s.expected)
            << "delimiter '" << s.delimiter << "' seed " << s.seed;
    }
}

// Millions of empty lines before the data: too many lines to keep, so the storing step
// reads the file a second time.
TEST(TextImportKnownOutputs, AFileOfMostlyEmptyLinesLoadsAsBefore) {
    const Setting s{
        '\t', 'Y', kKeepTimeStep, 0, ChannelStore::kCapacity, 9, 4521533652155113926ull};
    Generator g(s.seed);
    std::string content;
    for (int32_t i = 0; i < ChannelStore::kCapacity + ChannelStore::kCapacity / 4 + 100; ++i)
        content += "\r\n";
    content += g.File(s.delimiter, 3000);
    EXPECT_EQ(LoadAndDigest(s, content), s.expected);
}

}  // namespace
}  // namespace corv
