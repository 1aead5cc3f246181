#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Reads the leading number of a text: blanks, tabs and line feeds are removed first; then an
// optional sign, digits, an optional point and digits, an optional exponent. 0 when none.
// Carriage returns are removed too; the exponent letter is E or e. A number too large for a
// double reads as +/-infinity (check std::isfinite before storing it), one too small as 0.
double valueOfText(std::string_view text);

// What a person typed into a value box. The leading number as valueOfText reads it, with two
// differences that keep a typing slip from becoming a wrong value: a decimal comma is read as a
// point where it cannot mean anything else ("1,5" is 1.5, "0,125" is 0.125), and a text that does
// not begin with a number (or "1,500", which may be 1.5 or 1500) is refused instead of read as 0.
struct TypedNumber {
    std::optional<double> value;  // none: refused
    std::string problem;          // why it was refused, one sentence without a full stop
};
TypedNumber readTypedNumber(std::string_view text);

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

// The label of a scale mark (a knob's or a thermometer's ends and ticks): at most six significant
// digits, no trailing zeros, and a power of ten from a million on or below 0.0001: "100", "-0.5",
// "1e+06", "2.5e-05".
std::string formatScaleMark(double value);

// "dd-mmm-yyyy hh:mm:ss" of an OLE date, English month names, rounded to the nearest second.
std::string formatDateTime(double oleDate);

}  // namespace corvane
