// The undo history: random edits undone and redone step by step give back the exact words
// and records; the budget drops the oldest steps; ChannelModified follows the saved state.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "GraphTestSupport.h"
#include "core/Errors.h"

namespace corv {
namespace {

struct Snapshot {
    std::vector<std::vector<uint16_t>> words;
    std::vector<ChannelRecord> records;
    double totalSpan = 0;
    bool operator==(const Snapshot& o) const {
        if (words != o.words || totalSpan != o.totalSpan) return false;
        for (size_t c = 0; c < records.size(); ++c) {
            bool same = true;
            ChannelRecord a = records[c], b = o.records[c];
            ForEachField(a, [&](const char* name, auto& va) {
                ForEachField(b, [&](const char* nb, auto& vb) {
                    if constexpr (std::is_same_v<decltype(va), decltype(vb)>)
                        if (std::string(name) == nb && !(va == vb)) same = false;
                });
            });
            if (!same) return false;
        }
        return true;
    }
};

constexpr int32_t kLength = 3000;  // bank words compared per channel

Snapshot Take(const AppState& s) {
    Snapshot snap;
    for (int c = 0; c < kChannelCount; ++c) {
        std::vector<uint16_t> w;
        for (int32_t p = 0; p < kLength; ++p) w.push_back(*s.store.BankWord(c, p));
        snap.words.push_back(std::move(w));
        snap.records.push_back(s.store.Rec(c));
    }
    snap.totalSpan = s.store.TotalSpan;
    return snap;
}

// One random command: a section write, a record change, or a whole-channel resize.
void RandomEdit(test::GraphState& g, std::mt19937& rng) {
    AppState& s = *g;
    const int c = int(rng() % 3);
    ChannelRecord& r = s.store.Rec(c);
    switch (rng() % 3) {
        case 0: {
            const int32_t a = int32_t(rng() % 1000), b = a + int32_t(rng() % 500);
            s.history.RunEdit(s, g.ui, "section", EditScope().Words(c, a, b), [&] {
                for (int32_t i = a; i <= b; ++i) s.store.SetRaw(i, uint16_t(rng()), c);
                return true;
            });
            break;
        }
        case 1:
            s.history.RunEdit(s, g.ui, "scaling", EditScope().Record(c), [&] {
                r.CoeffA *= 1.5;
                r.yOffset += 1;
                return true;
            });
            break;
        default: {
            const int32_t newLast = 500 + int32_t(rng() % 2000);
            s.history.RunEdit(s, g.ui, "resize", EditScope().WholeChannel(c, newLast).Record(c),
                              [&] {
                                  for (int32_t i = 0; i <= newLast; ++i)
                                      s.store.SetRaw(i, uint16_t(i * 7 + c), c);
                                  r.DataCnt = newLast;
                                  s.store.TotalSpan = std::max(s.store.TotalSpan, newLast * 10.0);
                                  return true;
                              });
        }
    }
}

TEST(UndoHistory, RandomEditsUndoneAndRedoneStepByStepGiveTheExactStates) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        test::GraphState g;
        std::mt19937 rng(seed);
        for (int c = 0; c < 3; ++c) {
            std::vector<uint16_t> raws(1200 + 300 * c);
            for (auto& w : raws) w = uint16_t(rng());
            g.Load(c, raws, 10);
        }
        std::vector<Snapshot> states{Take(*g)};
        const int steps = 5 + int(rng() % 20);
        for (int k = 0; k < steps; ++k) {
            RandomEdit(g, rng);
            states.push_back(Take(*g));
        }
        ASSERT_EQ(g->history.StepCount(), size_t(steps));
        for (int k = steps; k > 0; --k) {
            ASSERT_TRUE(g->history.Undo(*g).done);
            ASSERT_TRUE(Take(*g) == states[size_t(k - 1)]) << "seed " << seed << " undo " << k;
        }
        EXPECT_FALSE(g->history.Undo(*g).done);
        for (int k = 1; k <= steps; ++k) {
            ASSERT_TRUE(g->history.Redo(*g).done);
            ASSERT_TRUE(Take(*g) == states[size_t(k)]) << "seed " << seed << " redo " << k;
        }
        EXPECT_FALSE(g->history.CanRedo());
    }
}

