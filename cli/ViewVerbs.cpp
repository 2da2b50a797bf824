// Script verbs of the graph window's view: the visible window, the cursor pairs, the active
// channel, and undo and redo of the data-changing commands.
#include <cmath>

#include "AppState.h"
#include "Script.h"
#include "core/Errors.h"

namespace corv::cli {

namespace {

void View(ScriptContext& ctx, const std::vector<std::string>&) {
    const ViewState& v = ctx.state.view;
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "view")
                           .Add("LeftBorder", v.LeftBorder)
                           .Add("RightBorder", v.RightBorder)
                           .Add("LeftCursor", v.LeftCursor)
                           .Add("RightCursor", v.RightCursor)
                           .Add("PrevLeftBorder", v.PrevLeftBorder)
                           .Add("PrevRightBorder", v.PrevRightBorder)
                           .Add("PrevLeftCursor", v.PrevLeftCursor)
                           .Add("PrevRightCursor", v.PrevRightCursor)
                           .Add("PrevLeftBCursor", v.PrevLeftBCursor)
                           .Add("PrevRightBCursor", v.PrevRightBCursor)
                           .Add("LeftBCursor", v.LeftBCursor)
                           .Add("RightBCursor", v.RightBCursor)
                           .Add("LeftShCursor", v.LeftShCursor)
                           .Add("RightShCursor", v.RightShCursor)
                           .Add("PrevLeftShCursor", v.PrevLeftShCursor)
                           .Add("PrevRightShCursor", v.PrevRightShCursor)
                           .Add("CoarseStep", v.CoarseStep)
                           .Add("FineStep", v.FineStep)
                           .Add("MouseMode", ctx.state.MouseMode)
                           .Add("ActiveChannel", int64_t{ctx.state.ActiveChannel}));
}

double FiniteTime(const std::string& text) {
    const double t = TimeArg(text);
    if (!std::isfinite(t)) throw RangeError("'" + text + "' is not a finite time");
    return t;
}

// Sets one pair of marks; the previous positions are kept as a command would keep them.
void SetPair(ScriptContext& ctx, const std::vector<std::string>& args, const char* verb,
             double ViewState::*left, double ViewState::*right) {
    const double l = FiniteTime(args[0]);
    const double r = FiniteTime(args[1]);
    RememberPositions(ctx.state.view);
    ctx.state.view.*left = l;
    ctx.state.view.*right = r;
    PrintJson(ctx.out, JsonObject().Add("command", verb).Add("left", l).Add("right", r));
}

void Borders(ScriptContext& ctx, const std::vector<std::string>& args) {
    // A window needs a width: every time-to-pixel mapping divides by it.
    if (!(FiniteTime(args[0]) < FiniteTime(args[1])))
        throw RangeError("The left border must lie before the right border");
    SetPair(ctx, args, "borders", &ViewState::LeftBorder, &ViewState::RightBorder);
}

void Cursors(ScriptContext& ctx, const std::vector<std::string>& args) {
    SetPair(ctx, args, "cursors", &ViewState::LeftCursor, &ViewState::RightCursor);
}

void BCursors(ScriptContext& ctx, const std::vector<std::string>& args) {
    SetPair(ctx, args, "bcursors", &ViewState::LeftBCursor, &ViewState::RightBCursor);
}

void ShCursors(ScriptContext& ctx, const std::vector<std::string>& args) {
    SetPair(ctx, args, "shcursors", &ViewState::LeftShCursor, &ViewState::RightShCursor);
}

void Active(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int c = ChannelArg(args[0]);
    if (!ctx.state.store.ChannelPresent[size_t(c)])
        throw RangeError("Channel " + args[0] + " is not loaded");
    ctx.state.ActiveChannel = c;
    PrintJson(ctx.out, JsonObject().Add("command", "active").Add("channel", c));
}

void PrintUndo(ScriptContext& ctx, const char* verb, const UndoOutcome& o) {
    std::vector<int64_t> channels;
    for (int c = 0; c < kChannelCount; ++c)
        if (o.channels[size_t(c)]) channels.push_back(c);
    PrintJson(ctx.out, JsonObject()
                           .Add("command", verb)
                           .Add("done", o.done)
                           .Add("name", o.name)
                           .AddRaw("channels", JsonArray(channels)));
}

void Undo(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintUndo(ctx, "undo", ctx.state.history.Undo(ctx.state));
}

void Redo(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintUndo(ctx, "redo", ctx.state.history.Redo(ctx.state));
}

}  // namespace

void AddViewVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"view", "", 0, 0, View});
    verbs.push_back({"borders", "L R", 2, 2, Borders});
    verbs.push_back({"cursors", "T4 T5", 2, 2, Cursors});
    verbs.push_back({"bcursors", "L R", 2, 2, BCursors});
    verbs.push_back({"shcursors", "L R", 2, 2, ShCursors});
    verbs.push_back({"active", "C", 1, 1, Active});
    verbs.push_back({"undo", "", 0, 0, Undo});
    verbs.push_back({"redo", "", 0, 0, Redo});
}

}  // namespace corv::cli
