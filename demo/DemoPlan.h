#pragma once
// The fixed plan of the demo recording and the bouts of beak activity in it, as the beak
// analysis should find them: one breath bout per run of breaths at the surface, one feed
// bout per feeding dive (its openings from the first to the last).

#include <cstdint>
#include <vector>

#include "DiveBehaviour.h"

namespace corv::demo {

inline constexpr int32_t kDemoSamples = 72000;  // two hours at 100 ms
inline constexpr double kDemoSeconds = kDemoSamples * 0.1;

// The behaviour behind the committed demo files.
[[nodiscard]] Behaviour PlanDemoBehaviour();

struct Bout {
    double start = 0;  // seconds from the start of the recording
    double end = 0;
    bool feeding = false;
};

// Breaths more than 10 s apart belong to different bouts.
[[nodiscard]] std::vector<Bout> DemoBouts(const Behaviour& b);

}  // namespace corv::demo