TEST(UndoHistory, NamesStepsDropsUnchangedOnesANewStepEndsRedoAndThrowsAreUndone) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(100, 5), 10);
    AppState& s = *g;
    EXPECT_FALSE(
        s.history.RunEdit(s, g.ui, "nothing", EditScope().Words(0, 0, 10), [] { return false; }));
    EXPECT_FALSE(s.history.CanUndo());
    auto set = [&](const char* name, uint16_t v) {
        s.history.RunEdit(s, g.ui, name, EditScope().Words(0, 3, 3), [&] {
            s.store.SetRaw(3, v, 0);
            return true;
        });
    };
    set("Smooth 1-2-1", 7);
    set("Add", 9);
    EXPECT_EQ(s.history.UndoName(), "Add");
    s.history.Undo(s);
    EXPECT_EQ(s.history.RedoName(), "Add");
    set("Multiply", 11);
    EXPECT_FALSE(s.history.CanRedo());
    s.history.Undo(s);
    s.history.Undo(s);
    EXPECT_EQ(s.store.GetRaw(3, 0), 5);
    // Overlapping declarations are saved once (a double swap would restore the edit).
    s.history.RunEdit(s, g.ui, "overlap", EditScope().Words(0, 0, 5).Words(0, 3, 8), [&] {
        s.store.SetRaw(4, 99, 0);
        return true;
    });
    s.history.Undo(s);
    EXPECT_EQ(s.store.GetRaw(4, 0), 5);
    EXPECT_FALSE(s.ChannelModified[0]);

    // A command that throws half way can still be undone.
    EXPECT_THROW(s.history.RunEdit(s, g.ui, "fails", EditScope().Words(0, 0, 99),
                                   [&]() -> bool {
                                       s.store.SetRaw(1, 1, 0);
                                       throw RangeError("Range check error");
                                   }),
                 RangeError);
    EXPECT_TRUE(s.ChannelModified[0]);
    s.history.Undo(s);
    EXPECT_EQ(s.store.GetRaw(1, 0), 5);
    EXPECT_FALSE(s.ChannelModified[0]);
}

TEST(UndoHistory, BudgetDropsTheOldestStepsAndRefusesToRecordATooLargeOne) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(5000, 5), 10);
    AppState& s = *g;
    s.history.SetBudget(4100);  // room for two steps of 1000 words
    for (uint16_t v = 1; v <= 4; ++v)
        s.history.RunEdit(s, g.ui, "fill", EditScope().Words(0, 0, 999), [&] {
            for (int32_t i = 0; i < 1000; ++i) s.store.SetRaw(i, v, 0);
            return true;
        });
    EXPECT_EQ(s.history.StepCount(), 2u);
    EXPECT_LE(s.history.BytesHeld(), s.history.Budget());
    s.history.Undo(s);
    s.history.Undo(s);
    EXPECT_EQ(s.store.GetRaw(0, 0), 2);  // the first two steps are gone
    EXPECT_FALSE(s.history.CanUndo());
    EXPECT_TRUE(s.ChannelModified[0]);  // the loaded state can no longer be reached

    s.history.RunEdit(s, g.ui, "huge", EditScope().Words(0, 0, 4999), [&] {
        s.store.SetRaw(0, 42, 0);
        return true;
    });
    EXPECT_EQ(s.store.GetRaw(0, 0), 42);
    EXPECT_EQ(s.history.StepCount(), 0u);
    ASSERT_EQ(g.ui.Events().size(), 1u);
    EXPECT_NE(g.ui.Events()[0].text.find("cannot be undone"), std::string::npos);
}

TEST(UndoHistory, ChannelModifiedFollowsTheSavedState) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(100, 5), 10);
    g.Load(1, std::vector<uint16_t>(100, 5), 10);
    AppState& s = *g;
    auto edit = [&](int c, EditScope scope) {
        s.history.RunEdit(s, g.ui, "edit", scope.Words(c, 1, 1), [&] {
            s.store.SetRaw(1, uint16_t(s.store.GetRaw(1, c) + 1), c);
            return true;
        });
    };
    edit(0, EditScope());
    edit(1, EditScope());
    EXPECT_TRUE(s.ChannelModified[0] && s.ChannelModified[1]);
    s.ChannelModified[0] = false;  // channel 0 saved here
    s.history.MarkSaved(0);
    s.history.Undo(s);  // takes back channel 1's edit
    EXPECT_FALSE(s.ChannelModified[1] || s.ChannelModified[0]);
    s.history.Undo(s);  // before the save: channel 0 differs from its file again
    EXPECT_TRUE(s.ChannelModified[0]);
    s.history.Redo(s);
    EXPECT_FALSE(s.ChannelModified[0]);
    // A baseline-like step leaves the flags alone.
    edit(1, EditScope().KeepModifiedFlags());
    EXPECT_FALSE(s.ChannelModified[1]);
}

}  // namespace
}  // namespace corv
