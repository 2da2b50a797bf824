#include "core/ChannelStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Errors.h"
#include "core/RecordingUiPort.h"

namespace corv {
namespace {

class ChannelStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int c = 0; c < kChannelCount; ++c) {
            ChannelRecord& r = store.Rec(c);
            r.CoeffA = 1;
            r.a1 = 1;
            r.DataCnt = 100;
        }
        store.AllocateBanks(ui);
    }

    // The value and its error code together.
    std::pair<double, int32_t> Value(int32_t i, int c) {
        const double v = store.GetValue(i, c, err);
        return {v, err};
    }

    ChannelStore store;
    RecordingUiPort ui;
    int32_t err = 99;
};

TEST_F(ChannelStoreTest, AllocationAndBlockLayout) {
    EXPECT_TRUE(ui.Events().empty());
    EXPECT_EQ(store.MaxSamples, 6553600);
    EXPECT_EQ(store.BlockCount, 1200);
    for (int k : {0, 1, 2, 600, 1199}) EXPECT_NE(store.Block(k), nullptr) << k;
    EXPECT_THROW((void)store.Block(1200), RangeError);

    store.Rec(1).DataCnt = 50000;
    store.SetRaw(0, 11, 0);
    store.SetRaw(16383, 12, 2);
    store.SetRaw(16384, 13, 1);
    store.SetRaw(2 * 16384 + 5, 14, 2);
    store.SetRaw(2 * 16384 + 5, 15, 1);
    EXPECT_EQ(store.Block(0)[0], 11);
    EXPECT_EQ(store.Block(2)[16383], 12);
    EXPECT_EQ(store.Block(4)[0], 13);  // row 1, channel 1
    EXPECT_EQ(store.Block(8)[5], 14);  // row 2, channel 2
    EXPECT_EQ(store.Block(7)[5], 15);
    EXPECT_EQ(store.GetRaw(16384, 1), 13);
    EXPECT_EQ(store.GetRaw(2 * 16384 + 5, 1), 15);

    // Blocks are distinct: the last word of a block is not the first of the next.
    store.SetRaw(16383, 21, 0);
    EXPECT_EQ(store.Block(3)[0], 0);
}

TEST_F(ChannelStoreTest, DelayedChannelReadsBaseValueBeforeItsData) {
    ChannelRecord& r = store.Rec(1);
    r.CorrSmpDelay = 5;
    r.DataCnt = 10;
    r.CoeffA = 2;
    r.CoeffB = 10;
    r.yOffset = 1;
    store.SetRaw(5, 7, 1);
    store.SetRaw(3, 99, 1);  // before the data: ignored
    EXPECT_EQ(store.Block(1)[0], 7);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Value(i, 1), std::pair(9.0, 0)) << i;
        EXPECT_EQ(store.GetRaw(i, 1), 0);
    }
    EXPECT_EQ(Value(5, 1), std::pair(23.0, 0));  // 7 * 2 + 10 - 1
    EXPECT_EQ(store.GetRaw(5, 1), 7);

    // GetRaw bounds the bank position, not the index.
    store.Rec(2).CorrSmpDelay = 5;
    store.Rec(2).DataCnt = 10;
    store.SetRaw(12, 77, 2);             // position 7
    store.SetRaw(16, 78, 2);             // position 11
    EXPECT_EQ(store.GetRaw(12, 2), 77);  // beyond DataCnt as an index, within as a position
    EXPECT_EQ(store.GetRaw(16, 2), 0);
    EXPECT_EQ(store.Block(2)[11], 78);
    (void)store.GetScaledRaw(12, 2, err);
    EXPECT_EQ(err, -2);
}

TEST_F(ChannelStoreTest, ReadableRangeEndsAtDataCntAndDerivation) {
    ChannelRecord& r = store.Rec(0);
    r.DataCnt = 20;
    r.CoeffB = 3;
    store.SetRaw(20, 40, 0);
    EXPECT_EQ(Value(20, 0), std::pair(43.0, 0));
    EXPECT_EQ(Value(21, 0), std::pair(0.0, -2));
    EXPECT_EQ(store.GetScaledRaw(-1, 0, err), 0.0);
    EXPECT_EQ(err, -2);
    EXPECT_EQ(Value(std::numeric_limits<int32_t>::min(), 0), std::pair(0.0, -2));
    EXPECT_THROW((void)store.GetValue(0, 3, err), RangeError);
    EXPECT_THROW((void)store.GetRaw(0, -1), RangeError);

    // A derived channel: the previous value of the first sample reads as 0.
    r.Derivation = 1;
    r.CoeffB = 5;
    store.SetRaw(0, 10, 0);
    store.SetRaw(1, 13, 0);
    EXPECT_EQ(Value(0, 0), std::pair(15.0, -2));  // the previous value reads as 0
    EXPECT_EQ(Value(1, 0), std::pair(3.0, 0));
}

