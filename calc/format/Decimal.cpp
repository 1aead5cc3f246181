#include "calc/format/Decimal.h"

#include <charconv>
#include <cmath>

namespace corvane::decimal {

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

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace corvane::decimal
