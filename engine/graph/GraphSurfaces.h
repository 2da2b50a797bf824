#pragma once
// The images of the graph window as the redraw jobs see them: the overview strip, the two
// time scales, the strip and y-scale of each channel that has one, and the cursor
// read-outs. The GUI implements it over its image controls; tests record the drawing.

#include "core/Canvas.h"
#include "graph/CursorReadouts.h"

namespace corv {

class GraphSurfaces {
  public:
    virtual ~GraphSurfaces() = default;

    virtual Canvas& Overview() = 0;           // TotalImage
    virtual Canvas& OverviewTimeScale() = 0;  // TotalimgTimeScale
    virtual Canvas& MainTimeScale() = 0;      // imgTime
    // The strip and the y-scale image of channel c; null while the channel has no strip.
    virtual Canvas* Strip(int c) = 0;
    virtual Canvas* YScale(int c) = 0;
    // New texts for the F4 and F5 read-outs.
    virtual void ShowReadouts(const CursorReadouts& texts) = 0;
};

}  // namespace corv
