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

// The default project in millimetres: each move times 0.0254 (25 mils is 0.635 mm, 9 is 0.2286, 13 is
// 0.3302, 28 is 0.7112, 54 is 1.3716, 74 is 1.8796), shown with the same digits a mils line has, and
// "mm" padded so that both lines of a label keep their columns. Only the texts change: every move and
// every point of the graphs stays in mils and inches.
TEST(CalcAlignment, MetricTextsShowTheSameMovesInMillimetres) {
    const struct {
        int method;
        const char* vertical;
        const char* horizontal;
    } cases[] = {
        {kMethodReverseDial, "Machine Foot 3: move  0.635 mm  DOWN\r\nMachine Foot 4: move  0.635 mm  DOWN",
         "Machine Foot 3: move  0.127 mm  LEFT \r\nMachine Foot 4: move  0.127 mm  LEFT "},
        {kMethodRimFace, "NEAR Foot: move  0.229 mm  DOWN\r\nFAR Foot:  move  0.330 mm  DOWN",
         "NEAR Foot: move  0.229 mm  RIGHT\r\nFAR Foot:  move  0.330 mm  RIGHT"},
        {kMethodJackShaft, "InBoard Foot:   move  0.711 mm  UP  \r\nOutBoard Foot:  move  0.711 mm  UP  ",
         "InBoard Foot:    move  1.372 mm  LEFT \r\nOutBoard Foot:   move  1.880 mm  LEFT "},
    };
    ProjectRecord record;
    setDefaults(record);
    for (const auto& c : cases) {
        CalcOptions o;
        o.method = c.method;
        o.toleranceOn = o.autoScale = o.growthOn = true;
        const CalcResult english = calcAlignment(record, o);
        o.units = UnitSystem::Metric;
        const CalcResult metric = calcAlignment(record, o);
        EXPECT_EQ(metric.verticalText, c.vertical) << c.method;
        EXPECT_EQ(metric.horizontalText, c.horizontal) << c.method;
        EXPECT_EQ(metric.verticalMoves, english.verticalMoves);
        EXPECT_EQ(metric.horizontalMoves, english.horizontalMoves);
        EXPECT_EQ(metric.growthWritten, english.growthWritten);
        for (const auto& [m, e] :
             {std::pair{&metric.graph1, &english.graph1}, {&metric.graph2, &english.graph2}}) {
            EXPECT_EQ(m->xMax, e->xMax);
            EXPECT_EQ(m->yRange, e->yRange);
            EXPECT_EQ(m->fixedMachine, e->fixedMachine);
            EXPECT_EQ(m->moveableMachine, e->moveableMachine);
            EXPECT_EQ(m->band, e->band);
        }
    }
    // Moves of different sizes keep one width: rim and face, A = B = 20, face diameter 10, only the
    // face's 6:00 reads 100: near 100 * 20 / 10 = 200 mils (5.08 mm), far 100 * 40 / 10 = 400 (10.16).
    for (int p = 0; p < 4; ++p) record.dial1(kMethodRimFace, p) = record.dial2(kMethodRimFace, p) = 0;
    record.dial2(kMethodRimFace, 2) = 100;
    CalcOptions o;
    o.method = kMethodRimFace;
    o.units = UnitSystem::Metric;
    EXPECT_EQ(calcAlignment(record, o).verticalText,
              "NEAR Foot: move  5.080 mm  UP  \r\nFAR Foot:  move  10.16 mm  UP  ");
}

}  // namespace
}  // namespace corvane
