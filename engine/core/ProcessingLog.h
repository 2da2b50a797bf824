#pragma once
// The processing log: every command that changes data or writes a file is logged as the
// `corvandell-cli run` line that repeats it, so the log replays the session on the same
// recording. The lines live in the undo history (undo hides a step's lines).

#include <filesystem>
#include <string>
#include <vector>

namespace corv {

struct AppState;

// Logs a command: a comment with the date-time and the channel's caption, then "active C"
// when the channel differs from the one the log last set and, for a command on the work
// section, "cursors T4 T5" when they differ from the log's last ones (or a command since
// moved them), then the command's own lines. channel -1: the active channel. Called while
// a step runs, the lines belong to that step; otherwise they stand alone.
void LogCommand(AppState& state, const std::vector<std::string>& lines, bool usesSection,
                int channel = -1);
void LogCommand(AppState& state, const std::string& verbLine, bool usesSection, int channel = -1);

// LogCommand for a command on the work section that moved the cursors (the event search):
// t4 and t5 are where they stood when it began.
void LogCommandAt(AppState& state, const std::vector<std::string>& lines, double t4, double t5);

// As LogCommand, right after a RunEdit that returned true: the lines belong to the step it
// kept, so undoing the step hides them.
void LogEdit(AppState& state, const std::vector<std::string>& lines, bool usesSection,
             int channel = -1);
void LogEdit(AppState& state, const std::string& verbLine, bool usesSection, int channel = -1);

// Logs a line that sets an input of the following commands ("beak-params ...") unless the
// log's last line of the same verb is the same; into the running step, if any.
void LogSetting(AppState& state, const std::string& line);

// While one lives, nothing is logged: a command made of other logged commands logs itself
// once (Analyse all and its searches).
class LogPause {
  public:
    explicit LogPause(AppState& state);
    ~LogPause();
    LogPause(const LogPause&) = delete;
    LogPause& operator=(const LogPause&) = delete;
    // Logging goes on before the end of the scope.
    void End();

  private:
    AppState& m_state;
    bool m_ended = false;
};

// The log as a script: a title comment, then its lines, each ending in CR LF.
[[nodiscard]] std::string ProcessingLogText(const AppState& state);

// Writes ProcessingLogText to `file`; false when it cannot be written.
bool SaveProcessingLog(const AppState& state, const std::filesystem::path& file);

// The log file written beside an exported file: "<name>.log.txt".
[[nodiscard]] std::filesystem::path LogFileBeside(const std::filesystem::path& exported);

// A time as the log writes it: the shortest text that reads back as the same double.
[[nodiscard]] std::string LogNumber(double v);

// Text typed into a prompt as a script line gives it back: blanks at the ends dropped,
// inner runs of blanks as one (the script splits words at blanks and joins them again).
[[nodiscard]] std::string LogText(const std::string& typed);

}  // namespace corv
