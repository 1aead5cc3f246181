#pragma once

// Soft foot: a machine foot that does not sit flat on its base. Tightening its bolt springs the
// casing, which moves the shaft and strains the bearings, so every reading taken on it is wrong by
// an amount that changes with each bolt. It is checked and corrected before the readings.

#include <optional>
#include <string>

#include "calc/format/Units.h"
#include "project/FootLedger.h"

namespace corvane {

// The limit the lift of a loosened foot may reach: 0.002 in (2.0 mils), 0.05 mm in metric units,
// as API Recommended Practice 686 (Machinery Installation and Installation Design) and the
// alignment handbooks that follow it give it. The two are not the same length (0.05 mm is 1.97
// mils): each unit system judges against its own round figure, as its feeler gauges read.
inline constexpr double kSoftFootLimitMils = 2.0;
inline constexpr double kSoftFootLimitMm = 0.05;

// A lift as the Feet window and the texts show it: mils to one decimal ("4.5"), millimetres to the
// hundredths of a metric dial ("0.11").
std::string liftText(float liftMils, UnitSystem units);

// True when the lift shows over the limit of its unit system: a lift is judged as the technician
// reads it, so 2.04 mils (shown 2.0) is sound and 2.05 (shown 2.1) is soft.
bool isSoftFoot(float liftMils, UnitSystem units);

// The lift a foot stands on now: as left once it has been measured after correcting, else as found.
std::optional<float> currentLift(const FootCheck& foot);

struct SoftFootFinding {
    int position = 0;  // 0..3, foot 1..4
    FootSide side = FootSide::Left;
    float lift = 0;  // mils
    bool asLeft = false;
};

// The soft foot with the largest current lift; the first in foot order on a tie. None when no
// foot is soft.
std::optional<SoftFootFinding> worstSoftFoot(const FootLedger& ledger, UnitSystem units);

// How many feet are soft now.
int softFootCount(const FootLedger& ledger, UnitSystem units);

// "Soft foot at foot 3, left: 4.5 mils: correct it before taking readings."
std::string describeSoftFoot(const SoftFootFinding& finding, UnitSystem units);

}  // namespace corvane
