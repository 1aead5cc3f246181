#include "calc/format/DisplayFormat.h"

#include "calc/format/NumberFormat.h"

namespace corvane {

namespace {

// formatValue pads the smallest magnitudes with blanks for the window's fixed columns; a report cell
// is aligned by the layout instead.
std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string DisplayFormat::boxText(float stored, Quantity quantity) const {
    return formatStored(stored, quantity, units);
}

std::string DisplayFormat::boxText(double stored, Quantity quantity) const {
    return formatStored(stored, quantity, units);
}

std::string DisplayFormat::readingBoxText(float mils) const {
    return formatReading(mils, units, EnglishReadings::UpToTwoDecimals);
}

std::string DisplayFormat::unit(Quantity quantity) const { return std::string(unitName(quantity, units)); }

double DisplayFormat::shown(float stored, Quantity quantity) const {
    return displayValue(stored, quantity, units);
}

std::string DisplayFormat::reading(float mils) const {
    return trimmed(formatReading(mils, units, EnglishReadings::UpToTwoDecimals));
}

std::string DisplayFormat::move(float mils) const {
    return trimmed(formatStored(mils, Quantity::Move, units));
}

std::string DisplayFormat::length(float inches) const {
    return trimmed(formatStored(inches, Quantity::Length, units));
}

std::string DisplayFormat::temperature(float fahrenheit) const {
    return trimmed(formatStored(fahrenheit, Quantity::Temperature, units));
}

std::string DisplayFormat::temperatureDifference(float fahrenheitDegrees) const {
    return trimmed(formatStored(fahrenheitDegrees, Quantity::TemperatureDifference, units));
}

std::string DisplayFormat::growth(float mils) const {
    return trimmed(formatStored(mils, Quantity::Growth, units));
}

std::string DisplayFormat::tolerance(float mils) const {
    return trimmed(formatStored(mils, Quantity::Tolerance, units));
}

std::string DisplayFormat::speed(float rpm) const {
    // As the speed is typed and read off a nameplate: "3600", "1487.5", never "3600.".
    std::string text = trimmed(formatPattern(rpm, "#####0.##"));
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string DisplayFormat::readingUnit() const { return std::string(unitName(Quantity::Reading, units)); }

std::string DisplayFormat::lengthUnit() const { return std::string(unitName(Quantity::Length, units)); }

std::string DisplayFormat::temperatureUnit() const {
    return std::string(unitName(Quantity::Temperature, units));
}

std::string DisplayFormat::speedUnit() const { return "rpm"; }

std::string DisplayFormat::systemName() const {
    return units == UnitSystem::Metric ? "Metric (mm, \u00B0C)" : "English (mils, in, \u00B0F)";
}

double DisplayFormat::shownReading(double mils) const { return toDisplay(mils, Quantity::Reading, units); }

double DisplayFormat::shownLength(double inches) const { return toDisplay(inches, Quantity::Length, units); }

std::string DisplayFormat::axisTick(double shownValue) const {
    // Ticks fall on the 1-2-5 series: the shortest text that names them is the clearest.
    const std::string text = formatPattern(shownValue, "########0.######");
    return text.back() == '.' ? text.substr(0, text.size() - 1) : text;
}

}  // namespace corvane
