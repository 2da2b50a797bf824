#include "calc/SectionScan.h"

#include <algorithm>
#include <array>

namespace corv {

namespace {

using Int128 = __int128;

// Centred sums of one run of values, combined pairwise (Chan, Golub and LeVeque), so no
// sum ever holds the square of a large offset.
struct Centred {
    double n = 0, mean = 0, kMean = 0, m2 = 0, ck = 0, kk = 0;

    void Merge(const Centred& b) {
        if (b.n == 0) return;
        if (n == 0) {
            *this = b;
            return;
        }
        const double total = n + b.n;
        const double d = b.mean - mean, dk = b.kMean - kMean;
        const double w = n * b.n / total;
        m2 += b.m2 + d * d * w;
        ck += b.ck + dk * d * w;
        kk += b.kk + dk * dk * w;
        mean += d * b.n / total;
        kMean += dk * b.n / total;
        n = total;
    }
};

// Sum of k and of k^2 for k = 1..x.
Int128 SumTo(Int128 x) {
    return x * (x + 1) / 2;
}
Int128 SquaresTo(Int128 x) {
    return x * (x + 1) * (2 * x + 1) / 6;
}

constexpr int32_t kRun = 4096;

}  // namespace

SectionScan::SectionScan(const ChannelStore& store, int c, int32_t first, int32_t last)
    : m_store(store), m_c(c), m_first(first), m_last(last), m_runs(store.RealRuns(c, first, last)) {
    for (const GapRange& run : m_runs) m_moments.n += int64_t{run.last} - run.first + 1;
    if (m_moments.n == 0) return;
    if (!ScanRawWords()) ScanValues();
}

double SectionScan::RawValue(uint32_t raw) const {
    // The same operations as GetScaledRaw, so the values are the ones every other part sees.
    const ChannelRecord& r = m_store.Rec(m_c);
    const double v = raw * r.CoeffA + r.CoeffB;
    return v - r.yOffset;
}

bool SectionScan::ScanRawWords() {
    const ChannelRecord& r = m_store.Rec(m_c);
    if (r.Derivation == 1 || r.bApplyPolynom == 1 || m_first < 0 || m_last > r.DataCnt)
        return false;
    // Every stored sample of the section must have its block.
    const int64_t pFirst = int64_t{m_first} - r.CorrSmpDelay,
                  pLast = int64_t{m_last} - r.CorrSmpDelay;
    for (int64_t b = std::max<int64_t>(pFirst, 0) >> ChannelStore::kBlockShift;
         pLast >= 0 && b <= pLast >> ChannelStore::kBlockShift; ++b) {
        const int64_t k = b * kChannelCount + m_c;
        if (k >= m_store.BlockCount || m_store.Block(static_cast<int>(k)) == nullptr) return false;
    }
    m_byRaw = true;
    m_counts.assign(65536, 0);
    Int128 kr = 0, sumK = 0, sumK2 = 0;  // sums of k * raw, k and k^2 over the samples
    for (const GapRange& run : m_runs) {
        const int64_t k0 = int64_t{run.first} - m_first + 1, k1 = int64_t{run.last} - m_first + 1;
        sumK += SumTo(k1) - SumTo(k0 - 1);
        sumK2 += SquaresTo(k1) - SquaresTo(k0 - 1);
        CountRawWords(pFirst, int64_t{run.first} - r.CorrSmpDelay,
                      int64_t{run.last} - r.CorrSmpDelay, kr);
    }

    Int128 sumR = 0, sumR2 = 0;
    bool any = false;
    for (uint32_t raw = 0; raw < m_counts.size(); ++raw) {
        if (m_counts[raw] == 0) continue;
        sumR += Int128(m_counts[raw]) * raw;
        sumR2 += Int128(m_counts[raw]) * raw * raw;
        const double v = RawValue(raw);
        if (!any || v < m_moments.min) m_moments.min = v;
        if (!any || v > m_moments.max) m_moments.max = v;
        any = true;
    }
    const Int128 n = m_moments.n;
    // Exact centred sums of the raw words, times n.
    const double qrr = static_cast<double>(n * sumR2 - sumR * sumR);
    const double qkr = static_cast<double>(n * kr - sumK * sumR);
    const double nd = static_cast<double>(m_moments.n);
    m_moments.mean = RawValue(0) + r.CoeffA * (static_cast<double>(sumR) / nd);
    m_moments.m2 = r.CoeffA * r.CoeffA * qrr / nd;
    m_moments.ck = r.CoeffA * qkr / nd;
    m_moments.kMean = static_cast<double>(sumK) / nd;
    m_moments.kk = static_cast<double>(n * sumK2 - sumK * sumK) / nd;
    return true;
}

// Counts the words at bank positions pFirst..pLast and adds k * raw to kr, k counted from
// pSection (the section's first position) as 1.
void SectionScan::CountRawWords(int64_t pSection, int64_t pFirst, int64_t pLast, Int128& kr) {
    // Samples before the channel's data read as raw word 0.
    m_counts[0] += static_cast<uint32_t>(std::clamp<int64_t>(-pFirst, 0, pLast - pFirst + 1));
    for (int64_t p = std::max<int64_t>(pFirst, 0); p <= pLast;) {
        const int64_t end = std::min<int64_t>(
            pLast, ((p >> ChannelStore::kBlockShift) + 1) * ChannelStore::kBlockSamples - 1);
        const uint16_t* w = m_store.BankWord(m_c, static_cast<int32_t>(p));
        const int64_t count = end - p + 1;
        const uint64_t k0 = static_cast<uint64_t>(p - pSection + 1);
        uint64_t sumW = 0, sumJW = 0;  // below 2^14 * 2^16 * 2^14: no overflow
        for (int64_t j = 0; j < count; ++j) {
            ++m_counts[w[j]];
            sumW += w[j];
            sumJW += static_cast<uint64_t>(j) * w[j];
        }
        kr += Int128(k0) * sumW + sumJW;
        p = end + 1;
    }
}

void SectionScan::ScanValues() {
    Centred all;
    std::array<double, kRun> v{};
    bool any = false;
    double shift = 0;
    for (const GapRange& gapFree : m_runs)
        for (int64_t start = gapFree.first; start <= gapFree.last; start += kRun) {
            const int32_t m =
                static_cast<int32_t>(std::min<int64_t>(kRun, gapFree.last - start + 1));
            for (int32_t j = 0; j < m; ++j) {
                int32_t err = 0;
                v[size_t(j)] = m_store.GetValue(static_cast<int32_t>(start + j), m_c, err);
                if (!any) shift = v[0];
                if (!any || v[size_t(j)] < m_moments.min) m_moments.min = v[size_t(j)];
                if (!any || v[size_t(j)] > m_moments.max) m_moments.max = v[size_t(j)];
                any = true;
            }
            // Everything is measured from the section's first value: a mean near a large
            // offset would keep too few of the bits in which the runs differ.
            double sum = 0;
            for (int32_t j = 0; j < m; ++j) sum += v[size_t(j)] - shift;
            Centred run;
            run.n = m;
            run.mean = sum / m;
            run.kMean = static_cast<double>(start - m_first) + (m + 1) / 2.0;
            run.kk = static_cast<double>(m) * (double(m) * m - 1) / 12;
            const double jMean = (m - 1) / 2.0;
            for (int32_t j = 0; j < m; ++j) {
                const double d = (v[size_t(j)] - shift) - run.mean;
                run.m2 += d * d;
                run.ck += (j - jMean) * d;
            }
            all.Merge(run);
        }
    m_moments.mean = shift + all.mean;
    m_moments.m2 = all.m2;
    m_moments.ck = all.ck;
    m_moments.kMean = all.kMean;
    m_moments.kk = all.kk;
}

}  // namespace corv
