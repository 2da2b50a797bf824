#pragma once
// The large text files of the benchmarks, generated once and shared with the pandas
// comparison in bench/compare: 6 553 600 lines, no header, three TAB-separated columns,
// CR LF line ends, lines like "12.345\t-3.2100\t987.6".

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace corv::bench {

inline constexpr const char* kTextFile = "/tmp/corv-bench-text.tsv";
inline constexpr int kTextLines = 6553600;

// Noisy logger-like values: a slow signal around 12, a signed one, a pressure-like one.
inline void GenerateTextFile(const std::filesystem::path& file = kTextFile, uint64_t seed = 42) {
    if (std::filesystem::exists(file) && std::filesystem::file_size(file) > 0) return;
    const std::filesystem::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        std::mt19937_64 rng(seed);
        std::normal_distribution<double> noise(0.0, 1.0);
        std::string block;
        char line[96];
        double walk = 0;
        for (int i = 0; i < kTextLines; ++i) {
            walk = 0.999 * walk + 0.5 * noise(rng);
            const int len = std::snprintf(line, sizeof line, "%.3f\t%.4f\t%.1f\r\n",
                                          12 + 0.001 * (i % 5000) + 0.01 * noise(rng), walk,
                                          987.6 + 3 * noise(rng));
            block.append(line, static_cast<size_t>(len));
            if (block.size() > (1u << 20)) {
                out.write(block.data(), static_cast<std::streamsize>(block.size()));
                block.clear();
            }
        }
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    std::filesystem::rename(partial, file);
}

}  // namespace corv::bench
