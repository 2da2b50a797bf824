#include "core/ChannelGaps.h"

#include <gtest/gtest.h>

namespace corv {
namespace {

using Ranges = std::vector<std::pair<int32_t, int32_t>>;

Ranges Of(const ChannelGaps& gaps) {
    Ranges out;
    for (const GapRange& g : gaps.Ranges()) out.emplace_back(g.first, g.last);
    return out;
}

ChannelGaps Make(const Ranges& ranges) {
    ChannelGaps gaps;
    for (const auto& [a, b] : ranges)
        for (int32_t p = a; p <= b; ++p) gaps.Add(p);
    return gaps;
}

TEST(ChannelGaps, InsertAndRemoveMoveTheStretchesWithTheSamples) {
    ChannelGaps g = Make({{2, 3}, {6, 8}, {12, 12}});
    g.Insert(6, 4);  // after the first sample of a stretch: it takes the new samples in
    EXPECT_EQ(Of(g), (Ranges{{2, 3}, {6, 12}, {16, 16}}));
    g.Insert(3, 2);  // after a stretch's last sample: the new ones are measured
    EXPECT_EQ(Of(g), (Ranges{{2, 3}, {8, 14}, {18, 18}}));

    g.Remove(3, 5);  // 3..7: the first stretch loses its end, the second comes down to 3
    EXPECT_EQ(Of(g), (Ranges{{2, 9}, {13, 13}}));
    g.Remove(5, 20);  // cuts the tail of one and the whole of the other
    EXPECT_EQ(Of(g), (Ranges{{2, 4}}));
    g = Make({{1, 2}, {5, 5}, {9, 10}});
    g.Remove(3, 6);  // 3..8: the stretches on both sides meet
    EXPECT_EQ(Of(g), (Ranges{{1, 4}}));
    g = Make({{4, 6}});
    g.Remove(-3, 5);  // a cut before the data moves the stretch down, not below 0
    EXPECT_EQ(Of(g), (Ranges{{0, 1}}));
}

TEST(ChannelGaps, EraseMarkAndOutside) {
    ChannelGaps g = Make({{2, 9}, {20, 21}});
    g.Erase(4, 5);
    EXPECT_EQ(Of(g), (Ranges{{2, 3}, {6, 9}, {20, 21}}));
    EXPECT_FALSE(g.Contains(4));
    EXPECT_EQ(g.Count(), 8);
    g.Mark(10, 19);  // touches both neighbours: one stretch
    EXPECT_EQ(Of(g), (Ranges{{2, 3}, {6, 21}}));
    g.Mark(0, 0);
    g.Mark(4, 5);
    EXPECT_EQ(Of(g), (Ranges{{0, 0}, {2, 21}}));
    g.Erase(0, 30);
    EXPECT_TRUE(g.Empty());

    g = Make({{2, 3}, {6, 6}});
    using Runs = std::vector<std::pair<int32_t, int32_t>>;
    const auto outside = [&](int32_t a, int32_t b) {
        Runs out;
        for (const GapRange& r : g.Outside(a, b)) out.emplace_back(r.first, r.last);
        return out;
    };
    EXPECT_EQ(outside(0, 9), (Runs{{0, 1}, {4, 5}, {7, 9}}));
    EXPECT_EQ(outside(2, 6), (Runs{{4, 5}}));
    EXPECT_EQ(outside(3, 3), Runs{});
}

TEST(ChannelGaps, StretchCoversEverythingBetweenTheMeasuredSamples) {
    ChannelGaps g = Make({{0, 0}, {3, 4}, {9, 9}});
    g.Stretch(3, 25);
    // Position p goes to 3p; a stretch reaches to the samples beside it, not onto them.
    EXPECT_EQ(Of(g), (Ranges{{0, 2}, {7, 14}, {25, 25}}));
}

}  // namespace
}  // namespace corv
