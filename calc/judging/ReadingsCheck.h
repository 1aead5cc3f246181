#pragma once

// The readings check: what a set of dial readings says about itself before any move is worked out.
// A reading that cannot be right gives a plausible but wrong result, so the technician is told
// which boxes to look at and what to do about it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/methods/Alignment.h"
#include "project/FootLedger.h"
#include "project/ProjectRecord.h"

namespace corvane {

enum class FindingKind {
    NotZeroed,  // the dial does not read 0 where the method takes it as zeroed
    Validity,   // 12:00 + 6:00 and 3:00 + 9:00 of a full turn disagree
    SagSign,    // a negative sag (reverse dial, rim and face)
    SoftFoot,   // a foot of the ledger lifts over the soft-foot limit: the readings taken on it mean little
};

struct ReadingFinding {
    FindingKind kind = FindingKind::NotZeroed;
    int method = 0;  // the method whose dial is meant: it decides the dial's name
    int dial = 0;    // 1 or 2; 0 for the sag
    // The reading boxes the finding is about, by clock position (12:00, 3:00, 6:00, 9:00).
    std::array<bool, kPositionCount> positions{};
    // Every number the sentence shows, in mils whatever the unit of the sentence.
    int zeroPosition = 0;  // NotZeroed: the clock position where the dial is taken as 0
    double reading = 0;    // NotZeroed: the reading there. SagSign: the sag as entered. SoftFoot: the lift
    int footPosition = 0;  // SoftFoot: the worst soft foot, 0..3 (foot 1..4)
    FootSide footSide = FootSide::Left;
    double sum12And6 = 0;   // Validity
    double sum3And9 = 0;    // Validity
    double difference = 0;  // Validity: sum12And6 - sum3And9, signed
    double allowed = 0;     // Validity: 1 mil or a tenth of the larger sum; a difference that shows
                            // over it to three decimals is a finding
    std::string message;    // describeFinding of the above, in the options' units
};

// The findings: the worst soft foot of the job's foot ledger first (it spoils every reading), then
// those for the dials the selected method reads, dial 1 first (not zeroed, then the
// validity rule), then dial 2, then the sag. A check whose readings are not all finite numbers is
// left out: the calculation already says that it has no result. Nothing when the method index is
// outside 0..2, and no dial finding for a reverse dial without a rotation (no reading is used).
std::vector<ReadingFinding> checkReadings(const ProjectRecord& record, const CalcOptions& options);

// The one sentence for the user, built from the finding's numbers alone, in mils or millimetres.
std::string describeFinding(const ReadingFinding& finding, UnitSystem units = UnitSystem::English);

// The dial as its method's frame names it: "Dial 1", "Rim dial", "Fixed face dial", ...
std::string_view dialName(int method, int dial);

}  // namespace corvane
