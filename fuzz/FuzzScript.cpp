// The CLI script language: any script runs line by line to JSON Lines; every failing line
// is an error event and nothing escapes. File arguments are redirected to a scratch folder.
#include <memory>
#include <sstream>

#include "AppState.h"
#include "FuzzSupport.h"
#include "Script.h"
#include "core/RecordingUiPort.h"
#include "settings/Defaults.h"

using namespace corv;
using fuzz::Check;

namespace {

// A loaded channel of 1000 samples at 100 ms.
AppState& LoadedState() {
    AppState& s = fuzz::StateWithBanks();
    ChannelRecord& r = s.store.Rec(0);
    r.SampRate = 100;
    r.DataCnt = 999;
    r.StartTime = 1230768000000.0;
    s.store.ChannelPresent[0] = true;
    s.store.OriginTime = r.StartTime;
    s.store.TotalSpan = 99900;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto out = fuzz::ScratchFile("script-out");
    static RecordingUiPort ui;
    AppState& state = LoadedState();
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream json;
    cli::ScriptContext ctx{state, ui, json};
    int lines = 0;
    for (std::string line; std::getline(script, line) && lines < 20; ++lines) {
        auto words = cli::SplitScriptLine(line);
        // Writing verbs write into the scratch file only.
        if (!words.empty() && words.size() > 1 &&
            (words[0] == "export-bin" || words[0] == "export-text" || words[0] == "save-setup"))
            words[1] = out.string();
        cli::RunScriptLine(ctx, words);
    }
    std::istringstream printed(json.str());
    for (std::string line; std::getline(printed, line);)
        Check(line.starts_with("{\"command\":") || line.starts_with("{\"event\":"),
              "every output line is a command result or an event");
    return 0;
}
