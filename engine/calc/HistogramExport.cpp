#include "calc/HistogramExport.h"

#include <filesystem>
#include <fstream>

#include "AppState.h"
#include "calc/StatisticsExport.h"
#include "core/NumberFormat.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kEol = "\r\n";

// The new text goes to a file beside the old one, which it replaces only when complete.
bool ReplaceFile(const fs::path& path, const std::string& text) {
    fs::path tmp = path;
    tmp += ".corvtmp";
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (out) out << text;
    if (out) out.close();
    std::error_code ec;
    if (out) fs::rename(tmp, path, ec);
    if (!out || ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool AppendFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (out) out << text;
    if (out) out.close();
    return bool(out);
}

}  // namespace

std::string HistogramTable(const AppState& state, const HistogramCounts& table,
                           const HistogramRecord& record, double f4, double f5) {
    const double min = record.minBin, w = record.binSize;
    const auto edge = [&](int j) { return FormatWidthDec(min + j * w, 5, 2); };
    std::string t = " Begin: " + CalcDateTime(state, f4) + "      End: " + CalcDateTime(state, f5) +
                    "      Duration [sec]: " +
                    FormatWidthDec((f5 - f4) * state.settings.CommSampInterval / 1000, 15, 0) +
                    kEol;
    t += "< " + edge(1) + "   " + std::to_string(table[0]) + kEol;
    for (int j = 1; j < kHistogramBins - 1; ++j)
        t += edge(j) + " - " + edge(j + 1) + "  " + std::to_string(table[size_t(j)]) + kEol;
    t += "> " + edge(kHistogramBins - 1) + "      " + std::to_string(table[kHistogramBins - 1]) +
         kEol;
    t += kEol;
    t += " Mean: " + FormatWidthDec(record.mean, 7, 2) +
         "   Standard Dev.: " + FormatWidthDec(record.sd, 7, 2) +
         "   Median: " + FormatWidthDec(record.median, 7, 2) + kEol;
    return t;
}

bool ExportHistogram(AppState& state, UiPort& ui, const HistogramCounts& table,
                     const HistogramRecord& record, HistogramWriteMode mode, double f4, double f5) {
    const std::string text = HistogramTable(state, table, record, f4, f5);
    const fs::path path(record.fileName);
    const bool ok =
        mode == HistogramWriteMode::Append ? AppendFile(path, text) : ReplaceFile(path, text);
    if (!ok) {
        ui.Message(path.filename().string() + " Invalid name or number. Output canceled.",
                   BoxKind::Error);
        return false;
    }
    // The table is counted again from the same bins on the same section.
    const char* const modeWord = mode == HistogramWriteMode::Append      ? "append"
                                 : mode == HistogramWriteMode::Overwrite ? "overwrite"
                                                                         : "new";
    LogCommandAt(state,
                 {"histogram " + LogNumber(record.minBin) + " " + LogNumber(record.binSize),
                  "histogram-export " + record.fileName + " " + modeWord},
                 f4, f5);
    return true;
}

}  // namespace corv
