#pragma once
// The script language of `corvandell-cli run`: one command per line, words separated by
// blanks, '#' starts a comment. Each subsystem adds its verbs to the table.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "Json.h"

namespace corv {
struct AppState;
class RecordingUiPort;
}  // namespace corv

namespace corv::cli {

struct ScriptContext {
    AppState& state;
    RecordingUiPort& ui;
    std::ostream& out;
    std::filesystem::path outputDir = {};  // where relative output names go; empty: as given
};

struct Verb {
    const char* name;
    const char* usage;  // the arguments, e.g. "C FROM TO"
    size_t minArgs;
    size_t maxArgs;
    void (*fn)(ScriptContext& ctx, const std::vector<std::string>& args);
};

// The words of a script line, without the comment; empty for blank lines.
[[nodiscard]] std::vector<std::string> SplitScriptLine(const std::string& line);

// Every verb the script knows.
[[nodiscard]] const std::vector<Verb>& ScriptVerbs();

// The verbs of each subsystem.
void AddFileVerbs(std::vector<Verb>& verbs);
void AddViewVerbs(std::vector<Verb>& verbs);
void AddProcessVerbs(std::vector<Verb>& verbs);
void AddCalcVerbs(std::vector<Verb>& verbs);
void AddProcessingIIVerbs(std::vector<Verb>& verbs);
void AddBeakVerbs(std::vector<Verb>& verbs);
void AddBaselineVerbs(std::vector<Verb>& verbs);

// Runs one script line: prints its result or an error event; never throws for a failing
// command (conversion, range and I/O errors are reported and the script goes on).
void RunScriptLine(ScriptContext& ctx, const std::vector<std::string>& words);

// Prints one JSON object as a line.
void PrintJson(std::ostream& out, const JsonObject& o);

// Shared argument parsing: a channel number 0..2, an integer, a time in ms.
[[nodiscard]] int ChannelArg(const std::string& text);
[[nodiscard]] int32_t IntArg(const std::string& text);
[[nodiscard]] double TimeArg(const std::string& text);
// An output file name of a script: relative names go into the run's output folder.
[[nodiscard]] std::filesystem::path OutputPath(const ScriptContext& ctx, const std::string& name);
// The text a user would type into a prompt: the verb's arguments joined by single blanks.
[[nodiscard]] std::string TypedText(const std::vector<std::string>& args);
// The result line of a command that may change data: {"command":verb,"changed":changed}.
void PrintChanged(ScriptContext& ctx, const char* verb, bool changed);

}  // namespace corv::cli
