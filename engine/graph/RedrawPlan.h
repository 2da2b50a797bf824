#pragma once
// The redraw jobs of the graph window. Commands name the jobs they need in RedrawFlags
// (RedrawFlags.h); RedrawPending runs them in the fixed order of kRedrawJobOrder, whatever
// order they were set in, and clears the flags.

#include <cstdint>

namespace corv {

struct AppState;
class UiPort;
class GraphSurfaces;

// Runs the jobs pending in state.RedrawFlags, then clears them. Nothing happens when none
// is pending.
void RedrawPending(AppState& state, UiPort& ui, GraphSurfaces& surfaces);

// Runs one job (a single bit of RedrawFlags.h); other bits do nothing.
void RunRedrawJob(AppState& state, UiPort& ui, GraphSurfaces& surfaces, uint32_t job);

// The first full drawing of a new window: the overview strip with its marks and time
// scale, every strip with its y-scale and marks, the read-outs and the main time scale.
void InitialDraw(AppState& state, UiPort& ui, GraphSurfaces& surfaces);

// Draws the overview strip and its marks again.
void RefreshOverview(AppState& state, GraphSurfaces& surfaces);

}  // namespace corv
