#pragma once
// Absolute times are 64-bit floats counting milliseconds from 31 December 1980 00:00:00
// (day 0); leap years are the years divisible by 4, so the calendar holds 1981 to 2099.
// Relative times are milliseconds after OriginTime.

#include <cstdint>
#include <string>

#include "core/StartRef.h"

namespace corv {

class ChannelStore;

struct TimeParts {
    uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct DurationParts {
    uint16_t hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
};

struct IndexRange {
    int32_t first = 0;
    int32_t last = 0;
};

// Calendar parts of an absolute time. A time above 1e28 sets year, month and day to 0 and
// leaves the other parts as they were. Raises RangeError when the second count does not
// fit 32 bits (after 18 January 2049 03:14:07).
void TimeToParts(double t, TimeParts& parts);
[[nodiscard]] TimeParts TimeToParts(double t);

// Absolute time of calendar parts; two-digit years 82..99 mean 1982..1999, 0..81 mean
// 2000..2081.
[[nodiscard]] double PartsToTime(int32_t year, int32_t month, int32_t day, int32_t hour,
                                 int32_t minute, int32_t second);

// Hours (not folded into days), minutes, seconds and milliseconds of a duration; raises
// RangeError for 65536 hours or more.
[[nodiscard]] DurationParts SplitDuration(double t);

// First and last common index of a relative time range of channel c; the last index is
// never beyond DataCnt.
[[nodiscard]] IndexRange TimeRangeToIndexes(const ChannelStore& store, int c, double tFrom,
                                            double tTo);

// The absolute time of a reference start (whole seconds; milliseconds are not used).
[[nodiscard]] double StartRefToTime(const StartRef& ref);
// The reference start of an absolute time (four-digit year).
[[nodiscard]] StartRef StartRefFromTime(double t);

// "dd<sep>mm<sep>yyyy hh:mm:ss" with two-digit parts and a four-digit year.
[[nodiscard]] std::string FormatDateText(double t, char dateSep);

}  // namespace corv
