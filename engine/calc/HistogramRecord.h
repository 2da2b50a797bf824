#pragma once
// The histogram of one channel: the bin rule the dialog shows, the results of the last
// computation, and the table of 256 counters. The statistics median and the event analysis
// fill them too, so the dialog opens with the last values any of them used.

#include <array>
#include <cstdint>
#include <string>

namespace corv {

inline constexpr int kHistogramBins = 256;

using HistogramCounts = std::array<uint32_t, kHistogramBins>;

struct HistogramRecord {
    double minBin = 0;
    double binSize = 1;
    double mean = 0;
    double sd = 0;
    double median = 0;
    std::string fileName = "c:\\";
};

}  // namespace corv
