#include "DemoPlan.h"

namespace corv::demo {

namespace {

constexpr uint64_t kPlanSeed = 20260614;
constexpr double kBoutGap = 10.0;

// The dive under way at time t, or -1 at the surface.
int DiveAt(const Behaviour& b, double t) {
    for (size_t k = 0; k < b.dives.size(); ++k)
        if (b.dives[k].start <= t && t <= b.dives[k].end) return static_cast<int>(k);
    return -1;
}

}  // namespace

Behaviour PlanDemoBehaviour() {
    DemoRandom plan(kPlanSeed);
    return PlanBehaviour(plan, kDemoSeconds);
}

std::vector<Bout> DemoBouts(const Behaviour& b) {
    std::vector<Bout> bouts;
    for (const Opening& o : b.openings) {
        const int dive = DiveAt(b, o.start);
        const bool feeding = dive >= 0;
        const double end = o.start + o.duration;
        Bout* last = bouts.empty() ? nullptr : &bouts.back();
        // Feed openings of one dive are one bout; breaths close together are one bout.
        const bool joins =
            last && last->feeding == feeding &&
            (feeding ? DiveAt(b, last->start) == dive : o.start - last->end < kBoutGap);
        if (joins)
            last->end = end;
        else
            bouts.push_back({o.start, end, feeding});
    }
    return bouts;
}

}  // namespace corv::demo
