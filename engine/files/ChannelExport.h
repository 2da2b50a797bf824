#pragma once
// Writing a channel, or a stretch of it, into a file: the program's binary channel file
// (loadable again as a channel) or a delimited text table for spreadsheets and R.

#include <cstdint>
#include <filesystem>

namespace corv {

struct AppState;
class UiPort;

// What one export did: whether the file was written, whether the user cancelled it in its
// progress report (the partial file is then removed), and how many samples it holds.
struct ExportOutcome {
    bool written = false;
    bool cancelled = false;
    int64_t samples = 0;
};

// Writes the raw samples of channel c from tStart up to, not including, tEnd
// (milliseconds after OriginTime), after the 720-byte header when ReadHeader is 'Y'.
// Refuses a channel whose calibration polynomial is applied (opens "cve05.rtf"). On
// success the channel counts as saved; on failure " Error. Cannot export to file.".
bool ExportBinaryChannel(AppState& state, UiPort& ui, const std::filesystem::path& file, int c,
                         double tStart, double tEnd);
ExportOutcome WriteBinaryExport(AppState& state, UiPort& ui, const std::filesystem::path& file,
                                int c, double tStart, double tEnd);

// Writes a table with a header line ("Date", "Time", the captions) and one line per sample
// time from tStart up to, not including, tEnd. Mode 0: the samples of channel c. Mode 1:
// every present channel side by side on channel c's time steps, a field left empty where
// a channel has no sample at that time. Fields are separated by OutDlmt, lines end in
// CR LF. On failure " Error. Cannot export to file.".
// The rows are reported as progress, and a cancel removes the partial file.
bool ExportTextChannel(AppState& state, UiPort& ui, const std::filesystem::path& file, int c,
                       int mode, double tStart, double tEnd);
ExportOutcome WriteTextExport(AppState& state, UiPort& ui, const std::filesystem::path& file, int c,
                              int mode, double tStart, double tEnd);

}  // namespace corv
