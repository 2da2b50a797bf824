// Reading the setup file over the current settings. The reader is tolerant: each line is
// checked on its own, and a line that is unknown or malformed is skipped without a word.
#include <optional>
#include <sstream>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/Convert.h"
#include "core/Errors.h"
#include "core/Utf8Text.h"
#include "files/ReadOnlyFile.h"
#include "settings/SetupFile.h"
#include "settings/SetupKeys.h"
#include "settings/SetupLineReader.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxKeyLength = 255;
constexpr size_t kCaptionLength = 18;

// A key line split at its TABs; a field that is not there reads as empty.
class KeyLine {
  public:
    explicit KeyLine(std::string_view line) {
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            m_parts.push_back(
                line.substr(start, tab == std::string_view::npos ? tab : tab - start));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
    }
    std::string_view Key() const { return m_parts.front(); }
    std::string_view Field(size_t i) const {
        return i + 1 < m_parts.size() ? m_parts[i + 1] : std::string_view();
    }

  private:
    std::vector<std::string_view> m_parts;
};

// Numbers may hold blanks anywhere (digit grouping) and a decimal comma.
std::string NumberText(std::string_view field) {
    std::string s;
    for (char ch : field)
        if (ch != ' ') s.push_back(ch);
    if (const size_t comma = s.find(','); comma != std::string::npos) s[comma] = '.';
    return s;
}

std::optional<int32_t> IntField(std::string_view field) {
    const std::string s = NumberText(field);
    if (s.empty()) return std::nullopt;
    return TryStrToInt(s);
}

std::optional<double> FloatField(std::string_view field) {
    const std::string s = NumberText(field);
    if (s.empty()) return std::nullopt;
    return TryStrToFloat(s);
}

std::optional<int> IndexField(std::string_view field, int count) {
    const auto v = IntField(field);
    if (!v || *v < 0 || *v >= count) return std::nullopt;
    return *v;
}

// Assigns one value field to a setting; a field that does not convert leaves it as it was.
void Assign(std::string_view key, std::string& target, std::string_view field) {
    if (field.empty()) {
        if (key == "NameIn") target.clear();
        return;
    }
    target = key == "Caption" ? FirstCharacters(field, kCaptionLength) : std::string(field);
}

void Assign(std::string_view, int32_t& target, std::string_view field) {
    if (const auto v = IntField(field)) target = *v;
}

void Assign(std::string_view, uint8_t& target, std::string_view field) {
    if (const auto v = IntField(field); v && *v >= 0 && *v <= 255)
        target = static_cast<uint8_t>(*v);
}

void Assign(std::string_view, double& target, std::string_view field) {
    if (const auto v = FloatField(field)) target = *v;
}

void Assign(std::string_view, char& target, std::string_view field) {
    if (!field.empty()) target = field.front();
}

// The colour's name is fixed by the program and not read.
void AssignTable(const KeyLine& line, std::array<ColourEntry, kColourCount>& table) {
    const auto entry = IndexField(line.Field(0), kColourCount);
    const auto value = IntField(line.Field(1));
    if (entry && value) table[static_cast<size_t>(*entry)].value = static_cast<Colour>(*value);
}

void AssignTable(const KeyLine& line, std::array<std::string, kChannelCount>& names) {
    const auto c = IndexField(line.Field(0), kChannelCount);
    if (c && !line.Field(1).empty()) names[static_cast<size_t>(*c)] = std::string(line.Field(1));
}

void AssignTable(const KeyLine& line,
                 std::array<std::array<SubsidLine, kSubsidLinesPerChannel>, kChannelCount>& lines) {
    const auto c = IndexField(line.Field(0), kChannelCount);
    const auto k = IndexField(line.Field(1), kSubsidLinesPerChannel);
    const auto value = FloatField(line.Field(2));
    const auto shown = FloatField(line.Field(3));
    if (c && k && value && shown)
        lines[static_cast<size_t>(*c)][static_cast<size_t>(*k)] = SubsidLine{*value, *shown};
}

bool ApplyGlobalLine(Settings& settings, const KeyLine& line) {
    bool matched = false;
    ForEachGlobalKey(settings, [&](const char* key, auto& target) {
        if (matched || line.Key() != key) return;
        matched = true;
        using T = std::decay_t<decltype(target)>;
        if constexpr (std::is_class_v<T> && !std::is_same_v<T, std::string>)
            AssignTable(line, target);
        else
            Assign(key, target, line.Field(0));
    });
    return matched;
}

void ApplyChannelLine(ChannelStore& store, const KeyLine& line) {
    const auto c = IndexField(line.Field(0), kChannelCount);
    if (!c) return;
    bool matched = false;
    ForEachChannelKey(store.Rec(*c), [&](const char* key, auto& target) {
        if (matched || line.Key() != key) return;
        matched = true;
        Assign(key, target, line.Field(1));
    });
}

void ApplyLine(AppState& state, std::string_view text) {
    const KeyLine line(text);
    if (line.Key().size() > kMaxKeyLength) return;
    if (!ApplyGlobalLine(state.settings, line)) ApplyChannelLine(state.store, line);
}

// A separator that cannot be told from the date's digits, or a control character (a NUL
// would end every exported row after the day), is no date separator.
bool IsDateSeparator(char ch) {
    return ch >= ' ' && ch <= '~' && !(ch >= '0' && ch <= '9');
}

SetupReadResult Refused(SetupReadStatus status, const std::string& reason) {
    SetupReadResult r;
    r.status = status;
    r.reason = reason;
    return r;
}

}  // namespace

SetupReadResult ReadSetupFileChecked(AppState& state, const fs::path& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st))
        return Refused(SetupReadStatus::Missing, path.string() + " does not exist");
    if (!fs::is_regular_file(st))
        return Refused(SetupReadStatus::NotRegular, path.string() + " is not a regular file");
    if (ReadOnlyFile f; !f.Open(path))
        return Refused(SetupReadStatus::Unreadable,
                       path.string() + " cannot be opened for reading");
    std::string bytes;
    try {
        bytes = ReadSmallFile(path, kSetupFileLimit);
    } catch (const IoError& e) {
        return Refused(SetupReadStatus::ReadFailed, e.what());
    }
    std::istringstream in(std::move(bytes));
    SetupLineReader reader(in);
    std::string first;
    if (!reader.Next(first) || first != kSetupHeader)
        return Refused(SetupReadStatus::NotSetupFile, path.string() + " is not a setup file");

    // The whole file is in memory: no read can fail half-way through the settings.
    SetupReadResult result;
    const char dateSep = state.settings.DateSep;
    for (std::string line; reader.Next(line);) ApplyLine(state, line);
    if (!IsDateSeparator(state.settings.DateSep)) {
        result.notes.push_back("DateSep: not a date separator, '" + std::string(1, dateSep) +
                               "' kept");
        state.settings.DateSep = dateSep;
    }
    // The baseline belongs to one session's look at the data and is never restored.
    for (auto& r : state.store.Channel) r.yOffset = 0;
    return result;
}

bool ReadSetupFile(AppState& state, const fs::path& path) {
    const SetupReadResult r = ReadSetupFileChecked(state, path);
    if (r.status == SetupReadStatus::ReadFailed) throw IoError(r.reason);
    return r.Ok();
}

}  // namespace corv
