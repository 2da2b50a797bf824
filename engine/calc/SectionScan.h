#pragma once
// One read of a section's values that serves every calculation on it: extremes, mean and
// the centred sums of squares and products the regression needs, and the values
// themselves (with their counts) for the histograms.
//
// When a value depends on its raw word alone (no first difference, no polynomial) the scan
// counts the raw words and keeps the exact integer sums of raw and index * raw; the moments
// then come out of integer arithmetic, free of the cancellation that plain sums of squares
// suffer with a large offset, and the histograms need one step per distinct word instead of
// one per sample. Otherwise the values are read block by block and the centred sums of the
// blocks are combined pairwise.
//
// Samples in a gap (lines of the file without a value) are left out; the others keep their
// place k in the section, so the regression still sees their real times.

#include <cstdint>
#include <vector>

#include "core/ChannelStore.h"

namespace corv {

struct SectionMoments {
    int64_t n = 0;   // number of samples (those in gaps are not counted)
    double min = 0;  // smallest and largest value (0 when n is 0)
    double max = 0;
    double mean = 0;
    double m2 = 0;     // sum of (v - mean)^2
    double ck = 0;     // sum of (k - mean k)(v - mean), k = 1.. the sample's place in the section
    double kMean = 0;  // mean of k
    double kk = 0;     // sum of (k - mean k)^2
};

class SectionScan {
  public:
    // Reads channel c from sample first to sample last (nothing when last < first).
    SectionScan(const ChannelStore& store, int c, int32_t first, int32_t last);

    [[nodiscard]] const SectionMoments& Moments() const { return m_moments; }

    // Calls f(value, count) for the values of the section; equal values may come in one
    // call, and the order is not the order in time.
    template <class F>
    void ForEachValue(F&& f) const {
        if (m_byRaw) {
            for (uint32_t r = 0; r < m_counts.size(); ++r)
                if (m_counts[r] != 0) f(RawValue(r), m_counts[r]);
            return;
        }
        for (const GapRange& run : m_runs)
            for (int64_t i = run.first; i <= run.last; ++i) {
                int32_t err = 0;
                f(m_store.GetValue(static_cast<int32_t>(i), m_c, err), uint32_t{1});
            }
    }

  private:
    bool ScanRawWords();
    void ScanValues();
    void CountRawWords(int64_t pSection, int64_t pFirst, int64_t pLast, __int128& kr);
    double RawValue(uint32_t raw) const;

    const ChannelStore& m_store;
    int m_c;
    int32_t m_first;
    int32_t m_last;
    std::vector<GapRange> m_runs;  // the stretches of the section outside gaps
    bool m_byRaw = false;
    std::vector<uint32_t> m_counts;  // per raw word, when m_byRaw
    SectionMoments m_moments;
};

}  // namespace corv
