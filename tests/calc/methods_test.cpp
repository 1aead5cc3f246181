// The three alignment methods, each run on the default project with the user's edits.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/Alignment.h"

namespace corvane {
namespace {

using R = ProjectRecord;
using O = CalcOptions;
using Edit = std::function<void(R&, O&)>;
constexpr int kRD = kMethodReverseDial, kRF = kMethodRimFace, kJS = kMethodJackShaft;

CalcResult run(int method, const Edit& edit) {
    R record;
    setDefaults(record);
    O options;
    options.method = method;
    if (edit) edit(record, options);
    return calcAlignment(record, options);
}

Edit side(int bracketSide) {
    return [=](R&, O& o) { o.bracketSide = bracketSide; };
}
Edit stations(std::int16_t f1, std::int16_t f2, std::int16_t f3, std::int16_t f4) {
    return [=](R& r, O&) { r.Station = {f1, f2, f3, f4}; };
}
void zeroReadings(R& r, O&) {
    r.Dial1Reading = {};
    r.Dial2Reading = {};
}

std::string feet(int f1, const std::string& t1, int f2, const std::string& t2) {
    return "Machine Foot " + std::to_string(f1) + ": move  " + t1 + "\r\nMachine Foot " + std::to_string(f2) +
           ": move  " + t2;
}
std::string nearFar(const std::string& nearMove, const std::string& farMove) {
    return "NEAR Foot: move  " + nearMove + "\r\nFAR Foot:  move  " + farMove;
}
// The jack shaft's two labels pad their captions differently.
std::string inOutV(const std::string& in, const std::string& out) {
    return "InBoard Foot:   move  " + in + "\r\nOutBoard Foot:  move  " + out;
}
std::string inOutH(const std::string& in, const std::string& out) {
    return "InBoard Foot:    move  " + in + "\r\nOutBoard Foot:   move  " + out;
}

TEST(Methods, LabelTexts) {
    const std::string rdV = feet(3, "25.00 mils  DOWN", 4, "25.00 mils  DOWN");
    const std::string rdH = feet(3, "5.000 mils  LEFT ", 4, "5.000 mils  LEFT ");
    const std::string rfH = nearFar("9.000 mils  RIGHT", "13.00 mils  RIGHT");
    const std::string jsV = inOutV("28.00 mils  UP  ", "28.00 mils  UP  ");
    const std::string jsH = inOutH("54.00 mils  LEFT ", "74.00 mils  LEFT ");
    const std::string allFixed = "All four feet are stationary: no foot to move";
    const struct {
        const char* name;
        int method;
        Edit edit;
        std::string vertical, horizontal;
    } cases[] = {
        {"reverse dial defaults", kRD, {}, rdV, rdH},
        // Full rotation takes the dials as zeroed at 12:00: what is stored there is never read.
        {"12:00 readings ignored", kRD, [](R& r, O&) { r.dial1(0, 0) = r.dial2(0, 0) = 9; }, rdV, rdH},
        // V1 = 20, slope 0.5, intercept 7.5: the moveable shaft tilts.
        {"6:00 of dial 1 at 40", kRD, [](R& r, O&) { r.dial1(0, 2) = 40; },
         feet(3, "27.50 mils  DOWN", 4, "37.50 mils  DOWN"), rdH},
        // V1 = 23, V2 = 27: the sag enters both bottom readings with the same sign.
        {"sag of -4", kRD, [](R& r, O&) { r.Sag = -4; }, feet(3, "29.00 mils  DOWN", 4, "37.00 mils  DOWN"),
         rdH},
        {"feet 3 and 4 stationary", kRD, stations(0, 0, 1, 1),
         feet(1, "25.00 mils  UP  ", 2, "25.00 mils  UP  "),
         feet(1, "5.000 mils  RIGHT", 2, "5.000 mils  RIGHT")},
        {"feet 2 and 3 stationary", kRD, stations(0, 1, 1, 0),
         feet(1, "25.00 mils  DOWN", 4, "25.00 mils  UP  "),
         feet(1, "5.000 mils  LEFT ", 4, "5.000 mils  RIGHT")},
        {"three stationary feet", kRD, stations(1, 1, 1, 0), "Machine Foot 4: move  25.00 mils  DOWN",
         "Machine Foot 4: move  5.000 mils  LEFT "},
        {"four stationary feet", kRD, stations(1, 1, 1, 1), allFixed, allFixed},
        // Half rotation reads 12:00 and 3:00 only; the 6:00 and 9:00 readings must not count.
        {"half rotation", kRD, [](R& r, O& o) { o.rotation = 1, r.dial1(0, 2) = 99, r.dial2(0, 3) = 7; },
         feet(3, "10.00 mils  DOWN", 4, "10.00 mils  DOWN"),
         feet(3, "10.00 mils  RIGHT", 4, "10.00 mils  RIGHT")},
        {"reverse dial, readings zero", kRD, zeroReadings, feet(3, "0.00 mils  UP  ", 4, "0.00 mils  UP  "),
         feet(3, "0.00 mils  RIGHT", 4, "0.00 mils  RIGHT")},
        // Growth deepens the shims to take out; the side moves stay.
        {"reverse dial growth", kRD,
         [](R& r, O& o) { o.growthOn = true, r.growth(0, 2) = 3, r.growth(0, 3) = 5; },
         feet(3, "28.00 mils  DOWN", 4, "30.00 mils  DOWN"), rdH},
        {"indicator planes at one position", kRD, [](R& r, O&) { r.length(0, 2) = 0, r.dial1(0, 2) = 40; },
         feet(3, "20.00 mils  DOWN", 4, "20.00 mils  DOWN"), rdH},

        {"rim and face, bracket on the fixed machine", kRF, side(0),
         nearFar("9.000 mils  DOWN", "13.00 mils  DOWN"), rfH},
        {"rim and face, bracket on the moveable machine", kRF, side(1),
         nearFar("1.000 mils  UP  ", "3.000 mils  DOWN"), nearFar("1.000 mils   LEFT", "3.000 mils  RIGHT")},
        {"rim and face, readings zero", kRF, zeroReadings, nearFar("0.00 mils  UP  ", "0.00 mils  UP  "),
         nearFar("0.00 mils   LEFT", "0.00 mils   LEFT")},
        // Feet 0 and 1 are the growth window's copies, not read here.
        {"rim and face growth", kRF,
         [](R& r, O& o) {
             o.growthOn = true, r.growth(1, 2) = 1.5f, r.growth(1, 3) = 2, r.growth(1, 0) = 100;
         },
         nearFar("10.50 mils  DOWN", "15.00 mils  DOWN"), rfH},
        // Without a bracket side nothing is divided by the face diameter.
        {"rim and face, no bracket side", kRF,
         [](R& r, O& o) {
             o.bracketSide = -1, o.growthOn = true, r.growth(1, 2) = 2, r.growth(1, 3) = 3, r.FaceDia1 = 0;
         },
         nearFar("2.000 mils  DOWN", "3.000 mils  DOWN"), nearFar("0.00 mils   LEFT", "0.00 mils   LEFT")},

        {"jack shaft defaults (bracket side plays no part)", kJS, side(1), jsV, jsH},
        {"jack shaft, readings zero", kJS, zeroReadings, inOutV("0.00 mils  UP  ", "0.00 mils  UP  "),
         inOutH("0.00 mils  RIGHT", "0.00 mils  RIGHT")},
        {"jack shaft growth past the move turns it down", kJS,
         [](R& r, O& o) { o.growthOn = true, r.growth(2, 2) = 30, r.growth(2, 3) = 28; },
         inOutV("2.000 mils  DOWN", "0.00 mils  UP  "), jsH},
        {"jack shaft side readings turned right", kJS,
         [](R& r, O&) { r.dial1(2, 1) = -5, r.dial1(2, 3) = 1, r.dial2(2, 1) = 3, r.dial2(2, 3) = 1; }, jsV,
         inOutH("54.00 mils  RIGHT", "74.00 mils  RIGHT")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = run(c.method, c.edit);
        ASSERT_TRUE(r.ran && r.hasResult);
        EXPECT_FALSE(r.aborted);
        EXPECT_EQ(r.verticalText, c.vertical);
        EXPECT_EQ(r.horizontalText, c.horizontal);
        // No plotted zero carries a minus sign into the graph or the JSON.
        for (const GraphResult* g : {&r.graph1, &r.graph2})
            for (float y : g->plot1.y) EXPECT_FALSE(y == 0 && std::signbit(y));
    }
}

// The graphs show the shaft positions; with AutoScale the ranges fit the largest move. The fixed
// machine's line runs along `x`, the reverse dial's moveable one back from the far end (`plot2`).
TEST(Methods, MovesAndPlots) {
    using V = std::vector<float>;
    const Edit growthOnALine = [](R& r, O& o) {
        o.growthOn = true;
        r.Station = {0, 1, 1, 0};
        for (int f = 0; f < 4; ++f) r.growth(0, f) = static_cast<float>(f + 1);
    };
    const struct {
        const char* name;
        int method;
        Edit edit;
        V vertical, horizontal, x, y1, y2, plot2x, plot2y;
        double range1, range2;
    } cases[] = {
        // clang-format off
        {"reverse dial", kRD, {}, {0, 0, -25, -25}, {0, 0, -5, -5},
         {0, 20, 40}, {0, 0, 0}, {0, 0, 0}, {60, 40, 20}, {25, 25, 25}, 50, 10},
        // Growth 1, 2, 3, 4 lies on one straight line: against the stationary feet 2 and 3 it cancels out.
        {"reverse dial, feet 2 and 3, growth", kRD, growthOnALine, {-25, 0, 0, 25},
         {-5, 0, 0, 5},
         {0, 20, 40}, {25, 0, -25}, {-5, 0, 5}, {60, 40, 20}, {-25, 0, 25}, 50, 10},
        // The shaft line runs back to half the rim reading at the coupling; a move right is negative.
        {"rim and face, fixed side", kRF, side(0), {-9, -13}, {-9, -13},
         {0, 20, 40}, {5, 9, 13}, {5, 9, 13}, {}, {}, 20, 20},
        {"rim and face, moveable side", kRF, side(1), {1, -3}, {1, -3},
         {0, 20, 40}, {-5, -1, 3}, {-5, -1, 3}, {}, {}, 5, 5},
        {"rim and face, A 10 and B 30", kRF,
         [](R& r, O&) { r.length(1, 0) = 10, r.length(1, 1) = 30; }, {-7, -13}, {-7, -13},
         {0, 10, 40}, {5, 7, 13}, {5, 7, 13}, {}, {}, 20, 20},
        // Vertical: the negative of the moves, level. Horizontal: the moves themselves, back to -14 at 0.
        {"jack shaft", kJS, {}, {28, 28}, {-54, -74},
         {0, 100, 150}, {-28, -28, -28}, {-14, -54, -74}, {}, {}, 50, 100},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = run(c.method, [&](R& p, O& o) {
            o.autoScale = true;
            if (c.edit) c.edit(p, o);
        });
        EXPECT_EQ(r.verticalMoves, c.vertical);
        EXPECT_EQ(r.horizontalMoves, c.horizontal);
        EXPECT_EQ(r.graph1.plot1, (PlotData{c.x, c.y1}));
        EXPECT_EQ(r.graph2.plot1, (PlotData{c.x, c.y2}));
        const bool plot2 = !c.plot2x.empty();
        EXPECT_EQ(r.graph1.plot2, plot2 ? std::optional(PlotData{c.plot2x, c.plot2y}) : std::nullopt);
        EXPECT_EQ(r.graph1.plot2Visible, plot2);
        EXPECT_EQ(r.graph2.plot2Visible, plot2);
        EXPECT_EQ(r.graph1.xMax, plot2 ? c.plot2x[0] : c.x.back());
        EXPECT_EQ(r.graph1.yRange, (YRange{-c.range1, c.range1}));
        EXPECT_EQ(r.graph2.yRange, (YRange{-c.range2, c.range2}));
        EXPECT_FALSE(r.graph1.band);
    }
    // The growth of the stationary feet 2 and 3 is handed back only while growth is on.
    EXPECT_EQ(run(kRD, growthOnALine).growthWritten, (std::array<float, 2>{2, 3}));
    const Edit growthOff = [&](R& r, O& o) { growthOnALine(r, o), o.growthOn = false; };
    EXPECT_FALSE(run(kRD, growthOff).growthWritten);
}

TEST(Methods, ReverseDialRoundsToFloatWhereValuesAreStored) {
    // Each stored quantity is worked out in double from floats and rounded to float once.
    ProjectRecord record;
    setDefaults(record);
    record.dial1(0, 2) = 10.1f;
    record.dial2(0, 2) = -30.7f;
    record.length(0, 2) = 3.3f;
    const DialOffsets d = calcDialOffsets(record, 0);
    const float v1 = static_cast<float>(double{10.1f} / 2.0), v2 = static_cast<float>(double{30.7f} / 2.0);
    const float p1 = 25.0f, p2 = static_cast<float>(double{p1} + 3.3f);
    const float slope = static_cast<float>((double{v2} - v1) / (double{p2} - p1));
    const float intercept = static_cast<float>(double{v1} - double{slope} * p1);
    const float l = static_cast<float>(20.0 + 5.0 + double{3.3f} + 5.0);
    EXPECT_EQ(d.vertMove[2], static_cast<float>(-(double{slope} * l + intercept)));
    EXPECT_EQ(d.vertMove[3], static_cast<float>(-(double{slope} * (double{l} + 20.0) + intercept)));
    const float stepwise = -(slope * l + intercept);
    EXPECT_NE(stepwise, d.vertMove[2]) << "inputs no longer tell the two roundings apart";
}

TEST(Methods, ReverseDialAbortsWithoutTwoStationaryFeetAndTouchesNothing) {
    for (const auto station : {std::array<std::int16_t, 4>{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 1, 0}}) {
        const CalcResult r = run(kRD, [&](R& p, O& o) {
            p.Station = station;
            o.growthOn = o.toleranceOn = true;
        });
        EXPECT_TRUE(r.aborted);
        EXPECT_EQ(r.abortMessage,
                  "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.");
        EXPECT_FALSE(r.hasResult || r.growthWritten || r.graph1.band);
        EXPECT_TRUE(r.verticalText.empty());
    }
}

TEST(Methods, InputsWithoutAResultShowWhyAndNoNumbers) {
    using Change = std::function<void(R&)>;
    const struct {
        int method;
        Change change;
        const char* text;
        bool bandDrawn = true;
    } cases[] = {
        {kRD, [](R& r) { r.dial2(0, 1) = NAN; }, "No result: a dial reading is not a finite number"},
        {kRD, [](R& r) { r.length(0, 3) = INFINITY; }, "No result: a length is not a finite number"},
        {kRD, [](R& r) { r.Sag = NAN; }, "No result: the sag is not a finite number"},
        {kRD, [](R& r) { r.growth(0, 3) = INFINITY; }, "No result: a growth value is not a finite number"},
        {kRD, [](R& r) { r.dial1(0, 2) = r.Sag = 3e38f; },
         "No result: the numbers are too large to calculate with"},
        {kRF, [](R& r) { r.FaceDia1 = 0; }, "No result: the face diameter is 0"},
        {kRF, [](R& r) { r.length(1, 1) = 1e-7f; }, "No result: distance B is 0"},
        {kRF, [](R& r) { r.FaceDia1 = INFINITY; }, "No result: the face diameter is not a finite number"},
        // The band needs distance A, so it goes when A is what failed.
        {kRF, [](R& r) { r.length(1, 0) = NAN; }, "No result: a length is not a finite number", false},
        {kRF, [](R& r) { r.FaceDia1 = 1e-44f; }, "No result: the numbers are too large to calculate with"},
        {kJS, [](R& r) { r.FaceDia2 = 0; }, "No result: the face diameter is 0"},
        {kJS, [](R& r) { r.length(2, 2) = 0; }, "No result: distance C is 0"},
        {kJS, [](R& r) { r.dial1(2, 1) = -INFINITY; }, "No result: a dial reading is not a finite number"},
        {kJS, [](R& r) { r.growth(2, 3) = NAN; }, "No result: a growth value is not a finite number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CalcResult r = run(c.method, [&](R& p, O& o) {
            c.change(p);
            o.growthOn = o.autoScale = o.toleranceOn = true;
            o.tolerance = 2;
        });
        EXPECT_TRUE(r.ran);
        EXPECT_FALSE(r.aborted || r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty() && r.horizontalMoves.empty());
        for (const GraphResult* g : {&r.graph1, &r.graph2}) {
            EXPECT_FALSE(g->plot1Visible || g->plot2Visible);
            EXPECT_TRUE(g->plot1.y.empty());
            EXPECT_FALSE(g->yRange) << "the user's range stays when there is nothing to scale to";
            ASSERT_TRUE(g->band);
            EXPECT_EQ(g->band->y, (c.bandDrawn ? std::vector<float>{2, 2, -2, -2, 2} : std::vector<float>{}));
        }
    }
}

}  // namespace
}  // namespace corvane
