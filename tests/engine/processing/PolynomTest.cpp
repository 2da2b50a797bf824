#include "processing/Polynom.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"
#include "core/Errors.h"
#include "processing/ChannelOps.h"

namespace corv {
namespace {

class PolynomTest : public ::testing::Test {
  protected:
    PolynomTest() { g.Load(0, {10, 20, 30}, 1000); }
    ChannelRecord& Rec() { return g->store.Rec(0); }
    double V(int32_t i) {
        int32_t err = 0;
        return g->store.GetValue(i, 0, err);
    }
    test::GraphState g;
};

TEST_F(PolynomTest, LettersMapToTheirCoefficients) {
    PolynomTexts texts;
    for (int k = 0; k < kPolynomLetters; ++k) texts[size_t(k)] = std::to_string(k + 1);
    ASSERT_TRUE(StorePolynom(*g, g.ui, 0, texts, false));
    const ChannelRecord& r = Rec();
    // A=1 B=2 C=3 ... K=11: numerator A C E G I K, denominator B D F H J.
    EXPECT_EQ((std::vector<double>{r.a0, r.a1, r.a2, r.a3, r.a4, r.a5}),
              (std::vector<double>{1, 3, 5, 7, 9, 11}));
    EXPECT_EQ((std::vector<double>{r.b1, r.b2, r.b3, r.b4, r.b5}),
              (std::vector<double>{2, 4, 6, 8, 10}));
    EXPECT_EQ(PolynomTextsOf(*g, 0), texts);
    EXPECT_EQ(r.bSet, 1);
}

TEST_F(PolynomTest, OffsetOfFiveRaisesValuesAndIsUndone) {
    PolynomTexts texts = IdentityPolynomTexts();
    texts[0] = "5";  // A
    ASSERT_TRUE(StorePolynom(*g, g.ui, 0, texts, true));
    EXPECT_EQ(V(1), 25);
    EXPECT_EQ(Rec().bSet, 1);
    EXPECT_EQ(g->history.UndoName(), "Polynom");
    g->history.Undo(*g);
    EXPECT_EQ(V(1), 20);
    EXPECT_EQ(Rec().a0, 0);
    EXPECT_EQ(Rec().bApplyPolynom, 0);
}

TEST_F(PolynomTest, ConversionErrorKeepsTheCoefficientsBeforeIt) {
    PolynomTexts texts = IdentityPolynomTexts();
    texts[0] = "2";     // A, stored first
    texts[4] = "0,5";   // E, a decimal comma converts
    texts[10] = "abc";  // K fails: B .. J come after it and stay
    texts[1] = "9";     // B
    EXPECT_THROW(StorePolynom(*g, g.ui, 0, texts, true), ConversionError);
    EXPECT_EQ(Rec().a0, 2);
    EXPECT_EQ(Rec().a2, 0.5);
    EXPECT_EQ(Rec().b1, 0);
    EXPECT_EQ(Rec().bApplyPolynom, 0);
    // The partial store is one step.
    g->history.Undo(*g);
    EXPECT_EQ(Rec().a0, 0);
    EXPECT_EQ(Rec().a2, 0);
}

TEST_F(PolynomTest, ResetAndCheckBox) {
    Rec().a3 = 4;
    ASSERT_TRUE(SetApplyPolynom(*g, g.ui, 0, true));
    EXPECT_EQ(Rec().bApplyPolynom, 1);
    EXPECT_FALSE(SetApplyPolynom(*g, g.ui, 0, true));  // no change, no step
    ASSERT_TRUE(ResetPolynom(*g, g.ui, 0));
    ASSERT_TRUE(StorePolynom(*g, g.ui, 0, PolynomTextsOf(*g, 0), false) == false);
    EXPECT_EQ(Rec().a3, 0);
    EXPECT_EQ(Rec().a1, 1);
    EXPECT_EQ(Rec().bApplyPolynom, 0);
    EXPECT_EQ(Rec().bSet, 0);
    EXPECT_EQ(g->history.UndoName(), "Polynom reset");
}

TEST_F(PolynomTest, BiChannelRefusesOnlyWithBothPolynomialsApplied) {
    g.Load(1, {1, 2, 3}, 1000);
    PolynomTexts texts = IdentityPolynomTexts();
    texts[0] = "5";
    StorePolynom(*g, g.ui, 0, texts, true);
    // Only one channel applies its polynomial: the values with the polynomial are used.
    ASSERT_TRUE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 1));
    int32_t err = 0;
    EXPECT_NEAR(g->store.GetValue(2, 1, err), 35 + 3, 1e-9);
    SetApplyPolynom(*g, g.ui, 1, true);
    g.ui.Clear();
    EXPECT_FALSE(BiChannel(*g, g.ui, kOpAdd, 0, 1, 1));
    EXPECT_EQ(g.ui.Events().at(0).kind, UiEvent::Kind::Help);
}

}  // namespace
}  // namespace corv
