#pragma once
// The values the View dialogs edit, as plain structs: the chart style and caption of a
// channel, its nine subsidiary lines, and the strip heights of all channels. The dialogs
// move these values between their controls and the records; the rules live here.

#include <array>
#include <cstdint>
#include <string>

#include "graph/RedrawFlags.h"

namespace corv {

struct AppState;

inline constexpr size_t kMaxCaptionLength = 18;  // characters
inline constexpr int kSubsidLineRows = 9;
inline constexpr int kMaxStripHeight = 10;

// After the chart style dialog, whatever its result: the active strip with its caption,
// marks and y-scale.
inline constexpr uint32_t kRedrawAfterChartStyle = kRedrawStripMarksScale;
// After the subsidiary lines were changed: the active strip is drawn afresh, which drops
// the old lines and draws the new ones (with its marks, which the fresh strip loses).
inline constexpr uint32_t kRedrawAfterSubsidLines = kRedrawStripAndMarks;

// Which direction and figure buttons are checked; -1 when none of a group is.
struct ChartStyleChoice {
    int direction = -1;       // 0 normal, 1 inverted
    int figure = -1;          // 0 solid line, 1 vertical bars, 2 dots
    int32_t captionPos = -1;  // a CaptionPosition
    std::string caption;
};

// The buttons of channel c's chart style: codes 0..5 check a direction and a figure, the
// codes that only the setup file sets (6..9) check neither.
[[nodiscard]] ChartStyleChoice ChartStyleOf(const AppState& state, int c);

// Sets GrRepr from a checked direction and figure (unchanged unless both are checked), the
// caption position of all strips, and the caption cut to 18 characters.
void ApplyChartStyle(AppState& state, int c, const ChartStyleChoice& choice);

// The caption's first 18 characters; a character of several bytes is never split.
[[nodiscard]] std::string CutCaption(const std::string& caption);

// One row of the subsidiary-line dialog: shown or not, and the value as typed.
struct SubsidLineRow {
    bool checked = false;
    std::string text;
};
using SubsidLineRows = std::array<SubsidLineRow, kSubsidLineRows>;

// Lines 1..9 of channel c: checked when switched on, the value in its shortest form.
[[nodiscard]] SubsidLineRows SubsidLineRowsOf(const AppState& state, int c);

// Switches the checked rows on at their typed values and the others off (keeping their
// values); the master switch follows whether any line is on. Every checked row is
// converted before anything is stored, so a text that is not a number raises
// ConversionError and leaves the lines as they were.
void ApplySubsidLineRows(AppState& state, int c, const SubsidLineRows& rows);

// Sets the height weight of every present channel from `heights` (clamped to 0..10); a
// channel left without a strip hands the active role to the first present channel that
// has one. Returns false, changing nothing, when no present channel would keep a strip.
[[nodiscard]] bool ApplyStripHeights(AppState& state, const std::array<int, 3>& heights);

}  // namespace corv
