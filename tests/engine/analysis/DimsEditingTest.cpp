#include "analysis/DimsEditing.h"

#include <gtest/gtest.h>

#include "BeakTestRecording.h"

namespace corv {
namespace {

DimList ListOf(std::initializer_list<std::pair<int32_t, int32_t>> extents) {
    DimList l;
    for (auto [s, e] : extents) {
        l.dims[static_cast<size_t>(l.count)].start = s;
        l.dims[static_cast<size_t>(l.count++)].end = e;
    }
    return l;
}

std::vector<std::pair<int32_t, int32_t>> Extents(const DimList& l) {
    std::vector<std::pair<int32_t, int32_t>> out;
    for (const DimExtent& d : DimExtents(l)) out.emplace_back(d.start, d.end);
    return out;
}

using V = std::vector<std::pair<int32_t, int32_t>>;

TEST(DimsEditing, DivideMergeDeleteAndAFullList) {
    DimList l = ListOf({{100, 200}, {300, 400}});
    EXPECT_FALSE(DivideDim(l, 0, 101));
    EXPECT_FALSE(DivideDim(l, 0, 199));
    EXPECT_TRUE(DivideDim(l, 0, 150));
    EXPECT_EQ(Extents(l), (V{{100, 149}, {150, 200}, {300, 400}}));

    EXPECT_TRUE(MergeDim(l, 0));
    EXPECT_EQ(Extents(l), (V{{100, 200}, {300, 400}}));
    // The last dim has no next one; a missing dim is no dim.
    EXPECT_FALSE(MergeDim(l, 1));
    EXPECT_FALSE(DeleteDim(l, -1));
    EXPECT_FALSE(DeleteDim(l, 2));
    EXPECT_FALSE(DivideDim(l, 2, 350));
    EXPECT_EQ(l.count, 2);

    DimList three = ListOf({{10, 20}, {30, 40}, {50, 60}});
    EXPECT_TRUE(DeleteDim(three, 0));
    EXPECT_EQ(Extents(three), (V{{30, 40}, {50, 60}}));

    // A full list is not divided.
    l = DimList{};
    for (int k = 0; k < kMaxDims; ++k)
        l.dims[static_cast<size_t>(l.count++)] = Dim{k * 100, k * 100 + 50};
    EXPECT_FALSE(DivideDim(l, 49, 4925));
    EXPECT_EQ(l.count, kMaxDims);
    EXPECT_TRUE(DeleteDim(l, 49));
    EXPECT_TRUE(DivideDim(l, 48, 4825));
    EXPECT_EQ(l.count, kMaxDims);
}

TEST(DimsEditing, DimAtAndUndoableEdits) {
    test::GraphState g;
    test::BeakRecording(1000).LoadInto(g);
    g->analysis.dimList = ListOf({{100, 200}, {300, 400}});
    int32_t i = 0;
    EXPECT_EQ(DimAt(*g, kBeakChannel, 150 * 100.0 + 50, i), 0);
    EXPECT_EQ(i, 150);
    EXPECT_EQ(DimAt(*g, kBeakChannel, 200 * 100.0, i), -1);  // the end is not inside
    EXPECT_EQ(DimAt(*g, kBeakChannel, 300 * 100.0, i), 1);

    EXPECT_TRUE(EditDims(*g, g.ui, DimsEdit::Divide, 0, 150));
    EXPECT_TRUE(EditDims(*g, g.ui, DimsEdit::Delete, 2));
    EXPECT_FALSE(EditDims(*g, g.ui, DimsEdit::MergeWithNext, 1));
    EXPECT_EQ(Extents(g->analysis.dimList), (V{{100, 149}, {150, 200}}));
    EXPECT_EQ(g->history.UndoName(), "Delete dim");
    g->history.Undo(*g);
    EXPECT_EQ(Extents(g->analysis.dimList), (V{{100, 149}, {150, 200}, {300, 400}}));
    g->history.Undo(*g);
    EXPECT_EQ(Extents(g->analysis.dimList), (V{{100, 200}, {300, 400}}));
    g->history.Redo(*g);
    EXPECT_EQ(g->analysis.dimList.count, 3);
    EXPECT_FALSE(g->ChannelModified[kBeakChannel]);
}

}  // namespace
}  // namespace corv
