// The rim-and-face method on the default project (A 20, B 20; rim readings 0, 10, 10, 0 and face
// readings 0, -2, -2, 0 at 12:00, 3:00, 6:00, 9:00; face diameter 10).

#include "calc/RimFace.h"

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
        {"readings zero", zeroReadings, nearFar("0.00 mils  UP  ", "0.00 mils  UP  "),
         nearFar("0.00 mils   LEFT", "0.00 mils   LEFT")},
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
    };
    expectTexts(kRF, cases);
}

// The moveable shaft's line through its two feet, back to the coupling plane at x = 0: half the rim
// reading there (growth off). The graphs show the negative of the moves; a move right is negative.
TEST(RimFace, MovesAndPlots) {
    using V = std::vector<float>;
    const struct {
        const char* name;
        Edit edit;
        V vertical, horizontal;  // near, far
        PlotData shaftV, shaftH;
        double verticalRange, horizontalRange;
    } cases[] = {
        {.name = "fixed side",
         .edit = side(0),
         .vertical = {-9, -13},
         .horizontal = {-9, -13},
         .shaftV = {{0, 20, 40}, {5, 9, 13}},
         .shaftH = {{0, 20, 40}, {5, 9, 13}},
         .verticalRange = 20,
         .horizontalRange = 20},
        {.name = "moveable side",
         .edit = side(1),
         .vertical = {1, -3},
         .horizontal = {1, -3},
         .shaftV = {{0, 20, 40}, {-5, -1, 3}},
         .shaftH = {{0, 20, 40}, {-5, -1, 3}},
         .verticalRange = 5,
         .horizontalRange = 5},
        {.name = "A 10 and B 30",
         .edit = [](R& r, O&) { r.length(1, 0) = 10, r.length(1, 1) = 30; },
         .vertical = {-7, -13},
         .horizontal = {-7, -13},
         .shaftV = {{0, 10, 40}, {5, 7, 13}},
         .shaftH = {{0, 10, 40}, {5, 7, 13}},
         .verticalRange = 20,
         .horizontalRange = 20},
        // Rim 3:00 of 100: RH = 100, so the side moves are -4 - 50 = -54 and -8 - 50 = -58, in another
        // 1-2-5 step than the shims.
        {.name = "a side reading of 100",
         .edit = [](R& r, O&) { r.dial1(1, 1) = 100; },
         .vertical = {-9, -13},
         .horizontal = {-54, -58},
         .shaftV = {{0, 20, 40}, {5, 9, 13}},
         .shaftH = {{0, 20, 40}, {50, 54, 58}},
         .verticalRange = 20,
         .horizontalRange = 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = run(kRF, [&](R& p, O& o) {
            o.autoScale = true;
            if (c.edit) c.edit(p, o);
        });
        EXPECT_EQ(r.verticalMoves, c.vertical);
        EXPECT_EQ(r.horizontalMoves, c.horizontal);
        EXPECT_FALSE(r.graph1.fixedMachine || r.graph2.fixedMachine);
        EXPECT_EQ(r.graph1.moveableMachine, c.shaftV);
        EXPECT_EQ(r.graph2.moveableMachine, c.shaftH);
        EXPECT_EQ(r.graph1.xMax, c.shaftV.x.back());
        EXPECT_EQ(r.graph1.yRange, (YRange{-c.verticalRange, c.verticalRange}));
        EXPECT_EQ(r.graph2.yRange, (YRange{-c.horizontalRange, c.horizontalRange}));
    }
}

}  // namespace
}  // namespace corvane
