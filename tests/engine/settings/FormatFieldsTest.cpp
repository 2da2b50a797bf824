#include "settings/FormatFields.h"

#include <gtest/gtest.h>

namespace corv {
namespace {

TEST(FormatFields, IntPrefixKeepsTheDigitsReadBeforeAFault) {
    EXPECT_EQ(ParseIntPrefix("12").value, 12);
    EXPECT_TRUE(ParseIntPrefix(" -7").whole);
    EXPECT_EQ(ParseIntPrefix(" -7").value, -7);

    const IntPrefix partial = ParseIntPrefix("12x");
    EXPECT_FALSE(partial.whole);
    EXPECT_EQ(partial.value, 12);

    EXPECT_FALSE(ParseIntPrefix("").whole);
    EXPECT_FALSE(ParseIntPrefix("-").whole);
    EXPECT_FALSE(ParseIntPrefix("3 ").whole);
    EXPECT_EQ(ParseIntPrefix("abc").value, 0);

    const IntPrefix big = ParseIntPrefix("99999999999");
    EXPECT_FALSE(big.whole);
    EXPECT_EQ(big.value, 999999999);
    EXPECT_EQ(ParseIntPrefix("-2147483648").value, INT32_MIN);
    EXPECT_TRUE(ParseIntPrefix("-2147483648").whole);
}

TEST(FormatFields, SeparatorTextsAreRecognisedInAnyCaseAndRoundTrip) {
    SeparatorChoice tab = SeparatorFromText("tab");
    EXPECT_TRUE(tab.valid);
    EXPECT_EQ(tab.delimiter, '\t');
    EXPECT_EQ(tab.shown, "TAB");

    SeparatorChoice blank = SeparatorFromText(" ;");
    EXPECT_EQ(blank.delimiter, ' ');
    EXPECT_EQ(blank.shown, "Space(s)");
    EXPECT_EQ(SeparatorFromText("space(s)").delimiter, ' ');
    EXPECT_EQ(SeparatorFromText("Space(s)").shown, "Space(s)");

    SeparatorChoice semicolon = SeparatorFromText(";x");
    EXPECT_EQ(semicolon.delimiter, ';');
    EXPECT_EQ(semicolon.shown, ";x");
    EXPECT_EQ(SeparatorFromText("tabs").delimiter, 't');

    EXPECT_FALSE(SeparatorFromText("").valid);

    for (char c : {'\t', ' ', ',', ';', '/', '-', '\\'})
        EXPECT_EQ(SeparatorFromText(SeparatorText(c)).delimiter, c) << int(c);
    EXPECT_EQ(SeparatorText('\0'), "");
}

}  // namespace
}  // namespace corv
