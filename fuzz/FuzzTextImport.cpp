// Text import with random parameters: the line reader, at any chunk size, splits exactly as
// a plain reference does, and a load stores no more samples than there are lines.
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "FuzzSupport.h"
#include "core/RecordingUiPort.h"
#include "files/ReadOnlyFile.h"
#include "files/TextImport.h"
#include "files/TextLineReader.h"
#include "settings/Defaults.h"

using namespace corv;
using fuzz::Check;

namespace {

// Lines end at CR LF, LF or a lone CR; a Ctrl-Z ends the file; lines are cut at 1024.
std::vector<std::string> ReferenceLines(std::string_view s) {
    std::vector<std::string> lines;
    if (const size_t z = s.find('\x1a'); z != std::string_view::npos) {
        s = s.substr(0, z);
        if (s.empty() || s.back() == '\n' || s.back() == '\r') {
            // the Ctrl-Z itself starts no line
        }
    }
    size_t i = 0;
    while (i < s.size()) {
        size_t e = s.find_first_of("\r\n", i);
        if (e == std::string_view::npos) e = s.size();
        lines.emplace_back(s.substr(i, std::min<size_t>(e - i, TextLineReader::kMaxLine)));
        if (e < s.size() && s[e] == '\r' && e + 1 < s.size() && s[e + 1] == '\n') ++e;
        i = e + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto file = fuzz::ScratchFile("fuzz.txt");
    fuzz::Bytes in(data, size);
    const size_t chunk = 1 + in.Byte() % 97;
    const int32_t column = in.Byte() % 5;
    static const char kDelimiters[] = {' ', '\t', ';', ',', '.', 'e', '-', '|'};
    const char delimiter = kDelimiters[in.Byte() % sizeof kDelimiters];
    const uint8_t flags = in.Byte();
    const std::string_view text = in.Rest();
    fuzz::WriteBytes(file, text);

    // Chunked reading gives the reference lines (a Ctrl-Z line may end the file early).
    ReadOnlyFile f;
    Check(f.Open(file), "the scratch file opens");
    TextLineReader reader(f, chunk);
    std::vector<std::string> lines;
    reader.ForEachLine([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    const auto reference = ReferenceLines(text);
    Check(lines.size() <= reference.size() + 1, "no extra lines");
    for (size_t k = 0; k + 1 < lines.size() && k < reference.size(); ++k)
        Check(lines[k] == reference[k], "chunked lines equal the reference");

    // Every line parses without harm in every mode.
    for (const auto& line : lines) {
        double v = 0;
        const uint8_t result = ParseColumnValue(line, column, delimiter, v);
        Check(result != kParsedNumber || !std::isnan(v), "no NaN from a text");
    }

    // A load over the same file with random settings.
    AppState& state = fuzz::StateWithBanks();
    RecordingUiPort ui;
    ui.SetDefaultAnswer(flags & 1 ? Answer::Yes : Answer::No);
    ChannelRecord& r = state.store.Rec(0);
    r.NameIn = file.string();
    r.ColumnValue = std::max(column, int32_t{1});
    r.InDelimiter = delimiter;
    r.HeaderText = (flags >> 1) & 3;
    r.AutoScale = flags & 8 ? 'Y' : 'N';
    r.LowRng = -100;
    r.HighRng = 100;
    r.CorrSmpDelay = 0;
    r.ToCreate = 0;
    ScaleFromRange(r);
    state.store.ChannelPresent[0] = true;
    state.store.MaxSamples = 1 << 16;
    if (LoadTextChannel(state, ui, 0) == 0) {
        Check(r.DataCnt + 1 <= static_cast<int32_t>(reference.size()) + 1,
              "no more samples than lines");
        Check(ScalingIsFinite(r), "a loaded channel has a finite scaling");
    }
    return 0;
}
