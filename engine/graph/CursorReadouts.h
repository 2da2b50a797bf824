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
    std::string caption;                           // the active channel's, for the titles
};

// Values in fixed notation (7 significant digits, 4 decimals); dates "dd.mm.yyyy" with the
// date separator of the settings and times "hh:mm:ss" of OriginTime plus the cursor time,
// with ".mmm" added where the active channel's samples are less than a second apart.
[[nodiscard]] CursorReadouts CursorReadoutTexts(const AppState& state);

// Whether the read-out times carry milliseconds: the active channel's interval is below 1 s.
[[nodiscard]] bool ReadoutsShowMilliseconds(const AppState& state);

// The date and the time of day of absolute time t as the read-outs show them.
void ReadoutDateTime(double t, char dateSep, bool milliseconds, std::string& date,
                     std::string& time);

}  // namespace corv
