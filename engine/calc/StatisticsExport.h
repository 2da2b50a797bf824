#pragma once
// The statistics file: one record per export, appended, each on a new line (the file does
// not end with a line break). Fields separated by OutDlmt: F4's and F5's date and time
// (date and time in two fields), the duration hh:mm:ss:zzz when positive, the thirteen
// results in 10 characters with 4 decimals ("NA" where there is no gradient), and the
// pending comment, which the export clears.

#include <string>

#include "calc/SectionStatistics.h"

namespace corv {

struct AppState;
class UiPort;

// The record's text, without the line break in front.
[[nodiscard]] std::string StatisticsRecord(const AppState& state, const SectionStatistics& s,
                                           double f4, double f5, const std::string& comment);

// Appends a record to `fileName` (created when missing) and clears the pending comment.
// A file that cannot be opened shows its name and " Invalid name or number. Output
// canceled."; nothing is written then and false returned.
bool ExportStatistics(AppState& state, UiPort& ui, const std::string& fileName,
                      const SectionStatistics& s, double f4, double f5);

// The Export button: asks the file name (kept for the rest of the run), then exports.
// False when cancelled or failed.
bool ExportStatisticsQuery(AppState& state, UiPort& ui, const SectionStatistics& s, double f4,
                           double f5);

// The date-time text of an absolute time as the calculation files write it.
[[nodiscard]] std::string CalcDateTime(const AppState& state, double relativeTime);

}  // namespace corv
