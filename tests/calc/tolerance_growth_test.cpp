#include <gtest/gtest.h>

#include <cmath>

#include "calc/Alignment.h"
#include "calc/NumberFormat.h"

namespace corvane {
namespace {

TEST(Tolerance, FifteenHundredMilsPerInchOverTheSpeed) {
    EXPECT_EQ(calcTolerance(10, 3600), 4.1666665f);
    EXPECT_EQ(calcTolerance(10, 1800), 8.333333f);
    EXPECT_EQ(calcTolerance(10, 0), 0.0f);
    EXPECT_EQ(calcTolerance(-10, 3600), -4.1666665f);
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

        CalcOptions o;
        o.method = c.method;
        o.toleranceOn = true;
        o.tolerance = 4.5f;
        const CalcResult result = calcAlignment(r, o);
        EXPECT_EQ(result.graph1.band, band);
        EXPECT_EQ(result.graph2.band, band);
        o.toleranceOn = false;
        EXPECT_FALSE(calcAlignment(r, o).graph1.band);
    }
    for (float y : toleranceBand(r, kMethodRimFace, 0).y) EXPECT_FALSE(std::signbit(y));
    // A band that is not finite is cleared, not left as it was.
    CalcOptions o;
    o.toleranceOn = true;
    o.tolerance = NAN;
    const CalcResult result = calcAlignment(r, o);
    EXPECT_TRUE(result.hasResult);
    ASSERT_TRUE(result.graph1.band);
    EXPECT_TRUE(result.graph1.band->x.empty());
}

TEST(FootGrowth, HeightTimesTemperatureRiseTimesTheMaterial) {
    const struct {
        float hot, cold, height;
        int material;
        float growth;
        const char* shown;
    } cases[] = {
        {144, 72, 10, 0, 4.68000031f, "4.680"},  // steel
        {144, 72, 10, 1, 9.432f, "9.432"},       // aluminium
        {144, 72, 10, 2, 720 * 0.0067f, "4.824"},
        {144, 72, 10, 3, 720 * 0.006f, "4.320"},
        {144, 72, 10, 4, 720, "720.0"},  // unknown material: the rise in inch-degrees, unscaled
        {144, 72, 10, -1, 720, "720.0"},
        {60, 72, 10, 0, -120 * 0.0065f, "-0.780"},  // running colder than ambient: the foot sinks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.material);
        const float g = footGrowth(c.hot, c.cold, c.height, c.material);
        EXPECT_EQ(g, c.growth);
        EXPECT_EQ(formatValue(g), c.shown);
    }
    // A small ambient reading against a large operating one: the float difference would round first.
    const double wide = (static_cast<double>(144.0f) - 0.001f) * 0.75f;
    EXPECT_EQ(footGrowth(144, 0.001f, 0.75f, 9), static_cast<float>(wide));
    EXPECT_NE((144.0f - 0.001f) * 0.75f, static_cast<float>(wide))
        << "inputs no longer tell float from double";
}

}  // namespace
}  // namespace corvane
