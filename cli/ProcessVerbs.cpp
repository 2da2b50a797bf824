// Script verbs of the Process and Filter menus. Each acts on the active channel between
// the cursors, as the menu command does: typed numbers go to the command's prompt as the
// user would type them, questions take the queued answers, and the result line says
// whether the channel changed.
#include "AppState.h"
#include "Script.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"
#include "processing/PeakElimination.h"
#include "processing/Resampling.h"
#include "processing/RunningMean.h"
#include "processing/SectionArithmetic.h"
#include "processing/Smoothing.h"

namespace corv::cli {

namespace {

// Runs a command that reads its number from a prompt, with the verb's text typed there.
// A text the command did not ask for (it ended before its prompt) is not left for the next.
template <class F>
void Typed(ScriptContext& ctx, const std::vector<std::string>& args, const char* verb, F&& run) {
    ctx.ui.QueueText(TypedText(args));
    bool changed = false;
    try {
        changed = run();
    } catch (...) {
        ctx.ui.DropQueuedTexts();
        throw;
    }
    ctx.ui.DropQueuedTexts();
    PrintChanged(ctx, verb, changed);
}

template <SectionOp Op>
void SectionVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    static const std::string name = SectionOpVerb(Op);
    if (args.empty()) {
        PrintChanged(ctx, name.c_str(), RunSectionCommand(ctx.state, ctx.ui, Op));
        return;
    }
    Typed(ctx, args, name.c_str(), [&] { return RunSectionCommand(ctx.state, ctx.ui, Op); });
}

void Ramp(ScriptContext& ctx, const std::vector<std::string>& args) {
    const double amount = StrToFloat(TypedText(args));
    PrintChanged(ctx, "ramp", RunRampCommand(ctx.state, ctx.ui, amount));
}

void Equalize(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintChanged(ctx, "equalize", RunSectionCommand(ctx.state, ctx.ui, SectionOp::Equalize));
}

void Smooth(ScriptContext& ctx, const std::vector<std::string>& args) {
    for (SmoothKernel kernel :
         {SmoothKernel::K121, SmoothKernel::K1241, SmoothKernel::K11232, SmoothKernel::Trimmed7})
        if (args[0] == SmoothKernelVerb(kernel)) {
            PrintChanged(ctx, "smooth", SmoothSection(ctx.state, ctx.ui, kernel));
            return;
        }
    throw RangeError("Unknown kernel '" + args[0] + "' (121, 124, 1123 or 1111)");
}

void Peaks(ScriptContext& ctx, const std::vector<std::string>& args) {
    PeakInput in;
    const std::string& mode = args[0];
    if (mode == "high-low" && args.size() == 1) {
        in.mode = PeakMode::HighLow;
    } else if (mode == "user" && args.size() == 3) {
        in.mode = PeakMode::UserDefined;
        in.ampl = args[1];
        in.length = args[2];
    } else if (mode == "small" && args.size() == 2) {
        in.mode = PeakMode::ReplSmallValues;
        in.smallVal = args[1];
    } else {
        throw RangeError("Use peaks high-low, peaks user A B or peaks small A");
    }
    PrintChanged(ctx, "peaks", EliminatePeaks(ctx.state, ctx.ui, in));
}

void RunningMean(ScriptContext& ctx, const std::vector<std::string>& args) {
    Typed(ctx, args, "running-mean", [&] { return SetRunningMean(ctx.state, ctx.ui); });
}

void ReduceVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    Typed(ctx, args, "reduce", [&] { return ReduceCommand(ctx.state, ctx.ui); });
}

void ExpandVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    Typed(ctx, args, "expand", [&] { return ExpandCommand(ctx.state, ctx.ui); });
}

void DoublePointsVerb(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintChanged(ctx, "double-points", DoublePointsCommand(ctx.state, ctx.ui));
}

constexpr size_t kRestOfLine = 1000;

}  // namespace

void AddProcessVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"multiply", "TEXT", 1, kRestOfLine, SectionVerb<SectionOp::Multiply>});
    verbs.push_back({"add", "TEXT", 1, kRestOfLine, SectionVerb<SectionOp::Add>});
    verbs.push_back({"divide", "TEXT", 1, kRestOfLine, SectionVerb<SectionOp::Divide>});
    verbs.push_back({"set-constant", "TEXT", 1, kRestOfLine, SectionVerb<SectionOp::SetConstant>});
    verbs.push_back({"ramp", "TEXT", 1, kRestOfLine, Ramp});
    verbs.push_back({"equalize", "", 0, 0, Equalize});
    verbs.push_back({"insert-points", "TEXT", 1, kRestOfLine, SectionVerb<SectionOp::Insert>});
    verbs.push_back({"delete-points", "", 0, 0, SectionVerb<SectionOp::Delete>});
    verbs.push_back({"del-negative", "", 0, 0, SectionVerb<SectionOp::ClampBelowZero>});
    verbs.push_back({"smooth", "121|124|1123|1111", 1, 1, Smooth});
    verbs.push_back({"peaks", "high-low | user A B | small A", 1, 3, Peaks});
    verbs.push_back({"running-mean", "TEXT", 1, kRestOfLine, RunningMean});
    verbs.push_back({"reduce", "TEXT", 1, kRestOfLine, ReduceVerb});
    verbs.push_back({"expand", "TEXT", 1, kRestOfLine, ExpandVerb});
    verbs.push_back({"double-points", "", 0, 0, DoublePointsVerb});
}

}  // namespace corv::cli
