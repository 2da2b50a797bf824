#pragma once
// The three channel records and their samples: unsigned 16-bit raw words in banks of
// 16384-word blocks, interleaved by row (row r holds blocks 3r, 3r+1, 3r+2 for channels
// 0, 1, 2). Every other part reads and writes samples only through these operations.

#include <array>
#include <cstdint>
#include <string>

#include "core/BankMemory.h"
#include "core/ChannelGaps.h"
#include "core/ChannelRecord.h"
#include "core/Checked.h"
#include "core/MinMaxPyramid.h"

namespace corv {

class UiPort;

class ChannelStore {
  public:
    static constexpr int32_t kBlockSamples = 16384;
    static constexpr int kBlockShift = 14;
    static constexpr int32_t kBlockMask = kBlockSamples - 1;
    static constexpr int kBlockRows = 400;
    static constexpr int kBlockTableSize = kBlockRows * kChannelCount;
    static constexpr int32_t kCapacity = kBlockSamples * kBlockRows;  // 6 553 600
    static_assert(MinMaxPyramid::kBlockShift == kBlockShift &&
                  MinMaxPyramid::kBlockRows == kBlockRows);

    ChannelStore();
    ChannelStore(const ChannelStore&) = delete;
    ChannelStore& operator=(const ChannelStore&) = delete;

    // The record of channel c; c outside 0..2 is a programming error (RangeError).
    ChannelRecord& Rec(int c) {
        CheckIndex(c, kChannelCount);
        return Channel[static_cast<size_t>(c)];
    }
    const ChannelRecord& Rec(int c) const {
        CheckIndex(c, kChannelCount);
        return Channel[static_cast<size_t>(c)];
    }

    // Scaled raw value without derivation or polynomial; err 0, -1 (no block) or
    // -2 (index outside 0..DataCnt).
    double GetScaledRaw(int32_t i, int c, int32_t& err) const {
        const ChannelRecord& r = Rec(c);
        err = 0;
        if (i < 0 || i > r.DataCnt) {
            err = -2;
            return 0.0;
        }
        const int64_t p = int64_t{i} - r.CorrSmpDelay;
        uint16_t raw = 0;
        if (p >= 0) {
            const int64_t k = (p >> kBlockShift) * kChannelCount + c;
            if (k >= BlockCount || m_table[static_cast<size_t>(k)] == nullptr) {
                err = -1;
                return 0.0;
            }
            raw = m_table[static_cast<size_t>(k)][p & kBlockMask];
        }
        return ScaleWord(r, raw);
    }

    // The scaled value of a raw word: GetScaledRaw of a sample holding it.
    static double ScaleWord(const ChannelRecord& r, uint16_t raw) {
        const double v = raw * r.CoeffA + r.CoeffB;
        return v - r.yOffset;
    }

    // GetValue of a sample holding raw word w, for a channel without the first difference.
    static double WordValue(const ChannelRecord& r, uint16_t w, int32_t& err) {
        err = 0;
        const double v = ScaleWord(r, w);
        return r.bApplyPolynom == 1 ? ApplyPolynom(r, v, err) : v;
    }

    // The value every display, statistic, export and analysis uses: scaled raw, then the
    // optional first difference and rational polynomial.
    double GetValue(int32_t i, int c, int32_t& err) const {
        double v = GetScaledRaw(i, c, err);
        const ChannelRecord& r = Channel[static_cast<size_t>(c)];
        if (r.Derivation == 1) v -= GetScaledRaw(i == INT32_MIN ? i : i - 1, c, err);
        if (r.bApplyPolynom == 1) v = ApplyPolynom(r, v, err);
        return v;
    }

    // The raw word at common index i; 0 outside the stored data.
    uint16_t GetRaw(int32_t i, int c) const;
    // Stores a raw word at common index i; ignored outside 0..MaxSamples-1.
    void SetRaw(int32_t i, uint16_t raw, int c);
    // The raw word of a value, ties to even; clears inRange when it had to be clipped.
    uint16_t ValueToRaw(int c, bool& inRange, double value) const;
    // Whether common index i lies in a stretch that had no value in the file (see
    // ChannelGaps); statistics, histograms and exports leave such samples out.
    bool InGap(int32_t i, int c) const {
        const int64_t p = int64_t{i} - Rec(c).CorrSmpDelay;
        return p >= 0 && p <= INT32_MAX &&
               Gaps[static_cast<size_t>(c)].Contains(static_cast<int32_t>(p));
    }
    // The kind-dependent mapping used by the binary file reader.
    double RawValueByKind(double raw, int c) const;
    // Sets bSet from the coefficients and returns it.
    bool UpdatePolynomFlag(int c);

    // Obtains the blocks of present (or to-be-created) channels; "Insuff Memory" when the
    // memory cannot be had.
    void AllocateBanks(UiPort& ui);
    void FreeBanks();

    // Direct bank access for the loaders and writers: the word at bank position p of
    // channel c (p counted from 0 within the stored data), or null when not allocated.
    uint16_t* BankWord(int c, int32_t p) const;
    // Raw block table entry k (0..1199), null until allocated.
    uint16_t* Block(int k) const {
        CheckIndex(k, kBlockTableSize);
        return m_table[static_cast<size_t>(k)];
    }

    // The block extremes of channel c's bank, brought up to date with every change marked
    // so far (by SetRaw or MarkChanged).
    const MinMaxPyramid& Pyramid(int c) const {
        CheckIndex(c, kChannelCount);
        MinMaxPyramid& p = m_pyramids[static_cast<size_t>(c)];
        p.Refresh();
        return p;
    }
    // Words at bank positions first..last of channel c were written directly (loaders,
    // undo): their block extremes are recomputed now.
    void MarkChanged(int c, int64_t first, int64_t last);

    std::array<ChannelRecord, kChannelCount> Channel{};
    std::array<bool, kChannelCount> ChannelPresent{true, true, true};
    std::array<std::string, kChannelCount> ChannelComment{" ", " ", " "};
    std::array<ChannelGaps, kChannelCount> Gaps{};  // set by the loaders
    uint16_t BlockCount = 0;
    int32_t MaxSamples = 0;
    double TotalSpan = 0;
    double OriginTime = 0;

  private:
    static double ApplyPolynom(const ChannelRecord& r, double x, int32_t& err);

    std::array<uint16_t*, kBlockTableSize> m_table{};
    BankMemory m_memory;
    // Mutable: refreshed on demand by the const readers.
    mutable std::array<MinMaxPyramid, kChannelCount> m_pyramids;
};

}  // namespace corv
