#include "graph/CursorReadouts.h"

#include "AppState.h"
#include "core/NumberFormat.h"
#include "core/Times.h"

namespace corv {

namespace {

// Date and time of day of an absolute time, as the rest of the program writes them.
void DateAndTime(double t, char dateSep, std::string& date, std::string& time) {
    const std::string text = FormatDateText(t, dateSep);
    const size_t blank = text.find(' ');
    date = text.substr(0, blank);
    time = blank == std::string::npos ? std::string() : text.substr(blank + 1);
}

}  // namespace

CursorReadouts CursorReadoutTexts(const AppState& state) {
    CursorReadouts out;
    const ChannelStore& store = state.store;
    const int c = state.ActiveChannel;
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
    DateAndTime(store.OriginTime + v.LeftCursor, sep, out.leftDate, out.leftTime);
    DateAndTime(store.OriginTime + v.RightCursor, sep, out.rightDate, out.rightTime);
    return out;
}

}  // namespace corv
