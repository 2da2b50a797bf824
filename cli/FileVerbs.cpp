// Script verbs of the data files: the channel records, the time axis, sample values,
// exports and the setup file.
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "AppState.h"
#include "Script.h"
#include "core/Errors.h"
#include "core/ProcessingLog.h"
#include "core/RecordingUiPort.h"
#include "files/ChannelExport.h"
#include "settings/SetupFile.h"

namespace corv::cli {

namespace {

template <class T>
void AddField(JsonObject& o, const char* name, const T& v) {
    if constexpr (std::is_same_v<T, std::string>) {
        o.Add(name, v);
    } else if constexpr (std::is_same_v<T, char>) {
        o.Add(name, std::string(1, v));
    } else if constexpr (std::is_same_v<T, double>) {
        o.Add(name, v);
    } else {
        o.Add(name, static_cast<int64_t>(v));
    }
}

void Channels(ScriptContext& ctx, const std::vector<std::string>&) {
    std::string list = "[";
    for (int c = 0; c < kChannelCount; ++c) {
        JsonObject o;
        o.Add("channel", c).Add("present", bool(ctx.state.store.ChannelPresent[size_t(c)]));
        ForEachField(ctx.state.store.Rec(c),
                     [&](const char* name, const auto& v) { AddField(o, name, v); });
        o.Add("ChannelComment", ctx.state.store.ChannelComment[size_t(c)]);
        list += (c ? "," : "") + o.Str();
    }
    PrintJson(ctx.out, JsonObject().Add("command", "channels").AddRaw("channels", list + "]"));
}

void Axis(ScriptContext& ctx, const std::vector<std::string>&) {
    const StartRef& r = ctx.state.startRef;
    const std::vector<int64_t> ref = {r.year,   r.month,  r.day,        r.hour,
                                      r.minute, r.second, r.millisecond};
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "axis")
                           .Add("OriginTime", ctx.state.store.OriginTime)
                           .Add("TotalSpan", ctx.state.store.TotalSpan)
                           .AddRaw("StartRef", JsonArray(ref)));
}

// One request is answered in one JSON line; larger stretches are asked for in parts.
constexpr int64_t kMaxValuesPerRequest = 1 << 20;

void Values(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int c = ChannelArg(args[0]);
    // Indexes outside the channel's index space hold no sample: the range is cut to it.
    const int32_t from = std::max(IntArg(args[1]), 0);
    const int32_t to = std::min(IntArg(args[2]), ChannelStore::kCapacity - 1);
    if (int64_t{to} - from + 1 > kMaxValuesPerRequest)
        throw RangeError("values: " + std::to_string(int64_t{to} - from + 1) +
                         " indexes asked for, at most " + std::to_string(kMaxValuesPerRequest) +
                         " per request");
    std::vector<int64_t> raw, err;
    std::vector<double> value;
    for (int64_t i = from; i <= to; ++i) {
        int32_t e = 0;
        value.push_back(ctx.state.store.GetValue(static_cast<int32_t>(i), c, e));
        raw.push_back(ctx.state.store.GetRaw(static_cast<int32_t>(i), c));
        err.push_back(e);
    }
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "values")
                           .Add("channel", c)
                           .Add("from", from)
                           .Add("to", to)
                           .AddRaw("raw", JsonArray(raw))
                           .AddRaw("value", JsonArray(value))
                           .AddRaw("err", JsonArray(err)));
}

// T0 T1 in ms from OriginTime, or the single word "entire" for 0 .. TotalSpan.
struct Stretch {
    double t0 = 0, t1 = 0;
};

Stretch StretchArgs(const AppState& state, const std::vector<std::string>& args, size_t at) {
    if (args.size() == at + 1 && args[at] == "entire") return {0, state.store.TotalSpan};
    if (args.size() != at + 2) throw ConversionError("Expected T0 T1 or 'entire'");
    return {TimeArg(args[at]), TimeArg(args[at + 1])};
}

void ExportBin(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int c = ChannelArg(args[1]);
    const Stretch s = StretchArgs(ctx.state, args, 2);
    const bool ok = ExportBinaryChannel(ctx.state, ctx.ui, OutputPath(ctx, args[0]), c, s.t0, s.t1);
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "export-bin")
                           .Add("file", args[0])
                           .Add("channel", c)
                           .Add("t0", s.t0)
                           .Add("t1", s.t1)
                           .Add("ok", ok));
}

void ExportText(ScriptContext& ctx, const std::vector<std::string>& args) {
    const int32_t mode = IntArg(args[1]);
    if (mode != 0 && mode != 1) throw RangeError("Mode " + args[1] + " is not 0 or 1");
    const int c = ChannelArg(args[2]);
    const Stretch s = StretchArgs(ctx.state, args, 3);
    const bool ok =
        ExportTextChannel(ctx.state, ctx.ui, OutputPath(ctx, args[0]), c, mode, s.t0, s.t1);
    PrintJson(ctx.out, JsonObject()
                           .Add("command", "export-text")
                           .Add("file", args[0])
                           .Add("mode", mode)
                           .Add("channel", c)
                           .Add("t0", s.t0)
                           .Add("t1", s.t1)
                           .Add("ok", ok));
}

void SaveSetup(ScriptContext& ctx, const std::vector<std::string>& args) {
    const bool ok = WriteSetupFile(ctx.state, OutputPath(ctx, args[0]));
    PrintJson(ctx.out,
              JsonObject().Add("command", "save-setup").Add("file", args[0]).Add("ok", ok));
}

void SaveLog(ScriptContext& ctx, const std::vector<std::string>& args) {
    const bool ok = SaveProcessingLog(ctx.state, OutputPath(ctx, args[0]));
    PrintJson(ctx.out, JsonObject().Add("command", "save-log").Add("file", args[0]).Add("ok", ok));
}

}  // namespace

void AddFileVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"channels", "", 0, 0, Channels});
    verbs.push_back({"axis", "", 0, 0, Axis});
    verbs.push_back({"values", "C FROM TO", 3, 3, Values});
    verbs.push_back({"export-bin", "FILE C T0 T1|entire", 3, 4, ExportBin});
    verbs.push_back({"export-text", "FILE MODE C T0 T1|entire", 4, 5, ExportText});
    verbs.push_back({"save-setup", "FILE", 1, 1, SaveSetup});
    verbs.push_back({"save-log", "FILE", 1, 1, SaveLog});
}

}  // namespace corv::cli
