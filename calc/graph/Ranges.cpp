#include "calc/graph/Ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

// The steps of the 1-2-5 series. The step variable is a float and each product is compared in
// double before it is stored back as a float: a limit exactly 2 or 5 times a power of ten therefore
// steps up to the next value, and 0.2f (a hair above 0.2) gives 0.5.
float niceStepAbove(double v) {
    const bool neg = v < 0;
    const double a = std::fabs(v);
    float s = 1;
    while (s < a) s = s * 10;  // ends at infinity at the latest; a NaN stops at once
    if (a < s * 0.5) s = static_cast<float>(s * 0.5);
    if (a < s * 0.4) s = static_cast<float>(s * 0.4);
    return neg ? -s : s;
}

// The search only goes down from 1E10; for 0 it runs until the step underflows to 0.
float niceStepBelow(double v) {
    const bool neg = v < 0;
    const double a = std::fabs(v);
    float s = 1e10f;
    while (s > a) s = s / 10;
    if (a > s + s) s = s + s;
    if (a > s * 2.5) s = static_cast<float>(s * 2.5);
    return neg ? -s : s;
}

// Each press moves both ends by a tenth of the span, rounded to float as the step is; the new
// maximum is set first and the minimum after it. A widening press that would carry an end past
// the largest float leaves the range as it is: its step would no longer fit a float, and the axis
// could never be narrowed back.
YRange stepRange(YRange range, bool widen) {
    const float d = static_cast<float>(0.1 * (range.max - range.min));
    YRange next = range;
    if (widen) {
        next.max = range.max + d;
        next.min = range.min - d;
    } else {
        next.max = range.max - d;
        next.min = range.min + d;
    }
    const double limit = std::numeric_limits<float>::max();
    const bool fits = std::fabs(next.max) <= limit && std::fabs(next.min) <= limit;
    if (!std::isfinite(d) || !std::isfinite(next.max) || !std::isfinite(next.min) || (widen && !fits))
        return range;
    return next;
}

std::optional<YRange> autoRange(float largest) {
    const float top = niceStepAbove(largest);
    // Moves near the top of the float range step past it on the 1-2-5 series: an axis cannot show
    // an infinite range, so the graph keeps the one it has.
    if (!std::isfinite(top)) return std::nullopt;
    return YRange{-static_cast<double>(top), static_cast<double>(top)};
}

DialRange knobRange(const ProjectRecord& record, int method, int dial) {
    float largest = 0;
    for (int p = 0; p < kPositionCount; ++p) {
        const float reading = dial == 2 ? record.dial2(method, p) : record.dial1(method, p);
        if (std::fabs(reading) > largest) largest = std::fabs(reading);
    }
    const double top = niceStepAbove(largest);
    return DialRange{-top, top, 0.005 * (2 * top)};
}

DialRange knobRange(const ProjectRecord& record, int method, int dial, UnitSystem units) {
    if (units == UnitSystem::English) return knobRange(record, method, dial);
    double largest = 0;
    for (int p = 0; p < kPositionCount; ++p) {
        const float reading = dial == 2 ? record.dial2(method, p) : record.dial1(method, p);
        largest = std::max(largest, std::fabs(displayValue(reading, Quantity::Reading, units)));
    }
    double top = niceStepAbove(largest);
    // The smallest ends of the series (0.2 and 0.5) as the decimals they are, not as their floats,
    // so that the steps counted from them land on hundredths.
    if (top < 1) top = std::round(top * 10) / 10;
    // Half a percent of the span, as in mils, but never finer than the dial reads.
    const double step = std::max(0.01, top / 100);
    return DialRange{-top, top, step};
}

DialRange thermometerRange(float hotTemp, float coldTemp) {
    // The 1-2-5 steps are of magnitudes: below zero the step at or above a temperature is the
    // smaller magnitude, so that a frosty ambient (-20 and -40) still lies on the range.
    const float high = std::max(hotTemp, coldTemp), low = std::min(hotTemp, coldTemp);
    double top = high >= 0 ? niceStepAbove(high) : -niceStepBelow(-high);
    const double bottom = low >= 0 ? niceStepBelow(low) : -niceStepAbove(-low);
    // Equal temperatures on a 1-2-5 mark would give a range of no height.
    if (!(top > bottom)) top = bottom + 1;
    return DialRange{bottom, top, (top - bottom) * 0.005};
}

}  // namespace corvane
