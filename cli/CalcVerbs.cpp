// Script verbs of the calculations on the WorkSection of the active channel: statistics
// and their export, histogram and its export, the channel-against-channel plot ranges,
// the event count and the frequency tags.
#include <filesystem>

#include "AppState.h"
#include "Script.h"
#include "calc/ChannelPlot.h"
#include "calc/EventCount.h"
#include "calc/FrequencyTags.h"
#include "calc/Histogram.h"
#include "calc/HistogramCommand.h"
#include "calc/SectionStatistics.h"
#include "calc/StatisticsExport.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"

namespace corv::cli {

namespace {

void Statistics(ScriptContext& ctx, const std::vector<std::string>&) {
    const SectionStatistics s = WorkSectionStatistics(ctx.state);
    JsonObject result;
    result.Add("command", "statistics")
        .Add("channel", ctx.state.ActiveChannel)
        .Add("min", s.min)
        .Add("max", s.max)
        .Add("mean", s.mean)
        .Add("SD", s.sd)
        .Add("median", s.median)
        .Add("a", s.a)
        .Add("b", s.b)
        .Add("cc", s.cc)
        .Add("dy", s.dy)
        .Add("dx", s.dx)
        .Add("gradient", s.gradient)
        .Add("increase", s.increase)
        .Add("base", s.base)
        .Add("integral", s.integral);
    if (s.gapSamples > 0) result.Add("gapSamples", s.gapSamples);
    PrintJson(ctx.out, result);
}

void Comment(ScriptContext& ctx, const std::vector<std::string>& args) {
    ctx.state.PendingComment = TypedText(args);
    PrintJson(ctx.out,
              JsonObject().Add("command", "comment").Add("text", ctx.state.PendingComment));
}

void StatisticsExport(ScriptContext& ctx, const std::vector<std::string>& args) {
    AppState& state = ctx.state;
    const SectionStatistics s = WorkSectionStatistics(state);
    const std::string file = OutputPath(ctx, args[0]).string();
    state.settings.StatisticsFileName = file;
    const bool ok =
        ExportStatistics(state, ctx.ui, file, s, state.view.LeftCursor, state.view.RightCursor);
    PrintJson(ctx.out,
              JsonObject().Add("command", "statistics-export").Add("file", args[0]).Add("ok", ok));
}

void Histogram(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int c = ctx.state.ActiveChannel;
    const bool ok = HistogramFirstPress(ctx.state, ctx.ui, args[0], args[1]);
    const HistogramRecord& record = ctx.state.histograms[size_t(c)];
    const HistogramCounts& table = ctx.state.histogramCounts[size_t(c)];
    JsonObject o;
    o.Add("command", "histogram").Add("channel", c).Add("ok", ok);
    if (ok)
        o.AddRaw("counts", JsonArray(std::vector<int64_t>(table.begin(), table.end())))
            .Add("mean", record.mean)
            .Add("SD", record.sd)
            .Add("median", record.median);
    PrintJson(ctx.out, o);
}

void HistogramExportVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    HistogramWriteMode mode = HistogramWriteMode::New;
    if (args[1] == "append")
        mode = HistogramWriteMode::Append;
    else if (args[1] == "overwrite")
        mode = HistogramWriteMode::Overwrite;
    else if (args[1] != "new")
        throw ConversionError("'" + args[1] + "' is not new, append or overwrite");
    AppState& state = ctx.state;
    HistogramRecord& record = state.histograms[size_t(state.ActiveChannel)];
    record.fileName = OutputPath(ctx, args[0]).string();
    std::error_code ec;
    bool ok = false;
    if (mode == HistogramWriteMode::New && std::filesystem::exists(record.fileName, ec))
        ctx.ui.Message(kHistogramFileExists,
                       BoxKind::Warning);  // nothing replaced without being asked to
    else
        ok = ExportHistogram(state, ctx.ui, state.histogramCounts[size_t(state.ActiveChannel)],
                             record, mode, state.view.LeftCursor, state.view.RightCursor);
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "histogram-export")
                           .Add("file", args[0])
                           .Add("mode", args[1])
                           .Add("ok", ok));
}

