#pragma once
// A small fixed-seed random source (SplitMix64) whose numbers are the same on every
// platform and standard library, so the demo recording is reproducible byte for byte.

#include <cstdint>

namespace corv::demo {

class DemoRandom {
  public:
    explicit DemoRandom(uint64_t seed) : m_state(seed) {}

    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1): the top 53 bits, so the conversion is exact.
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

    // Uniform integer in lo..hi (both included); the tiny modulo bias does not matter here.
    int Int(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
    }

    bool Chance(double p) { return Uniform() < p; }

    // Bell-shaped noise of standard deviation 1 (sum of four uniforms). Unlike a true normal
    // distribution it never exceeds 2 * sqrt(3) ~ 3.46, so no single sample can be mistaken
    // for a beak opening.
    double Noise() {
        // One call per statement: the order of calls inside one expression is unspecified.
        double sum = Uniform();
        sum += Uniform();
        sum += Uniform();
        sum += Uniform();
        return (sum - 2.0) * kSqrt3;
    }

  private:
    static constexpr double kSqrt3 = 1.7320508075688772;
    uint64_t m_state;
};

}  // namespace corv::demo
