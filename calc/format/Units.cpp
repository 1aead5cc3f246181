#include "calc/format/Units.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "calc/format/NumberFormat.h"

namespace corvane {

namespace {

// The conversion each quantity needs; the quantities of one kind differ only in their meaning.
enum class Kind { Mils, Inches, Fahrenheit, FahrenheitDifference, PerFahrenheit, MilsPerInch, None };

Kind kindOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::Reading:
        case Quantity::Move:
        case Quantity::Offset:
        case Quantity::Growth:
        case Quantity::Tolerance:
            return Kind::Mils;
        case Quantity::Length:
            return Kind::Inches;
        case Quantity::Temperature:
            return Kind::Fahrenheit;
        case Quantity::TemperatureDifference:
            return Kind::FahrenheitDifference;
        case Quantity::ThermalCoefficient:
            return Kind::PerFahrenheit;
        case Quantity::Angle:
            return Kind::MilsPerInch;
        case Quantity::Speed:
            return Kind::None;
    }
    return Kind::None;
}

bool converts(Quantity quantity, UnitSystem units) {
    return units == UnitSystem::Metric && kindOf(quantity) != Kind::None;
}

}  // namespace

UnitSystem unitSystemOf(int engUnits) { return engUnits == 1 ? UnitSystem::Metric : UnitSystem::English; }

// The factors are exact by definition: the international inch of 1959 is 25.4 mm, so a mil is
// 0.0254 mm; a Fahrenheit degree is 5/9 of a Celsius degree, and 32 °F is 0 °C. They are written
// as whole numbers: a Single times 254 is exact in a double, so a stored value is converted with
// one rounding only (25 mils gives the double nearest 0.635, 20 in exactly 508).
double toDisplay(double imperial, Quantity quantity, UnitSystem units) {
    if (units == UnitSystem::English) return imperial;
    switch (kindOf(quantity)) {
        case Kind::Mils:
            return imperial * 254.0 / 10000.0;
        case Kind::Inches:
            return imperial * 254.0 / 10.0;
        case Kind::Fahrenheit:
            return (imperial - 32.0) * 5.0 / 9.0;
        case Kind::FahrenheitDifference:
            return imperial * 5.0 / 9.0;
        case Kind::PerFahrenheit:
            // A mil per inch is 1000 µm per metre, and a rise per °F is 9/5 of the rise per °C.
            return imperial * 1800.0;
        case Kind::MilsPerInch:
            // A thousandth of an inch per inch is 0.001 mm per mm: 0.1 mm per 100 mm.
            return imperial / 10.0;
        case Kind::None:
            break;
    }
    return imperial;
}

double fromDisplay(double shown, Quantity quantity, UnitSystem units) {
    if (units == UnitSystem::English) return shown;
    switch (kindOf(quantity)) {
        case Kind::Mils:
            return shown * 10000.0 / 254.0;
        case Kind::Inches:
            return shown * 10.0 / 254.0;
        case Kind::Fahrenheit:
            return shown * 9.0 / 5.0 + 32.0;
        case Kind::FahrenheitDifference:
            return shown * 9.0 / 5.0;
        case Kind::PerFahrenheit:
            return shown / 1800.0;
        case Kind::MilsPerInch:
            return shown * 10.0;
        case Kind::None:
            break;
    }
    return shown;
}

std::optional<float> storedValue(double shown, Quantity quantity, UnitSystem units) {
    const double imperial = fromDisplay(shown, quantity, units);
    // Compared in double: a value just past the largest Single is refused, not stored as it.
    if (!std::isfinite(imperial) || std::fabs(imperial) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(imperial);
}

TypedValue readTypedValue(std::string_view text, Quantity quantity, UnitSystem units) {
    // The one place where typed text becomes a stored number, so that every box reads alike.
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.value) return {std::nullopt, typed.problem};
    const std::optional<float> stored = storedValue(*typed.value, quantity, units);
    if (!stored) return {std::nullopt, "\"" + std::string(text) + "\" is too large to hold"};
    return {stored, {}};
}

float asShown(float stored, Quantity quantity, UnitSystem units) {
    // A shown value reads back to a Single whenever the stored one was one; should it not (the
    // very end of the range), the value stays as it was.
    return storedValue(valueOfText(formatStored(stored, quantity, units)), quantity, units).value_or(stored);
}

std::optional<float> storedValueOfText(std::string_view text, Quantity quantity, UnitSystem units) {
    return readTypedValue(text, quantity, units).stored;
}

// A Single carries 7 to 9 significant digits of its imperial value; its product with 0.0254
// carries 17 more that mean nothing. The shortest decimal that stores back as the same Single is
// the value the technician typed (0.12 mm is stored as 4.7244096 mils and shows 0.12 again), and
// for a computed value it is all the Single knows.
double displayValue(float stored, Quantity quantity, UnitSystem units) {
    const double exact = toDisplay(stored, quantity, units);
    if (!converts(quantity, units) || !std::isfinite(exact) || exact == 0.0) return exact;
    std::array<char, 40> buffer{};
    for (int digits = 1; digits <= std::numeric_limits<double>::max_digits10; ++digits) {
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), exact,
                                           std::chars_format::scientific, digits - 1);
        double candidate = 0;
        std::from_chars(buffer.data(), written.ptr, candidate);
        const std::optional<float> back = storedValue(candidate, quantity, units);
        if (back && *back == stored) return candidate;
    }
    return exact;
}

std::string formatStored(float stored, Quantity quantity, UnitSystem units) {
    if (quantity == Quantity::ThermalCoefficient) {
        // Coefficients differ in their third significant digit (steel 0.0065, iron 0.0067):
        // formatValue's three decimals would show both as 0.007.
        return units == UnitSystem::English ? formatPattern(stored, "0.0000")
                                            : formatValue(displayValue(stored, quantity, units));
    }
    if (!converts(quantity, units)) return formatValue(stored);
    return formatValue(displayValue(stored, quantity, units));
}

std::string formatStored(double stored, Quantity quantity, UnitSystem units) {
    if (quantity == Quantity::ThermalCoefficient && units == UnitSystem::English)
        return formatPattern(stored, "0.0000");
    return formatValue(toDisplay(stored, quantity, units));
}

std::string formatReading(float stored, UnitSystem units, EnglishReadings english) {
    if (units == UnitSystem::Metric) {
        return formatPattern(displayValue(stored, Quantity::Reading, units), "0.00");
    }
    if (english == EnglishReadings::Whole) return formatWhole(stored);
    // "#" decimals drop their trailing zeros, but the pattern's point always shows: 12 is "12.".
    std::string text = formatPattern(stored, "#####0.##");
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string_view unitName(Quantity quantity, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    switch (kindOf(quantity)) {
        case Kind::Mils:
            return metric ? "mm" : "mils";
        case Kind::Inches:
            return metric ? "mm" : "in";
        case Kind::Fahrenheit:
        case Kind::FahrenheitDifference:
            return metric ? "\u00B0C" : "\u00B0F";
        case Kind::PerFahrenheit:
            // Micrometres per metre per degree is how handbooks tabulate expansion (steel about
            // 11.7): numbers a technician recognises, with their digits in front of the point.
            return metric ? "\u00B5m/m/\u00B0C" : "mils/in/\u00B0F";
        case Kind::MilsPerInch:
            return metric ? "mm/100 mm" : "mils/in";
        case Kind::None:
            break;
    }
    return "RPM";
}

std::string_view temperatureLetter(UnitSystem units) { return units == UnitSystem::Metric ? "C" : "F"; }

}  // namespace corvane
