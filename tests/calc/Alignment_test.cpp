#include "calc/methods/Alignment.h"

#include <gtest/gtest.h>

#include <cmath>

#include "MethodTestSupport.h"

namespace corvane {
namespace {

using namespace methodtest;
constexpr int kRD = kMethodReverseDial, kRF = kMethodRimFace, kJS = kMethodJackShaft;

// What corvane-cli and a window that has just opened the job calculate with: the acceptable offset
// of the method's span at the job's speed and the knobs' scales (the view's choices are carried
// through as corvane-cli's calc tests show).
TEST(CalcAlignment, OpeningOptionsComeFromTheViewAndTheJob) {
    ProjectRecord record;
    setDefaults(record);
    record.RPM = 1800;
    record.dial2(kMethodRimFace, 1) = -30;
    const CalcOptions o = openingOptions(record, ViewOptions{.method = kMethodRimFace});
    EXPECT_EQ(o.tolerance, 16.666666f);       // A = 20 in at 1800 rpm: 20 * 1500 / 1800
    EXPECT_EQ(o.graph1Y, (YRange{-10, 10}));  // rim readings up to 10, a step of its own
    EXPECT_EQ(o.graph2Y, (YRange{-50, 50}));  // face readings up to 30
}

// Inputs that leave no finite result: both labels say why, and no moves, machine lines or new range
// are left to draw. The X axis still ends where the lengths put it (reverse dial 60, rim and face
// 40, jack shaft 150 by default), and the tolerance band still shows unless its distance failed.
TEST(CalcAlignment, InputsWithoutAResultShowWhyAndNoNumbers) {
    const struct {
        int method;
        std::function<void(R&)> change;
        const char* text;
        float xMax;
        bool bandDrawn = true;
    } cases[] = {
        {kRD, [](R& r) { r.dial2(kRD, 1) = NAN; }, "No result: a dial reading is not a finite number", 60},
        {kRD, [](R& r) { r.length(kRD, 3) = INFINITY; }, "No result: a length is not a finite number",
         INFINITY},
        {kRD, [](R& r) { r.Sag = NAN; }, "No result: the sag is not a finite number", 60},
        // Reverse dial reads the growth of all four feet, the others only of feet 2 and 3.
        {kRD, [](R& r) { r.growth(kRD, 0) = INFINITY; }, "No result: a growth value is not a finite number",
         60},
        {kJS, [](R& r) { r.growth(kJS, 3) = NAN; }, "No result: a growth value is not a finite number", 150},
        {kRD, [](R& r) { r.dial1(kRD, 2) = r.Sag = 3e38f; },
         "No result: the numbers are too large to calculate with", 60},
        {kRF, [](R& r) { r.FaceDia1 = 1e-44f; }, "No result: the numbers are too large to calculate with",
         40},
        {kRF, [](R& r) { r.FaceDia1 = 0; }, "No result: the face diameter is 0", 40},
        {kJS, [](R& r) { r.FaceDia2 = 0; }, "No result: the face diameter is 0", 150},
        {kRF, [](R& r) { r.FaceDia1 = INFINITY; }, "No result: the face diameter is not a finite number", 40},
        {kRF, [](R& r) { r.length(kRF, 1) = 1e-7f; }, "No result: distance B is 0", 20},
        {kJS, [](R& r) { r.length(kJS, 2) = 0; }, "No result: distance C is 0", 100},
        {kRF, [](R& r) { r.length(kRF, 0) = NAN; }, "No result: a length is not a finite number", NAN, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.method) + " " + c.text);
        const CalcResult r = run(c.method, [&](R& p, O& o) {
            c.change(p);
            o.growthOn = o.autoScale = o.toleranceOn = true;
            o.tolerance = 2;
        });
        EXPECT_EQ(r.status, CalcStatus::NoResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty() && r.horizontalMoves.empty());
        for (const GraphResult* g : {&r.graph1, &r.graph2}) {
            EXPECT_FALSE(g->fixedMachine || g->moveableMachine);
            EXPECT_FALSE(g->yRange) << "the user's range stays when there is nothing to scale to";
            EXPECT_TRUE(g->xMax == c.xMax || (std::isnan(g->xMax) && std::isnan(c.xMax))) << g->xMax;
            EXPECT_EQ(g->band.state,
                      c.bandDrawn ? ToleranceBand::State::Drawn : ToleranceBand::State::Cleared);
            EXPECT_EQ(g->band.corners.y,
                      (c.bandDrawn ? std::vector<float>{2, 2, -2, -2, 2} : std::vector<float>{}));
        }
    }
}

}  // namespace
}  // namespace corvane
