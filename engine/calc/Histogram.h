#pragma once
// Calculations > "Histo&gram": the values of a section counted into 256 bins of a chosen
// start and width, with their mean, standard deviation and median.

#include <cstdint>
#include <string>

#include "calc/HistogramRecord.h"

namespace corv {

class ChannelStore;
class SectionScan;

inline constexpr const char* kIllegalBinSize = " Illegal bin size";
inline constexpr const char* kMeanOutsideTable =
    " Insufficient choice of BinSize or MinBin.  Mean  outside of table. Propably wrong median!";

// The bin of value v for the bins from minBin with width w: bin 0 takes everything below
// the second bin, bin 255 everything from the last one on.
[[nodiscard]] int HistogramBin(double v, double minBin, double w);

// Fills the table and the record's mean, SD and median from samples first..last with the
// record's minBin and binSize. False, with nothing changed, when there is no sample or the
// bin size is 0.
bool ComputeHistogram(const ChannelStore& store, int c, int32_t first, int32_t last,
                      HistogramRecord& record, HistogramCounts& table);
bool ComputeHistogram(const SectionScan& scan, HistogramRecord& record, HistogramCounts& table);

// The lower edge of the first bin whose running count exceeds n div 2 (at most bin 254).
[[nodiscard]] double HistogramMedian(const HistogramCounts& table, int64_t n, double minBin,
                                     double w);

// True when the mean lies outside the table (the warning kMeanOutsideTable).
[[nodiscard]] bool MeanOutsideTable(const HistogramRecord& record);

}  // namespace corv
