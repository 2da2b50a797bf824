#include "graph/Baseline.h"

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "graph/GridLines.h"
#include "graph/RedrawFlags.h"

namespace corv {

namespace {

// The y-scale shows the new numbers; the cursor read-outs are baseline-relative too.
constexpr uint32_t kRedrawAfterBaseline = kRedrawYScale | kRedrawReadouts;

bool Refused(const AppState& state, UiPort& ui) {
    if (state.store.Rec(state.ActiveChannel).bApplyPolynom == 0) return false;
    ui.Message("Not possible since polynom is enabled");
    return true;
}

// Subsidiary lines are on the strip only while the channel's master switch is on; drawing
// them otherwise would add lines instead of removing them.
void DrawLines(Canvas* strip, const AppState& state) {
    const int c = state.ActiveChannel;
    if (strip && state.settings.SubsidLines[static_cast<size_t>(c)][0].shown == 1.0)
        DrawSubsidiaryLines(*strip, state, c);
}

// The script line of a baseline command and whether it reads the work section.
struct BaselineLog {
    std::string line;
    bool usesSection = false;
};

// Moves the baseline to newOffset with the subsidiary lines taken along, as one undo step.
// The baseline is not stored in the channel's file, so the step leaves ChannelModified.
uint32_t SetOffset(AppState& state, UiPort& ui, Canvas* strip, double newOffset, const char* name,
                   const BaselineLog& log) {
    const int c = state.ActiveChannel;
    state.history.RunEdit(state, ui, name, EditScope().Record(c).KeepModifiedFlags(), [&] {
        if (state.store.Rec(c).yOffset == newOffset) return false;
        DrawLines(strip, state);
        state.store.Rec(c).yOffset = newOffset;
        DrawLines(strip, state);
        LogCommand(state, log.line, log.usesSection);
        return true;
    });
    return kRedrawAfterBaseline;
}

// The WorkSection of the active channel.
IndexRange Section(const AppState& state) {
    const ViewState& v = state.view;
    return TimeRangeToIndexes(state.store, state.ActiveChannel, v.LeftCursor, v.RightCursor);
}

double SectionMean(const AppState& state) {
    const IndexRange s = Section(state);
    if (s.last < s.first) return 0;
    double sum = 0;
    int32_t err = 0;
    for (int64_t i = s.first; i <= s.last; ++i)
        sum += state.store.GetValue(static_cast<int32_t>(i), state.ActiveChannel, err);
    return sum / (static_cast<double>(s.last) - s.first + 1);
}

}  // namespace

uint32_t BaselineAtCursor(AppState& state, UiPort& ui, Canvas* activeStrip, double t) {
    if (Refused(state, ui)) return 0;
    const int c = state.ActiveChannel;
    ChannelRecord& r = state.store.Rec(c);
    const int32_t i = Round<int32_t>(t / r.SampRate);
    // A cursor beyond the channel's samples has no value to take; the baseline is kept.
    if (i < 0 || i > r.DataCnt) {
        ui.Beep();
        return 0;
    }
    // Read with the baseline at 0 to get the calibrated value.
    const double old = r.yOffset;
    r.yOffset = 0;
    int32_t err = 0;
    const double value = state.store.GetValue(i, c, err);
    r.yOffset = old;
    return SetOffset(state, ui, activeStrip, value, "Baseline at cursor",
                     {"baseline at " + LogNumber(t), false});
}

uint32_t BaselineIncrement(AppState& state, UiPort& ui, Canvas* activeStrip) {
    if (Refused(state, ui)) return 0;
    const ChannelRecord& r = state.store.Rec(state.ActiveChannel);
    const double offset = r.yOffset + (r.Max - r.Min) / 100;
    // The step depends on the displayed range, which the log does not follow.
    return SetOffset(state, ui, activeStrip, offset, "Baseline increment",
                     {"baseline set " + LogNumber(offset), false});
}

uint32_t BaselineDecrement(AppState& state, UiPort& ui, Canvas* activeStrip) {
    if (Refused(state, ui)) return 0;
    const ChannelRecord& r = state.store.Rec(state.ActiveChannel);
    const double offset = r.yOffset - (r.Max - r.Min) / 100;
    return SetOffset(state, ui, activeStrip, offset, "Baseline decrement",
                     {"baseline set " + LogNumber(offset), false});
}

uint32_t BaselineMeanBetweenCursors(AppState& state, UiPort& ui, Canvas* activeStrip,
                                    const std::function<void(AppState&)>& analysisLevel) {
    if (Refused(state, ui)) return 0;
    if (state.ActiveChannel == kBeakChannel && analysisLevel) analysisLevel(state);
    const double m = SectionMean(state);
    return SetOffset(state, ui, activeStrip, state.store.Rec(state.ActiveChannel).yOffset + m,
                     "Baseline mean F4..F5", {"baseline mean-section", true});
}

uint32_t BaselineMeanOfCursors(AppState& state, UiPort& ui, Canvas* activeStrip) {
    if (Refused(state, ui)) return 0;
    const int c = state.ActiveChannel;
    const IndexRange s = Section(state);
    int32_t err = 0;
    const double left = state.store.GetValue(s.first, c, err);
    const double right = state.store.GetValue(s.last, c, err);
    return SetOffset(state, ui, activeStrip, state.store.Rec(c).yOffset + (left + right) / 2,
                     "Baseline mean F4+F5", {"baseline mean-cursors", true});
}

uint32_t SetBaseline(AppState& state, UiPort& ui, Canvas* activeStrip, double offset) {
    if (Refused(state, ui)) return 0;
    return SetOffset(state, ui, activeStrip, offset, "Set baseline",
                     {"baseline set " + LogNumber(offset), false});
}

uint32_t NumericalBaseline(AppState& state, UiPort& ui, Canvas* activeStrip) {
    if (Refused(state, ui)) return 0;
    std::string text = "0";
    if (!ui.InputQuery("Input", " New baseline at:", text)) return 0;
    const double v = StrToFloat(text);
    return SetOffset(state, ui, activeStrip, state.store.Rec(state.ActiveChannel).yOffset + v,
                     "Numerical baseline", {"baseline numerical " + LogText(text), false});
}

}  // namespace corv
