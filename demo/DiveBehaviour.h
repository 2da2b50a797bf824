#pragma once
// The behaviour behind the demo recording: a sequence of dives (descent, bottom phase with
// depth wiggles, ascent) separated by surface intervals, breathing bouts of short beak
// openings after each dive and feeding bouts of longer openings at depth.

#include <vector>

#include "DemoRandom.h"
#include "MonotoneCurve.h"

namespace corv::demo {

// One beak opening; times in seconds from the start of the recording.
struct Opening {
    double start = 0;
    double duration = 0;
    double amplitude = 0;  // peak opening above the closed-beak baseline
};

struct Dive {
    double start = 0;        // leaves the surface
    double bottomStart = 0;  // end of the descent
    double bottomEnd = 0;    // start of the ascent
    double end = 0;          // back at the surface
    double maxDepth = 0;     // deepest knot of the dive (metres)
    int feedOpenings = 0;    // openings at depth (0: a dive without feeding)
};

struct Behaviour {
    std::vector<Dive> dives;
    std::vector<Opening> openings;  // in time order
    MonotoneCurve depth;            // noise-free depth in metres, positive downwards
};

// Plans `seconds` of behaviour. The first dive begins within the first minute, after a
// breathing bout, and the recording ends with at least a minute at the surface.
[[nodiscard]] Behaviour PlanBehaviour(DemoRandom& rng, double seconds);

}  // namespace corv::demo
