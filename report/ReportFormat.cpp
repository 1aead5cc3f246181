#include "report/ReportFormat.h"

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

std::string ReportFormat::reading(float mils) const {
    return trimmed(formatReading(mils, units, EnglishReadings::UpToTwoDecimals));
}

std::string ReportFormat::move(float mils) const {
    return trimmed(formatStored(mils, Quantity::Move, units));
}

std::string ReportFormat::length(float inches) const {
    return trimmed(formatStored(inches, Quantity::Length, units));
}

std::string ReportFormat::temperature(float fahrenheit) const {
    return trimmed(formatStored(fahrenheit, Quantity::Temperature, units));
}

std::string ReportFormat::temperatureDifference(float fahrenheitDegrees) const {
    return trimmed(formatStored(fahrenheitDegrees, Quantity::TemperatureDifference, units));
}

std::string ReportFormat::growth(float mils) const {
    return trimmed(formatStored(mils, Quantity::Growth, units));
}

std::string ReportFormat::tolerance(float mils) const {
    return trimmed(formatStored(mils, Quantity::Tolerance, units));
}

std::string ReportFormat::speed(float rpm) const {
    // As the speed is typed and read off a nameplate: "3600", "1487.5", never "3600.".
    std::string text = trimmed(formatPattern(rpm, "#####0.##"));
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string ReportFormat::readingUnit() const { return std::string(unitName(Quantity::Reading, units)); }

std::string ReportFormat::lengthUnit() const { return std::string(unitName(Quantity::Length, units)); }

std::string ReportFormat::temperatureUnit() const {
    return std::string(unitName(Quantity::Temperature, units));
}

std::string ReportFormat::speedUnit() const { return "rpm"; }

std::string ReportFormat::systemName() const {
    return units == UnitSystem::Metric ? "Metric (mm, \u00B0C)" : "English (mils, in, \u00B0F)";
}

double ReportFormat::shownReading(double mils) const { return toDisplay(mils, Quantity::Reading, units); }

double ReportFormat::shownLength(double inches) const { return toDisplay(inches, Quantity::Length, units); }

std::string ReportFormat::axisTick(double shownValue) const {
    // Ticks fall on the 1-2-5 series: the shortest text that names them is the clearest.
    const std::string text = formatPattern(shownValue, "########0.######");
    return text.back() == '.' ? text.substr(0, text.size() - 1) : text;
}

}  // namespace corvane
