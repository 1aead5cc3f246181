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
        EXPECT_FALSE(r.ran || r.aborted || r.growthWritten || r.graph1.yRange || r.graph1.band);
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

}  // namespace
}  // namespace corvane
