#include "report/ReportFormat.h"

#include "calc/NumberFormat.h"

namespace corvane {

namespace {

// formatValue pads the smallest magnitudes with blanks for the window's fixed columns; a report cell
// is aligned by the layout instead.
std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string ReportFormat::reading(float mils) const { return trimmed(formatWhole(mils)); }

std::string ReportFormat::move(float mils) const { return trimmed(formatValue(mils)); }

std::string ReportFormat::length(float inches) const { return trimmed(formatValue(inches)); }

std::string ReportFormat::temperature(float fahrenheit) const { return trimmed(formatValue(fahrenheit)); }

std::string ReportFormat::temperatureDifference(float fahrenheitDegrees) const {
    return trimmed(formatValue(fahrenheitDegrees));
}

std::string ReportFormat::growth(float mils) const { return trimmed(formatValue(mils)); }

std::string ReportFormat::tolerance(float mils) const { return trimmed(formatValue(mils)); }

std::string ReportFormat::speed(float rpm) const { return trimmed(formatValue(rpm)); }

std::string ReportFormat::readingUnit() const { return "mils"; }

std::string ReportFormat::lengthUnit() const { return "in"; }

std::string ReportFormat::temperatureUnit() const { return "\u00B0F"; }

std::string ReportFormat::speedUnit() const { return "rpm"; }

std::string ReportFormat::systemName() const { return "English (mils, in, \u00B0F)"; }

double ReportFormat::shownReading(double mils) const { return mils; }

double ReportFormat::shownLength(double inches) const { return inches; }

std::string ReportFormat::axisTick(double shownValue) const {
    // Ticks fall on the 1-2-5 series: the shortest text that names them is the clearest.
    const std::string text = formatPattern(shownValue, "########0.######");
    return text.back() == '.' ? text.substr(0, text.size() - 1) : text;
}

}  // namespace corvane
