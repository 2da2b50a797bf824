#pragma once
// Calculations > "&Statistics": extremes, mean, standard deviation, median, the
// least-squares line, the differences between the F4 and F5 samples and the integral to
// their base, over the WorkSection of a channel. Nothing in the store changes.

#include <cstdint>

#include "calc/HistogramRecord.h"

namespace corv {

struct AppState;
class ChannelStore;
class SectionScan;

struct SectionStatistics {
    double min = 0, max = 0, mean = 0;
    double sd = 0;                // divided by n
    double median = 0;            // from a 256-bin histogram
    double a = 0, b = 0, cc = 0;  // y = a x + b, x in seconds from the first sample (x = dt)
    double dy = 0, dx = 0;        // F5's sample minus F4's; dx in seconds
    double gradient = 0;          // dy / dx; NaN when dx is 0
    double increase = 0;          // percent from F4's value to F5's
    double base = 0;              // mean of F4's and F5's values
    double integral = 0;          // area between curve and base
    int64_t gapSamples = 0;       // samples of the section in gaps, left out of the above
};

// Every result but the median.
[[nodiscard]] SectionStatistics ComputeSectionStatistics(const ChannelStore& store,
                                                         double commSampInterval, int c, double f4,
                                                         double f5);
// The same from a scan of the WorkSection already made.
[[nodiscard]] SectionStatistics ComputeSectionStatistics(const ChannelStore& store,
                                                         const SectionScan& scan,
                                                         double commSampInterval, int c, double f4,
                                                         double f5);

// Every result with the median, over the WorkSection of the active channel, as the
// Statistics window shows them (one scan serves both).
[[nodiscard]] SectionStatistics WorkSectionStatistics(AppState& state);

// The median of samples first..last: the lower edge of the bin where the running count
// passes half, with 256 bins from the section minimum, width (max - min) / 254. Fills the
// channel's histogram record and table on the way.
double SectionMedian(const ChannelStore& store, int c, int32_t first, int32_t last,
                     HistogramRecord& record, HistogramCounts& table);
double SectionMedian(const ChannelStore& store, const SectionScan& scan, int c, int32_t first,
                     int32_t last, HistogramRecord& record, HistogramCounts& table);

}  // namespace corv
