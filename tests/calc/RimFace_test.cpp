// The rim-and-face method on the default project (A 20, B 20; rim readings 0, 10, 10, 0 and face
// readings 0, -2, -2, 0 at 12:00, 3:00, 6:00, 9:00; face diameter 10).

#include "calc/methods/RimFace.h"

#include <gtest/gtest.h>

#include "MethodTestSupport.h"

namespace corvane {
namespace {

using namespace methodtest;
constexpr int kRF = kMethodRimFace;

Edit side(int bracketSide) {
    return [=](R&, O& o) { o.bracketSide = bracketSide; };
}

std::string nearFar(const std::string& nearMove, const std::string& farMove) {
    return "NEAR Foot: move  " + nearMove + "\r\nFAR Foot:  move  " + farMove;
}

TEST(RimFace, LabelTexts) {
    const std::string rights = nearFar("9.000 mils  RIGHT", "13.00 mils  RIGHT");
    const TextCase cases[] = {
        {"bracket on the fixed machine", side(0), nearFar("9.000 mils  DOWN", "13.00 mils  DOWN"), rights},
        {"bracket on the moveable machine", side(1), nearFar("1.000 mils  UP  ", "3.000 mils  DOWN"),
         nearFar("1.000 mils   LEFT", "3.000 mils  RIGHT")},
        // A zero move, even a -0, takes the word of moves at or above 0 (the jack shaft's layout too).
        {"readings zero", [](R& r, O&) { r.Dial1Reading = r.Dial2Reading = {}; },
         nearFar("0.00 mils  UP  ", "0.00 mils  UP  "), nearFar("0.00 mils   LEFT", "0.00 mils   LEFT")},
        // Feet 0 and 1 are the growth window's copies, not read here.
        {"growth",
         [](R& r, O& o) {
             o.growthOn = true, r.growth(1, 2) = 1.5f, r.growth(1, 3) = 2, r.growth(1, 0) = 100;
         },
         nearFar("10.50 mils  DOWN", "15.00 mils  DOWN"), rights},
        // Without a bracket side nothing is divided by the face diameter.
        {"no bracket side",
         [](R& r, O& o) {
             o.bracketSide = -1, o.growthOn = true, r.growth(1, 2) = 2, r.growth(1, 3) = 3, r.FaceDia1 = 0;
         },
         nearFar("2.000 mils  DOWN", "3.000 mils  DOWN"), nearFar("0.00 mils   LEFT", "0.00 mils   LEFT")},
        // Each move times 0.0254 (9 mils is 0.2286 mm, 13 is 0.3302), with the digits a mils line has.
        {"metric", [](R&, O& o) { o.units = UnitSystem::Metric; },
         nearFar("0.229 mm  DOWN", "0.330 mm  DOWN"), nearFar("0.229 mm  RIGHT", "0.330 mm  RIGHT")},
    };
    expectTexts(kRF, cases);
}

// The moveable shaft's line through its two feet, back to the coupling plane at x = 0: half the rim
// reading there (growth off). The graphs show the negative of the moves; a move right is negative.
// A rim 3:00 reading of 100 sets the planes apart: RH = 100, so the side moves are -4 - 50 = -54 and
// -8 - 50 = -58, in another 1-2-5 step than the shims.
TEST(RimFace, MovesAndPlots) {
    // In millimetres only the texts change: the moves and the graphs stay in mils and inches.
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        const CalcResult r = run(kRF, [&](R& p, O& o) {
            o.autoScale = true;
            o.units = units;
            p.dial1(kRF, 1) = 100;
        });
        EXPECT_EQ(r.verticalMoves, (std::vector<float>{-9, -13}));
        EXPECT_EQ(r.horizontalMoves, (std::vector<float>{-54, -58}));
        EXPECT_FALSE(r.graph1.fixedMachine || r.graph2.fixedMachine);
        EXPECT_EQ(r.graph1.moveableMachine, (PlotData{{0, 20, 40}, {5, 9, 13}}));
        EXPECT_EQ(r.graph2.moveableMachine, (PlotData{{0, 20, 40}, {50, 54, 58}}));
        EXPECT_EQ(r.graph1.xMax, 40);
        EXPECT_EQ(r.graph1.yRange, (YRange{-20, 20}));
        EXPECT_EQ(r.graph2.yRange, (YRange{-100, 100}));
    }
}

// The bar sag is added to the rim's 6:00 reading, as the reverse dial adds its sag to its 6:00
// readings: the rim offset at the coupling, half the bottom reading, grows by half the sag. On the
// default job (rim 6:00 reading 10, face term -4 at the near and -8 at the far foot) a sag of 4 makes
// the half rim reading 7 instead of 5. Only the vertical plane moves.
TEST(RimFace, SagIsAddedToTheRimBottomReading) {
    const auto sag = [](const char* line) { return [=](R& r, O&) { r.ReservedText = line; }; };
    const std::string rights = nearFar("9.000 mils  RIGHT", "13.00 mils  RIGHT");
    const TextCase cases[] = {
        {"bracket on the fixed machine", sag("CorvaneSag=1;rimface=4"),
         nearFar("11.00 mils  DOWN", "15.00 mils  DOWN"), rights},
        {"bracket on the moveable machine", with(side(1), sag("CorvaneSag=1;rimface=4")),
         nearFar("3.000 mils  UP  ", "1.000 mils  DOWN"), nearFar("1.000 mils   LEFT", "3.000 mils  RIGHT")},
        {"a fraction of a mil, after the view line and before another tool's text",
         sag("CorvaneView=1;method=1\nCorvaneSag=1;rimface=0.5\nnotes"),
         nearFar("9.250 mils  DOWN", "13.25 mils  DOWN"), rights},
        // The reverse dial's sag field is not the rim-and-face bracket's.
        {"the reverse dial's sag", [](R& r, O&) { r.Sag = 4; },
         nearFar("9.000 mils  DOWN", "13.00 mils  DOWN"), rights},
        {"a later version is not guessed at", sag("CorvaneSag=2;rimface=4"),
         nearFar("9.000 mils  DOWN", "13.00 mils  DOWN"), rights},
    };
    expectTexts(kRF, cases);
}

}  // namespace
}  // namespace corvane
