#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/Alignment.h"

namespace corvane {
namespace {

CalcOptions rimFace(int side = 0) {
    CalcOptions o;
    o.method = kMethodRimFace;
    o.bracketSide = side;
    return o;
}

ProjectRecord defaults() {
    ProjectRecord r;
    setDefaults(r);
    return r;
}

std::string labels(const std::string& nearMove, const std::string& farMove) {
    return "NEAR Foot: move  " + nearMove + "\r\nFAR Foot:  move  " + farMove;
}

TEST(RimFace, LabelsOfTheDefaultsAndTheirVariations) {
    const struct {
        const char* name;
        int side;
        bool growthOn;
        std::function<void(ProjectRecord&)> change;
        std::string vertical;
        std::string horizontal;
    } cases[] = {
        {"bracket side \"Fixed Mach\"", 0, false, [](ProjectRecord&) {},
         labels("9.000 mils  DOWN", "13.00 mils  DOWN"), labels("9.000 mils  RIGHT", "13.00 mils  RIGHT")},
        {"bracket side \"Moveable Machine\"", 1, false, [](ProjectRecord&) {},
         labels("1.000 mils  UP  ", "3.000 mils  DOWN"), labels("1.000 mils   LEFT", "3.000 mils  RIGHT")},
        {"all readings zero", 0, false,
         [](ProjectRecord& r) {
             r.Dial1Reading = {};
             r.Dial2Reading = {};
         },
         labels("0.00 mils  UP  ", "0.00 mils  UP  "), labels("0.00 mils   LEFT", "0.00 mils   LEFT")},
        // Growth only deepens the shims; feet 0 and 1 are the growth window's copies, not read here.
        {"growth changes only the vertical moves", 0, true,
         [](ProjectRecord& r) {
             r.growth(1, 2) = 1.5f;
             r.growth(1, 3) = 2;
             r.growth(1, 0) = 100;
         },
         labels("10.50 mils  DOWN", "15.00 mils  DOWN"), labels("9.000 mils  RIGHT", "13.00 mils  RIGHT")},
        // Without a bracket side nothing is divided by the face diameter.
        {"no bracket side moves only by growth", -1, true,
         [](ProjectRecord& r) {
             r.growth(1, 2) = 2;
             r.growth(1, 3) = 3;
             r.FaceDia1 = 0;
         },
         labels("2.000 mils  DOWN", "3.000 mils  DOWN"), labels("0.00 mils   LEFT", "0.00 mils   LEFT")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = rimFace(c.side);
        o.growthOn = c.growthOn;
        const CalcResult r = calcAlignment(record, o);
        ASSERT_TRUE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.vertical);
        EXPECT_EQ(r.horizontalText, c.horizontal);
    }
}

TEST(RimFace, GraphExtendsTheShaftLineBackToHalfTheRimReading) {
    CalcOptions o = rimFace(0);
    o.autoScale = true;
    CalcResult r = calcAlignment(defaults(), o);
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{-9, -13}));
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {5, 9, 13}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 20, 40}, {5, 9, 13}}));
    EXPECT_EQ(r.graph1.xMax, 40);
    EXPECT_FALSE(r.graph1.plot2);
    EXPECT_FALSE(r.graph1.plot2Visible || r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-20, 20}));
    o.bracketSide = 1;
    r = calcAlignment(defaults(), o);
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {-5, -1, 3}}));
    EXPECT_EQ(r.graph1.yRange, (YRange{-5, 5}));

    ProjectRecord record = defaults();
    record.length(1, 0) = 10;
    record.length(1, 1) = 30;
    for (int side : {0, 1}) {
        r = calcAlignment(record, rimFace(side));
        const float s = side == 0 ? -1.0f : 1.0f;
        EXPECT_EQ(r.graph1.plot1.x, (std::vector<float>{0, 10, 40}));
        EXPECT_EQ(r.graph1.plot1.y[0], -s * 10 / 2);  // rim reading 10 at 6:00
        EXPECT_EQ(r.graph2.plot1.y[0], -s * 10 / 2);  // 3:00 minus 9:00 is 10 as well
    }
}

TEST(RimFace, EachMoveIsWorkedInDoubleAndRoundedOnce) {
    ProjectRecord record = defaults();
    record.dial2(1, 2) = 0.7f;
    record.dial1(1, 2) = 1.3f;
    record.length(1, 0) = 3.3f;
    record.FaceDia1 = 2.9f;
    const CalcResult r = calcAlignment(record, rimFace(0));
    const double exact = 0.7f * static_cast<double>(3.3f) / 2.9f - 1.3f / 2.0;
    EXPECT_EQ(r.verticalMoves[0], static_cast<float>(exact));
    const float stepwise = 0.7f * 3.3f / 2.9f - 1.3f / 2.0f;
    EXPECT_NE(stepwise, static_cast<float>(exact)) << "inputs no longer tell float from double";
}

TEST(RimFace, InputsWithoutAResultShowWhyAndNoNumbers) {
    const struct {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    } cases[] = {
        {[](ProjectRecord& r) { r.FaceDia1 = 0; }, "No result: the face diameter is 0"},
        {[](ProjectRecord& r) { r.length(1, 1) = 1e-7f; }, "No result: distance B is 0"},
        {[](ProjectRecord& r) { r.dial2(1, 3) = NAN; }, "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.FaceDia1 = INFINITY; },
         "No result: the face diameter is not a finite number"},
        {[](ProjectRecord& r) { r.length(1, 0) = NAN; }, "No result: a length is not a finite number"},
        {[](ProjectRecord& r) { r.FaceDia1 = 1e-44f; },
         "No result: the numbers are too large to calculate with"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = rimFace(0);
        o.autoScale = o.toleranceOn = true;
        o.tolerance = 2;
        const CalcResult r = calcAlignment(record, o);
        EXPECT_TRUE(r.ran);
        EXPECT_FALSE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.horizontalMoves.empty());
        EXPECT_FALSE(r.graph1.plot1Visible);
        EXPECT_TRUE(r.graph2.plot1.x.empty());
        EXPECT_FALSE(r.graph1.yRange);
        // The band still shows the tolerance unless its own distance A is what failed.
        ASSERT_TRUE(r.graph2.band);
        const bool aFinite = std::isfinite(record.length(1, 0));
        EXPECT_EQ(std::isfinite(r.graph1.xMax), aFinite);
        EXPECT_EQ(r.graph2.band->y, (aFinite ? std::vector<float>{2, 2, -2, -2, 2} : std::vector<float>{}));
    }
}

}  // namespace
}  // namespace corvane
