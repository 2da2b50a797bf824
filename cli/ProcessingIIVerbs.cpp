// Script verbs of the whole-channel operations, the polynomial, the section buffers and the
// synchronisation proposals. Each calls the routine the graph window's command calls.

#include "AppState.h"
#include "Script.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"
#include "processing/ChannelOps.h"
#include "processing/Polynom.h"
#include "processing/SectionBuffers.h"
#include "processing/Synchronise.h"

namespace corv::cli {

namespace {

void BiChannelVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    int kind = 0;
    if (args[0] == "add")
        kind = kOpAdd;
    else if (args[0] == "subtract")
        kind = kOpSubtract;
    else if (args[0] == "abs")
        kind = kOpAbsSum;
    else
        throw ConversionError("'" + args[0] + "' is not add, subtract or abs");
    PrintChanged(ctx, "bichannel",
                 BiChannelFromTexts(ctx.state, ctx.ui, kind, args[1], args[2], args[3]));
}

template <int Kind>
void ChannelOpVerb(ScriptContext& ctx, const std::vector<std::string>&) {
    const int c = ctx.state.ActiveChannel;
    const char* verb = Kind == kOpIntegrate       ? "integrate"
                       : Kind == kOpDifferentiate ? "differentiate"
                                                  : "diff-compass";
    PrintChanged(ctx, verb, ChannelOp(ctx.state, ctx.ui, Kind, c, c));
}

void Polynom(ScriptContext& ctx, const std::vector<std::string>& args) {
    const std::string& flag = args[kPolynomLetters];
    if (flag != "apply" && flag != "noapply")
        throw ConversionError("'" + flag + "' is not apply or noapply");
    PolynomTexts texts;
    for (size_t k = 0; k < texts.size(); ++k) texts[k] = args[k];
    PrintChanged(ctx, "polynom",
                 StorePolynom(ctx.state, ctx.ui, ctx.state.ActiveChannel, texts, flag == "apply"));
}

void PolynomApply(ScriptContext& ctx, const std::vector<std::string>& args) {
    if (args[0] != "on" && args[0] != "off")
        throw ConversionError("'" + args[0] + "' is not on or off");
    PrintChanged(ctx, "polynom-apply",
                 SetApplyPolynom(ctx.state, ctx.ui, ctx.state.ActiveChannel, args[0] == "on"));
}

void PolynomReset(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintChanged(ctx, "polynom-reset", ResetPolynom(ctx.state, ctx.ui, ctx.state.ActiveChannel));
}

int BufferArg(const std::string& text) {
    const int32_t b = IntArg(text);
    if (b < 0 || b >= kSectionBufferCount) throw RangeError("Buffer " + text + " is not 0..9");
    return b;
}

void SectionStore(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int b = BufferArg(args[0]);
    // The dialog shows the used buffers ticked; ticking b fills it, OK keeps the ticks.
    std::array<bool, kSectionBufferCount> ticked = UsedSectionBuffers(ctx.state);
    FillSectionBuffer(ctx.state, b);
    ticked[size_t(b)] = true;
    SetSectionBuffersUsed(ctx.state, ticked);
    const SectionBuffer& buffer = ctx.state.sectionBuffers[size_t(b)];
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "section-store")
                           .Add("buffer", b)
                           .Add("start", buffer.startTime)
                           .Add("end", buffer.endTime)
                           .Add("channel", buffer.channel));
}

void SectionOverwrite(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int b = BufferArg(args[0]);
    // Only used buffers can be chosen in the dialog.
    if (!ctx.state.sectionBuffers[size_t(b)].used)
        throw RangeError("Buffer " + args[0] + " holds no section");
    bool changed = false;
    if (SelectSectionBuffer(ctx.state, ctx.ui, b))
        changed = CopySectionBuffer(ctx.state, ctx.ui, b);
    PrintChanged(ctx, "section-overwrite", changed);
}

void SynchroniseVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    ctx.ui.QueueText(TypedText(args));
    const bool proposed = Synchronise(ctx.state, ctx.ui);
    PrintJson(ctx.out, JsonObject().Add("command", "synchronise").Add("proposed", proposed));
}

}  // namespace

void AddProcessingIIVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"bichannel", "add|subtract|abs A B R", 4, 4, BiChannelVerb});
    verbs.push_back({"integrate", "", 0, 0, ChannelOpVerb<kOpIntegrate>});
    verbs.push_back({"differentiate", "", 0, 0, ChannelOpVerb<kOpDifferentiate>});
    verbs.push_back({"diff-compass", "", 0, 0, ChannelOpVerb<kOpDiffCompass>});
    verbs.push_back({"polynom", "A B C D E F G H I J K apply|noapply", 12, 12, Polynom});
    verbs.push_back({"polynom-apply", "on|off", 1, 1, PolynomApply});
    verbs.push_back({"polynom-reset", "", 0, 0, PolynomReset});
    verbs.push_back({"section-store", "B", 1, 1, SectionStore});
    verbs.push_back({"section-overwrite", "B", 1, 1, SectionOverwrite});
    verbs.push_back({"synchronise", "TEXT", 0, 64, SynchroniseVerb});
}

}  // namespace corv::cli
