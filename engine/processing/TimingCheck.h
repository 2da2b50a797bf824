#pragma once
// The check of commands that combine two channels sample by sample: both channels must
// share their sampling interval (where it matters) and their start time. A mismatch is
// explained in a question placed at (50, 50) with the help file "ESIdiff.txt"; the command
// stops whatever the answer.

#include <string>

namespace corv {

struct AppState;
class UiPort;

// The text of the question: both channels (shown as 1..3), their sampling intervals and
// start times, and that nothing was changed.
[[nodiscard]] std::string TimingMismatchText(const AppState& state, int a, int b);

// True when channels a and b have the same start time and, with checkInterval, the same
// sampling interval; otherwise asks the question and returns false.
bool SameTiming(const AppState& state, UiPort& ui, int a, int b, bool checkInterval);

}  // namespace corv
