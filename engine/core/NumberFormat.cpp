#include "core/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace corv {

namespace {

// Significant digits and decimal exponent of |v| rounded to `precision` digits:
// |v| = 0.d1d2d3... x 10^exponent, so 1.5 gives digits "15", exponent 1.
struct Digits {
    std::string digits;  // no trailing zeros, at least one digit
    int exponent = 0;
};

Digits SignificantDigits(double v, int precision) {
    precision = std::clamp(precision, 1, 17);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(v));
    // buf looks like "d.ddddde+XX"
    Digits d;
    const char* p = buf;
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

std::string NonFinite(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string GeneralFormat(double v, int precision) {
    if (!std::isfinite(v)) return NonFinite(v);
    if (v == 0) return "0";
    const Digits d = SignificantDigits(v, precision);
    const std::string sign = v < 0 ? "-" : "";
    const bool fixed = d.exponent - 1 < 15 && std::fabs(v) >= 0.00001;
    return sign + (fixed ? PlainFixed(d) : Scientific(d));
}

}  // namespace

std::string FormatSci23(double v) {
    if (!std::isfinite(v)) {
        std::string s = " " + NonFinite(v);
        return s;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", std::fabs(v));
    // buf is "d.ddddddddddddddE+XX[X]"; widen the exponent to four digits.
    std::string s(buf);
    const size_t e = s.find('E');
    const char expSign = s[e + 1];
    const int expValue = std::atoi(s.c_str() + e + 2);
    char exp[8];
    std::snprintf(exp, sizeof exp, "%04d", expValue);
    return std::string(v < 0 ? "-" : " ") + s.substr(0, e) + "E" +
           expSign + exp;
}

std::string FormatShortest(double v) { return GeneralFormat(v, 15); }

std::string FormatFixed(double v, int precision, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    precision = std::clamp(precision, 1, 15);
    decimals = std::clamp(decimals, 0, 18);
    if (v == 0) return decimals > 0 ? "0." + std::string(static_cast<size_t>(decimals), '0') : "0";
    const Digits d = SignificantDigits(v, precision);
    if (d.exponent > precision) return GeneralFormat(v, precision);
    // Round to the precision first, then to the decimals.
    const double rounded = std::strtod((std::string(v < 0 ? "-" : "") + "0." + d.digits + "e" +
                                        std::to_string(d.exponent))
                                           .c_str(),
                                       nullptr);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
    std::string s(buf);
    // A value that rounds to zero prints without its sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatWidthDec(double v, int width, int decimals) {
    if (!std::isfinite(v)) return NonFinite(v);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%*.*f", std::clamp(width, 0, 64), std::clamp(decimals, 0, 18),
                  v);
    return buf;
}

}  // namespace corv
