#include "graph/CloseQuery.h"

#include "AppState.h"
#include "core/UiPort.h"

namespace corv {

bool QueryClose(const AppState& state, UiPort& ui, const std::function<void(int c)>& saveChannel) {
    bool mayClose = true;
    for (int c = 0; c < kChannelCount; ++c) {
        if (!state.ChannelModified[static_cast<size_t>(c)]) continue;
        const std::string question =
            "\t Channel " + state.store.Rec(c).Caption + " is modified. Save as binary file? ";
        const Answer a = ui.Ask(question, Buttons::YesNoCancel, BoxKind::Confirmation);
        if (a == Answer::Cancel) return false;
        if (a == Answer::Yes) {
            mayClose = false;
            if (saveChannel) saveChannel(c);
        }
    }
    return mayClose;
}

}  // namespace corv
