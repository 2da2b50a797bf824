#include "files/BinaryHeader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "files/HeaderMarker.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr size_t kLineWidth = 70;
constexpr size_t kHeaderLines = 10;
constexpr size_t kNumberWidth = 23;
// Own exports begin line 1 with the header length and a TAB before the marker.
constexpr std::string_view kExportPrefix = "0720\t ";
// Line 7, spare in the layout, carries the milliseconds of the start time that line 4
// cannot hold, so an exported stretch loads back exactly in place.
constexpr std::string_view kMillisecondsTag = "Milliseconds ";
// Hand-edited headers may have longer lines; nothing beyond this is header.
constexpr std::streamsize kHeaderReadLimit = 64 * 1024;

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// The integer at 1-based position `pos`, `len` characters long; nullopt when the text is
// too short or the field is not a number.
std::optional<int32_t> FieldAt(std::string_view text, size_t pos, size_t len) {
    if (text.size() < pos - 1 + len) return std::nullopt;
    return TryStrToInt(text.substr(pos - 1, len));
}

// Splits the first lines of the file at CR LF, LF or a lone CR.
std::vector<std::string> ReadHeaderLines(std::istream& in) {
    std::string bytes(static_cast<size_t>(kHeaderReadLimit), '\0');
    in.read(bytes.data(), kHeaderReadLimit);
    bytes.resize(static_cast<size_t>(in.gcount()));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size() && lines.size() < kHeaderLines) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    lines.resize(kHeaderLines);  // missing lines read as empty
    return lines;
}

bool BeginsWithMarker(std::string_view line) {
    if (line.starts_with(kExportPrefix)) line.remove_prefix(kExportPrefix.size());
    return line.starts_with(kHeaderMarker);
}

// Cuts a run of numbers into tokens at blanks and at a sign that does not follow an
// exponent letter, so "-5.0E+0000-1.0E-0002" gives two numbers.
std::vector<std::string_view> NumberTokens(std::string_view s) {
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        if (i == s.size()) break;
        size_t j = i + 1;
        while (j < s.size() && !IsBlank(s[j]) &&
               !((s[j] == '-' || s[j] == '+') && s[j - 1] != 'E' && s[j - 1] != 'e'))
            ++j;
        tokens.push_back(s.substr(i, j - i));
        i = j;
    }
    return tokens;
}

// The three coefficients of line 3: by their 23-character fields when the line has that
// shape, otherwise as blank-separated numbers (hand-written headers).
std::optional<std::array<double, 3>> ParseCoefficients(std::string_view line) {
    std::array<double, 3> v{};
    bool positional = line.size() >= 3 * kNumberWidth &&
                      line.find_first_not_of(' ', 3 * kNumberWidth) == std::string_view::npos;
    for (size_t k = 0; positional && k < 3; ++k) {
        const auto x = TryStrToFloat(line.substr(k * kNumberWidth, kNumberWidth));
        if (x) v[k] = *x;
        positional = x.has_value();
    }
    if (positional) return v;
    const auto tokens = NumberTokens(line);
    if (tokens.size() < 3) return std::nullopt;
    for (size_t k = 0; k < 3; ++k) {
        const auto x = TryStrToFloat(tokens[k]);
        if (!x) return std::nullopt;
        v[k] = *x;
    }
    return v;
}

// Lines 9 and 10 joined (line 10 holds characters 71 onward), trailing blanks removed.
std::string JoinComment(const std::string& line9, const std::string& line10) {
    std::string comment = line10.find_first_not_of(' ') == std::string::npos
                              ? line9.substr(0, kLineWidth)
                              : PadLine70(line9) + line10.substr(0, kLineWidth);
    const size_t last = comment.find_last_not_of(' ');
    comment.resize(last == std::string::npos ? 0 : last + 1);
    return comment.empty() ? " " : comment;
}

// A header line may not break the ten-line layout.
std::string HeaderLine(std::string_view s) {
    std::string line = PadLine70(s);
    std::replace_if(
        line.begin(), line.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    return line;
}

// The time of the first sample a stretch starting at tStart exports: the channel's own
// time of that sample, so that the exported file loads back in place even when the stretch
// begins before the channel's data or between two samples.
double FirstSampleTime(const ChannelRecord& r, double tStart) {
    if (tStart <= 0 || r.SampRate < 1) return r.StartTime;
    const int64_t first = Trunc<int64_t>(tStart / r.SampRate) - r.CorrSmpDelay;
    return r.StartTime + static_cast<double>(std::max<int64_t>(first, 0)) * r.SampRate;
}

// The milliseconds of line 7, 0 when the line does not hold them (files from elsewhere).
int32_t StartMilliseconds(std::string_view line) {
    if (!line.starts_with(kMillisecondsTag)) return 0;
    const auto ms = TryStrToInt(line.substr(kMillisecondsTag.size()));
    return ms && *ms >= 0 && *ms < 1000 ? *ms : 0;
}

}  // namespace

std::string PadLine70(std::string_view s) {
    std::string line(s.substr(0, kLineWidth));
    line.resize(kLineWidth, ' ');
    return line;
}

