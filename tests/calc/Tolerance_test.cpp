#include <gtest/gtest.h>

#include <cmath>

#include "calc/graph/ToleranceBand.h"
#include "calc/methods/Alignment.h"

namespace corvane {
namespace {

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
