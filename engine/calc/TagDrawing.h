#pragma once
// The frequency tags on a strip: a short vertical red line through each tag's point, drawn
// in NotXor mode so that drawing the tags twice removes them.

namespace corv {

class Canvas;
struct AppState;

// Draws the tags that lie within the visible window on strip c, mapped as its curve is.
void DrawFrequencyTags(Canvas& strip, const AppState& state, int c);

}  // namespace corv
