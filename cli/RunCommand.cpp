// corvandell-cli run: read a setup file, press Start, run a script of verbs, print JSON Lines.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <string_view>

#include "AppState.h"
#include "Cli.h"
#include "Script.h"
#include "core/RecordingUiPort.h"
#include "files/StartSequence.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::cli {

namespace {

struct RunOptions {
    Answer defaultAnswer = Answer::No;
    std::string setup;
    std::string script;  // empty: no script; "-": standard input
};

bool ParseOptions(const std::vector<std::string>& args, RunOptions& o, std::ostream& err) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--default-answer") {
            const auto a =
                i + 1 < args.size() ? RecordingUiPort::AnswerFromName(args[i + 1]) : std::nullopt;
            if (!a) {
                err << "corvandell-cli: --default-answer takes yes, no, ok, cancel or aux\n";
                return false;
            }
            o.defaultAnswer = *a;
            ++i;
        } else if (args[i].size() > 1 && args[i].rfind("--", 0) == 0) {
            err << "corvandell-cli: unknown option " << args[i] << "\n";
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        err << "corvandell-cli: usage: run [--default-answer yes|no|ok|cancel|aux] SETUP "
               "[SCRIPT]\n";
        return false;
    }
    o.setup = positional[0];
    if (positional.size() == 2) o.script = positional[1];
    return true;
}

bool ReadScript(const std::string& name, std::istream& in,
                std::vector<std::vector<std::string>>& lines, std::ostream& err) {
    if (name.empty()) return true;
    std::ifstream file;
    if (name != "-") {
        file.open(name, std::ios::binary);
        if (!file) {
            err << "corvandell-cli: cannot read script " << name << "\n";
            return false;
        }
    }
    std::istream& src = name == "-" ? in : file;
    for (std::string line; std::getline(src, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        auto words = SplitScriptLine(line);
        if (!words.empty()) lines.push_back(std::move(words));
    }
    return true;
}

void PrintUiEvent(std::ostream& out, const UiEvent& e) {
    switch (e.kind) {
        case UiEvent::Kind::Message:
            PrintJson(out, JsonObject().Add("event", "message").Add("text", e.text));
            break;
        case UiEvent::Kind::Question:
            PrintJson(
                out,
                JsonObject().Add("event", "question").Add("text", e.text).Add("answer", e.answer));
            break;
        case UiEvent::Kind::Input:
            PrintJson(
                out,
                JsonObject().Add("event", "input").Add("text", e.text).Add("answer", e.answer));
            break;
        case UiEvent::Kind::Help:
            PrintJson(out, JsonObject().Add("event", "help").Add("file", e.text));
            break;
        case UiEvent::Kind::Beep:
            PrintJson(out, JsonObject().Add("event", "beep"));
            break;
        case UiEvent::Kind::Halt:
            PrintJson(out, JsonObject().Add("event", "halt"));
            break;
        case UiEvent::Kind::Progress:
            break;
    }
}

const char* OutcomeName(StartOutcome o) {
    switch (o) {
        case StartOutcome::Loaded:
            return "loaded";
        case StartOutcome::NoChannel:
            return "no-channel";
        case StartOutcome::PrepareFailed:
            return "prepare-failed";
        case StartOutcome::LoadFailed:
            return "load-failed";
        case StartOutcome::Cancelled:
            return "cancelled";
    }
    return "?";
}

}  // namespace

int RunCommand(CliContext& ctx) {
    RunOptions opt;
    if (!ParseOptions(ctx.args, opt, ctx.err)) return kExitUsage;
    std::vector<std::vector<std::string>> script;
    if (!ReadScript(opt.script, ctx.in, script, ctx.err)) return kExitUsage;

    auto state = std::make_unique<AppState>();
    RecordingUiPort ui;
    ui.SetDefaultAnswer(opt.defaultAnswer);
    ui.SetListener([&](const UiEvent& e) { PrintUiEvent(ctx.out, e); });
    // Long work shows a line on stderr at every tenth of the way.
    int lastTenth = -1;
    ui.SetProgressListener([&](const std::string& title, int64_t done, int64_t total) {
        const int tenth =
            total > 0 ? static_cast<int>(std::min<int64_t>(done * 10 / total, 10)) : 0;
        if (done == 0) lastTenth = -1;
        if (tenth == lastTenth) return;
        lastTenth = tenth;
        ctx.err << "corvandell-cli: " << title << ": " << tenth * 10 << "%\n";
    });
    ScriptContext sc{*state, ui, ctx.out, ctx.outputDir};
    try {
        SetDefaults(*state, ctx.executable);
        state->folders.SetupPath = opt.setup;
        if (!ReadSetupFile(*state, opt.setup)) {
            ctx.err << "corvandell-cli: " << opt.setup << " is not a readable setup file\n";
            return kExitUsage;
        }
        state->store.AllocateBanks(ui);

        // Answers at the top of the script answer Start's questions too.
        size_t next = 0;
        for (; next < script.size() && script[next][0] == "answer"; ++next)
            RunScriptLine(sc, script[next]);

        // An exception (a header that cannot be read, say) abandons Start like any command.
        const char* outcome = "error";
        try {
            outcome = OutcomeName(RunStart(*state, ui));
        } catch (const std::exception& e) {
            PrintJson(ctx.out, JsonObject().Add("event", "error").Add("text", e.what()));
        }
        PrintJson(ctx.out, JsonObject().Add("event", "start").Add("outcome", outcome));
        if (std::string_view(outcome) != OutcomeName(StartOutcome::Loaded)) return kExitFailed;

        for (; next < script.size(); ++next) RunScriptLine(sc, script[next]);
    } catch (const HaltRequested&) {
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace corv::cli
