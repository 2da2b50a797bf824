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
    for (const auto& [a, b] : ranges) gaps.Mark(a, b);
    return gaps;
}

// The cases the commands' tests do not reach: stretches that meet after a cut or a mark.
TEST(ChannelGaps, CutsAndMarksJoinTheStretchesTheyBringTogether) {
    ChannelGaps g = Make({{1, 2}, {5, 5}, {9, 10}});
    g.Remove(3, 6);  // 3..8 go: the stretches on both sides meet
    EXPECT_EQ(Of(g), (Ranges{{1, 4}}));
    g = Make({{4, 6}, {12, 20}});
    g.Remove(-3, 5);  // a cut before the data moves them down, not below 0
    EXPECT_EQ(Of(g), (Ranges{{0, 1}, {7, 15}}));
    g.Remove(10, 100);
    EXPECT_EQ(Of(g), (Ranges{{0, 1}, {7, 9}}));

    g = Make({{2, 3}, {6, 9}, {20, 21}});
    g.Mark(10, 19);  // touches both neighbours
    g.Mark(4, 5);
    EXPECT_EQ(Of(g), (Ranges{{2, 21}}));
    g.Mark(0, 0);
    EXPECT_EQ(Of(g), (Ranges{{0, 0}, {2, 21}}));
}

}  // namespace
}  // namespace corv
