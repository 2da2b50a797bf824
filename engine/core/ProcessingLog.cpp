#include "core/ProcessingLog.h"

#include <charconv>
#include <ctime>
#include <sstream>
#include <vector>

#include "AppState.h"
#include "files/SafeFileReplace.h"

namespace corv {

namespace {

std::string LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

bool StartsWithVerb(const std::string& line, const std::string& verb) {
    return line.rfind(verb, 0) == 0 && (line.size() == verb.size() || line[verb.size()] == ' ');
}

// The last line of the log that begins with `verb`, or empty.
std::string LastLine(const std::vector<std::string>& lines, const std::string& verb) {
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (StartsWithVerb(*it, verb)) return *it;
    return {};
}

// The cursors the replay has at the end of the log: the last "cursors" line, unless a
// command after it moved them (the event search puts them on the event); then unknown.
std::string LastCursors(const std::vector<std::string>& lines) {
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        if (StartsWithVerb(*it, "cursors")) return *it;
        for (const char* mover : {"beak-search", "beak-write", "analyse-all"})
            if (StartsWithVerb(*it, mover)) return {};
    }
    return {};
}

using Sink = void (UndoHistory::*)(std::string);

// usesSection: the cursors are logged, at t4 and t5 when given, else where they stand.
void Emit(AppState& state, const std::vector<std::string>& lines, bool usesSection, int channel,
          Sink sink, const double* t4t5 = nullptr) {
    UndoHistory& h = state.history;
    if (h.LogPaused()) return;
    // A line of no step stays when the steps before it are undone, and with them the
    // "active" and "cursors" lines they logged: it sets both itself.
    const bool standalone = !h.LogsIntoStep(sink == &UndoHistory::LogToLastStep);
    const std::vector<std::string> logged = standalone ? std::vector<std::string>() : h.LogLines();
    const int c = channel < 0 ? state.ActiveChannel : channel;
    (h.*sink)("# " + LocalNow() + " " + state.store.Rec(c).Caption);
    const std::string active = "active " + std::to_string(c);
    if (LastLine(logged, "active") != active) (h.*sink)(active);
    if (usesSection) {
        const double t4 = t4t5 ? t4t5[0] : state.view.LeftCursor;
        const double t5 = t4t5 ? t4t5[1] : state.view.RightCursor;
        const std::string cursors = "cursors " + LogNumber(t4) + " " + LogNumber(t5);
        if (LastCursors(logged) != cursors) (h.*sink)(cursors);
    }
    for (const std::string& line : lines) (h.*sink)(line);
}

}  // namespace

std::string LogNumber(double v) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, v);
    return std::string(text, r.ptr);
}

std::string LogText(const std::string& typed) {
    std::istringstream in(typed);
    std::string text;
    for (std::string word; in >> word;) text += (text.empty() ? "" : " ") + word;
    return text;
}

void LogCommand(AppState& state, const std::vector<std::string>& lines, bool usesSection,
                int channel) {
    Emit(state, lines, usesSection, channel, &UndoHistory::Log);
}

void LogCommand(AppState& state, const std::string& verbLine, bool usesSection, int channel) {
    LogCommand(state, std::vector<std::string>{verbLine}, usesSection, channel);
}

void LogCommandAt(AppState& state, const std::vector<std::string>& lines, double t4, double t5) {
    const double t4t5[] = {t4, t5};
    Emit(state, lines, true, -1, &UndoHistory::Log, t4t5);
}

void LogEdit(AppState& state, const std::vector<std::string>& lines, bool usesSection,
             int channel) {
    Emit(state, lines, usesSection, channel, &UndoHistory::LogToLastStep);
}

void LogEdit(AppState& state, const std::string& verbLine, bool usesSection, int channel) {
    LogEdit(state, std::vector<std::string>{verbLine}, usesSection, channel);
}

void LogSetting(AppState& state, const std::string& line) {
    UndoHistory& h = state.history;
    if (h.LogPaused()) return;
    const std::string verb = line.substr(0, line.find(' '));
    // As in Emit: a line of no step cannot lean on a step's lines.
    if (!h.LogsIntoStep(false) || LastLine(h.LogLines(), verb) != line) h.Log(line);
}

LogPause::LogPause(AppState& state) : m_state(state) {
    m_state.history.PauseLog(true);
}

LogPause::~LogPause() {
    End();
}

void LogPause::End() {
    if (m_ended) return;
    m_ended = true;
    m_state.history.PauseLog(false);
}

std::string ProcessingLogText(const AppState& state) {
    std::string text = "# Corvandell processing log: corvandell-cli run SETUP THIS-FILE\r\n";
    for (const std::string& line : state.history.LogLines()) text += line + "\r\n";
    return text;
}

bool SaveProcessingLog(const AppState& state, const std::filesystem::path& file) {
    SafeFileReplace out(file);
    return out.Open() && out.Write(ProcessingLogText(state)) && out.Commit();
}

std::filesystem::path LogFileBeside(const std::filesystem::path& exported) {
    std::filesystem::path log = exported;
    log += ".log.txt";
    return log;
}

}  // namespace corv
