#pragma once
// The preview of the shown section buffer: the buffer channel's curve between its start and
// end times, placed to begin at F4 on the active channel's strip, in the marked-section
// colour and NotXor mode. The graph window removes it before its redraw jobs and draws it
// again after them, so it follows F4 and survives strip redraws.

#include <vector>

#include "core/Canvas.h"

namespace corv {

struct AppState;
class GraphSurfaces;

// One vertical run of the preview, in canvas pixels: from (x1, y1) to (x2, y2), the end
// excluded.
struct PreviewRun {
    int x1, y1, x2, y2;
};

// The runs of buffer b's preview at time `at` on a strip of channel c: one per pixel column
// along the time axis, joined to the column before, so no pixel is drawn twice.
[[nodiscard]] std::vector<PreviewRun> SectionPreviewRuns(const Canvas& strip, const AppState& state,
                                                         int b, int c, double at);
// Draws runs in NotXor mode: drawing the same runs again restores the strip.
void DrawPreviewRuns(Canvas& strip, const std::vector<PreviewRun>& runs, Colour colour);

class SectionPreview {
  public:
    // Draws the shown buffer at F4 on the active strip, unless it is there already.
    void Show(const AppState& state, GraphSurfaces& surfaces);
    // Removes the preview from where it was drawn.
    void Hide(const AppState& state, GraphSurfaces& surfaces);
    // The strips were drawn afresh without the preview.
    void Forget() { m_drawn = false; }
    [[nodiscard]] bool Drawn() const { return m_drawn; }

  private:
    // What was drawn, so that it is removed exactly even when the view or the colours
    // changed since.
    bool m_drawn = false;
    int m_channel = 0;
    Colour m_colour = 0;
    std::vector<PreviewRun> m_runs;
};

}  // namespace corv
