// Script verbs of the beak analysis: parameters, result files, the event search, writing
// results, analysing the whole recording, and the dims list with its corrections.
#include <string>

#include "AppState.h"
#include "Script.h"
#include "analysis/BeakCommands.h"
#include "analysis/DimsEditing.h"
#include "analysis/ResultsFile.h"
#include "core/AnalysisKind.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"

namespace corv::cli {

namespace {

std::string DimsJson(const AppState& state) {
    const DimList& list = state.analysis.dimList;
    return JsonObjectArray(list.dims.begin(), list.dims.begin() + list.count, [](const Dim& d) {
        return JsonObject()
            .Add("start", d.start)
            .Add("end", d.end)
            .Add("gap", d.gap)
            .Add("maximum", d.maximum)
            .Add("type_value", d.typeValue)
            .Add("positive_sum", d.positiveSum)
            .Add("duration", d.duration);
    });
}

std::string TypeText(const AppState& state) {
    return std::string(1, state.analysis.event.type);
}

// The search's results: found, type, dims, the beak channel's baseline and the cursors.
JsonObject& AddSearch(JsonObject& o, const AppState& state, bool found) {
    const ViewState& v = state.view;
    return o.Add("found", found)
        .Add("type", TypeText(state))
        .AddRaw("dims", DimsJson(state))
        .Add("yOffset", state.store.Rec(kBeakChannel).yOffset)
        .Add("LeftCursor", v.LeftCursor)
        .Add("RightCursor", v.RightCursor)
        .Add("LeftBCursor", v.LeftBCursor)
        .Add("RightBCursor", v.RightBCursor);
}

void BeakParamsVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        const size_t eq = a.find('=');
        if (eq == std::string::npos) throw RangeError("'" + a + "' is not NAME=VALUE");
        if (!SetBeakParam(ctx.state, a.substr(0, eq), a.substr(eq + 1)))
            throw RangeError("'" + a.substr(0, eq) + "' is no beak parameter");
    }
    const BeakParams& p = ctx.state.settings.Beak;
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "beak-params")
                           .Add("ScanInterval", p.ScanInterval)
                           .Add("QuietStdDev", p.QuietStdDev)
                           .Add("TypeThreshold", p.TypeThreshold)
                           .Add("BeakThreshold", p.BeakThreshold)
                           .Add("BeakLevel", p.BeakLevel)
                           .Add("MinDuration", p.MinDuration)
                           .Add("WindowSize", p.WindowSize)
                           .Add("BeakSlope", p.BeakSlope)
                           .Add("Step", p.Step)
                           .Add("DiveThreshold", p.DiveThreshold)
                           .Add("DiveLevel", p.DiveLevel)
                           .Add("DiveSlope", p.DiveSlope));
}

// "-" stands for no file.
std::string FileArg(const std::string& a) {
    return a == "-" ? std::string() : a;
}

void BeakFiles(ScriptContext& ctx, const std::vector<std::string>& args) {
    Settings& s = ctx.state.settings;
    s.NameOutFile[kBeakChannel] = FileArg(args[0]);
    s.BreathFileName = FileArg(args[1]);
    s.FeedFileName = FileArg(args[2]);
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "beak-files")
                           .Add("all", s.NameOutFile[kBeakChannel])
                           .Add("breath", s.BreathFileName)
                           .Add("feed", s.FeedFileName));
}

void BeakType(ScriptContext& ctx, const std::vector<std::string>&) {
    ChangeBeakType(ctx.state, ctx.ui);
    PrintJson(ctx.out, JsonObject().Add("command", "beak-type").Add("type", TypeText(ctx.state)));
}

void BeakSearch(ScriptContext& ctx, const std::vector<std::string>&) {
    const bool found = SearchNext(ctx.state, ctx.ui);
    JsonObject o;
    o.Add("command", "beak-search");
    PrintJson(ctx.out, AddSearch(o, ctx.state, found));
}

