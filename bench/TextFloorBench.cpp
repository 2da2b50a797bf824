// What the machine needs at least to load the text benchmark file: a plain read of the
// file in large blocks plus std::from_chars of its numbers, with nothing else (no column
// rules, no scaling, no storing). Two floors: every number of every line, and only the
// number of the loaded column (2), the other fields stepped over by their separators.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "TextBenchFile.h"

namespace {

constexpr size_t kChunk = size_t{1} << 20;

// Reads the file in chunks; calls parse(first, last) on each run of whole lines and
// returns the sum it gives, so that nothing is optimised away.
template <class Parse>
double ReadLines(const char* path, Parse parse) {
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return -1;
    auto buf = std::make_unique<char[]>(2 * kChunk);
    size_t kept = 0;
    double sum = 0;
    for (;;) {
        const size_t got = std::fread(buf.get() + kept, 1, kChunk, f);
        const size_t end = kept + got;
        size_t last = end;
        if (got != 0)
            while (last > 0 && buf[last - 1] != '\n') --last;
        sum += parse(buf.get(), buf.get() + last);
        kept = end - last;
        std::memmove(buf.get(), buf.get() + last, kept);
        if (got == 0) break;
    }
    std::fclose(f);
    return sum;
}

double EveryNumber(const char* p, const char* e) {
    double sum = 0;
    while (p < e) {
        double v = 0;
        const auto r = std::from_chars(p, e, v);
        sum += v;
        p = r.ptr + 1;  // the TAB or CR after the number
        if (*r.ptr == '\r') ++p;
    }
    return sum;
}

double SecondColumn(const char* p, const char* e) {
    double sum = 0;
    while (p < e) {
        p = static_cast<const char*>(std::memchr(p, '\t', static_cast<size_t>(e - p))) + 1;
        double v = 0;
        const auto r = std::from_chars(p, e, v);
        sum += v;
        p = static_cast<const char*>(std::memchr(r.ptr, '\n', static_cast<size_t>(e - r.ptr))) + 1;
    }
    return sum;
}

void BM_TextFloorEveryNumber(benchmark::State& bench) {
    corv::bench::GenerateTextFile();
    for (auto _ : bench) benchmark::DoNotOptimize(ReadLines(corv::bench::kTextFile, EveryNumber));
}

void BM_TextFloorColumn(benchmark::State& bench) {
    corv::bench::GenerateTextFile();
    for (auto _ : bench) benchmark::DoNotOptimize(ReadLines(corv::bench::kTextFile, SecondColumn));
}

}  // namespace

BENCHMARK(BM_TextFloorEveryNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextFloorColumn)->Unit(benchmark::kMillisecond);
