// Script verbs of the Baseline menu: each moves the active channel's baseline as the menu
// command does (refused while the polynomial is applied), and the result line says whether
// it changed.
#include "AppState.h"
#include "Script.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"
#include "graph/Baseline.h"

namespace corv::cli {

namespace {

// The menu command's own result: 0 when refused, else the redraw it asks for.
bool Ran(AppState& state, double before, uint32_t redraw) {
    return redraw != 0 && state.store.Rec(state.ActiveChannel).yOffset != before;
}

void Baseline(ScriptContext& ctx, const std::vector<std::string>& args) {
    AppState& state = ctx.state;
    UiPort& ui = ctx.ui;
    const std::string& mode = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const double before = state.store.Rec(state.ActiveChannel).yOffset;
    uint32_t redraw = 0;
    if (mode == "at" && rest.size() == 1) {
        redraw = BaselineAtCursor(state, ui, nullptr, TimeArg(rest[0]));
    } else if (mode == "set" && rest.size() == 1) {
        redraw = SetBaseline(state, ui, nullptr, StrToFloat(rest[0]));
    } else if (mode == "increment" && rest.empty()) {
        redraw = BaselineIncrement(state, ui, nullptr);
    } else if (mode == "decrement" && rest.empty()) {
        redraw = BaselineDecrement(state, ui, nullptr);
    } else if (mode == "mean-section" && rest.empty()) {
        redraw = BaselineMeanBetweenCursors(state, ui, nullptr);
    } else if (mode == "mean-cursors" && rest.empty()) {
        redraw = BaselineMeanOfCursors(state, ui, nullptr);
    } else if (mode == "numerical" && !rest.empty()) {
        ctx.ui.QueueText(TypedText(rest));
        try {
            redraw = NumericalBaseline(state, ui, nullptr);
        } catch (...) {
            ctx.ui.DropQueuedTexts();
            throw;
        }
        ctx.ui.DropQueuedTexts();
    } else {
        throw RangeError(
            "Use baseline at T, set V, increment, decrement, mean-section, mean-cursors or "
            "numerical TEXT");
    }
    PrintChanged(ctx, "baseline", Ran(state, before, redraw));
}

}  // namespace

void AddBaselineVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"baseline",
                     "at T | set V | increment | decrement | mean-section | mean-cursors | "
                     "numerical TEXT",
                     1, 1000, Baseline});
}

}  // namespace corv::cli
