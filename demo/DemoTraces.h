#pragma once
// The two sampled channels of the demo recording, computed from the planned behaviour.

#include <cstdint>
#include <vector>

#include "DiveBehaviour.h"

namespace corv::demo {

struct TraceSetup {
    int32_t samples = 0;
    double interval = 0.1;  // seconds between samples
    uint64_t seed = 0;      // noise of this trace
};

// Depth in metres, positive downwards: the planned profile plus pressure-sensor noise
// (standard deviation 5 cm), so the surface reads about 0.
[[nodiscard]] std::vector<double> DepthTrace(const Behaviour& b, const TraceSetup& s);

// Beak opening: a closed-beak baseline that drifts slowly by a few tenths, sensor noise
// (standard deviation 0.03) and one smooth bump per planned opening.
[[nodiscard]] std::vector<double> BeakTrace(const Behaviour& b, const TraceSetup& s);

}  // namespace corv::demo
