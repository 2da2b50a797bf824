#include "analysis/ResultsFile.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace fs = std::filesystem;

namespace corv {

namespace {

constexpr const char* kEol = "\r\n";

// The first line without its line end; empty for a missing or empty file.
std::string FirstLine(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    // A lone CR ends the line too.
    return line.substr(0, line.find('\r'));
}

bool IsEmptyFile(const fs::path& file) {
    std::error_code ec;
    return !fs::exists(file, ec) || fs::file_size(file, ec) == 0;
}

std::string Seconds(int64_t ms) {
    return FormatFixed(static_cast<double>(ms) / 1000.0, 15, 3);
}

std::string EventLine(const AppState& state, int number) {
    const BeakEvent& e = state.analysis.event;
    const double f = state.settings.CommSampInterval;
    std::string s = std::to_string(number) + '\t' + e.type + '\t' +
                    IsoDateTime(state.store.OriginTime + e.startTime * f) + '\t' +
                    Seconds(e.duration) + '\t';
    // The dive fields belong to breath events; a feed event has no dive of its own.
    if (e.type == 'B')
        s += Seconds(e.diveDuration) + '\t' + FormatShortest(e.diveMaximum);
    else
        s += '\t';
    s += '\t' + std::to_string(e.dimCount) + '\t';
    if (e.valid) s += FormatShortest(e.positiveSum);
    return s + '\t' + (e.tooLong ? "1" : "0");
}

std::string DimLines(const AppState& state, int number) {
    const DimList& list = state.analysis.dimList;
    const double dt = state.store.Rec(kBeakChannel).SampRate * state.settings.CommSampInterval;
    const auto at = [&](int32_t i) { return IsoDateTime(state.store.OriginTime + i * dt); };
    std::string out;
    for (int k = 0; k < list.count; ++k) {
        const Dim& d = list.dims[static_cast<size_t>(k)];
        out += std::to_string(number) + '\t' + std::to_string(k + 1) + '\t' + at(d.start) + '\t' +
               at(d.end) + '\t' + Seconds(d.duration) + '\t' + FormatShortest(d.maximum) + '\t' +
               FormatShortest(d.positiveSum) + '\t' + Seconds(d.gap) + '\t' +
               FormatShortest(d.typeValue) + kEol;
    }
    return out;
}

// A new file is written completely under a temporary name first, so it either appears
// whole or not at all; an existing one is appended to.
bool AppendLines(const fs::path& file, const std::string& header, const std::string& lines) {
    if (!IsEmptyFile(file)) {
        std::ofstream out(file, std::ios::binary | std::ios::app);
        out << lines;
        out.close();
        return !out.fail();
    }
    fs::path tmp = file;
    tmp += ".corvtmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out << header << kEol << lines;
        out.close();
        if (out.fail()) {
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, file, ec);
    if (ec) fs::remove(tmp, ec);
    return !ec;
}

bool HeaderMatches(UiPort& ui, const fs::path& file, const std::string& header) {
    if (IsEmptyFile(file) || FirstLine(file) == header) return true;
    ui.Message(" The file " + file.filename().string() +
                   " is not a results file of this layout (its first line differs). Nothing "
                   "was written to it; choose another file under Analysis > Parameters.",
               BoxKind::Error);
    return false;
}

}  // namespace

fs::path DimsFileName(const fs::path& events) {
    fs::path p = events;
    p.replace_filename(events.stem().string() + "-dims" + events.extension().string());
    return p;
}

int NextEventNumber(const fs::path& events) {
    std::ifstream in(events, std::ios::binary);
    if (!in) return 1;
    int lines = 0;
    bool midLine = false;
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            if (buf[i] == '\n') {
                ++lines;
                midLine = false;
            } else if (buf[i] != '\r') {
                midLine = true;
            }
        }
    }
    if (midLine) ++lines;
    // The header line is not an event.
    return lines > 0 ? lines : 1;
}

std::string IsoDateTime(double absoluteMs) {
    const TimeParts p = TimeToParts(RoundHalfEven(absoluteMs));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", unsigned{p.year},
                  unsigned{p.month}, unsigned{p.day}, unsigned{p.hour}, unsigned{p.minute},
                  unsigned{p.second}, unsigned{p.millisecond});
    return buf;
}

bool WriteEventResults(const AppState& state, UiPort& ui, const fs::path& events, int number) {
    const BeakEvent& e = state.analysis.event;
    if (!e.valid && !e.tooLong) return false;
    // A name ending in a separator (the default c:\) or an existing folder names no file:
    // appending would make a file of that odd name in the working folder, or fail later.
    const std::string name = events.string();
    std::error_code ec;
    if (name.empty() || name.back() == '\\' || name.back() == '/' || fs::is_directory(events, ec)) {
        ui.Message(" Cannot write the results file " + name +
                       ": it names a folder, not a file. Output canceled.",
                   BoxKind::Error);
        return false;
    }
    const fs::path dims = DimsFileName(events);
    if (!HeaderMatches(ui, events, kEventsHeader) || !HeaderMatches(ui, dims, kDimsHeader))
        return false;
    const std::string dimLines = e.valid ? DimLines(state, number) : std::string();
    if (!AppendLines(events, kEventsHeader, EventLine(state, number) + kEol) ||
        (!dimLines.empty() && !AppendLines(dims, kDimsHeader, dimLines))) {
        ui.Message(
            " Cannot write the results file " + events.filename().string() + ". Output canceled.",
            BoxKind::Error);
        return false;
    }
    return true;
}

}  // namespace corv
