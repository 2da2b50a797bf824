#pragma once
// The results of the current event: its start, duration, the dive before it, and per dim
// the maximum, positive sum, duration, type value and gap. The dims list is read as the
// user left it.

#include <string>

namespace corv {

struct AppState;

// Computes the results into state.analysis (event and dims). Needs both analysis channels;
// an event longer than 65000 samples gets the too-long flag and no dim results. Returns
// whether the results are valid.
bool AnalyseEvent(AppState& state);

// The Results box: the duration in minutes, the positive sum of the event.
[[nodiscard]] std::string ResultDurationText(const AppState& state);
[[nodiscard]] std::string ResultSumText(const AppState& state);

}  // namespace corv
