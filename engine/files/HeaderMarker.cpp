#include "files/HeaderMarker.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/UiPort.h"
#include "files/ReadOnlyFile.h"

namespace corv {

namespace {
constexpr size_t kChunk = 64 * 1024;
}  // namespace

HeaderMarkerResult HasHeaderMarker(UiPort& ui, const std::filesystem::path& file) {
    HeaderMarkerResult result;
    ReadOnlyFile f;
    if (!f.Open(file)) {
        ui.Message(kCantOpenPrefix + file.string());
        return result;
    }
    result.opened = true;
    // The first line may be as long as the file (a body without line breaks), so it is
    // searched chunk by chunk; the tail of each chunk is kept in case the marker straddles.
    const std::string_view marker(kHeaderMarker);
    const size_t keepMax = marker.size() - 1;
    auto buf = std::make_unique<std::array<char, kChunk + 64>>();
    char* data = buf->data();
    size_t kept = 0;
    for (;;) {
        const size_t got = f.Read(data + kept, kChunk);
        if (got == 0) return result;
        const char* end = data + kept + got;
        const char* lineEnd = end;
        for (const char* p = data + kept; p < end; ++p)
            if (*p == '\n' || *p == '\r' || *p == 26) {
                lineEnd = p;
                break;
            }
        const std::string_view line(data, static_cast<size_t>(lineEnd - data));
        if (line.find(marker) != std::string_view::npos) {
            result.hasMarker = true;
            return result;
        }
        if (lineEnd != end) return result;
        kept = std::min(line.size(), keepMax);
        std::memmove(data, lineEnd - kept, kept);
    }
}

}  // namespace corv
