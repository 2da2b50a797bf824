#include "graph/StripDrawing.h"
#include "processing/RunningMean.h"

#include <algorithm>

#include "AppState.h"
#include "graph/CurveDrawing.h"
#include "graph/DisplayRange.h"
#include "graph/GapBands.h"
#include "graph/GraphSurfaces.h"
#include "graph/GridLines.h"
#include "graph/StripLayout.h"
#include "graph/ValueScale.h"

namespace corv {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr int kScaleTextX = 4;

const ColourEntry& ColourOf(const AppState& state, int index) {
    return state.settings.ColourTable[static_cast<size_t>(index)];
}

bool SubsidLinesOn(const AppState& state, int c) {
    return state.settings.SubsidLines[static_cast<size_t>(c)][0].shown == 1.0;
}

// The stretch of the current section buffer, highlighted on the active strip while the
// buffer is marked for display.
void DrawShownSection(Canvas& strip, const AppState& state, int c) {
    const int k = state.selectedSectionBuffer;
    if (k < 0 || k >= static_cast<int>(state.sectionBuffers.size())) return;
    const SectionBuffer& b = state.sectionBuffers[static_cast<size_t>(k)];
    if (!b.shown) return;
    DrawCurveStretch(strip, state, c, ColourOf(state, kColMarkedSection).value, b.startTime,
                     b.endTime, false);
}

void DrawCaption(Canvas& strip, const AppState& state, int c) {
    const int x = strip.Width() / 3;
    strip.SetBrushColour(kImageBackground);
    strip.SetFontColour(kBlack);
    const std::string& caption = state.store.Rec(c).Caption;
    // 5 pixels from the top, or 18 from the bottom, for a plain 13-pixel line; taller text
    // (a high pixel density or a large font) gets margins in proportion and stays inside.
    const int h = strip.TextHeight(caption);
    const int margin = std::max(5, (h * 5 + 6) / 13);
    if (state.CaptionPos == kCaptionAtTop)
        strip.TextOut(x, margin, caption);
    else if (state.CaptionPos == kCaptionAtBottom)
        strip.TextOut(x, strip.Height() - std::max(18, h + margin), caption);
}

}  // namespace

Colour StripCurveColour(const AppState& state, int c) {
    return ColourOf(state, c == state.ActiveChannel ? kColActiveCurve : kColInactiveCurves).value;
}

void ClearImage(Canvas& image) {
    image.SetPenColour(kBlack);
    image.SetPenStyle(PenStyle::Solid);
    image.SetPenMode(PenMode::Copy);
    image.SetBrushColour(kImageBackground);
    image.Rectangle(0, 0, image.Width(), image.Height());
}

void DrawStrip(Canvas& strip, const AppState& state, int c) {
    if (!HasStrip(state, c) || strip.Height() <= 0) return;
    const ValueRange range = DisplayRange(state.store, c);
    const bool active = c == state.ActiveChannel;
    // The frame is drawn afresh too: the curve reaches into its columns, and pixels of an
    // earlier curve there would stay.
    ClearImage(strip);
    DrawGapBands(strip, state, c, state.view.LeftBorder, state.view.RightBorder);
    DrawCurve(strip, state.store, c, StripCurveColour(state, c), strip.Width(), strip.Height(),
              state.view.LeftBorder, state.view.RightBorder, range.lo, range.hi);
    DrawRunningMean(strip, state, c);
    if (SubsidLinesOn(state, c)) DrawSubsidiaryLines(strip, state, c);
    DrawGrid(strip, state, c);
    if (active) {
        DrawShownSection(strip, state, c);
        DrawStripOutline(strip, ColourOf(state, kColActiveCurve).value);
    }
    DrawCaption(strip, state, c);
}

void DrawStripOutline(Canvas& strip, Colour colour) {
    const int right = strip.Width() - 2, bottom = strip.Height() - 2;
    strip.SetPenColour(colour);
    strip.SetPenStyle(PenStyle::Solid);
    strip.SetPenMode(PenMode::NotXor);
    // Each LineTo leaves out its end point, so every corner is drawn exactly once.
    strip.MoveTo(1, 1);
    strip.LineTo(right, 1);
    strip.LineTo(right, bottom);
    strip.LineTo(1, bottom);
    strip.LineTo(1, 1);
    strip.SetPenMode(PenMode::Copy);
}

void DrawStripYScale(Canvas& scale, const AppState& state, int c) {
    if (!HasStrip(state, c)) return;
    const ValueRange range = DisplayRange(state.store, c);
    ClearImage(scale);  // labels at the ends reach into the frame
    scale.SetPenMode(PenMode::Copy);
    scale.SetPenStyle(PenStyle::Solid);
    DrawValueScale(scale, state.store, c, kScaleTextX, scale.Height(), range.lo, range.hi,
                   ColourOf(state, kColForeground).value);
}

void DrawOverview(Canvas& overview, const AppState& state) {
    ClearImage(overview);
    const int c = state.ActiveChannel;
    if (!state.store.ChannelPresent[static_cast<size_t>(c)]) return;
    const ValueRange range = DisplayRange(state.store, c);
    DrawGapBands(overview, state, c, 0, state.store.TotalSpan);
    DrawCurve(overview, state.store, c, ColourOf(state, kColActiveCurve).value, overview.Width(),
              overview.Height(), 0, state.store.TotalSpan, range.lo, range.hi);
}

void MoveStripOutline(const AppState& state, GraphSurfaces& surfaces, int from, int to) {
    if (from == to) return;
    // The outline is removed with the colour it was drawn in.
    const Colour outline = ColourOf(state, kColActiveCurve).value;
    if (from >= 0 && from < kChannelCount)
        if (Canvas* strip = surfaces.Strip(from)) DrawStripOutline(*strip, outline);
    if (Canvas* strip = surfaces.Strip(to)) DrawStripOutline(*strip, outline);
}

void ChangeActiveChannel(AppState& state, GraphSurfaces& surfaces, int c) {
    MoveStripOutline(state, surfaces, state.ActiveChannel, c);
    state.ActiveChannel = c;
}

}  // namespace corv
