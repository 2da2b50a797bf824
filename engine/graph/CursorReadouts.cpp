#include "graph/CursorReadouts.h"

#include <cstdio>

#include "AppState.h"
#include "core/NumberFormat.h"
#include "core/Times.h"

namespace corv {

bool ReadoutsShowMilliseconds(const AppState& state) {
    const int32_t dt = state.store.Rec(state.ActiveChannel).SampRate;
    return dt > 0 && dt < 1000;
}

void ReadoutDateTime(double t, char dateSep, bool milliseconds, std::string& date,
                     std::string& time) {
    const std::string text = FormatDateText(t, dateSep);
    const size_t blank = text.find(' ');
    date = text.substr(0, blank);
    time = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    if (milliseconds) {
        char ms[8];
        std::snprintf(ms, sizeof ms, ".%03u", unsigned{TimeToParts(t).millisecond});
        time += ms;
    }
}

CursorReadouts CursorReadoutTexts(const AppState& state) {
    CursorReadouts out;
    const ChannelStore& store = state.store;
    const int c = state.ActiveChannel;
    out.caption = store.Rec(c).Caption;
    const ViewState& v = state.view;
    const IndexRange range = TimeRangeToIndexes(store, c, v.LeftCursor, v.RightCursor);
    int32_t err = 0;
    const double left = store.GetValue(range.first, c, err);
    const double right = store.GetValue(range.last, c, err);
    if (err == -2) return out;
    out.shown = true;
    out.leftValue = FormatFixed(left, 7, 4);
    out.rightValue = FormatFixed(right, 7, 4);
    const char sep = state.settings.DateSep;
    const bool ms = ReadoutsShowMilliseconds(state);
    ReadoutDateTime(store.OriginTime + v.LeftCursor, sep, ms, out.leftDate, out.leftTime);
    ReadoutDateTime(store.OriginTime + v.RightCursor, sep, ms, out.rightDate, out.rightTime);
    return out;
}

}  // namespace corv
