#include "DiveBehaviour.h"

#include <algorithm>

namespace corv::demo {

namespace {

constexpr int kMaxFeedOpeningsPerDive = 45;  // the analysis keeps 50 dims per event
constexpr double kLongRestSeconds = 360;

// Appends breaths from `from` on while they end before `until`.
void AddBreathBout(DemoRandom& rng, double from, double until, std::vector<Opening>& out) {
    const int breaths = rng.Int(3, 7);
    double t = from;
    for (int b = 0; b < breaths; ++b) {
        Opening o;
        o.start = t;
        o.duration = rng.Range(0.3, 0.8);
        o.amplitude = rng.Range(3.0, 6.0);
        if (o.start + o.duration > until) break;
        out.push_back(o);
        t += rng.Range(1.8, 3.0);
    }
}

// Breathing during a surface interval: one bout soon after surfacing, and on a long rest
// further bouts every half minute to a minute. Every breath ends at least 4 s before the
// next descent.
void AddSurfaceBreathing(DemoRandom& rng, double surfaced, double nextDive,
                         std::vector<Opening>& out) {
    double t = surfaced + rng.Range(2.0, 4.0);
    for (;;) {
        AddBreathBout(rng, t, nextDive - 4.0, out);
        t += rng.Range(30.0, 60.0);
        if (t + 10.0 > nextDive - 4.0) break;
    }
}

// Feeding bouts spread over the bottom phase, ending at least 5 s before the ascent, so
// that every opening is made well below the surface.
int AddFeeding(DemoRandom& rng, const Dive& d, std::vector<Opening>& out) {
    const double from = d.bottomStart + 2.0;
    const double until = d.bottomEnd - 5.0;
    if (until - from < 6.0) return 0;
    const int bouts = rng.Int(1, 3);
    const double slot = (until - from) / bouts;
    int count = 0;
    for (int b = 0; b < bouts; ++b) {
        const double slotEnd = from + slot * (b + 1);
        double t = from + slot * b + rng.Range(0.0, 0.3 * slot);
        const int openings = rng.Int(4, 12);
        for (int k = 0; k < openings && count < kMaxFeedOpeningsPerDive; ++k) {
            Opening o;
            o.start = t;
            o.duration = rng.Range(0.3, 1.0);
            o.amplitude = rng.Range(4.0, 12.0);
            if (o.start + o.duration > slotEnd - 1.0) break;
            out.push_back(o);
            ++count;
            t = o.start + o.duration + rng.Range(0.4, 1.5);
        }
    }
    return count;
}

// Shapes one dive starting at `start` and adds its depth knots.
Dive ShapeDive(DemoRandom& rng, double start, MonotoneCurve& depth) {
    Dive d;
    d.start = start;
    const double deepest = rng.Range(20.0, 60.0);
    const double descent = deepest / rng.Range(1.3, 1.8);
    const double ascent = deepest / rng.Range(1.0, 1.4);
    const double total = rng.Range(std::max(60.0, descent + ascent + 10.0), 240.0);
    d.bottomStart = start + descent;
    d.bottomEnd = start + total - ascent;
    d.end = start + total;

    const double firstBottom = deepest - rng.Range(0.0, 3.0);
    depth.Add(start, 0.0);
    depth.Add(start + 0.5 * descent, 0.5 * firstBottom);
    depth.Add(d.bottomStart, firstBottom);
    d.maxDepth = firstBottom;
    // Wiggles: the depth moves up and down by a few metres every few seconds.
    double lastBottom = firstBottom;
    for (double t = d.bottomStart + rng.Range(4.0, 10.0); t < d.bottomEnd - 3.0;
         t += rng.Range(4.0, 10.0)) {
        lastBottom = deepest - rng.Range(0.0, 5.0);
        depth.Add(t, lastBottom);
        d.maxDepth = std::max(d.maxDepth, lastBottom);
    }
    depth.Add(d.bottomEnd, lastBottom);
    depth.Add(d.bottomEnd + 0.5 * ascent, 0.5 * lastBottom);
    depth.Add(d.end, 0.0);
    return d;
}

}  // namespace

Behaviour PlanBehaviour(DemoRandom& rng, double seconds) {
    Behaviour b;
    b.depth.Add(0.0, 0.0);
    double t = rng.Range(46.0, 50.0);  // first descent
    AddBreathBout(rng, rng.Range(15.0, 19.0), t - 4.0, b.openings);
    bool rested = false;
    for (;;) {
        DemoRandom trial = rng;  // a dive that would not end in time is dropped unseen
        MonotoneCurve knots = b.depth;
        Dive d = ShapeDive(trial, t, knots);
        if (d.end + 60.0 > seconds) break;
        rng = trial;
        b.depth = knots;
        // Every other dive or so is a feeding dive; the first one always is.
        if (b.dives.empty() || rng.Chance(0.7)) d.feedOpenings = AddFeeding(rng, d, b.openings);
        b.dives.push_back(d);

        // One long rest at the surface in the middle of the recording.
        double surface = rng.Range(20.0, 75.0);
        if (!rested && d.end > 0.45 * seconds) {
            surface = kLongRestSeconds + rng.Range(-30.0, 30.0);
            rested = true;
        }
        const double next = std::min(d.end + surface, seconds);
        AddSurfaceBreathing(rng, d.end, next, b.openings);
        t = next;
    }
    b.depth.Add(seconds, 0.0);
    std::sort(b.openings.begin(), b.openings.end(),
              [](const Opening& x, const Opening& y) { return x.start < y.start; });
    return b;
}

}  // namespace corv::demo
