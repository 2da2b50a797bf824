#include "core/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace corv {

namespace {

// The C library's printf follows the process locale, which a GUI toolkit may set to one
// with a decimal comma; to_chars always writes a point.
std::string ToChars(double v, std::chars_format format, int precision) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    return std::string(buf, r.ptr);
}

// Scientific text of a = |v| with `precision` significant digits, "d.ddde+XX". A value
// that would round up past the largest double is cut in its last digit instead, so the
// text always reads back as a number.
std::string ScientificChars(double a, int precision) {
    std::string s = ToChars(a, std::chars_format::scientific, precision - 1);
    double back = 0;
    if (std::from_chars(s.data(), s.data() + s.size(), back).ec == std::errc::result_out_of_range) {
        const std::string full = ToChars(a, std::chars_format::scientific, 16);
        const size_t mantissa = precision == 1 ? 1 : static_cast<size_t>(precision) + 1;
        s = full.substr(0, mantissa) + full.substr(full.find('e'));
    }
    return s;
}

// Significant digits and decimal exponent of |v| rounded to `precision` digits:
// |v| = 0.d1d2d3... x 10^exponent, so 1.5 gives digits "15", exponent 1.
struct Digits {
    std::string digits;  // no trailing zeros, at least one digit
    int exponent = 0;
};

Digits SignificantDigits(double v, int precision) {
    precision = std::clamp(precision, 1, 17);
    const std::string text = ScientificChars(std::fabs(v), precision);
    // text looks like "d.ddddde+XX"
    Digits d;
    const char* p = text.c_str();
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    d.exponent = (*p == 'e') ? std::atoi(p + 1) + 1 : 1;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string PlainFixed(const Digits& d) {
    std::string s;
    if (d.exponent <= 0) {
        s = "0." + std::string(static_cast<size_t>(-d.exponent), '0') + d.digits;
    } else if (static_cast<size_t>(d.exponent) >= d.digits.size()) {
        s = d.digits + std::string(static_cast<size_t>(d.exponent) - d.digits.size(), '0');
    } else {
        s = d.digits.substr(0, static_cast<size_t>(d.exponent)) + "." +
            d.digits.substr(static_cast<size_t>(d.exponent));
    }
    return s;
}

std::string Scientific(const Digits& d) {
    std::string s = d.digits.substr(0, 1);
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    return s + "E" + std::to_string(d.exponent - 1);
}

// Rounds digits to `decimals` places after the point, halves away from zero; a result of
// zero is the digits "0".
Digits RoundToDecimals(Digits d, int decimals) {
    const long keep = static_cast<long>(d.exponent) + decimals;  // digits before the cut
    if (keep >= static_cast<long>(d.digits.size())) return d;
    if (keep < 0) return Digits{"0", 1};
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) return Digits{"0", 1};
    return d;
}

// Fixed text with exactly `decimals` decimals; the digits must not reach beyond them.
std::string PlainDecimals(const Digits& d, int decimals) {
    auto digitAt = [&](long pos) {  // pos 0 is the first significant digit
        return pos >= 0 && pos < static_cast<long>(d.digits.size())
                   ? d.digits[static_cast<size_t>(pos)]
                   : '0';
    };
    std::string s;
    if (d.exponent <= 0) s = "0";
    for (long pos = 0; pos < d.exponent; ++pos) s += digitAt(pos);
    if (decimals > 0) s += '.';
    for (long i = 0; i < decimals; ++i) s += digitAt(d.exponent + i);
    return s;
}

std::string NonFinite(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string GeneralFormat(double v, int precision) {
    if (!std::isfinite(v)) return NonFinite(v);
    if (v == 0) return "0";
    const Digits d = SignificantDigits(v, precision);
    const std::string sign = v < 0 ? "-" : "";
    // Scientific once the integer digits exceed the precision or the rounded value is below
    // 0.00001 (decided on the rounded digits, so a text reads back to the same notation).
    const bool fixed = d.exponent <= precision && d.exponent >= -4;
    return sign + (fixed ? PlainFixed(d) : Scientific(d));
}

}  // namespace

std::string FormatSci23(double v) {
    if (!std::isfinite(v)) {
        std::string s = " " + NonFinite(v);
        return s;
    }
    // "d.ddddddddddddddE+XX[X]" with the exponent widened to four digits.
    const std::string s = ScientificChars(std::fabs(v), 15);
    const size_t e = s.find('e');
    const char expSign = s[e + 1];
    const std::string expDigits = s.substr(e + 2);
    const std::string exp = std::string(4 - std::min<size_t>(expDigits.size(), 4), '0') + expDigits;
    return std::string(v < 0 ? "-" : " ") + s.substr(0, e) + "E" + expSign + exp;
}

std::string FormatShortest(double v) {
    return GeneralFormat(v, 15);
}

std::string FormatFixed(double v, int precision, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    precision = std::clamp(precision, 1, 15);
    decimals = std::clamp(decimals, 0, 18);
    if (v == 0) return PlainDecimals(Digits{"0", 1}, decimals);
    const Digits d = SignificantDigits(v, precision);
    if (d.exponent > precision) return GeneralFormat(v, precision);
    // The second rounding works on the decimal digits of the first, so 2.675 at two
    // decimals gives 2.68 as the user reads it, not 2.67 from its binary value.
    const Digits r = RoundToDecimals(d, decimals);
    const std::string sign = v < 0 && r.digits != "0" ? "-" : "";
    return sign + PlainDecimals(r, decimals);
}

std::string FormatWidthDec(double v, int width, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    std::string s = ToChars(v, std::chars_format::fixed, std::clamp(decimals, 0, 18));
    const size_t w = static_cast<size_t>(std::clamp(width, 0, 64));
    if (s.size() < w) s.insert(0, w - s.size(), ' ');
    return s;
}

}  // namespace corv
