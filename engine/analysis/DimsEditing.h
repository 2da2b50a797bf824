#pragma once
// The hand corrections of the dims list: the dim under a time, delete, merge with the next
// and divide. Each operation returns false and leaves the list alone when it cannot act
// (no such dim, no next dim, a division point too near an end, a full list).

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/BeakEvent.h"
#include "graph/DimsDrawing.h"

namespace corv {

struct AppState;
class UiPort;

// The last dim k with start <= i < end, i = Trunc(t / SampRate) of channel c; -1 when none.
// index receives i.
[[nodiscard]] int DimAt(const AppState& state, int c, double t, int32_t& index);

bool DeleteDim(DimList& list, int k);
// Dim k takes the end of dim k + 1, which goes.
bool MergeDim(DimList& list, int k);
// Dim k ends at i - 1 and a new dim k + 1 starts at i; i must lie more than one sample
// inside the dim at both ends.
bool DivideDim(DimList& list, int k, int32_t i);

// The start and end of each dim, for the drawing and the mouse.
[[nodiscard]] std::vector<DimExtent> DimExtents(const DimList& list);

enum class DimsEdit { Delete, MergeWithNext, Divide };

// The popup commands on the current event: one undo step each, named as the popup item.
// index is the division point (only for Divide). Returns whether the list changed.
bool EditDims(AppState& state, UiPort& ui, DimsEdit edit, int k, int32_t index = 0);

[[nodiscard]] std::string DimsEditName(DimsEdit edit);

// A dragged dim end: the start moves to index when that stays below the end, the end when
// it stays above the start. One undo step; returns whether the dim changed.
bool MoveDimEnd(AppState& state, UiPort& ui, int k, bool start, int32_t index);

}  // namespace corv
