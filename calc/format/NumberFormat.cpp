#include "calc/format/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "project/OleDate.h"

namespace corvane {

namespace {

// At most this many significant digits are kept: a double carries 17, and one more for a carry.
constexpr int kMostDigits = 40;

// The digits of a Decimal, held in place: a number is formatted after every keystroke, for every
// result line and every finding, and none of that should reach the heap.
class Digits {
public:
    bool empty() const { return size_ == 0; }
    int size() const { return size_; }
    char operator[](int i) const { return data_[static_cast<std::size_t>(i)]; }
    char& operator[](int i) { return data_[static_cast<std::size_t>(i)]; }
    char back() const { return data_[static_cast<std::size_t>(size_ - 1)]; }
    void popBack() { --size_; }
    void clear() { size_ = 0; }
    void resize(int n) { size_ = n; }
    void append(std::string_view text) {
        const int n = std::min(static_cast<int>(text.size()), kMostDigits - size_);
        std::copy_n(text.data(), n, data_.data() + size_);
        size_ += n;
    }
    // A carry out of the leading digit: 9.99 -> 10.0.
    void prependOne() {
        std::copy_backward(data_.data(), data_.data() + std::min(size_, kMostDigits - 1),
                           data_.data() + std::min(size_ + 1, kMostDigits));
        data_[0] = '1';
        size_ = std::min(size_ + 1, kMostDigits);
    }
    std::string_view view() const { return {data_.data(), static_cast<std::size_t>(size_)}; }

private:
    std::array<char, kMostDigits> data_{};
    int size_ = 0;
};

// A finite number as decimal digits: value = 0.d1d2d3... scaled so that the first digit d1 stands
// at the power of ten `lead`. Zero is the empty digit string.
struct Decimal {
    bool negative = false;
    Digits digits;  // no leading or trailing zeros
    int lead = 0;   // power of ten of digits[0]

    bool isZero() const { return digits.empty(); }
    // The digit at the power of ten `power`, 0 outside the digit string.
    char digitAt(int power) const {
        const int index = lead - power;
        if (index < 0 || index >= digits.size()) return '0';
        return digits[index];
    }
};

void trimTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.popBack();
}

// Adds one at the last kept digit, carrying through nines.
void roundUp(Decimal& d) {
    int i = d.digits.size() - 1;
    while (i >= 0 && d.digits[i] == '9') {
        d.digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.digits[i];
    } else {
        // 9.99 -> 10.0: a new leading digit; also 0.5 at keep == 0 becomes 1 at `lowest`.
        d.digits.prependOne();
        ++d.lead;
    }
}

// Keeps the digits down to the power of ten `lowest`, rounding half away from zero on the decimal
// digits themselves. The digit string is a magnitude, so rounding up means away from zero.
void roundAtPower(Decimal& d, int lowest) {
    if (d.isZero()) return;
    const int keep = d.lead - lowest + 1;  // digits that survive
    if (keep >= d.digits.size()) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) roundUp(d);
    trimTrailingZeros(d);
    if (d.isZero()) d.lead = 0;
}

// The value's text with `significantDigits` significant digits. The exact binary value is
// expanded first and then rounded on its digits, so a tie in the binary value itself also goes
// away from zero, never to even.
Decimal toDecimal(double value, int significantDigits) {
    Decimal d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) return d;
    // Enough for the kept digits and four more; the exact expansion of a double (up to 767
    // significant digits) only where those four read as a tie.
    std::array<char, 64> near;
    std::array<char, 800> exact;
    char* buffer = near.data();
    const int keep = std::clamp(significantDigits, 1, kMostDigits - 1);
    auto res = std::to_chars(near.data(), near.data() + near.size(), magnitude, std::chars_format::scientific,
                             keep + 3);
    {
        // digits after the kept ones: index keep+1 (skip the point) .. 'e'
        const char* tail = near.data() + 1 + keep;  // first digit beyond the kept ones
        const bool nearTie = tail[0] == '5' && tail[1] == '0' && tail[2] == '0' && tail[3] == '0';
        if (nearTie) {
            buffer = exact.data();
            res = std::to_chars(exact.data(), exact.data() + exact.size(), magnitude,
                                std::chars_format::scientific, 770);
        }
    }
    const std::string_view text(buffer, static_cast<std::size_t>(res.ptr - buffer));
    // "d.ddddde+XX": the digits are the first one and those after the point.
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    d.lead = exponent;
    // The digits beyond the kept ones decide the rounding where they stand, so that only the kept
    // ones are copied: rounding up when the first of them is 5 or more is rounding half away from
    // zero on the exact expansion.
    const std::string_view after = e > 2 ? text.substr(2, e - 2) : std::string_view();
    d.digits.append(text.substr(0, 1));
    const bool up =
        static_cast<int>(after.size()) >= keep && after[static_cast<std::size_t>(keep - 1)] >= '5';
    d.digits.append(after.substr(0, std::min(after.size(), static_cast<std::size_t>(keep - 1))));
    if (up) roundUp(d);
    trimTrailingZeros(d);
    if (d.isZero()) d.lead = 0;
    return d;
}

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

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
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

namespace {

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

std::string formatValue(float value) { return formatByMagnitude(static_cast<double>(value), 7); }

std::string formatValue(double value) { return formatByMagnitude(value, 15); }

std::string formatValue(std::string_view text) { return formatByMagnitude(valueOfText(text), 15); }

std::string formatPattern(double value, std::string_view pattern, int significantDigits) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return applyPattern(toDecimal(value, significantDigits), parsePattern(pattern));
}

std::string formatDateTime(double oleDate) {
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const DateTimeParts t = oleDateToParts(oleDate);
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d-%s-%04d %02d:%02d:%02d", t.day,
                  kMonths[static_cast<std::size_t>(t.month - 1)], t.year, t.hour, t.minute, t.second);
    return buffer.data();
}

std::string formatScaleMark(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const Decimal d = toDecimal(value, 6);
    if (d.isZero()) return "0";
    std::string out = d.negative ? "-" : "";
    // d.lead is the power of ten of the first digit.
    if (d.lead >= 6 || d.lead < -4) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out += d.digits.view().substr(1);
        }
        const int e = d.lead;
        out += e < 0 ? "e-" : "e+";
        const int a = e < 0 ? -e : e;
        if (a < 10) out += '0';
        out += std::to_string(a);
        return out;
    }
    if (d.lead < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.lead - 1), '0');
        out += d.digits.view();
        return out;
    }
    for (int power = d.lead; power >= 0; --power) out += d.digitAt(power);
    const int decimals = d.digits.size() - d.lead - 1;
    if (decimals > 0) {
        out += '.';
        for (int k = 1; k <= decimals; ++k) out += d.digitAt(-k);
    }
    return out;
}

}  // namespace corvane
