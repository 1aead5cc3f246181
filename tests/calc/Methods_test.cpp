// The three methods and the call that runs them, on the default project with the user's edits; the
// feet's thermal growth.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "MethodTestSupport.h"
#include "calc/format/NumberFormat.h"
#include "calc/methods/Alignment.h"
#include "calc/methods/Growth.h"
#include "calc/methods/JackShaft.h"
#include "calc/methods/ReverseDial.h"
#include "calc/methods/RimFace.h"

namespace corvane {
namespace {

using namespace methodtest;
constexpr int kRD = kMethodReverseDial, kRF = kMethodRimFace, kJS = kMethodJackShaft;

// The reverse dial method on the default project (A..E 20, 5, 10, 5, 20; dial 1 reads 0, 20, 50, 30
// and dial 2 0, -20, -50, -30 at 12:00, 3:00, 6:00, 9:00; feet 1 and 2 stationary; full rotation).

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

// The rim-and-face method on the default project (A 20, B 20; rim readings 0, 10, 10, 0 and face
// readings 0, -2, -2, 0 at 12:00, 3:00, 6:00, 9:00; face diameter 10).

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

// The jack shaft method on the default project (A 70, B 30, C 50; fixed-coupling face readings 0, 5,
// 4, -1 and moveable-coupling readings 0, -3, -4, -1 at 12:00, 3:00, 6:00, 9:00; face diameter 10).

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

// What corvane-cli and a window that has just opened the job calculate with: the acceptable offset
// of the method's span at the job's speed and the knobs' scales (the view's choices are carried
// through as corvane-cli's calc tests show).
TEST(CalcAlignment, OpeningOptionsComeFromTheViewAndTheJob) {
    const R record = job(kRF, [](R& r, O&) { r.RPM = 1800, r.dial2(kRF, 1) = -30; }).record;
    const CalcOptions o = openingOptions(record, ViewOptions{.method = kRF});
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
    storeAppliedGrowth(r, kRF, computed);
    const float applied[] = {3, 5, 3, 5, 0, 0};
    for (int f = 0; f < kGrowthFeet; ++f) EXPECT_EQ(r.growth(kRF, f), applied[f]) << "foot " << f;
    storeAppliedGrowth(r, kRD, {1, 2, 3, 4, 0, 0});
    EXPECT_EQ(r.growth(0, 2), 3.0f);
    EXPECT_EQ(r.growth(1, 2), 3.0f) << "another method's growth stays";

    const struct {
        int method, box, foot;      // foot -1: the box stands for no foot
        std::vector<int> storedAt;  // every foot the typed growth is stored at
    } boxes[] = {{kRD, 3, 3, {3}}, {kRF, 2, 0, {0, 2}}, {kJS, 3, 1, {1, 3}}, {kJS, 1, -1, {}}};
    for (const auto& c : boxes) {
        SCOPED_TRACE(c.method * 10 + c.box);
        EXPECT_EQ(growthFootOfBox(c.method, c.box), c.foot);
        ProjectRecord typed;
        storeTypedGrowth(typed, c.method, c.box, 7.5f);
        EXPECT_EQ(std::ranges::count(typed.Growth, 7.5f), std::ssize(c.storedAt));
        for (const int f : c.storedAt) EXPECT_EQ(typed.growth(c.method, f), 7.5f);
    }
}

}  // namespace
}  // namespace corvane
