// The reverse dial method on the default project (A..E 20, 5, 10, 5, 20; dial 1 reads 0, 20, 50, 30
// and dial 2 0, -20, -50, -30 at 12:00, 3:00, 6:00, 9:00; feet 1 and 2 stationary; full rotation).

#include "calc/methods/ReverseDial.h"

#include <gtest/gtest.h>

#include <cmath>

#include "MethodTestSupport.h"

namespace corvane {
namespace {

using namespace methodtest;
constexpr int kRD = kMethodReverseDial;

Edit stations(std::int16_t f1, std::int16_t f2, std::int16_t f3, std::int16_t f4) {
    return [=](R& r, O&) { r.Station = {f1, f2, f3, f4}; };
}

std::string feet(int f1, const std::string& t1, int f2, const std::string& t2) {
    return "Machine Foot " + std::to_string(f1) + ": move  " + t1 + "\r\nMachine Foot " + std::to_string(f2) +
           ": move  " + t2;
}

TEST(ReverseDial, LabelTexts) {
    const std::string downs = feet(3, "25.00 mils  DOWN", 4, "25.00 mils  DOWN");
    const std::string lefts = feet(3, "5.000 mils  LEFT ", 4, "5.000 mils  LEFT ");
    const std::string allFixed = "All four feet are stationary: no foot to move";
    // No plotted zero carries a minus sign into the graph or the JSON.
    const auto unsignedZeros = [](const CalcResult& r) {
        for (const GraphResult* g : {&r.graph1, &r.graph2})
            for (const auto* line : {&g->fixedMachine, &g->moveableMachine})
                for (float y : (*line)->y) EXPECT_FALSE(y == 0 && std::signbit(y));
    };
    const TextCase cases[] = {
        {"defaults", {}, downs, lefts},
        // Full rotation takes the dials as zeroed at 12:00: what is stored there is never read.
        {"12:00 readings ignored", [](R& r, O&) { r.dial1(0, 0) = r.dial2(0, 0) = 9; }, downs, lefts},
        // V1 = 20, slope 0.5, intercept 7.5: the moveable shaft tilts.
        {"6:00 of dial 1 at 40", [](R& r, O&) { r.dial1(0, 2) = 40; },
         feet(3, "27.50 mils  DOWN", 4, "37.50 mils  DOWN"), lefts},
        // V1 = 23, V2 = 27: the sag enters both bottom readings with the same sign.
        {"sag of -4", [](R& r, O&) { r.Sag = -4; }, feet(3, "29.00 mils  DOWN", 4, "37.00 mils  DOWN"),
         lefts},
        {"feet 3 and 4 stationary", stations(0, 0, 1, 1), feet(1, "25.00 mils  UP  ", 2, "25.00 mils  UP  "),
         feet(1, "5.000 mils  RIGHT", 2, "5.000 mils  RIGHT")},
        // One stationary foot on each machine: the line through them is the reference.
        {"feet 2 and 3 stationary", stations(0, 1, 1, 0), feet(1, "25.00 mils  DOWN", 4, "25.00 mils  UP  "),
         feet(1, "5.000 mils  LEFT ", 4, "5.000 mils  RIGHT")},
        {"four stationary feet", stations(1, 1, 1, 1), allFixed, allFixed},
        // Half rotation reads 12:00 and 3:00 only (the default 6:00 and 9:00 readings must not
        // count), zeroed at 9:00, with 12:00 readings of 4 (dial 1) and -6 (dial 2):
        // V1 = 20/2 - 4 = 6 and V2 = -(-20/2 - (-6)) = 4 over C = 10: slope -0.2, intercept 6 + 5 = 11;
        // feet 3 (x 40) and 4 (x 60) move -(-8 + 11) = -3 and -(-12 + 11) = 1. H1 = H2 = 10.
        {"half rotation with the 12:00 readings",
         [](R& r, O& o) { o.rotation = 1, r.dial1(0, 0) = 4, r.dial2(0, 0) = -6; },
         feet(3, "3.000 mils  DOWN", 4, "1.000 mils  UP  "),
         feet(3, "10.00 mils  RIGHT", 4, "10.00 mils  RIGHT")},
        // Growth deepens the shims to take out; the side moves stay.
        {"growth", [](R& r, O& o) { o.growthOn = true, r.growth(0, 2) = 3, r.growth(0, 3) = 5; },
         feet(3, "28.00 mils  DOWN", 4, "30.00 mils  DOWN"), lefts},
        {"indicator planes at one position", [](R& r, O&) { r.length(0, 2) = 0, r.dial1(0, 2) = 40; },
         feet(3, "20.00 mils  DOWN", 4, "20.00 mils  DOWN"), lefts},
    };
    expectTexts(kRD, cases, unsignedZeros);
}

// The growth of the stationary feet 2 and 3 is handed back, only while growth is on. (The default
// job's moves and graphs are corvane-cli's JSON test.)
TEST(ReverseDial, HandsBackTheGrowthOfTheStationaryFeet) {
    const Edit growthOnFeet2And3 = [](R& p, O& o) {
        o.growthOn = true;
        p.Station = {0, 1, 1, 0};
        for (int f = 0; f < 4; ++f) p.growth(0, f) = static_cast<float>(f + 1);
    };
    EXPECT_EQ(run(kRD, growthOnFeet2And3).growthWritten, (std::array<float, 2>{2, 3}));
    const Edit growthOff = [&](R& p, O& o) { growthOnFeet2And3(p, o), o.growthOn = false; };
    EXPECT_FALSE(run(kRD, growthOff).growthWritten);
}

// Each stored quantity is worked out in double from floats and rounded to float once, so that results
// repeat to the last digit. With 6:00 readings 10.1 and -30.7 and C = 3.3 (V1 = 5.05, V2 = 15.35),
// foot 3 moves -30.9560661; slope and intercept rounded to float at each step would give -30.9560623.
TEST(ReverseDial, RoundsToFloatWhereValuesAreStored) {
    const R record = job(kRD, [](R& r, O&) {
                         r.dial1(kRD, 2) = 10.1f, r.dial2(kRD, 2) = -30.7f, r.length(kRD, 2) = 3.3f;
                     }).record;
    const DialOffsets d = calcDialOffsets(record, 0);
    EXPECT_EQ(d.vertMove[2], -30.9560661f);
    EXPECT_EQ(d.vertMove[3], -93.3803253f);
}

TEST(ReverseDial, AbortsWithoutTwoStationaryFeetAndTouchesNothing) {
    // Three feet held would leave one of them out of line: no moves are offered for them either.
    for (const auto station :
         {std::array<std::int16_t, 4>{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 1, 0}, {1, 1, 1, 0}, {0, 1, 1, 1}}) {
        const CalcResult r = run(kRD, [&](R& p, O& o) {
            p.Station = station;
            o.growthOn = o.toleranceOn = true;
        });
        EXPECT_EQ(r.status, CalcStatus::Aborted);
        EXPECT_EQ(r.abortMessage,
                  "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.");
        EXPECT_FALSE(r.growthWritten);
        // No machine line and no new axis, but the band, which does not depend on the feet.
        EXPECT_FALSE(r.graph1.fixedMachine || r.graph1.moveableMachine || r.graph2.moveableMachine);
        EXPECT_TRUE(std::isnan(r.graph1.xMax) && std::isnan(r.graph2.xMax));
        EXPECT_EQ(r.graph2.band.state, ToleranceBand::State::Drawn);
        EXPECT_TRUE(r.verticalText.empty());
    }
}

}  // namespace
}  // namespace corvane
