#include "Script.h"

#include <exception>
#include <iostream>
#include <sstream>

#include "core/Convert.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"

namespace corv::cli {

namespace {

void PrintError(std::ostream& out, const std::string& text) {
    PrintJson(out, JsonObject().Add("event", "error").Add("text", text));
}

const Verb* FindVerb(const std::string& name) {
    for (const auto& v : ScriptVerbs())
        if (name == v.name) return &v;
    return nullptr;
}

void Answer(ScriptContext& ctx, const std::vector<std::string>& args) {
    const auto a = RecordingUiPort::AnswerFromName(args[0]);
    if (!a) throw ConversionError("'" + args[0] + "' is not an answer (yes, no, ok, cancel, aux)");
    ctx.ui.QueueAnswer(*a);
    PrintJson(ctx.out, JsonObject().Add("command", "answer").Add("answer", args[0]));
}

void AddCoreVerbs(std::vector<Verb>& verbs) {
    verbs.push_back({"answer", "yes|no|ok|cancel|aux", 1, 1, Answer});
}

}  // namespace

void PrintJson(std::ostream& out, const JsonObject& o) {
    out << o.Str() << '\n' << std::flush;
}

std::vector<std::string> SplitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line.substr(0, line.find('#')));
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

const std::vector<Verb>& ScriptVerbs() {
    static const std::vector<Verb> verbs = [] {
        std::vector<Verb> v;
        AddCoreVerbs(v);
        AddFileVerbs(v);
        AddViewVerbs(v);
        AddProcessVerbs(v);
        AddCalcVerbs(v);
        AddProcessingIIVerbs(v);
        AddBeakVerbs(v);
        AddBaselineVerbs(v);
        return v;
    }();
    return verbs;
}

int ChannelArg(const std::string& text) {
    const int32_t c = StrToInt(text);
    if (c < 0 || c > 2) throw RangeError("Channel " + text + " is not 0, 1 or 2");
    return c;
}

int32_t IntArg(const std::string& text) {
    return StrToInt(text);
}

double TimeArg(const std::string& text) {
    return StrToFloat(text);
}

std::filesystem::path OutputPath(const ScriptContext& ctx, const std::string& name) {
    const std::filesystem::path p(name);
    return ctx.outputDir.empty() || p.is_absolute() ? p : ctx.outputDir / p;
}

std::string TypedText(const std::vector<std::string>& args) {
    std::string text;
    for (size_t k = 0; k < args.size(); ++k) text += (k ? " " : "") + args[k];
    return text;
}

void PrintChanged(ScriptContext& ctx, const char* verb, bool changed) {
    PrintJson(ctx.out, JsonObject().Add("command", verb).Add("changed", changed));
}

void RunScriptLine(ScriptContext& ctx, const std::vector<std::string>& words) {
    if (words.empty()) return;
    const Verb* verb = FindVerb(words[0]);
    if (verb == nullptr) {
        PrintError(ctx.out, "Unknown command '" + words[0] + "'");
        return;
    }
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (args.size() < verb->minArgs || args.size() > verb->maxArgs) {
        PrintError(ctx.out, std::string("Usage: ") + verb->name + " " + verb->usage);
        return;
    }
    try {
        verb->fn(ctx, args);
    } catch (const std::exception& e) {
        // Conversion, range and I/O errors end the command; the script goes on.
        PrintError(ctx.out, e.what());
    }
}

}  // namespace corv::cli
