#include "files/BlockTextWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace corv {
namespace {

TEST(BlockTextWriter, PaddedNumbersMatchPrintfAtEveryWidth) {
    const unsigned values[] = {0, 7, 9, 10, 99, 100, 123, 999, 1000, 2024, 9999, 10000, 65535};
    for (int width = 1; width <= 5; ++width) {
        for (unsigned v : values) {
            char piece[32];
            BlockTextWriter w(piece, sizeof piece);
            w.PutPadded(v, width);
            char expected[32];
            std::snprintf(expected, sizeof expected, "%0*u", width, v);
            EXPECT_EQ(std::string(piece, w.Used()), expected) << v << " width " << width;
        }
    }
    // Short texts copied a slot at a time advance by their own length only.
    char piece[64];
    BlockTextWriter w(piece, sizeof piece);
    const char slot[16] = "12.5xxxxxxxxxxx";
    w.PutShort<16>(slot, 4);
    w.Put(';');
    w.PutShort<16>(slot, 0);
    w.Put("end");
    EXPECT_EQ(std::string(piece, w.Used()), "12.5;end");
    EXPECT_FALSE(w.Flush());  // no file behind a fixed piece
}

}  // namespace
}  // namespace corv
