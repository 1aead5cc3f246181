#include "calc/Alignment.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(CalcAlignment, MethodOutsideTheThreeRunsNothing) {
    ProjectRecord record;
    setDefaults(record);
    for (int method : {-1, 3, 42}) {
        CalcOptions o;
        o.method = method;
        o.toleranceOn = o.autoScale = o.growthOn = true;
        const CalcResult r = calcAlignment(record, o);
        EXPECT_EQ(r.status, CalcStatus::NotRun);
        EXPECT_FALSE(r.growthWritten || r.graph1.yRange);
        EXPECT_EQ(r.graph1.band.state, ToleranceBand::State::NotAsked);
        EXPECT_TRUE(r.verticalText.empty());
    }
}

TEST(CalcAlignment, EachMethodReadsOnlyItsOwnReadings) {
    ProjectRecord record;
    setDefaults(record);
    CalcOptions o;
    const CalcResult before[] = {calcAlignment(record, o), (o.method = 1, calcAlignment(record, o)),
                                 (o.method = 2, calcAlignment(record, o))};
    // Spoil the readings of methods 1 and 2: the reverse dial result must not move, and so on.
    for (int m = 0; m < 3; ++m) {
        ProjectRecord spoiled = record;
        for (int other = 0; other < 3; ++other) {
            if (other == m) continue;
            for (int p = 0; p < 4; ++p) {
                spoiled.dial1(other, p) = 999;
                spoiled.dial2(other, p) = -999;
            }
            for (int k = 0; k < 5; ++k) spoiled.length(other, k) = 3;
        }
        o.method = m;
        const CalcResult after = calcAlignment(spoiled, o);
        EXPECT_EQ(after.verticalText, before[m].verticalText) << m;
        EXPECT_EQ(after.horizontalText, before[m].horizontalText) << m;
    }
}

// What corvane-cli and a window that has just opened the job calculate with: the view's choices,
// the acceptable offset of the method's span at the job's speed, and the knobs' scales.
TEST(CalcAlignment, OpeningOptionsComeFromTheViewAndTheJob) {
    ProjectRecord record;
    setDefaults(record);
    record.RPM = 1800;
    record.dial2(kMethodRimFace, 1) = -30;
    const ViewOptions view{.method = kMethodRimFace,
                           .rotation = 1,
                           .bracketSide = 1,
                           .growthOn = true,
                           .toleranceOn = true,
                           .autoScale = false};
    const CalcOptions o = openingOptions(record, view);
    EXPECT_EQ(o.method, kMethodRimFace);
    EXPECT_EQ(o.rotation, 1);
    EXPECT_EQ(o.bracketSide, 1);
    EXPECT_TRUE(o.growthOn && o.toleranceOn && !o.autoScale);
    EXPECT_EQ(o.tolerance, 16.666666f);       // A = 20 in at 1800 rpm: 20 * 1500 / 1800
    EXPECT_EQ(o.graph1Y, (YRange{-10, 10}));  // rim readings up to 10, a step of its own
    EXPECT_EQ(o.graph2Y, (YRange{-50, 50}));  // face readings up to 30
}

}  // namespace
}  // namespace corvane
