#include "project/OleDate.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvane {
namespace {

// The day counts include the bounds of the load-time stamp check (serial 1999 and 1 January 2999),
// leap days of century years, and dates before the epoch, whose fraction still runs forward. One way
// only: the time is rounded to the nearest second, carrying into the next day, and a damaged stamp
// gives a fixed date instead of undefined arithmetic.
TEST(OleDate, ConvertsBetweenDayCountsAndCalendarDates) {
    const struct {
        double oleDate;
        DateTimeParts parts;
        bool bothWays = true;
    } cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {60.0, {1900, 2, 28, 0, 0, 0}},
        {61.0, {1900, 3, 1, 0, 0, 0}},
        {1999.0, {1905, 6, 21, 0, 0, 0}},
        {36526.5, {2000, 1, 1, 12, 0, 0}},
        {36585.0, {2000, 2, 29, 0, 0, 0}},
        {73110.0, {2100, 3, 1, 0, 0, 0}},
        {401404.0, {2999, 1, 1, 0, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0}},
        {2958465.0, {9999, 12, 31, 0, 0, 0}},
        {1.0 - 0.4 / 86400.0, {1899, 12, 31, 0, 0, 0}, false},
        {std::numeric_limits<double>::quiet_NaN(), {1899, 12, 30, 0, 0, 0}, false},
        {std::numeric_limits<double>::infinity(), {9999, 12, 31, 23, 59, 59}, false},
        {-1e18, {100, 1, 1, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oleDateToParts(c.oleDate), c.parts) << c.oleDate;
        if (c.bothWays) {
            EXPECT_EQ(partsToOleDate(c.parts), c.oleDate) << c.oleDate;
        }
    }
}

}  // namespace
}  // namespace corvane
