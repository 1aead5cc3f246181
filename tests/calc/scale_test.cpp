#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/Alignment.h"

namespace corvane {
namespace {

struct NiceCase {
    double v;
    float max;
    float min;
};

TEST(NiceScale, RoundsOutwardAndInwardOnTheOneTwoFiveSeries) {
    const NiceCase cases[] = {
        {0, 0.2f, 0},  {0.15, 0.2f, 0.1f},  {0.3, 0.5f, 0.2f}, {0.5, 1, 0.2f},       {1, 1, 1},
        {1.5, 2, 1},   {2, 5, 1},           {3, 5, 2},         {5, 10, 2},           {7, 10, 5},
        {10, 10, 10},  {12, 20, 10},        {37.5, 50, 20},    {-3, -5, -2},         {144, 200, 100},
        {72, 100, 50}, {0.04, 0.2f, 0.02f}, {250, 500, 200},   {6e10, 1e11f, 5e10f},
    };
    for (const NiceCase& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(niceScaleMax(c.v), c.max);
        EXPECT_EQ(niceScaleMin(c.v), c.min);
    }
}

TEST(NiceScale, FloatInputsJustAboveAStepGoUp) {
    // 0.2f is a little more than 0.2, so it no longer fits under 0.2.
    EXPECT_EQ(niceScaleMax(0.2f), 0.5f);
    EXPECT_EQ(niceScaleMax(4.9f), 5.0f);
    EXPECT_EQ(niceScaleMax(5.0f), 10.0f);
    EXPECT_EQ(niceScaleMax(-0.2f), -0.5f);
}

TEST(NiceScale, ZeroForTheMinimumAndNoHangOnOddInput) {
    EXPECT_EQ(niceScaleMin(0), 0.0f);
    EXPECT_FALSE(std::signbit(niceScaleMin(0)));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(niceScaleMax(inf), std::numeric_limits<float>::infinity());
    EXPECT_EQ(niceScaleMin(inf), 5e10f);
    // A NaN ends both searches at once instead of looping.
    EXPECT_EQ(niceScaleMax(std::nan("")), 1.0f);
    EXPECT_EQ(niceScaleMin(std::nan("")), 1e10f);
}

TEST(Zoom, NarrowsAndWidensByATenthOfTheSpanEachSide) {
    const YRange narrowed = zoomRange({-10, 10}, false);
    EXPECT_EQ(narrowed, (YRange{-8, 8}));
    // The step 1.6 is held as a float, so the ends are 8 + 1.6f, not 9.6.
    const YRange widened = zoomRange(narrowed, true);
    EXPECT_EQ(widened.max, 8.0 + static_cast<double>(1.6f));
    EXPECT_EQ(widened.min, -8.0 - static_cast<double>(1.6f));
    EXPECT_NE(widened.max, 9.6);
    EXPECT_EQ(zoomRange({-10, 10}, true), (YRange{-12, 12}));
    // An off-centre range keeps its centre.
    EXPECT_EQ(zoomRange({0, 50}, false), (YRange{5, 45}));
}

TEST(Zoom, WideningStopsBeforeTheAxisBecomesInfinite) {
    YRange range{-10, 10};
    for (int press = 0; press < 1000; ++press) range = zoomRange(range, true);
    EXPECT_TRUE(std::isfinite(range.min));
    EXPECT_TRUE(std::isfinite(range.max));
    EXPECT_GT(range.max, 1e37);
    // ... and the range can still be narrowed back.
    const YRange narrowed = zoomRange(range, false);
    EXPECT_LT(narrowed.max, range.max);
    EXPECT_GT(narrowed.min, range.min);
}

TEST(AutoScale, RangeFollowsTheLargestMove) {
    ProjectRecord record;
    setDefaults(record);
    CalcOptions options;
    options.method = kMethodRimFace;
    options.autoScale = true;
    record.Dial1Reading = {};
    record.Dial2Reading = {};
    CalcResult r = calcAlignment(record, options);
    EXPECT_EQ(r.graph1.yRange, (YRange{-0.2f, 0.2f}));  // all moves 0
    EXPECT_EQ(r.graph2.yRange, (YRange{-0.2f, 0.2f}));

    // Reverse dial horizontal moves of exactly 5, then of 4.9.
    options.method = kMethodReverseDial;
    setDefaults(record);
    r = calcAlignment(record, options);
    EXPECT_EQ(r.graph2.yRange, (YRange{-10, 10}));
    record.dial1(0, 1) = 20.2f;
    record.dial2(0, 1) = -20.2f;
    r = calcAlignment(record, options);
    ASSERT_LT(std::fabs(r.horizontalMoves[2]), 5.0f);
    EXPECT_EQ(r.graph2.yRange, (YRange{-5, 5}));

    options.autoScale = false;
    r = calcAlignment(record, options);
    EXPECT_FALSE(r.graph1.yRange);
    EXPECT_FALSE(r.graph2.yRange);
}

}  // namespace
}  // namespace corvane
