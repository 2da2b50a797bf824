#pragma once
// What the graph window does after one of the View dialogs: run the redraw jobs named in
// redrawFlags, and, when rebuildStrips is set, lay the strips out afresh from the height
// weights (StripLayout), replace the strip and y-scale images, and draw all strips with
// their y-scales and marks.

#include <cstdint>

namespace corv {

struct ViewDialogResult {
    uint32_t redrawFlags = 0;
    bool rebuildStrips = false;
};

}  // namespace corv
