#pragma once
// The baseline (yOffset) of the active channel: the Baseline menu and its keys. The curve
// stays where it is on the screen, since values and displayed range are both taken
// relative to the baseline; the y-scale is renumbered and the subsidiary lines, whose
// values are baseline-relative, move.
//
// Every operation is refused with a message while the channel's polynomial is applied.
// Given the active strip, it removes the subsidiary lines before the change and draws them
// after it, so the caller only runs the returned redraw jobs (y-scale and cursor read-outs).
// 0 means nothing changed. Typed text that is not a number raises ConversionError before
// anything changes.

#include <cstdint>
#include <functional>

namespace corv {

struct AppState;
class Canvas;
class UiPort;

// "At F4" / "At F5": the value of the sample at time t (rounded index) becomes zero. A
// time outside the channel's data keeps the baseline and beeps.
uint32_t BaselineAtCursor(AppState& state, UiPort& ui, Canvas* activeStrip, double t);

// "Increment" / "Decrement": by 1 % of the displayed range Max - Min (not widened).
uint32_t BaselineIncrement(AppState& state, UiPort& ui, Canvas* activeStrip);
uint32_t BaselineDecrement(AppState& state, UiPort& ui, Canvas* activeStrip);

// "Mean F4..F5": the mean of the WorkSection becomes zero (an empty section adds 0). On the
// channel of the event analysis, analysisLevel (when given) runs first so the analysis can
// take its own reference level from the section.
uint32_t BaselineMeanBetweenCursors(AppState& state, UiPort& ui, Canvas* activeStrip,
                                    const std::function<void(AppState&)>& analysisLevel = {});

// "Mean F4+F5": the mean of the values at the section's first and last sample.
uint32_t BaselineMeanOfCursors(AppState& state, UiPort& ui, Canvas* activeStrip);

// The baseline becomes `offset` (the script's repeat of Increment and Decrement, whose
// step depends on the displayed range).
uint32_t SetBaseline(AppState& state, UiPort& ui, Canvas* activeStrip, double offset);

// "Numerical ...": the typed displayed value becomes the new zero; Cancel changes nothing.
uint32_t NumericalBaseline(AppState& state, UiPort& ui, Canvas* activeStrip);

}  // namespace corv
