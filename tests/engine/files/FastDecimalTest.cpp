#include "files/FastDecimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/Convert.h"

namespace corv {
namespace {

// Both parsers must agree on validity and, for numbers, on every bit (the sign of zero too).
// The word-at-a-time form gets digits right behind the text, which it must not take in.
void ExpectSameAsExact(const std::string& s) {
    double exact = -7;
    const bool okExact = ParseFloatExact(s.data(), s.data() + s.size(), exact);
    // The padded form may read 8 bytes from the end of the text on; give it digits there.
    const std::string followed = s + "12345678";
    for (const bool padded : {false, true}) {
        double fast = -7;
        const char* first = padded ? followed.data() : s.data();
        const bool okFast = padded ? ParseDecimalFast<true>(first, first + s.size(), fast)
                                   : ParseDecimalFast(first, first + s.size(), fast);
        ASSERT_EQ(okFast, okExact) << '"' << s << '"';
        if (okExact) {
            ASSERT_EQ(std::bit_cast<uint64_t>(fast), std::bit_cast<uint64_t>(exact))
                << '"' << s << '"';
        }
    }
}

TEST(FastDecimal, AgreesWithExactParserOnTrickyTexts) {
    const std::vector<std::string> texts = {
        "0", "-0", "+0", "0.0", "-0,0", "00000.0000", "1", "-1", "1.5", "1,5", "-3.2100", "12.345",
        "987.6", ".5", "5.", "-.5", "+.5e1", "1e22", "1e23", "1e-22", "1e-23", "9007199254740992",
        "9007199254740993", "9007199254740991.5", "1234567890123456789", "12345678901234567890",
        "0.1234567890123456789", "0.00000000000000000001", "123456789012345678e-22", "4.9e-324",
        "2.4703282292062327e-324", "1e-400", "1e400", "1.7976931348623157e308",
        "1.7976931348623159e308", "0e999999", "0e-999999", "2.2250738585072011e-308",
        "8.98846567431158e307", "1E5", "1e+05", "1e-0005", "0.30000000000000004",
        "3.0000000000000004e-1", "100000000000000000000000",
        // not numbers
        "", "+", "-", ".", ",", "e5", "1e", "1e+", "1e-", "1.2.3", "1,2,3", "1.5,3", "1,5.3", "1 ",
        " 1", "1x", "--1", "+-1", "1e5.5", "inf", "nan", "0x10", "1..", "1,,", "1e5e5"};
    for (const auto& s : texts) ExpectSameAsExact(s);
}

TEST(FastDecimal, AgreesWithExactParserOnRandomTexts) {
    std::mt19937_64 rng(20240611);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
    const std::string digits = "0123456789";
    const std::string noise = "0123456789.,eE+- x";
    for (int i = 0; i < 300000; ++i) {
        std::string s;
        if (pick(10) == 0) {  // arbitrary junk from the characters of numbers
            for (int k = pick(12); k > 0; --k) s += noise[static_cast<size_t>(pick(18))];
        } else {
            if (pick(3) == 0) s += pick(2) ? '-' : '+';
            for (int k = pick(4) == 0 ? pick(3) : 0; k > 0; --k) s += '0';  // leading zeros
            for (int k = pick(21); k > 0; --k) s += digits[static_cast<size_t>(pick(10))];
            if (pick(2)) {
                s += pick(4) ? '.' : ',';
                for (int k = pick(21); k > 0; --k) s += digits[static_cast<size_t>(pick(10))];
            }
            if (pick(3) == 0) {
                s += pick(2) ? 'e' : 'E';
                if (pick(2)) s += pick(2) ? '-' : '+';
                s += std::to_string(pick(4) ? pick(40) : pick(400));
            }
        }
        ExpectSameAsExact(s);
    }
}

}  // namespace
}  // namespace corv
