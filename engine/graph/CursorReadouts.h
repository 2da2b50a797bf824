#pragma once
// The read-outs of the F4 and F5 cursors: the active channel's value at each cursor's
// sample and the date and time of day of each cursor.

#include <string>

namespace corv {

struct AppState;

struct CursorReadouts {
    bool shown = false;  // false: the right cursor lies beyond the channel; keep the old texts
    std::string leftValue, leftTime, leftDate;     // EdLCurYval, EdLCurTime, edtLCurDate
    std::string rightValue, rightTime, rightDate;  // EdRCurYval, EdRCurTime, edtRCurDate
};

// Values in fixed notation (7 significant digits, 4 decimals); dates "dd.mm.yyyy" with the
// date separator of the settings and times "hh:mm:ss" of OriginTime plus the cursor time.
[[nodiscard]] CursorReadouts CursorReadoutTexts(const AppState& state);

}  // namespace corv
