#include "calc/format/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/format/Decimal.h"

namespace corvane {

using namespace decimal;

namespace {

// A pattern split into its parts: placeholders "0"/"#" and literal characters before the point,
// after it, and the exponent.
struct Pattern {
    std::string integerPart;
    bool hasPoint = false;
    std::string fractionPart;
    bool scientific = false;
    char exponentLetter = 'E';
    bool exponentAlwaysSigned = false;
    int exponentDigits = 0;
    std::string trailing;  // literals after the exponent digits
};

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

Pattern parsePattern(std::string_view text) {
    Pattern p;
    std::size_t i = 0;
    std::string* part = &p.integerPart;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.scientific = true;
            p.exponentLetter = c;
            p.exponentAlwaysSigned = text[i + 1] == '+';
            i += 2;
            while (i < text.size() && isPlaceholder(text[i])) {
                ++p.exponentDigits;
                ++i;
            }
            p.trailing = std::string(text.substr(i));
            break;
        }
        if (c == '.' && !p.hasPoint) {
            p.hasPoint = true;
            part = &p.fractionPart;
            continue;
        }
        part->push_back(c);
    }
    if (p.exponentDigits < 1) p.exponentDigits = 1;
    return p;
}

int countOf(const std::string& part, char a, char b) {
    int n = 0;
    for (char c : part) n += (c == a || c == b) ? 1 : 0;
    return n;
}

// Writes the integer digits of `d` (powers >= 0) into the placeholders of `part`, right-aligned;
// digits beyond the placeholders all go at the first one, "0" pads, "#" shows nothing.
std::string renderInteger(const Decimal& d, const std::string& part, bool& anyNonZero) {
    std::string digits;
    if (!d.isZero()) {
        for (int power = d.lead; power >= 0; --power) digits.push_back(d.digitAt(power));
    }
    if (!digits.empty()) anyNonZero = true;  // the leading digit is never 0
    const int slots = countOf(part, '0', '#');
    std::string out;
    if (slots == 0) {
        // A pattern such as ".00" still shows the whole part of 5.5 rather than hide it.
        return part + digits;
    }
    int slot = 0;
    for (char c : part) {
        if (!isPlaceholder(c)) {
            out.push_back(c);
            continue;
        }
        const int fromRight = slots - slot;  // 1 for the last placeholder
        ++slot;
        const int have = static_cast<int>(digits.size());
        if (slot == 1 && have > slots) {
            out += digits.substr(0, static_cast<std::size_t>(have - slots + 1));
        } else if (fromRight <= have) {
            out.push_back(digits[static_cast<std::size_t>(have - fromRight)]);
        } else if (c == '0') {
            out.push_back('0');
        }
    }
    return out;
}

// Writes the fraction digits (powers -1, -2, ...) into the placeholders of `part`; trailing zeros
// at "#" placeholders are dropped.
std::string renderFraction(const Decimal& d, const std::string& part, bool& anyNonZero) {
    const int slots = countOf(part, '0', '#');
    std::string digits;
    for (int k = 1; k <= slots; ++k) digits.push_back(d.digitAt(-k));
    int shown = slots;
    int slot = slots;
    for (auto it = part.rbegin(); it != part.rend() && shown > 0; ++it) {
        if (!isPlaceholder(*it)) continue;
        --slot;
        if (*it == '#' && digits[static_cast<std::size_t>(slot)] == '0' && shown == slot + 1) {
            shown = slot;
        } else {
            break;
        }
    }
    for (int k = 0; k < shown; ++k) anyNonZero = anyNonZero || digits[static_cast<std::size_t>(k)] != '0';
    std::string out;
    slot = 0;
    for (char c : part) {
        if (!isPlaceholder(c)) {
            out.push_back(c);
        } else {
            if (slot < shown) out.push_back(digits[static_cast<std::size_t>(slot)]);
            ++slot;
        }
    }
    return out;
}

