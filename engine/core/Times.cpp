#include "core/Times.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/ChannelStore.h"
#include "core/Checked.h"

namespace corv {

namespace {

constexpr int32_t kSecondsPerDay = 86400;

int32_t FebruaryLength(int32_t year) {
    return year % 4 == 0 ? 29 : 28;
}

// Turns a day of the year (1 = 1 January) into month and day; day 0 is 31 December of
// the year before.
void SplitDayOfYear(int32_t doy, int32_t& year, int32_t& month, int32_t& day) {
    if (doy == 0) {
        year -= 1;
        month = 12;
        day = 31;
        return;
    }
    const std::array<int32_t, 11> lengths{31, FebruaryLength(year), 31, 30, 31, 30, 31, 31, 30, 31,
                                          30};
    month = 1;
    for (int32_t len : lengths) {
        if (doy - len < 1) break;
        doy -= len;
        ++month;
    }
    day = doy;
}

// Days before the first of a month; any month number outside 2..12 counts as January.
int32_t MonthStart(int32_t month, int32_t februaryLength) {
    // The starts of March .. December, less February's length.
    static constexpr std::array<int32_t, 10> kAfterFebruary{31,  62,  92,  123, 153,
                                                            184, 215, 245, 276, 306};
    if (month == 2) return 31;
    if (month >= 3 && month <= 12) return februaryLength + kAfterFebruary[month - 3];
    return 0;
}

// Years since 1981 of a four-digit year or of a two-digit one (82..99 for the 1900s,
// 0..81 for the 2000s).
int32_t YearOffset(int32_t year) {
    if (year >= 1981) return year - 1981;
    if (year >= 82) return year - 81;
    return CheckedAdd(year, 19);
}

}  // namespace

void TimeToParts(double t, TimeParts& parts) {
    parts.year = parts.month = parts.day = 0;
    if (t > 1e28) return;
    const int32_t s = Trunc<int32_t>(t / 1000);
    parts.millisecond = Narrow<uint16_t>(Trunc<int64_t>(t - s * 1000.0));

    const int32_t days = s / kSecondsPerDay;
    const int32_t sod = s % kSecondsPerDay;
    int32_t y = days / 365;
    if (days % 365 - (y + 1) / 4 + 1 < 1) y -= 1;
    const int32_t doy = days - 365 * y - y / 4;
    int32_t year = y + 1981;
    int32_t month = 0;
    int32_t day = 0;
    SplitDayOfYear(doy, year, month, day);

    parts.year = Narrow<uint16_t>(year);
    parts.month = Narrow<uint16_t>(month);
    parts.day = Narrow<uint16_t>(day);
    parts.hour = Narrow<uint16_t>(sod / 3600);
    parts.minute = Narrow<uint16_t>(sod % 3600 / 60);
    parts.second = Narrow<uint16_t>(sod % 60);
}

TimeParts TimeToParts(double t) {
    TimeParts parts;
    TimeToParts(t, parts);
    return parts;
}

double PartsToTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                   int32_t second) {
    const int32_t y = YearOffset(year);
    int32_t dayNumber = CheckedAdd(CheckedMul(365, y), y / 4);
    dayNumber = CheckedAdd(dayNumber, MonthStart(month, FebruaryLength(year)));
    dayNumber = CheckedAdd(dayNumber, day);
    const int32_t hours = CheckedAdd(CheckedMul(dayNumber, 24), hour);
    return (hours * 3600.0 + minute * 60.0 + second) * 1000.0;
}

DurationParts SplitDuration(double t) {
    DurationParts d;
    d.milliseconds = Narrow<uint16_t>(Trunc<int64_t>(t) % 1000);
    const int64_t s = Trunc<int64_t>(t / 1000);
    d.hours = Narrow<uint16_t>(s / 3600);
    const int64_t rest = s % 3600;
    d.minutes = Narrow<uint16_t>(rest / 60);
    d.seconds = Narrow<uint16_t>(rest % 60);
    return d;
}

IndexRange TimeRangeToIndexes(const ChannelStore& store, int c, double tFrom, double tTo) {
    const ChannelRecord& r = store.Rec(c);
    IndexRange range;
    range.first = Trunc<int32_t>(tFrom / r.SampRate);
    range.last = std::min(Trunc<int32_t>(tTo / r.SampRate), r.DataCnt);
    return range;
}

double StartRefToTime(const StartRef& ref) {
    return PartsToTime(ref.year, ref.month, ref.day, ref.hour, ref.minute, ref.second);
}

StartRef StartRefFromTime(double t) {
    const TimeParts p = TimeToParts(t);
    return StartRef{p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond};
}

std::string FormatDateText(double t, char dateSep) {
    const TimeParts p = TimeToParts(t);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02u%c%02u%c%04u %02u:%02u:%02u", unsigned{p.day}, dateSep,
                  unsigned{p.month}, dateSep, unsigned{p.year}, unsigned{p.hour},
                  unsigned{p.minute}, unsigned{p.second});
    return buf;
}

}  // namespace corv
