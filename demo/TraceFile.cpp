#include "TraceFile.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace corv::demo {

std::string FormatDecimals(double v, int decimals) {
    int64_t scale = 1;
    for (int d = 0; d < decimals; ++d) scale *= 10;
    const int64_t q = std::llround(v * static_cast<double>(scale));
    const uint64_t mag = q < 0 ? static_cast<uint64_t>(-q) : static_cast<uint64_t>(q);
    std::string s = q < 0 ? "-" : "";
    s += std::to_string(mag / static_cast<uint64_t>(scale));
    if (decimals <= 0) return s;
    const std::string frac = std::to_string(mag % static_cast<uint64_t>(scale));
    return s + "." + std::string(static_cast<size_t>(decimals) - frac.size(), '0') + frac;
}

bool WriteTraceFile(const std::filesystem::path& path, const std::string& header,
                    const std::vector<double>& values, int decimals) {
    std::string text = header + "\r\n";
    text.reserve(values.size() * 16 + text.size());
    for (size_t n = 0; n < values.size(); ++n) {
        text += std::to_string(n / 10);
        text += '.';
        text += static_cast<char>('0' + n % 10);
        text += '\t';
        text += FormatDecimals(values[n], decimals);
        text += "\r\n";
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(text.data(), static_cast<std::streamsize>(text.size()));
    f.close();
    return static_cast<bool>(f);
}

}  // namespace corv::demo