TEST_F(ChannelStoreTest, PolynomialAndItsFlag) {
    ChannelRecord& r = store.Rec(1);
    EXPECT_FALSE(store.UpdatePolynomFlag(1));
    EXPECT_EQ(r.bSet, 0);
    r.b5 = 1e-300;
    EXPECT_TRUE(store.UpdatePolynomFlag(1));
    EXPECT_EQ(r.bSet, 1);
    r.b5 = 0;
    r.a1 = 1.0000001;
    EXPECT_TRUE(store.UpdatePolynomFlag(1));
    r.a1 = 1;
    EXPECT_FALSE(store.UpdatePolynomFlag(1));
    EXPECT_EQ(r.bSet, 0);

    store.SetRaw(0, 2, 1);
    store.SetRaw(1, 1, 1);
    r.bApplyPolynom = 1;
    r.a0 = 1;
    r.a1 = 2;
    r.a2 = 3;
    r.b1 = 0.5;
    EXPECT_DOUBLE_EQ(store.GetValue(0, 1, err), (1 + 4 + 12) / 2.0);
    EXPECT_EQ(err, 0);
    r.a5 = 1;
    r.b2 = 1;
    EXPECT_DOUBLE_EQ(store.GetValue(0, 1, err), (1 + 4 + 12 + 32) / (1 + 1 + 4.0));

    // A vanishing denominator leaves the value as it was before the polynomial.
    r = ChannelRecord{};
    r.CoeffA = 1;
    r.DataCnt = 100;
    r.a1 = 1;
    r.b1 = -1;
    r.bApplyPolynom = 1;
    EXPECT_EQ(Value(1, 1), std::pair(1.0, -1));
}

TEST_F(ChannelStoreTest, ValueToRawRoundsAndClips) {
    ChannelRecord& r = store.Rec(0);
    bool inRange = true;
    r.CoeffA = 0;
    EXPECT_EQ(store.ValueToRaw(0, inRange, 1234), 0);
    EXPECT_TRUE(inRange);

    r.CoeffA = 1;
    EXPECT_EQ(store.ValueToRaw(0, inRange, 2.5), 2);
    EXPECT_EQ(store.ValueToRaw(0, inRange, 3.5), 4);
    EXPECT_EQ(store.ValueToRaw(0, inRange, 65535.4), 65535);
    EXPECT_TRUE(inRange);
    EXPECT_EQ(store.ValueToRaw(0, inRange, -3), 0);
    EXPECT_FALSE(inRange);
    inRange = true;
    EXPECT_EQ(store.ValueToRaw(0, inRange, 70000), 65535);
    EXPECT_FALSE(inRange);
    // Once cleared it stays cleared.
    EXPECT_EQ(store.ValueToRaw(0, inRange, 10), 10);
    EXPECT_FALSE(inRange);
    inRange = true;
    EXPECT_EQ(store.ValueToRaw(0, inRange, std::nan("")), 0);
    EXPECT_FALSE(inRange);

    // The inverse of the value mapping, baseline included.
    r.CoeffA = 0.5;
    r.CoeffB = -100;
    r.yOffset = 20;
    inRange = true;
    EXPECT_EQ(store.ValueToRaw(0, inRange, 380), 1000);
    EXPECT_TRUE(inRange);
    store.SetRaw(0, 1000, 0);
    EXPECT_EQ(store.GetValue(0, 0, err), 380.0);
}

TEST_F(ChannelStoreTest, WritesBeyondTheCapacityAreIgnored) {
    ChannelRecord& r = store.Rec(1);
    r.CorrSmpDelay = 3;
    r.DataCnt = store.MaxSamples + 10;
    const int32_t last = store.MaxSamples - 1 + 3;
    store.SetRaw(last, 5, 1);
    store.SetRaw(last + 1, 6, 1);
    store.SetRaw(std::numeric_limits<int32_t>::max(), 6, 1);
    EXPECT_EQ(store.Block(1198)[16383], 5);
    EXPECT_EQ(store.GetRaw(last, 1), 5);
    EXPECT_EQ(store.GetRaw(last + 1, 1), 0);
    // Beyond the block table a read reports -1.
    EXPECT_EQ(store.GetScaledRaw(last + 1, 1, err), 0.0);
    EXPECT_EQ(err, -1);
}

TEST_F(ChannelStoreTest, AbsentChannelsGetNoBlocksAndFreedBanksReadNothing) {
    ChannelStore unallocated;  // capacity 0: writes are ignored, reads miss their block
    unallocated.Rec(0).DataCnt = 5;
    unallocated.SetRaw(0, 1, 0);
    EXPECT_EQ(unallocated.GetRaw(0, 0), 0);
    EXPECT_EQ(unallocated.GetValue(0, 0, err), 0.0);
    EXPECT_EQ(err, -1);

    store.FreeBanks();
    for (int k = 0; k < ChannelStore::kBlockTableSize; ++k) ASSERT_EQ(store.Block(k), nullptr) << k;
    store.SetRaw(0, 9, 0);  // no block: nothing happens
    EXPECT_EQ(store.GetRaw(0, 0), 0);
    EXPECT_EQ(Value(0, 0), std::pair(0.0, -1));

    store.ChannelPresent = {true, false, false};
    store.Rec(2).ToCreate = 1;
    store.AllocateBanks(ui);
    EXPECT_NE(store.Block(3), nullptr);
    EXPECT_EQ(store.Block(4), nullptr);
    EXPECT_NE(store.Block(5), nullptr);
    (void)store.GetValue(0, 1, err);
    EXPECT_EQ(err, -1);
    store.SetRaw(0, 9, 2);
    EXPECT_EQ(store.GetRaw(0, 2), 9);
}

}  // namespace
}  // namespace corv
