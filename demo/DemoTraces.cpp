#include "DemoTraces.h"

#include <algorithm>
#include <cmath>

namespace corv::demo {

namespace {

constexpr double kDepthNoise = 0.05;
constexpr double kBeakNoise = 0.03;

double SampleTime(int32_t n, double interval) {
    return n * interval;
}

// A bell over x in 0..1 with zero value and slope at both ends, peak 1 at x = 0.5.
double Bump(double x) {
    const double u = x * (1.0 - x);
    return 16.0 * u * u;
}

// The slow wander of the closed-beak level (sensor temperature, fit of the logger).
MonotoneCurve BeakDrift(DemoRandom& rng, double seconds) {
    MonotoneCurve drift;
    for (double t = 0.0; t < seconds; t += rng.Range(120.0, 400.0))
        drift.Add(t, rng.Range(-0.08, 0.18));
    drift.Add(seconds, rng.Range(-0.08, 0.18));
    return drift;
}

void AddOpening(const Opening& o, double interval, std::vector<double>& v) {
    const auto first = static_cast<int64_t>(std::ceil(o.start / interval));
    const auto last = static_cast<int64_t>(std::floor((o.start + o.duration) / interval));
    for (int64_t n = std::max<int64_t>(first, 0); n <= last && n < static_cast<int64_t>(v.size());
         ++n) {
        const double x = (SampleTime(static_cast<int32_t>(n), interval) - o.start) / o.duration;
        if (x > 0.0 && x < 1.0) v[static_cast<size_t>(n)] += o.amplitude * Bump(x);
    }
}

}  // namespace

std::vector<double> DepthTrace(const Behaviour& b, const TraceSetup& s) {
    DemoRandom rng(s.seed);
    std::vector<double> v(static_cast<size_t>(s.samples));
    for (int32_t n = 0; n < s.samples; ++n)
        v[static_cast<size_t>(n)] =
            b.depth.At(SampleTime(n, s.interval)) + kDepthNoise * rng.Noise();
    return v;
}

std::vector<double> BeakTrace(const Behaviour& b, const TraceSetup& s) {
    DemoRandom rng(s.seed);
    const MonotoneCurve drift = BeakDrift(rng, SampleTime(s.samples, s.interval));
    std::vector<double> v(static_cast<size_t>(s.samples));
    for (int32_t n = 0; n < s.samples; ++n)
        v[static_cast<size_t>(n)] = drift.At(SampleTime(n, s.interval)) + kBeakNoise * rng.Noise();
    for (const Opening& o : b.openings) AddOpening(o, s.interval, v);
    return v;
}

}  // namespace corv::demo
