#pragma once

#include <string>

namespace corvane {

// The label of a scale mark (a knob's or a thermometer's ends and ticks): at most six significant
// digits, no trailing zeros, and a power of ten from a million on or below 0.0001: "100", "-0.5",
// "1e+06", "2.5e-05".
std::string formatScaleMark(double value);

// "dd-mmm-yyyy hh:mm:ss" of an OLE date, English month names, rounded to the nearest second.
std::string formatDateTime(double oleDate);

}  // namespace corvane
