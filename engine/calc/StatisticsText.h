#pragma once
// The text lines of the Statistics window.

#include <string>
#include <utility>
#include <vector>

#include "calc/SectionStatistics.h"

namespace corv {

inline constexpr int kStatisticsLineCount = 17;  // the window is this many lines high
inline constexpr int kStatisticsButtonLine = 14;

// Each line with its row number (rows 4, 8 and 12 up are empty); numbers fixed-point with
// 5 decimals, at most 10 significant digits.
[[nodiscard]] std::vector<std::pair<int, std::string>> StatisticsLines(const SectionStatistics& s);

}  // namespace corv