std::string AnalysedJson(const AppState& state) {
    const BeakEvent& e = state.analysis.event;
    return JsonObject()
        .Add("type", std::string(1, e.type))
        .Add("start_time", e.startTime)
        .Add("start",
             IsoDateTime(state.store.OriginTime + e.startTime * state.settings.CommSampInterval))
        .Add("duration", e.duration)
        .Add("dive_duration", e.diveDuration)
        .Add("dive_maximum", e.diveMaximum)
        .Add("dim_count", e.dimCount)
        .Add("positive_sum", e.positiveSum)
        .Add("valid", e.valid)
        .Add("too_long", e.tooLong)
        .Str();
}

void BeakWrite(ScriptContext& ctx, const std::vector<std::string>&) {
    // The search that follows replaces the event, so its results are taken first.
    std::string analysed = "null";
    bool written = false;
    const WriteOutcome w = WriteResults(ctx.state, ctx.ui, [&](const AppState& s, bool ok) {
        analysed = AnalysedJson(s);
        written = ok;
    });
    JsonObject o;
    o.Add("command", "beak-write").AddRaw("analysed", analysed).Add("written", written);
    PrintJson(ctx.out, AddSearch(o, ctx.state, w.found));
}

void AnalyseAllVerb(ScriptContext& ctx, const std::vector<std::string>&) {
    const AnalyseAllOutcome r = AnalyseAll(ctx.state, ctx.ui);
    PrintJson(
        ctx.out,
        JsonObject().Add("command", "analyse-all").Add("breath", r.breath).Add("feed", r.feed));
}

void DimsVerb(ScriptContext& ctx, const std::vector<std::string>&) {
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "dims")
                           .Add("type", TypeText(ctx.state))
                           .AddRaw("dims", DimsJson(ctx.state)));
}

void PrintDimsEdit(ScriptContext& ctx, const char* verb, bool changed) {
    PrintJson(ctx.out, JsonObject()
                           .Add("command", verb)
                           .Add("changed", changed)
                           .AddRaw("dims", DimsJson(ctx.state)));
}

void DimsDelete(ScriptContext& ctx, const std::vector<std::string>& args) {
    PrintDimsEdit(ctx, "dims-delete",
                  EditDims(ctx.state, ctx.ui, DimsEdit::Delete, IntArg(args[0])));
}

void DimsMerge(ScriptContext& ctx, const std::vector<std::string>& args) {
    PrintDimsEdit(ctx, "dims-merge",
                  EditDims(ctx.state, ctx.ui, DimsEdit::MergeWithNext, IntArg(args[0])));
}

void DimsDivide(ScriptContext& ctx, const std::vector<std::string>& args) {
    PrintDimsEdit(ctx, "dims-divide",
                  EditDims(ctx.state, ctx.ui, DimsEdit::Divide, IntArg(args[0]), IntArg(args[1])));
}

void DimsMove(ScriptContext& ctx, const std::vector<std::string>& args) {
    if (args[1] != "start" && args[1] != "end")
        throw ConversionError("'" + args[1] + "' is not start or end");
    PrintDimsEdit(
        ctx, "dims-move",
        MoveDimEnd(ctx.state, ctx.ui, IntArg(args[0]), args[1] == "start", IntArg(args[2])));
}

}  // namespace

void AddBeakVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"beak-params", "NAME=VALUE ...", 0, 12, BeakParamsVerb});
    verbs.push_back({"beak-files", "ALL BREATH FEED", 3, 3, BeakFiles});
    verbs.push_back({"beak-type", "", 0, 0, BeakType});
    verbs.push_back({"beak-search", "", 0, 0, BeakSearch});
    verbs.push_back({"beak-write", "", 0, 0, BeakWrite});
    verbs.push_back({"analyse-all", "", 0, 0, AnalyseAllVerb});
    verbs.push_back({"dims", "", 0, 0, DimsVerb});
    verbs.push_back({"dims-delete", "K", 1, 1, DimsDelete});
    verbs.push_back({"dims-merge", "K", 1, 1, DimsMerge});
    verbs.push_back({"dims-divide", "K I", 2, 2, DimsDivide});
    verbs.push_back({"dims-move", "K start|end I", 3, 3, DimsMove});
}

}  // namespace corv::cli
