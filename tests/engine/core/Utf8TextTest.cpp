#include "core/Utf8Text.h"

#include <gtest/gtest.h>

namespace corv {
namespace {

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
