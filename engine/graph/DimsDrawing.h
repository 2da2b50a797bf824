#pragma once
// The dims of the event analysis on the analysis channel's strip: each dim's stretch of
// the curve drawn again in a colour, with NotXor brackets below it. Drawn with the marked
// section colour it shows the dims; drawn again with the strip's curve colour it restores
// the curve and cancels the brackets.

#include <cstdint>
#include <span>

#include "core/Canvas.h"

namespace corv {

struct AppState;

// A dim: the sample indexes of its first and last sample.
struct DimExtent {
    int32_t start = 0;
    int32_t end = 0;
};

// Shows or removes the dims on the strip of channel c (nothing when it has no strip). The
// brackets are blue for a feed event, red otherwise; they span rows 0.87 .. 0.95 of the
// strip height.
void DrawDims(Canvas& strip, const AppState& state, int c, std::span<const DimExtent> dims,
              Colour colour, bool feedEvent);

// The dims of the current event (state.analysis) on the beak channel's strip, in the
// marked section colour; RemoveDims draws them in the strip's curve colour.
void ShowDims(Canvas& strip, const AppState& state);
void RemoveDims(Canvas& strip, const AppState& state);

}  // namespace corv
