#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "core/Convert.h"

namespace corv {
namespace {

TEST(NumberFormat, Sci23) {
    EXPECT_EQ(FormatSci23(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(FormatSci23(-2.5), "-2.50000000000000E+0000");
    EXPECT_EQ(FormatSci23(0.00001), " 1.00000000000000E-0005");
    EXPECT_EQ(FormatSci23(-1.5e-300), "-1.50000000000000E-0300");
    // Rounding to 15 digits carries into the exponent.
    EXPECT_EQ(FormatSci23(9.9999999999999999), " 1.00000000000000E+0001");
    EXPECT_EQ(FormatSci23(1000.0 / 3), " 3.33333333333333E+0002");
}

TEST(NumberFormat, Shortest) {
    EXPECT_EQ(FormatShortest(1000.0 / 3), "333.333333333333");
    EXPECT_EQ(FormatShortest(1e-6), "1E-6");
    EXPECT_EQ(FormatShortest(0.000009), "9E-6");
    EXPECT_EQ(FormatShortest(0.00001), "0.00001");
    EXPECT_EQ(FormatShortest(1.5e15), "1.5E15");
    EXPECT_EQ(FormatShortest(999999999999999.0), "999999999999999");
    // Rounding to 15 digits reaches 1E15.
    EXPECT_EQ(FormatShortest(999999999999999.9), "1E15");
    EXPECT_EQ(FormatShortest(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(FormatShortest(-2.5), "-2.5");
    EXPECT_EQ(FormatShortest(0), "0");
    EXPECT_EQ(FormatShortest(1.5e-7), "1.5E-7");
}

TEST(NumberFormat, TextsReadBackNearTheLimitsOfADouble) {
    // Rounding up would pass the largest double: the last digit is cut instead.
    EXPECT_EQ(FormatSci23(DBL_MAX), " 1.79769313486231E+0308");
    EXPECT_EQ(FormatSci23(-DBL_MAX), "-1.79769313486231E+0308");
    EXPECT_EQ(FormatShortest(DBL_MAX), "1.79769313486231E308");
    EXPECT_EQ(FormatFixed(DBL_MAX, 2, 0), "1.7E308");
    for (double v : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.7976931348623e308})
        for (const std::string& text : {FormatSci23(v), FormatShortest(v)})
            EXPECT_TRUE(TryStrToFloat(text).has_value()) << text;
    // The notation follows the rounded digits: the double just below 0.00001 prints as
    // 0.00001, which reads back and prints the same.
    const double below = std::nextafter(0.00001, 0.0);
    EXPECT_EQ(FormatShortest(below), "0.00001");
    EXPECT_EQ(FormatShortest(*TryStrToFloat(FormatShortest(below))), "0.00001");
    EXPECT_EQ(FormatShortest(-below), "-0.00001");
    EXPECT_EQ(FormatShortest(0.0000099999999), "9.9999999E-6");
}

TEST(NumberFormat, FixedRoundsToPrecisionThenDecimals) {
    EXPECT_EQ(FormatFixed(123.4567, 7, 4), "123.4567");
    EXPECT_EQ(FormatFixed(1234567.891, 7, 4), "1234568.0000");
    EXPECT_EQ(FormatFixed(0, 7, 4), "0.0000");
    EXPECT_EQ(FormatFixed(-1.5, 7, 0), "-2");
    EXPECT_EQ(FormatFixed(0.006, 7, 2), "0.01");
    EXPECT_EQ(FormatFixed(0.0004, 7, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.0001, 7, 2), "0.00");
    EXPECT_EQ(FormatFixed(9.99996, 6, 4), "10.0000");
    EXPECT_EQ(FormatFixed(-999.96, 7, 1), "-1000.0");
    // The decimal digits are rounded, not the binary value just below them.
    EXPECT_EQ(FormatFixed(2.675, 15, 2), "2.68");
    EXPECT_EQ(FormatFixed(1.005, 7, 2), "1.01");
    // More integer digits than the precision switch to the exponent form.
    EXPECT_EQ(FormatFixed(12345678901.0, 10, 5), "1.23456789E10");
    EXPECT_EQ(FormatFixed(1234567890.0, 10, 5), "1234567890.00000");
    EXPECT_EQ(FormatFixed(-123456.0, 4, 2), "-1.235E5");
    EXPECT_EQ(FormatFixed(std::nan(""), 7, 4), "NAN");
}

TEST(NumberFormat, WidthDec) {
    EXPECT_EQ(FormatWidthDec(123.4567, 9, 3), "  123.457");
    EXPECT_EQ(FormatWidthDec(-1.5, 6, 2), " -1.50");
    EXPECT_EQ(FormatWidthDec(12345.678, 3, 1), "12345.7");  // wider when needed
    EXPECT_EQ(FormatWidthDec(1e20, 0, 1), "100000000000000000000.0");
}

// Files written under a comma locale must still carry decimal points.
TEST(NumberFormat, IndependentOfTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "German"})
        if (std::setlocale(LC_NUMERIC, name)) {
            switched = true;
            break;
        }
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::vector<std::string> texts{FormatSci23(1.5), FormatWidthDec(1.5, 0, 2),
                                         FormatFixed(1.5, 7, 2), FormatShortest(1.5)};
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(texts, (std::vector<std::string>{" 1.50000000000000E+0000", "1.50", "1.50", "1.5"}));
}

}  // namespace
}  // namespace corv
