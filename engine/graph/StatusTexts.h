#pragma once
// The texts of the graph window's status bar: which marks the arrow keys move and by what
// step, and the time and the sample value under the pointer on the curve of the strip it
// is over. Also the differences between the F4 and F5 cursors of every present channel.

#include <string>
#include <vector>

namespace corv {

struct AppState;

// "Keys move: left cursor (F4)" and "Step: 250 ms" for the current mouse mode; an empty
// mode text reads "Keys move: nothing (choose a mark with F1..F6)".
[[nodiscard]] std::string KeyModeText(const AppState& state);
[[nodiscard]] std::string StepText(const AppState& state);

// A time span in the unit that suits it: "250 ms", "12.5 s", "3 min 20 s", "2 h 05 min".
[[nodiscard]] std::string SpanText(double ms);

// Time and sample value under the pointer at pixel x of channel c's strip of the given
// width: the sample nearest in time, not the pointer's height. Empty outside the data.
[[nodiscard]] std::string PointerText(const AppState& state, int c, int x, int width);

// F4..F5 of a present channel: the time between the cursors, the value difference and
// the slope per second, as texts.
struct DeltaRow {
    int channel = 0;
    std::string caption, dt, dy, slope;
};
[[nodiscard]] std::vector<DeltaRow> CursorDeltas(const AppState& state);

}  // namespace corv
