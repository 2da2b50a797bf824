#include "core/Convert.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Errors.h"
#include "core/Utf8Text.h"

namespace corv {
namespace {

template <class F>
std::string ErrorText(F f) {
    try {
        f();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Convert, FloatsTakeBlanksSignPointCommaAndExponent) {
    // "0.1" is correctly rounded, not accumulated.
    const std::pair<const char*, double> cases[] = {
        {" 1.5 ", 1.5}, {"\t-2,5\t", -2.5}, {"+3e2", 300.0}, {"1E-3", 0.001}, {"2,5e+1", 25.0},
        {".5", 0.5},    {"5.", 5.0},        {"007", 7.0},    {"0.1", 0.1}};
    for (const auto& [text, value] : cases) EXPECT_EQ(StrToFloat(text), value) << text;
}

TEST(Convert, FloatRejectsWhatIsNotANumber) {
    for (const char* text :
         {"",      " ",   "abc",   "inf",  "-inf",  "nan",         "NaN", "0x10",
          "1e",    "1e+", "e5",    ".",    "-",     "--1",         "+-1", "1.2.3",
          "1,2.3", "1 2", "1e5.5", "1.5x", "1e400", "\xef\xbc\x91"}) {
        EXPECT_FALSE(TryStrToFloat(text).has_value()) << '"' << text << '"';
        EXPECT_THROW((void)StrToFloat(text), ConversionError) << '"' << text << '"';
    }
    EXPECT_EQ(ErrorText([] { (void)StrToFloat("abc"); }),
              "'abc' is not a valid floating point value");
    // The message quotes the text as typed, blanks included.
    EXPECT_EQ(ErrorText([] { (void)StrToFloat(" x "); }),
              "' x ' is not a valid floating point value");
}

TEST(Convert, StrictFormTakesNoBlanks) {
    EXPECT_FALSE(TryStrToFloat(" 1", false).has_value());
    EXPECT_FALSE(TryStrToFloat("1 ", false).has_value());
    EXPECT_EQ(TryStrToFloat("1,25", false), 1.25);

    double v = 0;
    const std::string text = "-1,25e2";
    EXPECT_TRUE(ParseFloatExact(text.data(), text.data() + text.size(), v));
    EXPECT_EQ(v, -125.0);
    // Only the given range counts: "1,25" out of "1,25e2".
    EXPECT_TRUE(ParseFloatExact(text.data() + 1, text.data() + 5, v));
    EXPECT_EQ(v, 1.25);
    EXPECT_FALSE(ParseFloatExact(text.data(), text.data(), v));
    const std::string blank = " 3";
    EXPECT_FALSE(ParseFloatExact(blank.data(), blank.data() + blank.size(), v));

    // A long text with a decimal comma is as good as one with a point.
    EXPECT_EQ(TryStrToFloat("1," + std::string(400, '5'), false),
              TryStrToFloat("1." + std::string(400, '5'), false));
}

TEST(Convert, IntegersFit32Bits) {
    EXPECT_EQ(StrToInt(" 42 "), 42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-0"), 0);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", "+", "- 5",
                             "1.0", "1,0", "1e3", "0x1A", "$1A", "12abc", "abc"})
        EXPECT_FALSE(TryStrToInt(text).has_value()) << '"' << text << '"';
    EXPECT_EQ(ErrorText([] { (void)StrToInt("abc"); }), "'abc' is not a valid integer value");
    EXPECT_THROW((void)StrToInt("2147483648"), ConversionError);
}

TEST(Utf8Text, CutsWholeCharactersAndCountsStrayBytesAsOne) {
    EXPECT_EQ(FirstCharacters("Tiefe \xC3\xA4\xC3\xB6\xC3\xBC m", 8), "Tiefe \xC3\xA4\xC3\xB6");
    // A Latin-1 byte, a cut sequence and a lead byte above F4 are one character each.
    EXPECT_EQ(FirstCharacters("\xE4\xE2\x82\xF8x", 3), "\xE4\xE2\x82");
    EXPECT_EQ(FirstCharacters("\xF0\x9F\x90\x9C"
                              "ab",
                              2),
              "\xF0\x9F\x90\x9C"
              "a");
    EXPECT_EQ(FirstCharacters("abc", 18), "abc");
    EXPECT_EQ(Utf8SequenceLength("\xC0\x80", 0), 0u);  // overlong lead bytes are not UTF-8
    EXPECT_EQ(Utf8SequenceLength("\xF5\x80\x80\x80", 0), 0u);
}

}  // namespace
}  // namespace corv
