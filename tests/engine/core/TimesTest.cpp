#include "core/Times.h"

#include <gtest/gtest.h>

#include "core/ChannelStore.h"
#include "core/Errors.h"

namespace corv {
namespace {

constexpr double kDay = 86400000.0;

void ExpectParts(const TimeParts& p, int year, int month, int day, int hour, int minute, int second,
                 int ms) {
    EXPECT_EQ(p.year, year);
    EXPECT_EQ(p.month, month);
    EXPECT_EQ(p.day, day);
    EXPECT_EQ(p.hour, hour);
    EXPECT_EQ(p.minute, minute);
    EXPECT_EQ(p.second, second);
    EXPECT_EQ(p.millisecond, ms);
}

int DaysInMonth(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : lengths[month - 1];
}

// Walks the calendar day by day with its own month lengths and checks both conversions
// against it, each day at a different time of day.
TEST(Times, EveryDayFrom1981To2049RoundTrips) {
    int year = 1981, month = 1, day = 1;
    int failures = 0;
    for (int n = 1; year < 2049 || (year == 2049 && month == 1 && day <= 17); ++n) {
        const int sod = (n * 7919) % 86400;
        const double t = n * kDay + sod * 1000.0;
        const TimeParts p = TimeToParts(t);
        const bool same = p.year == year && p.month == month && p.day == day &&
                          p.hour == sod / 3600 && p.minute == sod % 3600 / 60 &&
                          p.second == sod % 60;
        const bool back = PartsToTime(year, month, day, sod / 3600, sod % 3600 / 60, sod % 60) == t;
        if ((!same || !back) && ++failures <= 5)
            ADD_FAILURE() << "day " << n << ": " << year << "-" << month << "-" << day;
        if (++day > DaysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(Times, EpochCenturyMillisecondsAndTwoDigitYears) {
    ExpectParts(TimeToParts(0), 1980, 12, 31, 0, 0, 0, 0);
    // The calendar has no century rule: 2100 is not reached, 2099 ends normally.
    EXPECT_EQ(PartsToTime(2099, 12, 31, 0, 0, 0) - PartsToTime(2099, 1, 1, 0, 0, 0), 364 * kDay);
    // Milliseconds are cut, not rounded.
    ExpectParts(TimeToParts(kDay + 59999.9), 1981, 1, 1, 0, 0, 59, 999);
    // An unknown month number counts as January.
    EXPECT_EQ(PartsToTime(1990, 13, 5, 0, 0, 0), PartsToTime(1990, 1, 5, 0, 0, 0));
    EXPECT_EQ(PartsToTime(1990, 0, 5, 0, 0, 0), PartsToTime(1990, 1, 5, 0, 0, 0));
    // Two-digit years: 82..99 are 1982..1999, 0..81 are 2000..2081.
    EXPECT_EQ(PartsToTime(82, 1, 1, 0, 0, 0), 31622400000.0);
    EXPECT_EQ(PartsToTime(99, 12, 31, 1, 2, 3), PartsToTime(1999, 12, 31, 1, 2, 3));
    EXPECT_EQ(PartsToTime(0, 2, 29, 0, 0, 0), PartsToTime(2000, 2, 29, 0, 0, 0));
    EXPECT_EQ(PartsToTime(81, 1, 1, 0, 0, 0), PartsToTime(2081, 1, 1, 0, 0, 0));
}

TEST(Times, RangeLimits) {
    const double last = 2147483647.0 * 1000;
    ExpectParts(TimeToParts(last + 999), 2049, 1, 18, 3, 14, 7, 999);
    EXPECT_EQ(PartsToTime(2049, 1, 18, 3, 14, 7), last);
    EXPECT_THROW((void)TimeToParts(last + 1000), RangeError);
    EXPECT_THROW((void)TimeToParts(-1000.0), RangeError);

    // Far beyond the calendar only the date is cleared; the time of day stays.
    TimeParts p;
    p.hour = 5;
    p.minute = 6;
    p.year = 1999;
    TimeToParts(2e28, p);
    EXPECT_EQ(p.year, 0);
    EXPECT_EQ(p.month, 0);
    EXPECT_EQ(p.day, 0);
    EXPECT_EQ(p.hour, 5);
    EXPECT_EQ(p.minute, 6);
}

TEST(Times, SplitDuration) {
    const DurationParts d = SplitDuration(90061001);
    EXPECT_EQ(d.hours, 25);
    EXPECT_EQ(d.minutes, 1);
    EXPECT_EQ(d.seconds, 1);
    EXPECT_EQ(d.milliseconds, 1);

    const DurationParts cut = SplitDuration(3599999.9);
    EXPECT_EQ(cut.hours, 0);
    EXPECT_EQ(cut.minutes, 59);
    EXPECT_EQ(cut.seconds, 59);
    EXPECT_EQ(cut.milliseconds, 999);

    EXPECT_EQ(SplitDuration(65535 * 3600000.0 + 3599999).hours, 65535);
    EXPECT_THROW((void)SplitDuration(65536 * 3600000.0), RangeError);
    EXPECT_THROW((void)SplitDuration(-5), RangeError);
}

TEST(Times, TimeRangeToIndexesStopsAtDataCnt) {
    ChannelStore store;
    ChannelRecord& r = store.Rec(1);
    r.SampRate = 250;
    r.DataCnt = 100;
    IndexRange range = TimeRangeToIndexes(store, 1, 999, 10249);
    EXPECT_EQ(range.first, 3);  // cut, not rounded
    EXPECT_EQ(range.last, 40);
    range = TimeRangeToIndexes(store, 1, 1000, 1e6);
    EXPECT_EQ(range.first, 4);
    EXPECT_EQ(range.last, 100);
    EXPECT_THROW((void)TimeRangeToIndexes(store, 1, 0, 1e15), RangeError);
    EXPECT_THROW((void)TimeRangeToIndexes(store, 3, 0, 1), RangeError);
}

TEST(Times, StartRefAndDateText) {
    EXPECT_EQ(StartRefToTime(StartRef{}), 31622400000.0);  // year 82 reads as 1982
    const double t = PartsToTime(2026, 12, 5, 14, 3, 7) + 250;
    const StartRef ref = StartRefFromTime(t);
    EXPECT_EQ(ref.year, 2026);
    EXPECT_EQ(ref.day, 5);
    EXPECT_EQ(ref.millisecond, 250);
    EXPECT_EQ(StartRefToTime(ref), t - 250);  // the milliseconds are not used

    EXPECT_EQ(FormatDateText(31622400000.0, '.'), "01.01.1982 00:00:00");
    EXPECT_EQ(FormatDateText(t, '/'), "05/12/2026 14:03:07");
}

}  // namespace
}  // namespace corv
