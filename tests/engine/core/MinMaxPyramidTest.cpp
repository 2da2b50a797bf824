// Block extremes of a channel's words: stretches of every length and alignment give the
// extremes and last failing positions that reading every word gives, also after words
// change.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GraphTestSupport.h"

namespace corv {
namespace {

TEST(MinMaxPyramidTest, StretchesMatchEveryWordReadAfterChanges) {
    test::GraphState g;
    ChannelStore& store = g->store;
    std::mt19937 rng(5);
    std::vector<uint16_t> words(ChannelStore::kCapacity);
    for (auto& w : words) w = static_cast<uint16_t>(20000 + rng() % 20000);
    g.Load(1, words, 1);
    std::uniform_int_distribution<int64_t> pos(0, ChannelStore::kCapacity - 1);
    std::uniform_int_distribution<int> lengthDigits(0, 6);
    for (int round = 0; round < 400; ++round) {
        if (round % 50 == 25) {
            // Changed words, some outside every earlier extreme.
            const int64_t a = pos(rng), b = std::min<int64_t>(a + rng() % 70000, words.size() - 1);
            for (int64_t p = a; p <= b; ++p) {
                words[size_t(p)] = static_cast<uint16_t>(rng() % 65536);
                store.SetRaw(static_cast<int32_t>(p), words[size_t(p)], 1);
            }
        }
        const int64_t first = pos(rng);
        int64_t length = 1;
        for (int d = lengthDigits(rng); d > 0; --d) length = length * 10 + int64_t(rng() % 10);
        const int64_t last = std::min<int64_t>(first + length, words.size() - 1);
        const MinMaxPyramid& pyramid = store.Pyramid(1);
        ASSERT_TRUE(pyramid.Covers(first, last));
        uint16_t lo = 0, hi = 0;
        pyramid.Extremes(first, last, lo, hi);
        const auto [itLo, itHi] =
            std::minmax_element(words.begin() + first, words.begin() + last + 1);
        ASSERT_EQ(lo, *itLo) << first << ".." << last;
        ASSERT_EQ(hi, *itHi) << first << ".." << last;
        // The last word outside a band that holds most words.
        const uint16_t bandLo = static_cast<uint16_t>(*itLo + 1), bandHi = *itHi;
        const auto in = [&](uint16_t a, uint16_t b) { return a >= bandLo && b <= bandHi; };
        int64_t expected = first - 1;
        for (int64_t p = last; p >= first && expected < first; --p)
            if (!in(words[size_t(p)], words[size_t(p)])) expected = p;
        ASSERT_EQ(pyramid.LastFailing(first, last, in), expected) << first << ".." << last;
    }
    // Channels without banks are not covered.
    store.ChannelPresent = {true, false, false};
    store.AllocateBanks(g.ui);
    EXPECT_FALSE(store.Pyramid(1).Covers(0, 10));
    EXPECT_TRUE(store.Pyramid(0).Covers(0, ChannelStore::kCapacity - 1));
    EXPECT_FALSE(store.Pyramid(0).Covers(0, ChannelStore::kCapacity));
}

}  // namespace
}  // namespace corv
