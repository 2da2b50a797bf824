#include "core/Times.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/ChannelStore.h"
#include "core/Errors.h"

namespace corv {
namespace {

constexpr double kDay = 86400000.0;

std::vector<int> Parts(const TimeParts& p) {
    return {p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond};
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
    EXPECT_EQ(Parts(TimeToParts(0)), (std::vector{1980, 12, 31, 0, 0, 0, 0}));
    // The calendar has no century rule: 2100 is not reached, 2099 ends normally.
    EXPECT_EQ(PartsToTime(2099, 12, 31, 0, 0, 0) - PartsToTime(2099, 1, 1, 0, 0, 0), 364 * kDay);
    // Milliseconds are cut, not rounded.
    EXPECT_EQ(Parts(TimeToParts(kDay + 59999.9)), (std::vector{1981, 1, 1, 0, 0, 59, 999}));
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
    EXPECT_EQ(Parts(TimeToParts(last + 999)), (std::vector{2049, 1, 18, 3, 14, 7, 999}));
    EXPECT_EQ(PartsToTime(2049, 1, 18, 3, 14, 7), last);
    EXPECT_THROW((void)TimeToParts(last + 1000), RangeError);
    EXPECT_THROW((void)TimeToParts(-1000.0), RangeError);

    // Far beyond the calendar only the date is cleared; the time of day stays.
    TimeParts p;
    p.hour = 5;
    p.minute = 6;
    p.year = 1999;
    TimeToParts(2e28, p);
    EXPECT_EQ(Parts(p), (std::vector{0, 0, 0, 5, 6, 0, 0}));
}

TEST(Times, SplitDuration) {
    const auto split = [](double t) {
        const DurationParts d = SplitDuration(t);
        return std::vector<int64_t>{d.hours, d.minutes, d.seconds, d.milliseconds};
    };
    EXPECT_EQ(split(90061001), (std::vector<int64_t>{25, 1, 1, 1}));
    EXPECT_EQ(split(3599999.9), (std::vector<int64_t>{0, 59, 59, 999}));  // cut, not rounded

    EXPECT_EQ(SplitDuration(65535 * 3600000.0 + 3599999).hours, 65535);
    EXPECT_THROW((void)SplitDuration(65536 * 3600000.0), RangeError);
    EXPECT_THROW((void)SplitDuration(-5), RangeError);
}

TEST(Times, TimeRangeToIndexesStopsAtDataCnt) {
    ChannelStore store;
    ChannelRecord& r = store.Rec(1);
    r.SampRate = 250;
    r.DataCnt = 100;
    const auto range = [&](double a, double b) {
        const IndexRange r = TimeRangeToIndexes(store, 1, a, b);
        return std::pair{r.first, r.last};
    };
    EXPECT_EQ(range(999, 10249), std::pair(3, 40));  // cut, not rounded
    EXPECT_EQ(range(1000, 1e6), std::pair(4, 100));
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
