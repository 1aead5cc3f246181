#include "calc/methods/Growth.h"

#include <gtest/gtest.h>

#include "calc/format/NumberFormat.h"

namespace corvane {
namespace {

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
}

// Apply and a growth typed in the main window: the two-foot methods keep their two feet twice, as
// feet 0 and 1 (the window's boxes) and as feet 2 and 3 (what their calculations read).
TEST(Growth, TheTwoFootMethodsKeepTheirFeetWhereBothTheBoxesAndTheCalculationsReadThem) {
    const std::array<float, kGrowthFeet> computed{3, 5, 0, 0, 0, 0};
    ProjectRecord r;
    storeAppliedGrowth(r, kMethodRimFace, computed);
    EXPECT_EQ((std::array<float, 6>{r.growth(1, 0), r.growth(1, 1), r.growth(1, 2), r.growth(1, 3),
                                    r.growth(1, 4), r.growth(1, 5)}),
              (std::array<float, 6>{3, 5, 3, 5, 0, 0}));
    storeAppliedGrowth(r, kMethodReverseDial, {1, 2, 3, 4, 0, 0});
    EXPECT_EQ(r.growth(0, 2), 3.0f);
    EXPECT_EQ(r.growth(1, 2), 3.0f) << "another method's growth stays";

    const struct {
        int method, box, foot;
        int alsoStoredAt;  // -1: nowhere else
    } boxes[] = {{kMethodReverseDial, 3, 3, -1},
                 {kMethodRimFace, 2, 0, 2},
                 {kMethodJackShaft, 3, 1, 3},
                 {kMethodJackShaft, 1, -1, -1}};
    for (const auto& c : boxes) {
        SCOPED_TRACE(c.method * 10 + c.box);
        EXPECT_EQ(growthFootOfBox(c.method, c.box), c.foot);
        ProjectRecord typed;
        storeTypedGrowth(typed, c.method, c.box, 7.5f);
        int stored = 0;
        for (float g : typed.Growth) stored += g == 7.5f;
        EXPECT_EQ(stored, c.foot < 0 ? 0 : (c.alsoStoredAt < 0 ? 1 : 2));
        if (c.foot >= 0) {
            EXPECT_EQ(typed.growth(c.method, c.foot), 7.5f);
        }
        if (c.alsoStoredAt >= 0) {
            EXPECT_EQ(typed.growth(c.method, c.alsoStoredAt), 7.5f);
        }
    }
}

}  // namespace
}  // namespace corvane
