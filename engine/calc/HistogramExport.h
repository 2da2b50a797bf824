#pragma once
// The histogram file: a line with the section's begin, end and duration, one line per bin
// ("< " the first, "lo - hi" the middle ones, "> " the last) with its count, an empty
// line, and the mean, standard deviation and median.

#include <string>

#include "calc/HistogramRecord.h"

namespace corv {

struct AppState;
class UiPort;

enum class HistogramWriteMode { New, Append, Overwrite };

inline constexpr const char* kHistogramFileExists =
    "The file where to export the histogram already exist. ";

[[nodiscard]] std::string HistogramTable(const AppState& state, const HistogramCounts& table,
                                         const HistogramRecord& record, double f4, double f5);

// Writes the table to record.fileName: appended, or as a new file (a file replaced by
// "Overwrite" keeps its old content until the new one is complete). A file that cannot
// be written shows its name and " Invalid name or number. Output canceled.".
bool ExportHistogram(AppState& state, UiPort& ui, const HistogramCounts& table,
                     const HistogramRecord& record, HistogramWriteMode mode, double f4, double f5);

}  // namespace corv