std::string FormatHeaderDateTime(const TimeParts& p, char dateSep) {
    if (p.year < 1 || p.month < 1) return "   ";
    char buf[64];
    std::snprintf(
        buf, sizeof buf,
        p.year >= 100 ? "%02u%c%02u%c%04u %02u:%02u:%02u" : "%02u%c%02u%c%02u %02u:%02u:%02u",
        unsigned{p.day}, dateSep, unsigned{p.month}, dateSep, unsigned{p.year}, unsigned{p.hour},
        unsigned{p.minute}, unsigned{p.second});
    return buf;
}

HeaderDateTime ParseHeaderDateTime(std::string_view text) {
    const bool longForm = text.size() >= 9 && IsDigit(text[8]);
    // Positions of day, month, year, hour, minute, second and the year's width.
    const size_t shift = longForm ? 2 : 0;
    const std::array<std::optional<int32_t>, 6> f{
        FieldAt(text, 1, 2),          FieldAt(text, 4, 2),          FieldAt(text, 7, 2 + shift),
        FieldAt(text, 10 + shift, 2), FieldAt(text, 13 + shift, 2), FieldAt(text, 16 + shift, 2)};
    HeaderDateTime d;
    d.error = std::any_of(f.begin(), f.end(), [](const auto& v) { return !v.has_value(); });
    d.day = f[0].value_or(0);
    d.month = f[1].value_or(0);
    d.year = f[2].value_or(0);
    d.hour = f[3].value_or(0);
    d.minute = f[4].value_or(0);
    d.second = f[5].value_or(0);
    if (d.year >= 0 && d.year < 100) d.year += d.year >= 50 ? 1900 : 2000;
    d.error = d.error || d.day < 1 || d.day > 31 || d.month < 1 || d.month > 12 || d.hour < 0 ||
              d.hour > 23 || d.minute < 0 || d.minute > 59 || d.second < 0 || d.second > 59;
    return d;
}

bool ReadBinaryHeader(AppState& state, const fs::path& file, int c) {
    ChannelStore& store = state.store;
    ChannelRecord& r = store.Rec(c);
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    const std::vector<std::string> lines = ReadHeaderLines(in);
    if (!BeginsWithMarker(lines[0])) return false;

    // Everything is parsed before the record changes, so a bad header changes nothing.
    const auto coeffs = ParseCoefficients(lines[2]);
    if (!coeffs)
        throw IoError("Invalid numeric format in line 3 of the header of " + file.string());
    const auto sampRate = TryStrToInt(lines[4]);
    if (!sampRate)
        throw IoError("Invalid numeric format in line 5 of the header of " + file.string());
    const HeaderDateTime start = ParseHeaderDateTime(lines[3]);
    const int32_t milliseconds = StartMilliseconds(lines[6]);

    r.Caption = lines[1].substr(0, 18);
    r.CoeffB = (*coeffs)[0];
    r.CoeffA = (*coeffs)[1];
    r.CoeffC = (*coeffs)[2];
    // A date that is no calendar date would give a meaningless time: the start time
    // entered in the main dialog stays.
    if (!start.error)
        r.StartTime = PartsToTime(start.year, start.month, start.day, start.hour, start.minute,
                                  start.second) +
                      milliseconds;
    r.SampRate = *sampRate;
    store.ChannelComment[static_cast<size_t>(c)] = JoinComment(lines[8], lines[9]);
    RangeFromScale(store, c);
    return true;
}

void RangeFromScale(ChannelStore& store, int c) {
    ChannelRecord& r = store.Rec(c);
    r.Min = store.RawValueByKind(0, c);
    r.Max = store.RawValueByKind(65535, c);
    r.LowRng = r.Min;
    r.HighRng = r.Max;
}

bool WriteBinaryHeader(const AppState& state, const fs::path& file, int c, double tStart,
                       double tEnd) {
    const ChannelStore& store = state.store;
    const ChannelRecord& r = store.Rec(c);
    const char sep = state.settings.DateSep;
    const TimeParts startParts = TimeToParts(FirstSampleTime(r, tStart));
    const std::string startText = FormatHeaderDateTime(startParts, sep);
    const std::string endText =
        tEnd > 0 ? FormatHeaderDateTime(TimeToParts(store.OriginTime + tEnd), sep) : startText;
    const std::string& comment = store.ChannelComment[static_cast<size_t>(c)];

    const std::array<std::string, kHeaderLines> lines{
        std::string(kExportPrefix) + kHeaderMarker,
        r.Caption,
        FormatSci23(r.CoeffB) + FormatSci23(r.CoeffA) + FormatSci23(r.CoeffC),
        startText,
        std::to_string(r.SampRate),
        endText,
        std::string(kMillisecondsTag) + std::to_string(startParts.millisecond),
        std::string(),
        comment.substr(0, kLineWidth),
        comment.size() > kLineWidth ? comment.substr(kLineWidth) : std::string()};
    std::string text;
    for (const std::string& line : lines) text += HeaderLine(line) + "\r\n";

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

}  // namespace corv
