// The soft-foot limit at its edge, judged as the lift shows in each unit system.

#include "calc/judging/SoftFoot.h"

#include <gtest/gtest.h>

#include "MethodTestSupport.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"

namespace corvane {
namespace {

TEST(SoftFoot, IsALiftThatShowsOverTheLimitOfItsUnits) {
    const struct {
        float liftMils;
        UnitSystem units;
        const char* shown;
        bool soft;
    } cases[] = {
        {2.0f, UnitSystem::English, "2.0", false},
        {2.04f, UnitSystem::English, "2.0", false},
        {2.05f, UnitSystem::English, "2.1", true},
        {-4.5f, UnitSystem::English, "-4.5", true},
        // 0.05 mm is 1.9685039 mils, 0.054 mm 2.1259843, 0.055 mm 2.1653543 (25.4 µm to the mil).
        {1.9685039f, UnitSystem::Metric, "0.05", false},
        {2.1259843f, UnitSystem::Metric, "0.05", false},
        {2.1653543f, UnitSystem::Metric, "0.06", true},
        {2.1f, UnitSystem::Metric, "0.05", false},  // soft in inches, not in millimetres
    };
    for (const auto& c : cases) {
        EXPECT_EQ(liftText(c.liftMils, c.units), c.shown) << c.liftMils;
        EXPECT_EQ(isSoftFoot(c.liftMils, c.units), c.soft) << c.liftMils;
    }
}

// The lift a foot stands on now: as left once measured, else as found; the largest wins.
TEST(SoftFoot, WorstFootIsTheLargestLiftItStandsOnNow) {
    FootLedger ledger;
    ledger.foot(0, FootSide::Left) = {9.0f, SoftFootKind::Parallel, 5.0f, 1.0f};  // corrected
    ledger.foot(2, FootSide::Left).asFound = 4.5f;
    ledger.foot(3, FootSide::Right).asFound = 3.0f;
    const std::optional<SoftFootFinding> worst = worstSoftFoot(ledger, UnitSystem::English);
    ASSERT_TRUE(worst);
    EXPECT_EQ(describeSoftFoot(*worst, UnitSystem::English),
              "Soft foot at foot 3, left: 4.5 mils: correct it before taking readings.");
    EXPECT_EQ(softFootCount(ledger, UnitSystem::English), 2);
    ledger.foot(2, FootSide::Left).asLeft = 0.5f;
    ledger.foot(3, FootSide::Right).asLeft = 2.0f;
    EXPECT_FALSE(worstSoftFoot(ledger, UnitSystem::English));
}

// Readings taken on a soft foot are flagged before the dials, and the verdict says what it stood on.
TEST(SoftFoot, LeadsTheReadingsCheckAndQualifiesTheVerdict) {
    using namespace methodtest;
    const Job j = job(kMethodReverseDial, [](R& r, O&) {
        r.RPM = 3600;
        r.ReservedText = "CorvaneFeet=1;f3L=4.5,parallel,,;f4R=2.2,,,";
    });
    const std::vector<ReadingFinding> findings = checkReadings(j.record, j.options);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].kind, FindingKind::SoftFoot);
    EXPECT_EQ(findings[0].message, "Soft foot at foot 3, left: 4.5 mils: correct it before taking readings.");
    const AlignmentVerdict v = judgeAlignment(j.record, j.options, calcAlignment(j.record, j.options));
    EXPECT_EQ(verdictStatusLine(v), "Alignment: Out of tolerance at 3600 rpm (short coupling), on soft feet");
    EXPECT_EQ(
        v.softFootNote,
        "Judged on 2 soft feet, the worst foot 3, left lifts 4.5 mils; correct them and take the readings "
        "again.");
}

}  // namespace
}  // namespace corvane
