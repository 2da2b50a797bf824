#pragma once
// Writing a sampled trace as a text channel file: one header line, then one line per
// sample holding the time in seconds and the value, TAB-separated, CR LF line ends.

#include <filesystem>
#include <string>
#include <vector>

namespace corv::demo {

// The value with exactly `decimals` decimals, rounded half away from zero; done in
// integers so that every platform writes the same text ("-0.0000" is written "0.0000").
[[nodiscard]] std::string FormatDecimals(double v, int decimals);

// Sample n is written at time n / 10 s, with one decimal ("12.3"). Returns false when the
// file cannot be written.
bool WriteTraceFile(const std::filesystem::path& path, const std::string& header,
                    const std::vector<double>& values, int decimals);

}  // namespace corv::demo
