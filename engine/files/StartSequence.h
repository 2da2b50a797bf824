#pragma once
// Start, after the main dialog has been read into the channel records: present channels,
// headers, start-time check and delays, origin, scaling, output names, the loaders in
// channel order, and the time axis. The main dialog and the CLI both call it.

#include <functional>

namespace corv {

struct AppState;
class UiPort;

struct StartHooks {
    // Called before channel c is loaded (the main dialog brings its page to the front).
    std::function<void(int c)> beforeLoad;
};

enum class StartOutcome {
    Loaded,         // every present channel loaded; the graph window may open
    NoChannel,      // " Invalid filename(s)" was shown
    PrepareFailed,  // a header or start-time check failed (it showed its own message)
    LoadFailed,     // " Error. Missing data files." was shown
    Cancelled,      // the user cancelled a load in its progress report; no window opens
};

StartOutcome RunStart(AppState& state, UiPort& ui, const StartHooks& hooks = {});

}  // namespace corv
