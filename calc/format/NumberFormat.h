#pragma once

#include <string>
#include <string_view>

// The parsing and the date and scale-mark texts live beside the formats; most callers want both.
#include "calc/format/DateAndMarkText.h"
#include "calc/format/NumberParse.h"

namespace corvane {

// The one number-to-text rule: decimals chosen by magnitude, rounded half away from zero on the
// decimal digits of the value (a float's 7 significant digits, a double's 15), point as separator.
std::string formatValue(float value);
std::string formatValue(double value);
std::string formatValue(std::string_view text);
// Whole numbers (Integer fields, counts) format like the double of the same value.
inline std::string formatValue(int value) { return formatValue(static_cast<double>(value)); }
// NaN and infinities give "NaN", "Infinity" and "-Infinity" from every formatter. A value whose
// shown digits are all 0 gets no minus sign.

// Formats with a fixed pattern of "0", "#", ".", blanks and "E+00", e.g. "#####0", "0", "#0.",
// "0 ", "###0.00", "#0.000E+00". `significantDigits` is 7 for a float's text, 15 for a double's.
std::string formatPattern(double value, std::string_view pattern, int significantDigits = 15);
inline std::string formatPattern(float value, std::string_view pattern) {
    return formatPattern(static_cast<double>(value), pattern, 7);
}
inline std::string formatPattern(int value, std::string_view pattern) {
    return formatPattern(static_cast<double>(value), pattern, 15);
}

// The pattern "#0.##", "#0.00#" and the like written directly: the whole part, then between
// `minDecimals` and `maxDecimals` decimals (zeros beyond the least are dropped), and no point when
// no decimal is shown: 50, 12.25, 0.50, -1.063. A double's 15 significant digits; values from
// 1e15 on are better given to formatPattern's scientific form.
std::string formatDecimals(double value, int minDecimals, int maxDecimals);

// Dial readings and Sag as whole numbers: the pattern "#####0".
inline std::string formatWhole(float value) { return formatPattern(value, "#####0"); }

}  // namespace corvane
