#pragma once

#include <string>

#include "calc/format/Units.h"

namespace corvane {

// The one place where the report turns a stored value into text: every number and unit word the
// report prints comes from here. The record holds mils, inches, degrees Fahrenheit and rpm; these
// functions show them in `units` as the windows show them. The conversions used to place points on
// the graphs are here too.
struct ReportFormat {
    UnitSystem units = UnitSystem::English;

    // Dial readings and the sag, as the reading boxes show them (up to two decimals in mils,
    // hundredths of a millimetre in metric).
    std::string reading(float mils) const;
    // A foot move, an offset; also the magnitudes in the moves table.
    std::string move(float mils) const;
    // Lengths A..E, face diameter, span, foot height.
    std::string length(float inches) const;
    std::string temperature(float fahrenheit) const;
    std::string temperatureDifference(float fahrenheitDegrees) const;
    std::string growth(float mils) const;
    std::string tolerance(float mils) const;
    std::string speed(float rpm) const;

    // Unit words.
    std::string readingUnit() const;      // "mils" | "mm"; also moves, growth and tolerance
    std::string lengthUnit() const;       // "in" | "mm"
    std::string temperatureUnit() const;  // "°F" | "°C"
    std::string speedUnit() const;        // "rpm"
    // The units named in the report's header.
    std::string systemName() const;

    // Graph coordinates: a stored value in the unit the axes are labelled in, and an axis tick's text.
    double shownReading(double mils) const;
    double shownLength(double inches) const;
    std::string axisTick(double shownValue) const;
};

}  // namespace corvane
