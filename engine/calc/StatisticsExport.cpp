#include "calc/StatisticsExport.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "AppState.h"
#include "core/Checked.h"
#include "core/NumberFormat.h"
#include "core/ProcessingLog.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "files/BinaryHeader.h"

namespace corv {

namespace {

constexpr const char* kInvalidName = " Invalid name or number. Output canceled.";

std::string Field(double v) {
    if (!std::isfinite(v)) return "        NA";
    return FormatWidthDec(v, 10, 4);
}

std::string TwoDigits(int v, int width = 2) {
    std::string s = std::to_string(v);
    return std::string(s.size() < size_t(width) ? size_t(width) - s.size() : 0, '0') + s;
}

}  // namespace

std::string CalcDateTime(const AppState& state, double relativeTime) {
    const double t =
        state.store.OriginTime + Trunc<int64_t>(relativeTime * state.settings.CommSampInterval);
    return FormatHeaderDateTime(TimeToParts(t), state.settings.DateSep);
}

std::string StatisticsRecord(const AppState& state, const SectionStatistics& s, double f4,
                             double f5, const std::string& comment) {
    const char d = state.settings.OutDlmt;
    std::string text;
    for (double t : {f4, f5}) {
        std::string dateTime = CalcDateTime(state, t);
        if (const size_t blank = dateTime.find(' ', 1); dateTime.size() == 19 && blank == 10)
            dateTime[blank] = d;
        text += dateTime + d;
    }
    const double csi = state.settings.CommSampInterval;
    const double span = Trunc<int64_t>(f5 * csi) - Trunc<int64_t>(f4 * csi);
    if (span > 0) {
        const DurationParts p = SplitDuration(span);
        text += TwoDigits(p.hours) + ':' + TwoDigits(p.minutes) + ':' + TwoDigits(p.seconds) + ':' +
                TwoDigits(p.milliseconds, 3) + d;
    }
    const double fields[] = {s.min, s.max, s.mean, s.sd,       s.median,   s.a,       s.b,
                             s.cc,  s.dy,  s.dx,   s.gradient, s.increase, s.integral};
    for (size_t k = 0; k < std::size(fields); ++k)
        text += (k ? std::string(1, d) : "") + Field(fields[k]);
    return text + d + comment;
}

bool ExportStatistics(AppState& state, UiPort& ui, const std::string& fileName,
                      const SectionStatistics& s, double f4, double f5) {
    const std::string record = "\r\n" + StatisticsRecord(state, s, f4, f5, state.PendingComment);
    std::ofstream out(std::filesystem::path(fileName), std::ios::binary | std::ios::app);
    if (out) out << record;
    if (out) out.close();
    if (!out) {
        ui.Message(std::filesystem::path(fileName).filename().string() + kInvalidName,
                   BoxKind::Error);
        return false;
    }
    std::vector<std::string> lines;
    if (!state.PendingComment.empty()) lines.push_back("comment " + LogText(state.PendingComment));
    lines.push_back("statistics-export " + fileName);
    LogCommandAt(state, lines, f4, f5);
    state.PendingComment.clear();
    return true;
}

bool ExportStatisticsQuery(AppState& state, UiPort& ui, const SectionStatistics& s, double f4,
                           double f5) {
    std::string name = state.settings.StatisticsFileName;
    if (!ui.InputQuery("Confirm", " Export statistics to...", name)) return false;
    state.settings.StatisticsFileName = name;
    return ExportStatistics(state, ui, name, s, f4, f5);
}

}  // namespace corv
