#include "project/OleDate.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace corvane {

namespace {

constexpr long long kSecondsPerDay = 86400;
// 1 January 100 and 31 December 9999: the dates an OLE date can hold. A stamp outside them (a
// damaged file, a NaN) is shown at the nearer end instead of running the calendar arithmetic
// on nonsense.
constexpr double kFirstOleDay = -657434.0;
constexpr double kLastOleDay = 2958465.0;

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days since 1 January 1970 of a proleptic Gregorian date; months and days outside their usual
// range count on linearly (month 13 is January of the next year, day 0 the last of the previous
// month).
long long daysFromCivil(long long y, long long m, long long d) {
    const long long yearsFromMonths = floorDiv(m - 1, 12);
    y += yearsFromMonths;
    m -= yearsFromMonths * 12;
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (m + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

long long oleEpochDays() { return daysFromCivil(1899, 12, 30); }

}  // namespace

DateTimeParts oleDateToParts(double oleDate) {
    if (std::isnan(oleDate)) oleDate = 0.0;
    if (oleDate < kFirstOleDay) oleDate = kFirstOleDay;
    if (oleDate >= kLastOleDay + 1.0) oleDate = kLastOleDay + 86399.0 / kSecondsPerDay;

    // The whole part counts days (back, for a negative date); the fraction is always the time of
    // day running forward, so -1.25 is one day back at 06:00, not 18:00.
    const double wholeDays = std::trunc(oleDate);
    const double fraction = std::fabs(oleDate - wholeDays);
    const long long seconds = std::llround(fraction * static_cast<double>(kSecondsPerDay));
    // A fraction that rounds to 24:00:00 is midnight of the next calendar day.
    const long long timeline = static_cast<long long>(wholeDays) * kSecondsPerDay + seconds;
    const long long day = floorDiv(timeline, kSecondsPerDay);
    const long long secondOfDay = timeline - day * kSecondsPerDay;

    DateTimeParts parts;
    civilFromDays(day + oleEpochDays(), parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(secondOfDay / 3600);
    parts.minute = static_cast<int>(secondOfDay / 60 % 60);
    parts.second = static_cast<int>(secondOfDay % 60);
    return parts;
}

double partsToOleDate(const DateTimeParts& parts) {
    const long long days = daysFromCivil(parts.year, parts.month, parts.day) - oleEpochDays();
    const long long timeline = days * kSecondsPerDay + static_cast<long long>(parts.hour) * 3600 +
                               static_cast<long long>(parts.minute) * 60 + parts.second;
    const long long day = floorDiv(timeline, kSecondsPerDay);
    const double time = static_cast<double>(timeline - day * kSecondsPerDay) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
}

double nowOleDate() {
    // Whole seconds: the stamp is shown and compared to the second, and a saved project should
    // show the same time it was saved at.
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0.0;
    DateTimeParts parts;
    parts.year = local.tm_year + 1900;
    parts.month = local.tm_mon + 1;
    parts.day = local.tm_mday;
    parts.hour = local.tm_hour;
    parts.minute = local.tm_min;
    parts.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second stays in its minute
    return partsToOleDate(parts);
}

}  // namespace corvane
