#pragma once
// Shared set-up of the binary-file tests: a state with defaults and banks, sample files and
// hand-written headers.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "TestSupport.h"
#include "core/RecordingUiPort.h"
#include "files/BinaryHeader.h"
#include "settings/Defaults.h"

namespace corv::test {

// 1 January 2020 00:00:00.
inline constexpr double kJan2020 = 1230768000000.0;

inline std::unique_ptr<AppState> MakeState(RecordingUiPort& ui) {
    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corv");
    state->store.AllocateBanks(ui);
    return state;
}

// Little-endian bytes of the samples.
inline std::string SampleBytes(const std::vector<uint16_t>& samples) {
    std::string bytes;
    for (uint16_t w : samples) {
        bytes.push_back(static_cast<char>(w & 0xFF));
        bytes.push_back(static_cast<char>(w >> 8));
    }
    return bytes;
}

// A raw word that differs per position and per channel, so a wrong block shows.
inline uint16_t Pattern(int64_t p, int c) {
    return static_cast<uint16_t>(p * 7 + c * 1000 + 3);
}

inline std::vector<uint16_t> PatternRun(int64_t first, int64_t end, int c) {
    std::vector<uint16_t> v;
    for (int64_t p = first; p < end; ++p) v.push_back(Pattern(p, c));
    return v;
}

// Stores the pattern at bank positions 0 .. count-1 of channel c.
inline void FillPattern(AppState& state, int c, int32_t count) {
    for (int32_t p = 0; p < count; ++p) *state.store.BankWord(c, p) = Pattern(p, c);
}

// Ten header lines of 70 characters with CR LF, as the writer lays them out.
inline std::string HeaderText(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t k = 0; k < 10; ++k) text += PadLine70(k < lines.size() ? lines[k] : "") + "\r\n";
    return text;
}

// The ten 70-character lines of a file's header.
inline std::vector<std::string> HeaderLinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t k = 0; k < 10 && (k + 1) * 72 <= bytes.size(); ++k)
        lines.push_back(bytes.substr(k * 72, 70));
    return lines;
}

}  // namespace corv::test