void Plot(ScriptContext& ctx, const std::vector<std::string>& args) {
    PlotChannels p;
    JsonObject o;
    o.Add("command", "plot");
    const bool ok = ParsePlotChannels(args[0], args[1], p) && PreparePlot(ctx.state, ctx.ui, p);
    o.Add("ok", ok);
    if (ok) {
        const ChannelStore& store = ctx.state.store;
        const PlotAxes axes = PlotAxesOf(store, p);
        if (!axes.Valid()) ctx.ui.Message(kRangeTooSmall, BoxKind::Warning);
        o.Add("x", p.x)
            .Add("y", p.y)
            .Add("PlotLowX", store.Rec(p.x).PlotLow)
            .Add("PlotHighX", store.Rec(p.x).PlotHigh)
            .Add("PlotLowY", store.Rec(p.y).PlotLow)
            .Add("PlotHighY", store.Rec(p.y).PlotHigh)
            .Add("xLow", axes.xLow)
            .Add("xHigh", axes.xHigh)
            .Add("yLow", axes.yLow)
            .Add("yHigh", axes.yHigh);
    }
    PrintJson(ctx.out, o);
}

void CountEventsVerb(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int32_t count = CountEventsWithText(ctx.state, ctx.ui, args[0]);
    PrintJson(ctx.out, JsonObject().Add("command", "count-events").Add("count", count));
}

std::string TagList(const std::vector<TagNode>& tags) {
    return JsonObjectArray(tags.begin(), tags.end(), [](const TagNode& t) {
        return JsonObject()
            .Add("index", t.index)
            .Add("value", t.value)
            .Add("kind", t.kind)
            .Add("amplitude", t.amplitude)
            .Add("wave_frequency", t.waveFrequency)
            .Add("wave_area", t.waveArea);
    });
}

void Frequency(ScriptContext& ctx, const std::vector<std::string>& args) {
    const double sensitivity = StrToFloat(args[0]);
    if (!SensitivityInRange(sensitivity)) {
        ctx.ui.Message("Illegal value", BoxKind::Error);
        throw RangeError("The sensitivity " + args[0] + " is not within 0.1 .. 2.0");
    }
    FrequencySearch(ctx.state, ctx.ui, sensitivity);
    const FrequencyTags& f = ctx.state.frequencyTags;
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "frequency")
                           .Add("channel", f.channel)
                           .AddRaw("tags", TagList(f.tags))
                           .Add("mean_minima", f.result.meanMinima)
                           .Add("mean_maxima", f.result.meanMaxima)
                           .Add("sd_minima", f.result.sdMinima)
                           .Add("sd_maxima", f.result.sdMaxima)
                           .Add("frequency", f.result.frequency));
}

void DisposeTags(ScriptContext& ctx, const std::vector<std::string>&) {
    ctx.state.frequencyTags = {};
    PrintJson(ctx.out, JsonObject().Add("command", "dispose-tags"));
}

}  // namespace

void AddCalcVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"statistics", "", 0, 0, Statistics});
    verbs.push_back({"comment", "TEXT", 0, 1000, Comment});
    verbs.push_back({"statistics-export", "FILE", 1, 1, StatisticsExport});
    verbs.push_back({"histogram", "MIN W", 2, 2, Histogram});
    verbs.push_back({"histogram-export", "FILE new|append|overwrite", 2, 2, HistogramExportVerb});
    verbs.push_back({"plot", "X Y", 2, 2, Plot});
    verbs.push_back({"count-events", "TEXT", 1, 1, CountEventsVerb});
    verbs.push_back({"frequency", "TEXT", 1, 1, Frequency});
    verbs.push_back({"dispose-tags", "", 0, 0, DisposeTags});
}

}  // namespace corv::cli
