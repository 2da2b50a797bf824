#include "processing/TimingCheck.h"

#include "AppState.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace corv {

namespace {

std::string StartText(const AppState& state, double t) {
    // A start outside the calendar still deserves a number rather than a failure.
    try {
        return FormatDateText(t, state.settings.DateSep);
    } catch (const RangeError&) {
        return FormatShortest(t) + " ms";
    }
}

std::string ChannelLine(const AppState& state, int c) {
    const ChannelRecord& r = state.store.Rec(c);
    return "Channel " + std::to_string(c + 1) + ": sampling interval " +
           std::to_string(r.SampRate) + " ms, start " + StartText(state, r.StartTime);
}

}  // namespace

std::string TimingMismatchText(const AppState& state, int a, int b) {
    return "The channels " + std::to_string(a + 1) + " and " + std::to_string(b + 1) +
           " must have the same sampling interval and start time.\n" + ChannelLine(state, a) +
           "\n" + ChannelLine(state, b) +
           "\nNothing has been changed. Adjust the channels in the main dialog and press "
           "Start again.";
}

bool SameTiming(const AppState& state, UiPort& ui, int a, int b, bool checkInterval) {
    const ChannelRecord& ra = state.store.Rec(a);
    const ChannelRecord& rb = state.store.Rec(b);
    if ((!checkInterval || ra.SampRate == rb.SampRate) && ra.StartTime == rb.StartTime) return true;
    ui.AskAt(TimingMismatchText(state, a, b), Buttons::YesNo, 50, 50,
             std::filesystem::path(state.folders.HelpFolder) / "ESIdiff.txt");
    return false;
}

}  // namespace corv
