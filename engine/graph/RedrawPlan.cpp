#include "graph/RedrawPlan.h"

#include "AppState.h"
#include "core/UiPort.h"
#include "graph/CursorReadouts.h"
#include "graph/GraphSurfaces.h"
#include "graph/GridLines.h"
#include "graph/Marks.h"
#include "graph/RedrawFlags.h"
#include "graph/StripDrawing.h"
#include "graph/TimeScale.h"

namespace corv {

namespace {

// The active channel first, then the others in cyclic order; channels without a strip
// are left out.
template <class F>
void ForEachStrip(const AppState& state, GraphSurfaces& surfaces, F&& f) {
    for (int k = 0; k < kChannelCount; ++k) {
        const int c = (state.ActiveChannel + k) % kChannelCount;
        if (Canvas* strip = surfaces.Strip(c)) f(c, *strip);
    }
}

void ActiveStrip(const AppState& state, GraphSurfaces& surfaces,
                 void (*job)(Canvas&, const AppState&, int)) {
    if (Canvas* strip = surfaces.Strip(state.ActiveChannel))
        job(*strip, state, state.ActiveChannel);
}

void DrawTimeScales(AppState& state, UiPort& ui, GraphSurfaces& surfaces) {
    const int overviewWidth = surfaces.Overview().Width();
    DrawTimeScale(surfaces.OverviewTimeScale(), ui, state, TimeScaleKind::Overview, overviewWidth);
    DrawTimeScale(surfaces.MainTimeScale(), ui, state, TimeScaleKind::Main, overviewWidth);
}

void DrawSubsidLinesIfOn(Canvas& strip, const AppState& state, int c) {
    if (state.settings.SubsidLines[static_cast<size_t>(c)][0].shown == 1.0)
        DrawSubsidiaryLines(strip, state, c);
}

}  // namespace

void RunRedrawJob(AppState& state, UiPort& ui, GraphSurfaces& surfaces, uint32_t job) {
    const auto drawStrip = [&](int c, Canvas& strip) { DrawStrip(strip, state, c); };
    const auto drawMarks = [&](int c, Canvas& strip) { DrawStripMarks(strip, state, c); };
    const auto moveMarks = [&](int c, Canvas& strip) { MoveModeMarks(strip, state, c); };
    switch (job) {
        case kRedrawOverview:
            DrawOverview(surfaces.Overview(), state);
            break;
        case kRedrawOverviewMarks:
            DrawOverviewMarks(surfaces.Overview(), state);
            break;
        case kRedrawActiveStrip:
            ActiveStrip(state, surfaces, DrawStrip);
            break;
        case kRedrawAllStrips:
            ForEachStrip(state, surfaces, drawStrip);
            break;
        case kRedrawMoveOverviewBorders:
            MoveOverviewBorders(surfaces.Overview(), state);
            break;
        case kRedrawAllStripMarks:
            ForEachStrip(state, surfaces, drawMarks);
            break;
        case kRedrawMoveMarks:
            // The overview shows only the borders and the F4/F5 cursors.
            if (state.MouseMode < kModeLeftBCursor) MoveOverviewCursors(surfaces.Overview(), state);
            ForEachStrip(state, surfaces, moveMarks);
            break;
        case kRedrawMoveOverviewCursors:
            MoveOverviewCursors(surfaces.Overview(), state);
            break;
        case kRedrawActiveStripMarks:
            ActiveStrip(state, surfaces, DrawStripMarks);
            break;
        case kRedrawMoveModeMarks:
            ForEachStrip(state, surfaces, moveMarks);
            break;
        case kRedrawReadouts: {
            const CursorReadouts texts = CursorReadoutTexts(state);
            if (texts.shown) surfaces.ShowReadouts(texts);
            break;
        }
        case kRedrawTimeScale:
            DrawTimeScale(surfaces.MainTimeScale(), ui, state, TimeScaleKind::Main,
                          surfaces.Overview().Width());
            break;
        case kRedrawYScale:
            if (Canvas* scale = surfaces.YScale(state.ActiveChannel))
                DrawStripYScale(*scale, state, state.ActiveChannel);
            break;
        case kRedrawGrid:
            ActiveStrip(state, surfaces, DrawGrid);
            break;
        case kRedrawSubsidLines:
            ActiveStrip(state, surfaces, DrawSubsidLinesIfOn);
            break;
        default:
            break;
    }
}

void RedrawPending(AppState& state, UiPort& ui, GraphSurfaces& surfaces) {
    if (state.RedrawFlags == 0) return;
    // A job that raises leaves the flags cleared, so the next command starts afresh.
    const uint32_t flags = state.RedrawFlags;
    state.RedrawFlags = 0;
    // The section preview is taken off first, so that strips are drawn without it, and is
    // put back at the F4 cursor afterwards.
    state.sectionPreview.Hide(state, surfaces);
    for (uint32_t job : kRedrawJobOrder)
        if (flags & job) RunRedrawJob(state, ui, surfaces, job);
    state.sectionPreview.Show(state, surfaces);
}

void InitialDraw(AppState& state, UiPort& ui, GraphSurfaces& surfaces) {
    state.sectionPreview.Forget();
    DrawOverview(surfaces.Overview(), state);
    ForEachStrip(state, surfaces, [&](int c, Canvas& strip) {
        DrawStrip(strip, state, c);
        if (Canvas* scale = surfaces.YScale(c)) DrawStripYScale(*scale, state, c);
    });
    RunRedrawJob(state, ui, surfaces, kRedrawOverviewMarks);
    RunRedrawJob(state, ui, surfaces, kRedrawAllStripMarks);
    RunRedrawJob(state, ui, surfaces, kRedrawReadouts);
    DrawTimeScales(state, ui, surfaces);
}

void RefreshOverview(AppState& state, GraphSurfaces& surfaces) {
    DrawOverview(surfaces.Overview(), state);
    DrawOverviewMarks(surfaces.Overview(), state);
}

}  // namespace corv
