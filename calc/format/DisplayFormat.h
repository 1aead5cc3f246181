#pragma once

#include <string>

#include "calc/format/Units.h"

namespace corvane {

// The one place where a stored value becomes text for a person: every number and unit word the
// windows, the graphs and the report show comes from here. The record holds mils, inches, degrees
// Fahrenheit and rpm; these functions show them in `units`. The conversions used to place points on
// the graphs are here too.
struct DisplayFormat {
    UnitSystem units = UnitSystem::English;

    // As a window's box or label shows a stored value: the column padding of the smallest
    // magnitudes kept, as the fixed-width result columns need it.
    std::string boxText(float stored, Quantity quantity) const;
    // A double intermediate (a difference too large for a Single, a graph coordinate).
    std::string boxText(double stored, Quantity quantity) const;
    // A reading or sag box: the decimals the reading holds, up to two, in mils; hundredths in mm.
    std::string readingBoxText(float mils) const;
    // The unit of a quantity as captions name it: "mils", "mm", "in", "°F", ... UTF-8.
    std::string unit(Quantity quantity) const;
    // A stored value in the unit shown, as a knob or an axis takes it.
    double shown(float stored, Quantity quantity) const;

    // The report's texts: as above without the column padding, which the report's layout replaces.

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
