#include "core/ChannelStore.h"

#include <algorithm>
#include <cmath>

#include "core/UiPort.h"

namespace corv {

ChannelStore::ChannelStore() = default;

double ChannelStore::ApplyPolynom(const ChannelRecord& r, double x, int32_t& err) {
    const double x2 = x * x;
    const double x3 = x * x2;
    const double x4 = x * x3;
    const double x5 = x * x4;
    const double num = r.a0 + r.a1 * x + r.a2 * x2 + r.a3 * x3 + r.a4 * x4 + r.a5 * x5;
    const double den = 1 + r.b1 * x + r.b2 * x2 + r.b3 * x3 + r.b4 * x4 + r.b5 * x5;
    if (std::fabs(den) >= 1e-12) return num / den;
    err = -1;  // a near-zero denominator leaves the value unpolynomised
    return x;
}

uint16_t* ChannelStore::BankWord(int c, int32_t p) const {
    CheckIndex(c, kChannelCount);
    if (p < 0) return nullptr;
    const int64_t k = (int64_t{p} >> kBlockShift) * kChannelCount + c;
    if (k >= BlockCount) return nullptr;
    uint16_t* block = m_table[static_cast<size_t>(k)];
    return block ? block + (p & kBlockMask) : nullptr;
}

uint16_t ChannelStore::GetRaw(int32_t i, int c) const {
    const ChannelRecord& r = Rec(c);
    const int64_t p = int64_t{i} - r.CorrSmpDelay;
    // The upper bound is applied to the bank position, not to the common index.
    if (p < 0 || p > r.DataCnt) return 0;
    const uint16_t* w = BankWord(c, static_cast<int32_t>(p));
    return w ? *w : 0;
}

void ChannelStore::SetRaw(int32_t i, uint16_t raw, int c) {
    const ChannelRecord& r = Rec(c);
    const int64_t p = int64_t{i} - r.CorrSmpDelay;
    if (p < 0 || p >= MaxSamples) return;
    if (uint16_t* w = BankWord(c, static_cast<int32_t>(p))) {
        *w = raw;
        m_pyramids[static_cast<size_t>(c)].Touch(p, p);
    }
}

void ChannelStore::MarkChanged(int c, int64_t first, int64_t last) {
    CheckIndex(c, kChannelCount);
    MinMaxPyramid& p = m_pyramids[static_cast<size_t>(c)];
    p.Touch(first, last);
    p.Refresh();
}

uint16_t ChannelStore::ValueToRaw(int c, bool& inRange, double value) const {
    const ChannelRecord& r = Rec(c);
    double raw = 0;
    if (r.CoeffA != 0) raw = RoundHalfEven((value + r.yOffset - r.CoeffB) / r.CoeffA);
    if (!(raw >= 0 && raw <= 65535)) {
        inRange = false;
        return raw > 65535 ? 65535 : 0;  // NaN clips to 0
    }
    return static_cast<uint16_t>(raw);
}

double ChannelStore::RawValueByKind(double raw, int c) const {
    const ChannelRecord& r = Rec(c);
    double v = raw;
    if (r.KindEqu == 'A' || r.KindEqu == 'D' || r.KindEqu == 'M')
        v = raw * r.CoeffA + raw * raw * r.CoeffC + r.CoeffB;
    return v - r.yOffset;
}

bool ChannelStore::UpdatePolynomFlag(int c) {
    ChannelRecord& r = Rec(c);
    r.bSet = 0;
    const bool identity = r.a1 == 1 && r.a0 == 0 && r.a2 == 0 && r.a3 == 0 && r.a4 == 0 &&
                          r.a5 == 0 && r.b1 == 0 && r.b2 == 0 && r.b3 == 0 && r.b4 == 0 &&
                          r.b5 == 0;
    if (identity) return false;
    r.bSet = 1;
    return true;
}

void ChannelStore::AllocateBanks(UiPort& ui) {
    FreeBanks();
    constexpr size_t blockBytes = sizeof(uint16_t) * kBlockSamples;
    if (!m_memory.Obtain(blockBytes * kBlockTableSize)) {
        // One allocation serves all rows: they fail together, and one message says so.
        ui.Message("Insuff Memory", BoxKind::Error);
    } else {
        for (int r = 0; r < kBlockRows; ++r)
            for (int c = 0; c < kChannelCount; ++c)
                if (ChannelPresent[static_cast<size_t>(c)] || Rec(c).ToCreate == 1) {
                    const size_t k = static_cast<size_t>(r * kChannelCount + c);
                    m_table[k] = m_memory.Words() + k * kBlockSamples;
                }
    }
    MaxSamples = kCapacity;
    BlockCount = kBlockTableSize;
    for (int c = 0; c < kChannelCount; ++c) {
        std::array<const uint16_t*, MinMaxPyramid::kBlockRows> blocks{};
        for (int r = 0; r < kBlockRows; ++r)
            blocks[static_cast<size_t>(r)] = m_table[static_cast<size_t>(r * kChannelCount + c)];
        m_pyramids[static_cast<size_t>(c)].Attach(blocks);
    }
}

void ChannelStore::FreeBanks() {
    m_table.fill(nullptr);
    m_memory.Release();
    for (auto& p : m_pyramids) p.Detach();
}

std::vector<GapRange> ChannelStore::RealRuns(int c, int32_t first, int32_t last) const {
    const ChannelGaps& gaps = Gaps[static_cast<size_t>(c)];
    if (last < first) return {};
    if (gaps.Empty()) return {{first, last}};
    // Gaps are kept as bank positions; indexes before the channel's data are never in one.
    const int64_t delay = Rec(c).CorrSmpDelay;
    const auto position = [&](int64_t i) {
        return static_cast<int32_t>(std::clamp<int64_t>(i - delay, INT32_MIN, INT32_MAX));
    };
    std::vector<GapRange> runs = gaps.Outside(position(first), position(last));
    for (GapRange& g : runs) {
        g.first = static_cast<int32_t>(g.first + delay);
        g.last = static_cast<int32_t>(g.last + delay);
    }
    return runs;
}

}  // namespace corv
