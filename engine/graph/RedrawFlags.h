#pragma once
// The redraw jobs a command asks for in RedrawFlags, one bit each, and the order in which
// RedrawPending runs them. Commands set the combined values below and never draw directly.

#include <array>
#include <cstdint>

namespace corv {

inline constexpr uint32_t kRedrawOverview = 1u << 0;              // overview curve
inline constexpr uint32_t kRedrawOverviewMarks = 1u << 1;         // borders and cursors on it
inline constexpr uint32_t kRedrawActiveStrip = 1u << 2;           // the active channel's strip
inline constexpr uint32_t kRedrawAllStrips = 1u << 3;             // every strip, no y-scales
inline constexpr uint32_t kRedrawTimeScale = 1u << 4;             // main time scale
inline constexpr uint32_t kRedrawAllStripMarks = 1u << 5;         // marks on every strip
inline constexpr uint32_t kRedrawActiveStripMarks = 1u << 6;      // marks on the active strip
inline constexpr uint32_t kRedrawYScale = 1u << 8;                // active channel's y-scale
inline constexpr uint32_t kRedrawMoveOverviewBorders = 1u << 9;   // previous, then current
inline constexpr uint32_t kRedrawMoveModeMarks = 1u << 10;        // pair of the mouse mode
inline constexpr uint32_t kRedrawMoveOverviewCursors = 1u << 11;  // previous, then current
inline constexpr uint32_t kRedrawMoveMarks = 1u << 12;    // overview cursors (modes < 7), strips
inline constexpr uint32_t kRedrawReadouts = 1u << 16;     // cursor read-outs
inline constexpr uint32_t kRedrawGrid = 1u << 20;         // active channel's grid
inline constexpr uint32_t kRedrawSubsidLines = 1u << 21;  // active channel's subsidiary lines

// The combinations the commands use.
inline constexpr uint32_t kRedrawStripAndMarks =
    kRedrawActiveStrip | kRedrawActiveStripMarks;                                         // 68
inline constexpr uint32_t kRedrawStripMarksScale = kRedrawStripAndMarks | kRedrawYScale;  // 324
inline constexpr uint32_t kRedrawAfterBorders =
    kRedrawAllStrips | kRedrawTimeScale | kRedrawAllStripMarks | kRedrawMoveOverviewBorders;  // 568
inline constexpr uint32_t kRedrawAfterCursors = kRedrawMoveMarks | kRedrawReadouts;  // 0x11000
inline constexpr uint32_t kRedrawAfterBordersAndCursors =
    kRedrawAfterBorders | kRedrawMoveOverviewCursors | kRedrawReadouts;  // 68152
inline constexpr uint32_t kRedrawAfterAnalysis = kRedrawAfterBordersAndCursors | kRedrawYScale;
inline constexpr uint32_t kRedrawAfterZoomToCursors = kRedrawAfterBorders | kRedrawYScale;  // 824
// Another strip became active: the overview, the curve colours, the outline, the read-outs
// and the y-scale depend on the active channel and are drawn afresh.
inline constexpr uint32_t kRedrawAfterActiveChange = kRedrawOverview | kRedrawOverviewMarks |
                                                     kRedrawAllStrips | kRedrawAllStripMarks |
                                                     kRedrawReadouts | kRedrawYScale;
// Jobs that move marks by drawing them twice; after a fresh drawing they would remove them.
inline constexpr uint32_t kRedrawMarkMoves = kRedrawMoveOverviewBorders | kRedrawMoveModeMarks |
                                             kRedrawMoveOverviewCursors | kRedrawMoveMarks |
                                             kRedrawActiveStrip | kRedrawActiveStripMarks;

static_assert(kRedrawStripMarksScale == 324 && kRedrawAfterBorders == 568 &&
              kRedrawAfterCursors == 0x11000 && kRedrawAfterBordersAndCursors == 68152 &&
              kRedrawAfterAnalysis == 68408 && kRedrawAfterZoomToCursors == 824);

// RedrawPending runs the pending jobs in this order, whatever order they were set in.
inline constexpr std::array<uint32_t, 15> kRedrawJobOrder = {
    kRedrawOverview,
    kRedrawOverviewMarks,
    kRedrawActiveStrip,
    kRedrawAllStrips,
    kRedrawMoveOverviewBorders,
    kRedrawAllStripMarks,
    kRedrawMoveMarks,
    kRedrawMoveOverviewCursors,
    kRedrawActiveStripMarks,
    kRedrawMoveModeMarks,
    kRedrawReadouts,
    kRedrawTimeScale,
    kRedrawYScale,
    kRedrawGrid,
    kRedrawSubsidLines,
};

}  // namespace corv