std::string applyPattern(Decimal d, const Pattern& p) {
    const int fractionSlots = countOf(p.fractionPart, '0', '#');
    int exponent = 0;
    if (p.scientific) {
        const int integerSlots = countOf(p.integerPart, '0', '#');
        // The mantissa keeps one integer digit per "0" placeholder (at least one), so that
        // "#0.000E+00" reads 1.235E+05 like a calculator, not 12.346E+04.
        int mantissaDigits = countOf(p.integerPart, '0', '0');
        if (integerSlots > 0 && mantissaDigits < 1) mantissaDigits = 1;
        if (integerSlots == 0 && fractionSlots == 0) mantissaDigits = 1;
        if (!d.isZero()) {
            roundAtPower(d, d.lead - (mantissaDigits + fractionSlots) + 1);
            exponent = d.lead - (mantissaDigits - 1);
            d.lead = mantissaDigits - 1;
        }
    } else {
        roundAtPower(d, -fractionSlots);
    }

    bool anyNonZero = false;
    std::string body;
    body.reserve(24);
    body += renderInteger(d, p.integerPart, anyNonZero);
    if (p.hasPoint) body.push_back('.');
    body += renderFraction(d, p.fractionPart, anyNonZero);
    if (p.scientific) {
        body.push_back(p.exponentLetter);
        if (exponent < 0) {
            body.push_back('-');
        } else if (p.exponentAlwaysSigned) {
            body.push_back('+');
        }
        std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
        if (static_cast<int>(digits.size()) < p.exponentDigits) {
            digits.insert(0, static_cast<std::size_t>(p.exponentDigits) - digits.size(), '0');
        }
        body += digits;
        body += p.trailing;
    }
    // A value that rounds to nothing but zeros shows no minus: "-0.000" would read to a technician
    // as a real, tiny negative reading.
    if (d.negative && anyNonZero) body.insert(body.begin(), '-');
    return body;
}

// From 100000 on a value is written in scientific notation. Parsed once: large values can reach
// every result line of a calculation.
const Pattern& scientificPattern() {
    static const Pattern pattern = parsePattern("#0.000E+00");
    return pattern;
}

// The fixed-point patterns of the magnitude table all read "integer digits, point, n decimals":
// written directly, as every result line of every calculation passes through here.
std::string fixedDecimals(Decimal d, int decimals, std::string_view suffix) {
    roundAtPower(d, -decimals);
    // At most "-" + 5 integer digits + "." + 3 decimals + 2 blanks: the magnitude table's widest.
    char out[24];
    int n = 0;
    if (d.negative && !d.isZero()) out[n++] = '-';
    if (d.isZero() || d.lead < 0) {
        out[n++] = '0';
    } else {
        for (int power = d.lead; power >= 0; --power) out[n++] = d.digitAt(power);
    }
    out[n++] = '.';
    for (int k = 1; k <= decimals; ++k) out[n++] = d.digitAt(-k);
    for (const char c : suffix) out[n++] = c;
    return std::string(out, static_cast<std::size_t>(n));
}

// The magnitude decides the decimals: more of them for small values, fewer for large ones, so a
// result line always shows about four significant digits. The pattern is chosen from the value
// before rounding, and every bound is a power of ten, so the choice is made on the exponent of
// the leading digit.
std::string formatByMagnitude(double value, int significantDigits) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const Decimal d = toDecimal(value, significantDigits);
    if (d.isZero()) return fixedDecimals(d, 2, "");
    if (d.lead < -5) return fixedDecimals(d, 2, "  ");
    if (d.lead < 1) return fixedDecimals(d, 3, "");
    if (d.lead < 2) return fixedDecimals(d, 2, "");
    if (d.lead < 3) return fixedDecimals(d, 1, "");
    if (d.lead < 5) return fixedDecimals(d, 0, "");
    return applyPattern(d, scientificPattern());
}

}  // namespace

std::string formatDecimals(double value, int minDecimals, int maxDecimals) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    maxDecimals = std::clamp(maxDecimals, 0, 15);
    minDecimals = std::clamp(minDecimals, 0, maxDecimals);
    Decimal d = toDecimal(value, 15);
    roundAtPower(d, -maxDecimals);
    std::string out;  // short enough to stay in the string itself
    const bool whole = !d.isZero() && d.lead >= 0;
    if (d.negative && !d.isZero()) out.push_back('-');  // rounded to nothing, it has no sign
    if (!whole) {
        out.push_back('0');
    } else {
        for (int power = d.lead; power >= 0; --power) out.push_back(d.digitAt(power));
    }
    int decimals = maxDecimals;
    while (decimals > minDecimals && d.digitAt(-decimals) == '0') --decimals;
    if (decimals > 0) {
        out.push_back('.');
        for (int k = 1; k <= decimals; ++k) out.push_back(d.digitAt(-k));
    }
    return out;
}

std::string formatValue(float value) { return formatByMagnitude(static_cast<double>(value), 7); }

std::string formatValue(double value) { return formatByMagnitude(value, 15); }

std::string formatValue(std::string_view text) { return formatByMagnitude(valueOfText(text), 15); }

std::string formatPattern(double value, std::string_view pattern, int significantDigits) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return applyPattern(toDecimal(value, significantDigits), parsePattern(pattern));
}

}  // namespace corvane
