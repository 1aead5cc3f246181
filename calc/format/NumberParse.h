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

}  // namespace corvane
