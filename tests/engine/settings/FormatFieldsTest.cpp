#include "settings/FormatFields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corv {
namespace {

TEST(FormatFields, IntPrefixKeepsTheDigitsReadBeforeAFault) {
    struct Case {
        const char* text;
        int32_t value;
        bool whole;
    };
    for (const Case& k :
         {Case{"12", 12, true}, Case{" -7", -7, true}, Case{"12x", 12, false}, Case{"", 0, false},
          Case{"-", 0, false}, Case{"3 ", 3, false}, Case{"abc", 0, false},
          Case{"99999999999", 999999999, false}, Case{"-2147483648", INT32_MIN, true}}) {
        const IntPrefix p = ParseIntPrefix(k.text);
        EXPECT_EQ(p.value, k.value) << '"' << k.text << '"';
        EXPECT_EQ(p.whole, k.whole) << '"' << k.text << '"';
    }
}

TEST(FormatFields, SeparatorTextsAreRecognisedInAnyCaseAndRoundTrip) {
    // {text typed, delimiter, text shown}
    using Case = std::tuple<const char*, char, const char*>;
    for (const auto& [text, delimiter, shown] :
         {Case{"tab", '\t', "TAB"}, Case{" ;", ' ', "Space(s)"}, Case{"space(s)", ' ', "Space(s)"},
          Case{";x", ';', ";x"}}) {
        const SeparatorChoice c = SeparatorFromText(text);
        EXPECT_TRUE(c.valid) << text;
        EXPECT_EQ(c.delimiter, delimiter) << text;
        EXPECT_EQ(c.shown, shown) << text;
    }
    EXPECT_EQ(SeparatorFromText("tabs").delimiter, 't');
    EXPECT_FALSE(SeparatorFromText("").valid);

    for (char c : {'\t', ' ', ',', ';', '/', '-', '\\'})
        EXPECT_EQ(SeparatorFromText(SeparatorText(c)).delimiter, c) << int(c);
    EXPECT_EQ(SeparatorText('\0'), "");
}

}  // namespace
}  // namespace corv
