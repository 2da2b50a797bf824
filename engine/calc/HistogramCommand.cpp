#include "calc/HistogramCommand.h"

#include <algorithm>
#include <filesystem>

#include "AppState.h"
#include "calc/Histogram.h"
#include "core/Canvas.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace corv {

bool HistogramFirstPress(AppState& state, UiPort& ui, const std::string& minBinText,
                         const std::string& binSizeText) {
    const int c = state.ActiveChannel;
    HistogramRecord& record = state.histograms[size_t(c)];
    const double binSize = StrToFloat(binSizeText);
    const double minBin = StrToFloat(minBinText);
    // A width of 0 would leave nothing to count and no scale for the bars.
    if (binSize <= 0) {
        ui.Message(kIllegalBinSize, BoxKind::Error);
        return false;
    }
    record.binSize = binSize;
    record.minBin = minBin;
    const IndexRange range =
        TimeRangeToIndexes(state.store, c, state.view.LeftCursor, state.view.RightCursor);
    if (!ComputeHistogram(state.store, c, range.first, range.last, record,
                          state.histogramCounts[size_t(c)]))
        return false;
    if (MeanOutsideTable(record)) ui.Message(kMeanOutsideTable, BoxKind::Warning);
    return true;
}

bool HistogramExportPress(AppState& state, UiPort& ui, const std::string& fileName) {
    const int c = state.ActiveChannel;
    HistogramRecord& record = state.histograms[size_t(c)];
    record.fileName = fileName;
    HistogramWriteMode mode = HistogramWriteMode::New;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(fileName), ec)) {
        ThreeButtonQuestion q;
        q.lines = {kHistogramFileExists};
        q.okCaption = "Append";
        q.auxCaption = "Overwrite";
        const int answer = ui.AskThree(q);
        if (answer == 2) return false;
        mode = answer == 1 ? HistogramWriteMode::Append : HistogramWriteMode::Overwrite;
    }
    return ExportHistogram(state, ui, state.histogramCounts[size_t(c)], record, mode,
                           state.view.LeftCursor, state.view.RightCursor);
}

uint32_t LargestCount(const HistogramCounts& table) {
    return *std::max_element(table.begin(), table.end());
}

void DrawHistogramBars(Canvas& image, const HistogramCounts& table, const HistogramRecord& record) {
    const uint32_t largest = LargestCount(table);
    if (largest == 0 || record.binSize <= 0) return;
    const int w = image.Width(), h = image.Height();
    const double sx = w / ((kHistogramBins - 1) * record.binSize);
    const double sy = static_cast<double>(h) / largest;
    image.SetPenColour(0);
    image.SetPenStyle(PenStyle::Solid);
    image.SetPenMode(PenMode::Copy);
    for (int j = 0; j < kHistogramBins; ++j) {
        const int x = Round<int>(j * record.binSize * sx);
        image.MoveTo(x, h);
        image.LineTo(x, h - Round<int>(table[size_t(j)] * sy));
    }
}

}  // namespace corv
