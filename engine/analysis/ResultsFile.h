#pragma once
// The results files of the beak analysis: tab-separated text with one header line, one
// line per analysed event, and a companion file beside it ("<name>-dims<ext>") with one
// line per dim. Times are ISO 8601 date-times with milliseconds, durations in seconds.
// Both files are appended to; an existing file whose header differs is never mixed with.

#include <filesystem>
#include <string>

namespace corv {

struct AppState;
class UiPort;

inline constexpr const char* kEventsHeader =
    "event\ttype\tstart\tduration_s\tdive_duration_s\tdive_maximum\tdim_count\tpositive_sum\t"
    "too_long";
inline constexpr const char* kDimsHeader =
    "event\tdim\tstart\tend\tduration_s\tmaximum\tpositive_sum\tgap_s\ttype_value";

// The dims file beside an events file: "events.txt" gives "events-dims.txt".
[[nodiscard]] std::filesystem::path DimsFileName(const std::filesystem::path& events);

// The number the next event gets in an events file: its count of event lines plus 1.
[[nodiscard]] int NextEventNumber(const std::filesystem::path& events);

// The date-time of an absolute time, "2026-06-14T06:00:20.300".
[[nodiscard]] std::string IsoDateTime(double absoluteMs);

// Appends the current event (state.analysis) as event `number` to the events file and its
// dims to the dims file, creating them with their header lines. Events without valid
// results are written only when too long (then without dims). A file with another header,
// or one that cannot be written, is reported and nothing is written. Returns whether the
// event was written.
bool WriteEventResults(const AppState& state, UiPort& ui, const std::filesystem::path& events,
                       int number);

}  // namespace corv
