#include "calc/EventCount.h"

#include "AppState.h"
#include "core/ChannelStore.h"
#include "core/Convert.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace corv {

int32_t CountEvents(const ChannelStore& store, int c, double threshold, double f4, double f5) {
    IndexRange range = TimeRangeToIndexes(store, c, f4, f5);
    if (range.first == 0) range.first = 1;
    const auto value = [&](int32_t i) {
        int32_t err = 0;
        return store.GetValue(i, c, err);
    };
    bool above = value(range.first) > threshold;
    int32_t count = 0;
    if (range.first >= range.last) return 0;
    // Samples in gaps are not measured: a crossing is counted where the measured curve
    // crosses, across a gap too.
    for (const GapRange& run : store.RealRuns(c, range.first, range.last))
        for (int64_t i = run.first; i <= run.last; ++i) {
            const double v = value(static_cast<int32_t>(i));
            if (!above && v > threshold) {
                above = true;
                ++count;
            } else if (above && v < threshold) {
                above = false;
            }
        }
    return count;
}

std::string EventCountText(int32_t count) {
    return " Nr of events between F4 and F5 : " + std::to_string(count);
}

int32_t CountEventsWithText(AppState& state, UiPort& ui, const std::string& threshold) {
    const int32_t count = CountEvents(state.store, state.ActiveChannel, StrToFloat(threshold),
                                      state.view.LeftCursor, state.view.RightCursor);
    ui.Message(EventCountText(count));
    return count;
}

std::optional<int32_t> CountEventsCommand(AppState& state, UiPort& ui) {
    std::string threshold = "0";
    if (!ui.InputQuery("Count events", "Threshold?", threshold)) return std::nullopt;
    return CountEventsWithText(state, ui, threshold);
}

}  // namespace corv
