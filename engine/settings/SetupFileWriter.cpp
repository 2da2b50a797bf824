// Writing the setup file: header lines, the channel groups, then the global keys, every
// line ended by CR LF.
#include <fstream>
#include <ostream>
#include <string_view>
#include <type_traits>

#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "settings/SetupFile.h"
#include "settings/SetupKeys.h"
#include "settings/SetupLineReader.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kEol = "\r\n";

// A line break inside a text would start a new key line when the file is read back.
std::string TextValue(const std::string& s) {
    std::string t = s;
    for (char& ch : t)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return t;
}

void WriteValue(std::ostream& out, const std::string& v) {
    out << TextValue(v);
}
void WriteValue(std::ostream& out, int32_t v) {
    out << std::to_string(v);
}
void WriteValue(std::ostream& out, uint8_t v) {
    out << std::to_string(unsigned{v});
}
void WriteValue(std::ostream& out, double v) {
    out << FormatSci23(v);
}
void WriteValue(std::ostream& out, char v) {
    out.put(v);
}

// The date after the start time is for the reader's eye only; a time outside the calendar
// gets an empty date rather than losing the whole file.
std::string DateText(double t, char dateSep) {
    try {
        return FormatDateText(t, dateSep);
    } catch (const RangeError&) {
        return "";
    }
}

// Keys added after the format was settled are left out at their default, so that files
// written with default settings stay as they always were.
bool IsOmittedDefault(std::string_view key, const ChannelRecord& r) {
    return key == "MissingValues" && r.MissingValues == kSkipMissing;
}

void WriteChannel(std::ostream& out, const ChannelRecord& r, int c, char dateSep) {
    ForEachChannelKey(r, [&](const char* key, const auto& value) {
        if (IsOmittedDefault(key, r)) return;
        out << key << '\t' << c << '\t';
        WriteValue(out, value);
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
            if (std::string_view(key) == "StartTime")
                out << "\t (" << DateText(value, dateSep) << ")";
        }
        out << kEol;
    });
}

// Colour values are written as the signed 32-bit number of their bit pattern.
void WriteTable(std::ostream& out, const char* key,
                const std::array<ColourEntry, kColourCount>& table) {
    for (int i = 0; i < kColourCount; ++i) {
        const ColourEntry& e = table[static_cast<size_t>(i)];
        out << key << '\t' << i << '\t' << std::to_string(static_cast<int32_t>(e.value)) << '\t'
            << TextValue(e.name) << kEol;
    }
}

void WriteTable(std::ostream& out, const char* key,
                const std::array<std::string, kChannelCount>& names) {
    for (int c = 0; c < kChannelCount; ++c)
        out << key << '\t' << c << '\t' << TextValue(names[static_cast<size_t>(c)]) << kEol;
}

void WriteTable(
    std::ostream& out, const char* key,
    const std::array<std::array<SubsidLine, kSubsidLinesPerChannel>, kChannelCount>& lines) {
    for (int c = 0; c < kChannelCount; ++c)
        for (int k = 0; k < kSubsidLinesPerChannel; ++k) {
            const SubsidLine& l = lines[static_cast<size_t>(c)][static_cast<size_t>(k)];
            out << key << '\t' << c << '\t' << k << '\t' << FormatSci23(l.value) << '\t'
                << FormatSci23(l.shown) << kEol;
        }
}

template <class T>
void WriteGlobal(std::ostream& out, const char* key, const T& value) {
    if constexpr (std::is_class_v<T> && !std::is_same_v<T, std::string>) {
        WriteTable(out, key, value);
    } else {
        out << key << '\t';
        WriteValue(out, value);
        out << kEol;
    }
}

fs::path TempPathBeside(const fs::path& path) {
    fs::path tmp = path;
    tmp += ".corvtmp";
    return tmp;
}

}  // namespace

void WriteSetupText(const AppState& state, std::ostream& out) {
    out << kSetupHeader << kEol << kSetupRelease << kEol;
    for (int c = 0; c < kChannelCount; ++c)
        WriteChannel(out, state.store.Rec(c), c, state.settings.DateSep);
    ForEachGlobalKey(state.settings,
                     [&](const char* key, const auto& value) { WriteGlobal(out, key, value); });
}

bool WriteSetupFile(const AppState& state, const fs::path& path) {
    std::error_code ec;
    const bool exists = fs::exists(path, ec);
    if (ec) return false;
    if (exists && !HasSetupHeader(path)) return false;

    // The new text goes to a file beside the old one, which it replaces only when complete.
    const fs::path tmp = TempPathBeside(path);
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    WriteSetupText(state, out);
    out.close();
    if (out.fail()) {
        fs::remove(tmp, ec);
        throw IoError("Cannot write the setup file " + path.string());
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        throw IoError("Cannot replace the setup file " + path.string() + ": " + ec.message());
    }
    return true;
}

}  // namespace corv
