#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/Alignment.h"

namespace corvane {
namespace {

CalcOptions jackShaft() {
    CalcOptions o;
    o.method = kMethodJackShaft;
    return o;
}

ProjectRecord defaults() {
    ProjectRecord r;
    setDefaults(r);
    return r;
}

// The two labels pad their captions differently.
std::string vertical(const std::string& in, const std::string& out) {
    return "InBoard Foot:   move  " + in + "\r\nOutBoard Foot:  move  " + out;
}
std::string horizontal(const std::string& in, const std::string& out) {
    return "InBoard Foot:    move  " + in + "\r\nOutBoard Foot:   move  " + out;
}

TEST(JackShaft, DefaultsAndTheirGraphs) {
    CalcOptions o = jackShaft();
    o.autoScale = true;
    o.bracketSide = 1;  // the bracket side plays no part in this method
    const CalcResult r = calcAlignment(defaults(), o);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, vertical("28.00 mils  UP  ", "28.00 mils  UP  "));
    EXPECT_EQ(r.horizontalText, horizontal("54.00 mils  LEFT ", "74.00 mils  LEFT "));
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{28, 28}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{-54, -74}));
    // Vertical: the negative of the moves, level. Horizontal: the moves themselves, back to -14 at x = 0.
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 100, 150}, {-28, -28, -28}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 100, 150}, {-14, -54, -74}}));
    EXPECT_EQ(r.graph1.xMax, 150);
    EXPECT_FALSE(r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-50, 50}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-100, 100}));
}

TEST(JackShaft, LabelsFollowReadingsAndGrowth) {
    const std::string defaultH = horizontal("54.00 mils  LEFT ", "74.00 mils  LEFT ");
    const std::string zeroV = vertical("0.00 mils  UP  ", "0.00 mils  UP  ");
    const struct {
        const char* name;
        bool growthOn;
        std::function<void(ProjectRecord&)> change;
        std::string vertical;
        std::string horizontal;
    } cases[] = {
        {"all readings zero", false,
         [](ProjectRecord& r) {
             r.Dial1Reading = {};
             r.Dial2Reading = {};
         },
         zeroV, horizontal("0.00 mils  RIGHT", "0.00 mils  RIGHT")},
        {"growth taken off the vertical moves only", true,
         [](ProjectRecord& r) {
             r.growth(2, 2) = 1;
             r.growth(2, 3) = 2.5f;
         },
         vertical("27.00 mils  UP  ", "25.50 mils  UP  "), defaultH},
        {"growth past the move turns it down", true,
         [](ProjectRecord& r) {
             r.growth(2, 2) = 30;
             r.growth(2, 3) = 28;
         },
         vertical("2.000 mils  DOWN", "0.00 mils  UP  "), defaultH},
        {"side readings turned right", false,
         [](ProjectRecord& r) {
             r.dial1(2, 1) = -5;
             r.dial1(2, 3) = 1;
             r.dial2(2, 1) = 3;
             r.dial2(2, 3) = 1;
         },
         vertical("28.00 mils  UP  ", "28.00 mils  UP  "),
         horizontal("54.00 mils  RIGHT", "74.00 mils  RIGHT")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = jackShaft();
        o.growthOn = c.growthOn;
        const CalcResult r = calcAlignment(record, o);
        ASSERT_TRUE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.vertical);
        EXPECT_EQ(r.horizontalText, c.horizontal);
        // A level line on the axis carries no minus sign.
        if (c.vertical == zeroV) {
            for (float y : r.graph1.plot1.y) EXPECT_FALSE(std::signbit(y));
        }
    }
}

TEST(JackShaft, DistanceSumsAreHeldAsFloatsBeforeTheyAreUsed) {
    // 2^24 + 1 is no float: the sum A + B is 2^24, and the lever (A + B) / D exactly 1. Worked from
    // the exact sum, the move would be 3 * 2^20 + 0.25.
    ProjectRecord record = defaults();
    record.length(2, 0) = 16777216;
    record.length(2, 1) = 1;
    record.FaceDia2 = 16777216;
    record.dial1(2, 2) = 3 * 1048576;
    record.dial2(2, 2) = 0;
    EXPECT_EQ(calcAlignment(record, jackShaft()).verticalMoves[0], 3145728.0f);
}

TEST(JackShaft, InputsWithoutAResultShowWhyAndNoNumbers) {
    const struct {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    } cases[] = {
        {[](ProjectRecord& r) { r.FaceDia2 = 0; }, "No result: the face diameter is 0"},
        {[](ProjectRecord& r) { r.length(2, 2) = 0; }, "No result: distance C is 0"},
        {[](ProjectRecord& r) { r.dial1(2, 1) = -INFINITY; },
         "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.growth(2, 3) = NAN; }, "No result: a growth value is not a finite number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = jackShaft();
        o.growthOn = o.autoScale = true;
        const CalcResult r = calcAlignment(record, o);
        EXPECT_FALSE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty());
        EXPECT_FALSE(r.graph1.plot1Visible || r.graph2.plot1Visible);
        EXPECT_FALSE(r.graph2.yRange);
        EXPECT_FALSE(r.graph1.band) << "no band without ToleranceOn";
    }
}

}  // namespace
}  // namespace corvane
