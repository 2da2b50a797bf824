#pragma once
// The processing log: every command that changes data or writes a file is logged as the
// `corvandell-cli run` line that repeats it, so the log replays the session on the same
// recording. The lines live in the undo history (undo hides a step's lines).

#include <filesystem>
#include <string>

namespace corv {

struct AppState;

// Logs a command: a comment with the date-time and the active channel's caption, then
// "active C" when the active channel differs from the one the log last set and, for a
// command on the work section, "cursors T4 T5" when they differ from the log's last ones,
// then the command's own line.
void LogCommand(AppState& state, const std::string& verbLine, bool usesSection);

// The log as a script: a title comment, then its lines, each ending in CR LF.
[[nodiscard]] std::string ProcessingLogText(const AppState& state);

// A time as the log writes it: the shortest text that reads back as the same double.
[[nodiscard]] std::string LogNumber(double v);

}  // namespace corv
