#include "calc/StatisticsText.h"

#include <cmath>

#include "core/NumberFormat.h"

namespace corv {

namespace {

std::string F(double v) {
    // No gradient over a section of no time.
    if (!std::isfinite(v)) return "undefined";
    return FormatFixed(v, 10, 5);
}

}  // namespace

std::vector<std::pair<int, std::string>> StatisticsLines(const SectionStatistics& s) {
    std::vector<std::pair<int, std::string>> lines = {
        {0, "Linear Regression  y = ax + b"},
        {1, " a = " + F(s.a)},
        {2, " b = " + F(s.b)},
        {3, " cc = " + F(s.cc)},
        {5, " Differences dy = " + F(s.dy) + "   dx= " + F(s.dx) + " sec"},
        {6, " Gradient dy/dx = " + F(s.gradient)},
        {7, " Increase in % = " + F(s.increase)},
        {9, " Min., Max., Mean :" + F(s.min) + "  " + F(s.max) + "  " + F(s.mean)},
        {10, " Std. Dev., Median " + F(s.sd) + "   " + F(s.median)},
        {11, " Integral to base =" + F(s.base) + "((F4+F5)/2) =  " + F(s.integral)},
    };
    if (s.gapSamples > 0)
        lines.emplace_back(12, " Samples in gaps (left out): " + std::to_string(s.gapSamples));
    return lines;
}

}  // namespace corv
