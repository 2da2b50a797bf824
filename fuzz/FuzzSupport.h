#pragma once
// Helpers of the fuzz targets: a scratch file per process, a byte reader for parameters and
// a property check that stops the run (a crash the fuzzer records).

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "AppState.h"
#include "core/RecordingUiPort.h"
#include "settings/Defaults.h"

namespace corv::fuzz {

// One state with defaults and allocated banks for the whole run (allocating the banks for
// every input would cost more than the input).
inline AppState& StateWithBanks() {
    static RecordingUiPort ui;
    static const std::unique_ptr<AppState> state = [] {
        auto s = std::make_unique<AppState>();
        SetDefaults(*s, "/nonexistent/corvandell");
        s->store.AllocateBanks(ui);
        return s;
    }();
    return *state;
}

// Fails the run when a property does not hold.
inline void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

// A file of this process in the temporary folder, rewritten for each input.
inline std::filesystem::path ScratchFile(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("corv-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

inline void WriteBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Takes parameters from the front of the input; zeros once it is used up.
class Bytes {
  public:
    Bytes(const uint8_t* data, size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}
    uint8_t Byte() {
        if (m_rest.empty()) return 0;
        const auto b = static_cast<uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }
    std::string_view Rest() const { return m_rest; }

  private:
    std::string_view m_rest;
};

}  // namespace corv::fuzz
