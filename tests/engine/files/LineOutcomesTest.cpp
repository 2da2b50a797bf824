#include "files/LineOutcomes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "files/TextImport.h"

namespace corv {
namespace {

TEST(LineOutcomes, NumbersAndMissingLinesReplayInOrderAcrossChunks) {
    LineOutcomes outcomes;
    const double special[] = {-0.0, std::numeric_limits<double>::quiet_NaN(),
                              -std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(), 5e-324};
    const uint8_t codes[] = {kNoValue, kTooFewColumns, kNoColumn, LineOutcomes::kEmptyLine};
    constexpr int64_t kLines = 700000;  // a few chunks
    for (int64_t i = 0; i < kLines; ++i) {
        if (i % 7 == 3)
            outcomes.AddMissing(codes[i % 4]);
        else if (i % 11 == 0)
            outcomes.AddNumber(special[i % 5]);
        else
            outcomes.AddNumber(static_cast<double>(i) * 0.1);
    }
    ASSERT_EQ(outcomes.Size(), kLines);
    int64_t i = 0;
    int64_t wrong = 0;
    outcomes.ForEach([&](uint8_t result, double v) {
        if (i % 7 == 3) {
            wrong += result != codes[i % 4];
        } else {
            const double expected = i % 11 == 0 ? special[i % 5] : static_cast<double>(i) * 0.1;
            wrong += result != kParsedNumber ||
                     std::bit_cast<uint64_t>(v) != std::bit_cast<uint64_t>(expected);
        }
        return ++i < kLines - 5;  // stopping early ends the replay
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(i, kLines - 5);
    outcomes.Clear();
    EXPECT_EQ(outcomes.Size(), 0);
    outcomes.ForEach([&](uint8_t, double) { return ADD_FAILURE(), false; });
}

}  // namespace
}  // namespace corv
