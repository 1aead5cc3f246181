// The jack shaft method on the default project (A 70, B 30, C 50; fixed-coupling face readings 0, 5,
// 4, -1 and moveable-coupling readings 0, -3, -4, -1 at 12:00, 3:00, 6:00, 9:00; face diameter 10).

#include "calc/methods/JackShaft.h"

#include <gtest/gtest.h>

#include "MethodTestSupport.h"

namespace corvane {
namespace {

using namespace methodtest;
constexpr int kJS = kMethodJackShaft;

// The two labels pad their heads differently.
std::string inOutV(const std::string& in, const std::string& out) {
    return "InBoard Foot:   move  " + in + "\r\nOutBoard Foot:  move  " + out;
}
std::string inOutH(const std::string& in, const std::string& out) {
    return "InBoard Foot:    move  " + in + "\r\nOutBoard Foot:   move  " + out;
}

TEST(JackShaft, LabelTexts) {
    const std::string ups = inOutV("28.00 mils  UP  ", "28.00 mils  UP  ");
    const std::string lefts = inOutH("54.00 mils  LEFT ", "74.00 mils  LEFT ");
    const TextCase cases[] = {
        {"defaults (the bracket side plays no part)", [](R&, O& o) { o.bracketSide = 1; }, ups, lefts},
        {"growth past the move turns it down",
         [](R& r, O& o) { o.growthOn = true, r.growth(2, 2) = 30, r.growth(2, 3) = 28; },
         inOutV("2.000 mils  DOWN", "0.00 mils  UP  "), lefts},
        {"side readings turned right",
         [](R& r, O&) { r.dial1(2, 1) = -5, r.dial1(2, 3) = 1, r.dial2(2, 1) = 3, r.dial2(2, 3) = 1; }, ups,
         inOutH("54.00 mils  RIGHT", "74.00 mils  RIGHT")},
    };
    expectTexts(kJS, cases);
}

// Vertical: the negative of the moves, level at -28. Horizontal: the moves themselves through -54 at
// 100 and -74 at 150, back to -14 at 0. Each plane's range fits its own largest move.
TEST(JackShaft, MovesAndPlots) {
    const CalcResult r = run(kJS, [](R&, O& o) { o.autoScale = true; });
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{28, 28}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{-54, -74}));
    EXPECT_FALSE(r.graph1.fixedMachine);
    EXPECT_EQ(r.graph1.moveableMachine, (PlotData{{0, 100, 150}, {-28, -28, -28}}));
    EXPECT_EQ(r.graph2.moveableMachine, (PlotData{{0, 100, 150}, {-14, -54, -74}}));
    EXPECT_EQ(r.graph1.xMax, 150);
    EXPECT_EQ(r.graph1.yRange, (YRange{-50, 50}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-100, 100}));
}

}  // namespace
}  // namespace corvane
