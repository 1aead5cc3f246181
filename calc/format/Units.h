#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The record always holds mils, inches and degrees Fahrenheit, whatever the technician reads
// them in: a unit system changes how a value is shown and how a typed value is read, nothing
// else, so every project file stays valid in both.
enum class UnitSystem { English, Metric };

// The run-time EngUnits option: 1 is "Metric", anything else "English".
UnitSystem unitSystemOf(int engUnits);

// What a shown or typed number is. The unit of each in English | Metric:
enum class Quantity {
    Reading,                // dial readings and sag: mils | mm
    Move,                   // foot moves: mils | mm
    Offset,                 // shaft offsets at the coupling: mils | mm
    Growth,                 // thermal growth of a foot: mils | mm
    Tolerance,              // acceptable offset: mils | mm
    Length,                 // spans, distances, face diameters, foot heights: in | mm
    Temperature,            // °F | °C
    TemperatureDifference,  // °F | °C, a difference: no 32° shift
    ThermalCoefficient,     // growth per height per degree: mils/in/°F | µm/m/°C
    Angle,                  // slope of a shaft: mils/in | mm/100 mm
    Speed,                  // RPM in both
};

// The value of a stored (imperial) number in the unit `units` shows, and back, in double.
// English is the identity both ways.
double toDisplay(double imperial, Quantity quantity, UnitSystem units);
double fromDisplay(double shown, Quantity quantity, UnitSystem units);

// A stored Single in the shown unit, as the shortest decimal that reads back to the same Single:
// 25 mils gives 0.635 mm, not the 0.63500000000000001 of the product. English gives the Single
// itself. For the command line's numbers and the knobs' values.
double displayValue(float stored, Quantity quantity, UnitSystem units);

// The text a stored value shows as. English is the program's own formatValue, except the thermal
// coefficient, which shows four decimals ("0.0065"); metric is formatValue of displayValue, so
// that a value typed in millimetres shows again as it was typed.
std::string formatStored(float stored, Quantity quantity, UnitSystem units);
// A double intermediate (a graph range, a difference too large for a Single): formatValue of
// its shown value at a double's precision.
std::string formatStored(double stored, Quantity quantity, UnitSystem units);

// How the English reading and sag boxes show a reading: as whole mils ("#####0"), or with the
// decimals it needs, up to two ("10.5", "13.25", "12").
enum class EnglishReadings { Whole, UpToTwoDecimals };

// The text of a reading or sag box. Metric boxes always show hundredths of a millimetre ("0.50"):
// that is what a metric dial reads.
std::string formatReading(float stored, UnitSystem units, EnglishReadings english);

// A number typed or set (on a knob, a thermometer) in the shown unit, as the Single to store:
// the one nearest to its imperial value. None when that value is not finite or beyond a Single's
// range, so that the caller keeps what the record held.
std::optional<float> storedValue(double shown, Quantity quantity, UnitSystem units);
// A typed text as the Single to store, read as readTypedNumber reads it (a decimal comma where it
// can only be one), or refused with the reason: not a number, or too large to hold.
struct TypedValue {
    std::optional<float> stored;
    std::string problem;  // one sentence without a full stop, when refused
};
TypedValue readTypedValue(std::string_view text, Quantity quantity, UnitSystem units);
std::optional<float> storedValueOfText(std::string_view text, Quantity quantity, UnitSystem units);
// A grid cell stores the number it shows, so that what the user reads is what is kept: the Single
// of the stored value's shown text (typing 12.3456 in inches shows and stores 12.35).
float asShown(float stored, Quantity quantity, UnitSystem units);

// The unit for captions and result lines: "mils" | "mm", "in" | "mm", "°F" | "°C", "mils/in" |
// "mm/100 mm", "mils/in/°F" | "µm/m/°C", "RPM". UTF-8.
std::string_view unitName(Quantity quantity, UnitSystem units);
// The temperature letter of the captions written without the degree sign, "Operating Temp (F)":
// "F" | "C".
std::string_view temperatureLetter(UnitSystem units);

}  // namespace corvane
