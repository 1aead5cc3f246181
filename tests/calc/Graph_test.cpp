// The graphs' data: the 1-2-5 steps and ranges, each machine's shaft line and the tolerance band.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "MethodTestSupport.h"
#include "calc/graph/Ranges.h"
#include "calc/graph/ShaftLine.h"
#include "calc/graph/ToleranceBand.h"

namespace corvane {
namespace {

using namespace methodtest;

TEST(NiceStep, RoundsOutwardAndInwardOnTheOneTwoFiveSeries) {
    const struct {
        double v;
        float max;
        float min;
    } cases[] = {
        {0, 0.2f, 0}, {0.15, 0.2f, 0.1f}, {0.5, 1, 0.2f},      {1, 1, 1},
        {2, 5, 1},    {7, 10, 5},         {12, 20, 10},        {37.5, 50, 20},
        {-3, -5, -2}, {144, 200, 100},    {0.04, 0.2f, 0.02f}, {6e10, 1e11f, 5e10f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(niceStepAbove(c.v), c.max) << c.v;
        EXPECT_EQ(niceStepBelow(c.v), c.min) << c.v;
    }
    EXPECT_FALSE(std::signbit(niceStepBelow(0)));
    // 0.2f is a little more than 0.2, so it no longer fits under 0.2.
    EXPECT_EQ(niceStepAbove(0.2f), 0.5f);
    EXPECT_EQ(niceStepAbove(4.9f), 5.0f);
}

TEST(NiceStep, OddInputEndsTheSearchInsteadOfHanging) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(niceStepAbove(inf), std::numeric_limits<float>::infinity());
    EXPECT_EQ(niceStepBelow(inf), 5e10f);
    EXPECT_EQ(niceStepAbove(std::nan("")), 1.0f);
    EXPECT_EQ(niceStepBelow(std::nan("")), 1e10f);
}

TEST(RangeStep, NarrowsAndWidensByATenthOfTheSpanEachSideAndStaysFinite) {
    EXPECT_EQ(stepRange({-10, 10}, false), (YRange{-8, 8}));
    EXPECT_EQ(stepRange({-10, 10}, true), (YRange{-12, 12}));

    YRange range{-10, 10};
    for (int press = 0; press < 1000; ++press) range = stepRange(range, true);
    EXPECT_TRUE(std::isfinite(range.min) && std::isfinite(range.max));
    EXPECT_GT(range.max, 1e37);
    EXPECT_LT(stepRange(range, false).max, range.max);
}

// With AutoScale each method's plots test pins the range; without it the user's range stays. Moves
// that a float holds but whose 1-2-5 step does not: the graphs keep their range rather than take an
// infinite one.
TEST(AutoScale, TheRangeIsLeftAloneWhenOffOrNearTheTopOfTheFloatRange) {
    const CalcResult off = run(kMethodReverseDial, {});
    EXPECT_FALSE(off.graph1.yRange || off.graph2.yRange);
    // Face 6:00 of 1e38 over a face of 10: near foot (20 in) 2e38 mils up, far foot (20.5 in) 2.05e38.
    const CalcResult r = run(kMethodRimFace, [](R& p, O& o) {
        p.dial2(kMethodRimFace, 2) = 1e38f;
        p.length(kMethodRimFace, 1) = 0.5f;
        o.autoScale = true;
    });
    ASSERT_TRUE(r.hasResult()) << r.verticalText;
    EXPECT_FLOAT_EQ(r.verticalMoves[1], 2.05e38f);
    EXPECT_FALSE(r.graph1.yRange);
    // The horizontal plane is ordinary (9 and 9.1 mils): its range still follows it.
    EXPECT_EQ(r.graph2.yRange, (YRange{-10, 10}));
}

// The knobs of a dial span the 1-2-5 step above its largest reading, both ways, in 200 steps; the
// thermometers the steps around the foot's two temperatures.
TEST(DialRanges, KnobsFitTheirDialAndThermometersTheirFoot) {
    ProjectRecord r;
    setDefaults(r);
    EXPECT_EQ(knobRange(r, kMethodReverseDial, 1), (DialRange{-100, 100, 1}));  // largest reading 50
    r.dial2(kMethodReverseDial, 3) = -250;
    EXPECT_EQ(knobRange(r, kMethodReverseDial, 2), (DialRange{-500, 500, 5}));
    EXPECT_EQ(knobRange(r, kMethodRimFace, 2), (DialRange{-5, 5, 0.05}));  // face readings of 2
    const struct {
        float hot, cold;
        DialRange range;
    } feet[] = {
        {144, 72, {50, 200, 0.75}},    {72, 144, {50, 200, 0.75}},  // running colder than ambient
        {100, 100, {100, 101, 0.005}},                              // equal on a 1-2-5 mark: one degree high
        {-20, -40, {-50, -10, 0.2}},                                // a frosty ambient stays on the range
        {30, -40, {-50, 50, 0.5}},
    };
    for (const auto& c : feet) EXPECT_EQ(thermometerRange(c.hot, c.cold), c.range) << c.hot << " " << c.cold;
}

// Metric knobs stand on the 1-2-5 series of millimetres and step in whole hundredths, the finest a
// metric dial reads, so that a turned knob gives a reading its box shows exactly.
TEST(DialRanges, MetricKnobsStepInHundredthsOfAMillimetre) {
    // The jack shaft's moveable face dial with one reading, in mils, as its largest.
    const auto metricKnob = [](float largest) {
        ProjectRecord record;
        setDefaults(record);
        for (int p = 0; p < 4; ++p) record.dial2(kMethodJackShaft, p) = 0;
        record.dial2(kMethodJackShaft, 2) = largest;
        return knobRange(record, kMethodJackShaft, 2, UnitSystem::Metric);
    };
    EXPECT_EQ(metricKnob(10), (DialRange{-0.5, 0.5, 0.01}));  // 0.254 mm: a hundredth, not 0.005
    EXPECT_EQ(metricKnob(-500), (DialRange{-20, 20, 0.2}));   // 12.7 mm, whatever the sign
}

TEST(ShaftPlot, DrawsBothFeetAndCarriesTheLineFromTheOutboardFoot) {
    const struct {
        const char* name;
        MachineShaft shaft;
        float reach;
        PlotData expected;
    } cases[] = {
        {"left to right", {0, 1, 10, 3}, 20, {{0, 10, 20}, {1, 3, 5}}},
        {"right to left", {40, -2, 30, 0}, 10, {{40, 30, 10}, {-2, 0, 4}}},
        {"back to the coupling plane", {30, -6, 20, -4}, 0, {{30, 20, 0}, {-6, -4, 0}}},
        {"feet at one place: level at the outboard foot", {5, 2, 5, 7}, 15, {{5, 5, 15}, {2, 7, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(shaftPlot(c.shaft, c.reach), c.expected) << c.name;

    const PlotData zero = shaftPlot({0, -0.0F, 10, -0.0F}, 20);
    for (const float y : zero.y) EXPECT_FALSE(std::signbit(y)) << "no -0 reaches the graph";
}

TEST(Tolerance, BandSpansTheMeasuringPlanesOfEachMethodAndIsClearedWhenNotFinite) {
    ProjectRecord r;
    setDefaults(r);
    const struct {
        int method;
        float span, x1, x2;
    } cases[] = {
        {kMethodReverseDial, 10, 25, 35}, {kMethodRimFace, 20, 0, 20}, {kMethodJackShaft, 70, 0, 70}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(toleranceSpan(r, c.method), c.span);
        const PlotData band = toleranceBand(r, c.method, 4.5f);
        EXPECT_EQ(band.x, (std::vector<float>{c.x1, c.x2, c.x2, c.x1, c.x1}));
        EXPECT_EQ(band.y, (std::vector<float>{4.5f, 4.5f, -4.5f, -4.5f, 4.5f}));
    }
    for (float y : toleranceBand(r, kMethodRimFace, 0).y) EXPECT_FALSE(std::signbit(y));
    // A speed of 0 gives no band rather than an infinite one; one that is not finite is cleared, not
    // left as it was.
    EXPECT_EQ(calcTolerance(10, 0), 0.0f);
    CalcOptions o;
    o.toleranceOn = true;
    o.tolerance = NAN;
    const CalcResult cleared = calcAlignment(r, o);
    EXPECT_TRUE(cleared.hasResult());
    EXPECT_EQ(cleared.graph1.band.state, ToleranceBand::State::Cleared);
    EXPECT_TRUE(cleared.graph1.band.corners.x.empty());
}

}  // namespace
}  // namespace corvane
