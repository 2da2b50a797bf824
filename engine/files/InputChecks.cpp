#include "files/InputChecks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "AppState.h"
#include "core/UiPort.h"
#include "files/HeaderMarker.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr size_t kSniffBytes = 1024;

std::string ChannelPrefix(int c) {
    return "Channel " + std::to_string(c + 1) + ": ";
}

std::string FirstBytes(const std::string& name) {
    std::ifstream in(fs::path(name), std::ios::binary);
    std::string bytes(kSniffBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

bool Exists(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(name), ec);
}

}  // namespace

bool LooksLikeText(std::string_view bytes) {
    if (bytes.empty() || bytes.find(kHeaderMarker) != std::string_view::npos) return false;
    bool lineBreak = false;
    for (const char ch : bytes) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '\n' || ch == '\r') {
            lineBreak = true;
        } else if (u < 0x20 && ch != '\t') {
            return false;
        } else if (u == 0x7F) {
            return false;
        }
    }
    return lineBreak;
}

bool NamesAFile(const std::string& name) {
    if (name.empty()) return false;
    const char last = name.back();
    return last != '\\' && last != '/' && last != ':';
}

bool CheckInputFiles(const AppState& state, UiPort& ui) {
    for (int c = 0; c < kChannelCount; ++c) {
        const ChannelRecord& r = state.store.Rec(c);
        if (r.ToCreate == 1) continue;
        if (!Exists(r.NameIn)) {
            if (!NamesAFile(r.NameIn)) continue;
            const std::string q = ChannelPrefix(c) + "file not found: " + r.NameIn +
                                  "\r\nGo on without this channel?";
            if (ui.Ask(q, Buttons::YesNo, BoxKind::Warning) != Answer::Yes) return false;
            continue;
        }
        if (r.ColumnValue == 0 && LooksLikeText(FirstBytes(r.NameIn))) {
            const std::string q = ChannelPrefix(c) + r.NameIn +
                                  "\r\nThis file looks like a text file. Load it as binary anyway?";
            if (ui.Ask(q, Buttons::YesNo, BoxKind::Warning) != Answer::Yes) return false;
        }
    }
    return true;
}

}  // namespace corv
