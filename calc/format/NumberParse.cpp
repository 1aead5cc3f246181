#include "calc/format/NumberParse.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace corvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) s.push_back(c);
    }
    return s;
}

// The number at the start of a text without blanks; none when it does not begin with one. `used`,
// when given, gets the length of the number's text.
std::optional<double> leadingNumber(const std::string& s, std::size_t* used = nullptr) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    int firstSignificant = std::numeric_limits<int>::min();  // power of ten of the first non-zero digit
    int power = 0;                                           // digits before the point so far
    while (i < s.size() && isDigit(s[i])) {
        if (s[i] != '0' && firstSignificant == std::numeric_limits<int>::min()) firstSignificant = power;
        ++power;
        ++mantissaDigits;
        ++i;
    }
    int integerDigits = power;
    if (i < s.size() && s[i] == '.') {
        ++i;
        int fractionPower = 0;
        while (i < s.size() && isDigit(s[i])) {
            --fractionPower;
            if (s[i] != '0' && firstSignificant == std::numeric_limits<int>::min()) {
                firstSignificant = fractionPower;
            }
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    std::size_t end = i;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                if (exponent < 100000000) exponent = exponent * 10 + (s[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            end = j;
        }
    }
    if (used) *used = end;
    if (firstSignificant == std::numeric_limits<int>::min()) return 0.0;

    double value = 0.0;
    const auto res = std::from_chars(s.data() + start, s.data() + end, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Decide from the position of the first significant digit whether the text was too large
        // or too small: too large reads as infinity, which every caller refuses to store; too
        // small is a plain zero (no "-0" to carry around).
        const long long leadPower =
            (firstSignificant >= 0 ? integerDigits - firstSignificant - 1 : firstSignificant) + exponent;
        if (leadPower <= 0) return 0.0;
        value = std::numeric_limits<double>::infinity();
    } else if (res.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

// The unit names the boxes show in their captions, which a person may type after the number.
bool isUnitSuffix(std::string_view rest) {
    if (rest.empty()) return true;
    std::string lower;
    for (const char c : rest) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    static constexpr std::string_view kUnits[] = {"mils",    "mil",     "mm",       "in",      "inch",
                                                  "inches",  "\"",      "rpm",      "f",       "c",
                                                  "\u00b0f", "\u00b0c", "mm/100mm", "mils/in", "mil/in"};
    for (const std::string_view unit : kUnits)
        if (lower == unit) return true;
    return false;
}

std::size_t digitsFrom(const std::string& s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n])) ++n;
    return n;
}

}  // namespace

double valueOfText(std::string_view text) { return leadingNumber(withoutBlanks(text)).value_or(0.0); }

TypedNumber readTypedNumber(std::string_view text) {
    std::string s = withoutBlanks(text);
    const std::string quoted = "\"" + std::string(text) + "\"";
    const std::size_t comma = s.find(',');
    if (comma != std::string::npos) {
        // A decimal comma is read as a point where it cannot be anything else: one comma, no
        // point, and not a group of exactly three digits after a whole number ("1,500" may be a
        // thousand and a half, or one and a half).
        const bool single = s.find(',', comma + 1) == std::string::npos && s.find('.') == std::string::npos;
        std::size_t first = 0;
        if (first < comma && (s[first] == '+' || s[first] == '-')) ++first;
        const std::size_t wholeDigits = digitsFrom(s, first);
        const bool wholeIsZero = s.find_first_not_of('0', first) >= first + wholeDigits;
        const bool grouped =
            wholeDigits > 0 && first + wholeDigits == comma && !wholeIsZero && digitsFrom(s, comma + 1) == 3;
        if (!single || grouped)
            return {std::nullopt, quoted + " could be read more than one way: write decimals with a point"};
        s[comma] = '.';
    }
    std::size_t used = 0;
    const std::optional<double> value = leadingNumber(s, &used);
    if (!value)
        return {std::nullopt, s.empty() ? "An empty box is not a number" : quoted + " is not a number"};
    // What follows the number may name its unit and nothing else: "1o" is a slip of the finger on
    // the way to "10", and taking it as 1 would store a tenth of the reading.
    if (!isUnitSuffix(std::string_view(s).substr(used))) return {std::nullopt, quoted + " is not a number"};
    return {value, {}};
}

}  // namespace corvane
