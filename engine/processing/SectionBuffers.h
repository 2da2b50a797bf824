#pragma once
// The ten section buffers: each refers to a stretch of a channel (its channel and its F4
// and F5 times) and holds no samples. Store marks the current section in a buffer;
// Overwrite picks one, previews it at F4 and copies its raw words into the active channel.

#include <array>
#include <cstdint>

namespace corv {

struct AppState;
class UiPort;

inline constexpr int kSectionBufferCount = 10;

// Store dialog, ticking box b: the buffer takes the current F4 and F5 times and the active
// channel at once.
void FillSectionBuffer(AppState& state, int b);
// Store dialog, OK: each buffer is used exactly when its box is ticked.
void SetSectionBuffersUsed(AppState& state, const std::array<bool, kSectionBufferCount>& ticked);
// The buffers that hold a section.
[[nodiscard]] std::array<bool, kSectionBufferCount> UsedSectionBuffers(const AppState& state);
// The only used buffer, or -1 when none or several are used.
[[nodiscard]] int SoleUsedSectionBuffer(const AppState& state);

// Overwrite, first press with buffer b selected (-1: none): clears every shown flag, then
// b becomes the selected buffer and is shown. "Invalid choice" and false when none is
// selected.
bool SelectSectionBuffer(AppState& state, UiPort& ui, int b);
// Clears every shown flag (Cancel, and after the copy).
void HideSectionBuffers(AppState& state);
// The buffer being previewed, or -1.
[[nodiscard]] int ShownSectionBuffer(const AppState& state);

// Overwrite, "Fix it": copies the raw words of buffer b's section into the active channel
// from Round(LeftCursor / SampRate of the source) on, in ascending order, as one undo
// step; the active channel's DataCnt stays. Clears b's shown flag. True when words changed.
bool CopySectionBuffer(AppState& state, UiPort& ui, int b);

}  // namespace corv
