#pragma once
// The event search of the beak analysis. From the right cursor (F5) it finds the next bout
// of beak activity rising out of a quiet background, its end (by quietness, or while the
// type channel stays above its threshold), its type (breath or feed), sets the beak
// channel's baseline from a histogram of the event, divides the event into dims, frames
// it with the F4/F5 cursors and centres the view on it. For breath events the dive before
// it is framed with the B cursors on the type channel.

#include <cstdint>

#include "analysis/BeakEvent.h"
#include "analysis/BeakSignal.h"
#include "settings/Settings.h"

namespace corv {

struct AppState;
class UiPort;

// The slope threshold, level and floor that decide where a dim or a dive ends.
struct EdgeParams {
    double slope = 0;
    double level = 0;
    double floor = 0;
};

[[nodiscard]] EdgeParams DimEdgeParams(const BeakParams& p);
[[nodiscard]] EdgeParams DiveEdgeParams(const BeakParams& p);

// Whether sample i ends a peak of value `peak`, looking in direction dir (+1 or -1) with
// steps of `step` samples: the value has fallen by `level` of the peak and the curve
// flattens beyond the slope threshold, or the value is below the floor.
[[nodiscard]] bool IsEdge(const BeakSignal& s, int64_t i, int dir, double peak, int32_t step,
                          const EdgeParams& e);

// The end (dir +1) or start (dir -1) of the peak around k, within the event end `limit`.
// The forward walk finds the peak value first and hands it out in `peak`; the backward walk
// takes it in.
int32_t FindEdge(const BeakSignal& s, int32_t k, int dir, int32_t limit, double& peak, int32_t step,
                 const EdgeParams& e);

enum class DimSearch { Found, NotFound, Illegal };

// The next dim from j within the event end `limit`.
DimSearch FindNextDim(const BeakSignal& s, UiPort& ui, const BeakParams& p, int32_t j,
                      int32_t limit, Dim& out);

struct SearchResult {
    bool found = false;
    int32_t start = 0;
    int32_t end = 0;
};

// The whole search on the beak channel. With no further event nothing changes.
SearchResult SearchEvent(AppState& state, UiPort& ui);

// The B cursors around the dive before the event (type channel).
void SearchDive(AppState& state, UiPort& ui);

// Centres the window on F4..F5 (sample indexes of the beak channel).
void ShowEvent(AppState& state, int32_t left, int32_t right);

}  // namespace corv
