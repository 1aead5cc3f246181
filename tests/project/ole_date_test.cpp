#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <ostream>

#include "project/OleDate.h"

namespace corvane {

void PrintTo(const DateTimeParts& p, std::ostream* out) {
    *out << p.year << '-' << p.month << '-' << p.day << ' ' << p.hour << ':' << p.minute << ':' << p.second;
}

namespace {

struct DateCase {
    double oleDate;
    DateTimeParts parts;
};

// Dates both ways: the day counts include the bounds of the load-time stamp check (serial 1999
// and 1 January 2999), leap days of century years, and dates before the epoch.
TEST(OleDate, ConvertsBetweenDayCountsAndCalendarDates) {
    const DateCase cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},       {1.0, {1899, 12, 31, 0, 0, 0}},
        {2.0, {1900, 1, 1, 0, 0, 0}},         {60.0, {1900, 2, 28, 0, 0, 0}},
        {61.0, {1900, 3, 1, 0, 0, 0}},        {1999.0, {1905, 6, 21, 0, 0, 0}},
        {18337.0, {1950, 3, 15, 0, 0, 0}},    {36526.5, {2000, 1, 1, 12, 0, 0}},
        {36585.0, {2000, 2, 29, 0, 0, 0}},    {45351.75, {2024, 2, 29, 18, 0, 0}},
        {73110.0, {2100, 3, 1, 0, 0, 0}},     {401404.0, {2999, 1, 1, 0, 0, 0}},
        {-1.0, {1899, 12, 29, 0, 0, 0}},      {-1.25, {1899, 12, 29, 6, 0, 0}},
        {-36522.0, {1800, 1, 1, 0, 0, 0}},    {-657434.0, {100, 1, 1, 0, 0, 0}},
        {2958465.0, {9999, 12, 31, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oleDateToParts(c.oleDate), c.parts) << c.oleDate;
        EXPECT_EQ(partsToOleDate(c.parts), c.oleDate) << testing::PrintToString(c.parts);
    }
}

TEST(OleDate, FractionIsTheTimeOfDayRoundedToTheNearestSecond) {
    const double second = 1.0 / 86400.0;
    const DateCase cases[] = {
        {0.25 + 0.4 * second, {1899, 12, 30, 6, 0, 0}},
        {0.25 + 0.6 * second, {1899, 12, 30, 6, 0, 1}},
        {1.0 - 0.4 * second, {1899, 12, 31, 0, 0, 0}},  // carries into the next day
        {1.0 - 1.0 * second, {1899, 12, 30, 23, 59, 59}},
        {36892.0 - 0.2 * second, {2001, 1, 1, 0, 0, 0}},  // carries into the next year
        {-1.0 - 0.9999999, {1899, 12, 30, 0, 0, 0}},      // 29 Dec 23:59:59.99 on a negative date
        {-0.5, {1899, 12, 30, 12, 0, 0}},
        {36526.0 + 45296.0 * second, {2000, 1, 1, 12, 34, 56}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oleDateToParts(c.oleDate), c.parts) << c.oleDate;
    }
}

TEST(OleDate, EveryWholeSecondOfADaySurvivesTheRoundTrip) {
    for (int s = 0; s < 86400; s += 7) {
        const DateTimeParts parts{2026, 12, 6, s / 3600, s / 60 % 60, s % 60};
        EXPECT_EQ(oleDateToParts(partsToOleDate(parts)), parts);
        const DateTimeParts early{1899, 12, 28, s / 3600, s / 60 % 60, s % 60};
        EXPECT_EQ(oleDateToParts(partsToOleDate(early)), early);
    }
}

TEST(OleDate, PartsOutsideTheirRangeCountOn) {
    EXPECT_EQ(partsToOleDate({2000, 13, 1, 0, 0, 0}), partsToOleDate({2001, 1, 1, 0, 0, 0}));
    EXPECT_EQ(partsToOleDate({2000, 3, 0, 0, 0, 0}), partsToOleDate({2000, 2, 29, 0, 0, 0}));
    EXPECT_EQ(partsToOleDate({2000, 1, 1, 24, 0, 0}), partsToOleDate({2000, 1, 2, 0, 0, 0}));
    EXPECT_EQ(partsToOleDate({1899, 12, 29, 0, 0, -1}), partsToOleDate({1899, 12, 28, 23, 59, 59}));
}

TEST(OleDate, DamagedStampsGiveAFixedDateInsteadOfNonsense) {
    const DateCase cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), {1899, 12, 30, 0, 0, 0}},
        {std::numeric_limits<double>::infinity(), {9999, 12, 31, 23, 59, 59}},
        {1e300, {9999, 12, 31, 23, 59, 59}},
        {-std::numeric_limits<double>::infinity(), {100, 1, 1, 0, 0, 0}},
        {-1e18, {100, 1, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oleDateToParts(c.oleDate), c.parts) << c.oleDate;
    }
}

TEST(OleDate, NowIsThePresentLocalTime) {
    const std::time_t before = std::time(nullptr);
    const double now = nowOleDate();
    const std::time_t after = std::time(nullptr);
    std::tm a{};
    std::tm b{};
    localtime_r(&before, &a);
    localtime_r(&after, &b);
    const double low =
        partsToOleDate({a.tm_year + 1900, a.tm_mon + 1, a.tm_mday, a.tm_hour, a.tm_min, a.tm_sec});
    const double high =
        partsToOleDate({b.tm_year + 1900, b.tm_mon + 1, b.tm_mday, b.tm_hour, b.tm_min, b.tm_sec});
    EXPECT_GE(now, low);
    EXPECT_LE(now, high);
    // Whole seconds only, so a stamp shows the time it was taken at.
    EXPECT_EQ(partsToOleDate(oleDateToParts(now)), now);
}

}  // namespace
}  // namespace corvane
