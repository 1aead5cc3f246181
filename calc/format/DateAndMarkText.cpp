#include "calc/format/DateAndMarkText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "calc/format/Decimal.h"
#include "project/OleDate.h"

namespace corvane {

using namespace decimal;

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
