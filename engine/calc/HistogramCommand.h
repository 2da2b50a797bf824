#pragma once
// The two presses of the histogram dialog's main button, and its bar chart.

#include <string>

#include "calc/HistogramExport.h"

namespace corv {

struct AppState;
class Canvas;
class UiPort;

// First press: reads min bin and bin size (a text that is not a number raises the
// conversion error), refuses a bin size not above 0 with " Illegal bin size", counts the
// WorkSection of the active channel and warns when the mean lies outside the table.
// True when the histogram was computed.
bool HistogramFirstPress(AppState& state, UiPort& ui, const std::string& minBinText,
                         const std::string& binSizeText);

// Second press: exports to `fileName` (kept in the record); when the file exists the
// three-button question chooses Append or Overwrite, or Cancel (false: nothing written).
bool HistogramExportPress(AppState& state, UiPort& ui, const std::string& fileName);

// The largest of the 256 counts.
[[nodiscard]] uint32_t LargestCount(const HistogramCounts& table);

// One vertical black line per bin, scaled so that the largest count fills the height;
// nothing when every count is 0.
void DrawHistogramBars(Canvas& image, const HistogramCounts& table, const HistogramRecord& record);

}  // namespace corv
