#pragma once

namespace corvane {

// OLE automation dates: days since 30 December 1899, time of day as the fraction.
struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;

    friend bool operator==(const DateTimeParts&, const DateTimeParts&) = default;
};

// Whole seconds, rounded to the nearest second. Dates before 1899-12-30 follow the OLE rule
// (the integer part counts days back, the fraction still runs forward within the day).
DateTimeParts oleDateToParts(double oleDate);
double partsToOleDate(const DateTimeParts& parts);
// The present local date and time.
double nowOleDate();

}  // namespace corvane
