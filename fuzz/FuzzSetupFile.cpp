// The setup file reader never throws on bad input, and read -> write -> read is stable.
#include <memory>
#include <sstream>

#include "AppState.h"
#include "FuzzSupport.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

using namespace corv;
using fuzz::Check;

namespace {

std::string Text(const AppState& s) {
    std::ostringstream out;
    WriteSetupText(s, out);
    return out.str();
}

std::unique_ptr<AppState> Defaults() {
    auto s = std::make_unique<AppState>();
    SetDefaults(*s, "/nonexistent/corvandell");
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto file = fuzz::ScratchFile("fuzz.set");
    static const auto copy = fuzz::ScratchFile("copy.set");
    // Most inputs should look like setup files, so the header is given; a first byte '!'
    // leaves it to the input.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with('!'))
        fuzz::WriteBytes(file, input.substr(1));
    else
        fuzz::WriteBytes(file, std::string(kSetupHeader) + "\r\n" + std::string(input));

    auto state = Defaults();
    const SetupReadResult r = ReadSetupFileChecked(*state, file);  // never throws
    if (!r.Ok()) {
        Check(r.status == SetupReadStatus::NotSetupFile, "only the header can be wrong");
        Check(Text(*state) == Text(*Defaults()), "a refused file changes nothing");
        return 0;
    }
    const std::string first = Text(*state);
    fuzz::WriteBytes(copy, first);
    auto again = Defaults();
    Check(ReadSetupFileChecked(*again, copy).Ok(), "a written file reads back");
    Check(Text(*again) == first, "read -> write -> read is stable");
    return 0;
}
