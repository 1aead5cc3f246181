#include "calc/judging/SoftFoot.h"

#include <cmath>

#include "calc/format/NumberFormat.h"

namespace corvane {

std::string liftText(float liftMils, UnitSystem units) {
    // A Single in mils rounds on its own seven digits (2.05 shows 2.1, not the 2.0 of its double);
    // in millimetres on the shortest decimal of the converted value.
    if (units == UnitSystem::Metric)
        return formatPattern(displayValue(liftMils, Quantity::Reading, units), "0.00");
    return formatPattern(liftMils, "0.0");
}

bool isSoftFoot(float liftMils, UnitSystem units) {
    if (!std::isfinite(liftMils)) return false;
    const double shown = std::fabs(valueOfText(liftText(liftMils, units)));
    return shown > (units == UnitSystem::Metric ? kSoftFootLimitMm : kSoftFootLimitMils);
}

std::optional<float> currentLift(const FootCheck& foot) { return foot.asLeft ? foot.asLeft : foot.asFound; }

std::optional<SoftFootFinding> worstSoftFoot(const FootLedger& ledger, UnitSystem units) {
    std::optional<SoftFootFinding> worst;
    for (int i = 0; i < kPhysicalFeet; ++i) {
        const FootCheck& foot = ledger.feet[static_cast<std::size_t>(i)];
        const std::optional<float> lift = currentLift(foot);
        if (!lift || !isSoftFoot(*lift, units)) continue;
        if (worst && std::fabs(*lift) <= std::fabs(worst->lift)) continue;
        worst = SoftFootFinding{i / 2, i % 2 == 0 ? FootSide::Left : FootSide::Right, *lift,
                                foot.asLeft.has_value()};
    }
    return worst;
}

int softFootCount(const FootLedger& ledger, UnitSystem units) {
    int count = 0;
    for (const FootCheck& foot : ledger.feet) {
        const std::optional<float> lift = currentLift(foot);
        if (lift && isSoftFoot(*lift, units)) ++count;
    }
    return count;
}

std::string describeSoftFoot(const SoftFootFinding& f, UnitSystem units) {
    std::string text = "Soft foot at foot ";
    text += static_cast<char>('1' + f.position);
    text += ", ";
    text += footSideName(f.side);
    text += ": ";
    text += liftText(std::fabs(f.lift), units);
    text += ' ';
    text += unitName(Quantity::Reading, units);
    text += ": correct it before taking readings.";
    return text;
}

}  // namespace corvane
