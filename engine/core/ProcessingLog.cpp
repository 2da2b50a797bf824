#include "core/ProcessingLog.h"

#include <charconv>
#include <ctime>
#include <vector>

#include "AppState.h"

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

// The last line of the log that begins with `verb `, or empty.
std::string LastLine(const std::vector<std::string>& lines, const std::string& verb) {
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (it->rfind(verb + " ", 0) == 0) return *it;
    return {};
}

}  // namespace

std::string LogNumber(double v) {
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, v);
    return std::string(text, r.ptr);
}

void LogCommand(AppState& state, const std::string& verbLine, bool usesSection) {
    UndoHistory& h = state.history;
    const std::vector<std::string> lines = h.LogLines();
    const int c = state.ActiveChannel;
    h.Log("# " + LocalNow() + " " + state.store.Rec(c).Caption);
    const std::string active = "active " + std::to_string(c);
    if (LastLine(lines, "active") != active) h.Log(active);
    if (usesSection) {
        const std::string cursors =
            "cursors " + LogNumber(state.view.LeftCursor) + " " + LogNumber(state.view.RightCursor);
        if (LastLine(lines, "cursors") != cursors) h.Log(cursors);
    }
    h.Log(verbLine);
}

std::string ProcessingLogText(const AppState& state) {
    std::string text = "# Corvandell processing log: corvandell-cli run SETUP THIS-FILE\r\n";
    for (const std::string& line : state.history.LogLines()) text += line + "\r\n";
    return text;
}

}  // namespace corv
