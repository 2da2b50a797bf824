#include "core/Convert.h"

#include <charconv>
#include <cstring>
#include <string>

#include "core/Errors.h"

namespace corv {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the shape [sign] digits [sep digits] [e [sign] digits] with at least one mantissa
// digit; sep is '.' or ','. Rejects what from_chars would take but a user never types
// (inf, nan, hex).
bool HasFloatShape(const char* p, const char* end) {
    if (p < end && (*p == '+' || *p == '-')) ++p;
    int digits = 0;
    while (p < end && IsDigit(*p)) ++p, ++digits;
    if (p < end && (*p == '.' || *p == ',')) {
        ++p;
        while (p < end && IsDigit(*p)) ++p, ++digits;
    }
    if (digits == 0) return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) ++p;
        int expDigits = 0;
        while (p < end && IsDigit(*p)) ++p, ++expDigits;
        if (expDigits == 0) return false;
    }
    return p == end;
}

}  // namespace

bool ParseFloatExact(const char* first, const char* last, double& out) {
    if (first >= last || !HasFloatShape(first, last)) return false;
    bool negative = false;
    if (*first == '+' || *first == '-') negative = (*first++ == '-');
    // from_chars wants a point and no sign; copy only when a comma must be replaced.
    const char* comma = static_cast<const char*>(std::memchr(first, ',', last - first));
    double v = 0;
    std::from_chars_result r;
    if (comma == nullptr) {
        r = std::from_chars(first, last, v);
    } else {
        std::string copy(first, last);
        copy[static_cast<size_t>(comma - first)] = '.';
        r = std::from_chars(copy.data(), copy.data() + copy.size(), v);
        r.ptr = first + (r.ptr - copy.data());
    }
    // Out-of-range exponents are not numbers of a 64-bit float.
    if (r.ec != std::errc() || r.ptr != last) return false;
    out = negative ? -v : v;
    return true;
}

std::optional<double> TryStrToFloat(std::string_view text, bool allowBlanks) {
    std::string_view s = allowBlanks ? TrimBlanks(text) : text;
    double v;
    if (!ParseFloatExact(s.data(), s.data() + s.size(), v)) return std::nullopt;
    return v;
}

std::optional<int32_t> TryStrToInt(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !IsDigit(s.front())) return std::nullopt;
    int64_t v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

double StrToFloat(std::string_view text) {
    if (auto v = TryStrToFloat(text)) return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

int32_t StrToInt(std::string_view text) {
    if (auto v = TryStrToInt(text)) return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace corv
