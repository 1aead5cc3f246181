#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
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

std::string labels(const std::string& nearNumber, const char* nearSuffix, const std::string& farNumber,
                   const char* farSuffix) {
    return "NEAR Foot: move  " + nearNumber + nearSuffix + "\r\nFAR Foot:  move  " + farNumber + farSuffix;
}

constexpr const char* kUp = " mils  UP  ";
constexpr const char* kDown = " mils  DOWN";
constexpr const char* kRight = " mils  RIGHT";
constexpr const char* kLeft = " mils   LEFT";

TEST(RimFace, DefaultsWithTheBracketOnTheMoveableShaft) {
    CalcOptions o = rimFace(0);
    o.autoScale = true;
    const CalcResult r = calcAlignment(defaults(), o);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, labels("9.000", kDown, "13.00", kDown));
    EXPECT_EQ(r.horizontalText, labels("9.000", kRight, "13.00", kRight));
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{-9, -13}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{-9, -13}));
    // Extended back to the coupling, the line meets half the rim reading.
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {5, 9, 13}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 20, 40}, {5, 9, 13}}));
    EXPECT_EQ(r.graph1.xMax, 40);
    EXPECT_EQ(r.graph2.xMax, 40);
    EXPECT_FALSE(r.graph1.plot2);
    EXPECT_FALSE(r.graph1.plot2Visible);
    EXPECT_FALSE(r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-20, 20}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-20, 20}));
}

TEST(RimFace, DefaultsWithTheBracketOnTheFixedShaft) {
    CalcOptions o = rimFace(1);
    o.autoScale = true;
    const CalcResult r = calcAlignment(defaults(), o);
    EXPECT_EQ(r.verticalText, labels("1.000", kUp, "3.000", kDown));
    EXPECT_EQ(r.horizontalText, labels("1.000", kLeft, "3.000", kRight));
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {-5, -1, 3}}));
    EXPECT_EQ(r.graph1.yRange, (YRange{-5, 5}));
}

struct TextCase {
    const char* name;
    int side;
    bool growthOn;
    std::function<void(ProjectRecord&)> change;
    std::string vertical;
    std::string horizontal;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class RimFaceText : public testing::TestWithParam<TextCase> {};

TEST_P(RimFaceText, Labels) {
    ProjectRecord record = defaults();
    GetParam().change(record);
    CalcOptions o = rimFace(GetParam().side);
    o.growthOn = GetParam().growthOn;
    const CalcResult r = calcAlignment(record, o);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, GetParam().vertical);
    EXPECT_EQ(r.horizontalText, GetParam().horizontal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RimFaceText,
    testing::Values(TextCase{"AllReadingsZero", 0, false,
                             [](ProjectRecord& r) {
                                 r.Dial1Reading = {};
                                 r.Dial2Reading = {};
                             },
                             labels("0.00", kUp, "0.00", kUp), labels("0.00", kLeft, "0.00", kLeft)},
                    // Growth only deepens the shims; the side moves stay as they were.
                    TextCase{"GrowthChangesOnlyTheVerticalMoves", 0, true,
                             [](ProjectRecord& r) {
                                 r.growth(1, 2) = 1.5f;
                                 r.growth(1, 3) = 2;
                                 r.growth(1, 0) = 100;  // feet 0 and 1 are the window's copies, not read here
                             },
                             labels("10.50", kDown, "15.00", kDown),
                             labels("9.000", kRight, "13.00", kRight)},
                    TextCase{"NoBracketSideMovesOnlyByGrowth", -1, true,
                             [](ProjectRecord& r) {
                                 r.growth(1, 2) = 2;
                                 r.growth(1, 3) = 3;
                                 r.FaceDia1 = 0;  // nothing is divided by it without a side
                             },
                             labels("2.000", kDown, "3.000", kDown), labels("0.00", kLeft, "0.00", kLeft)},
                    TextCase{"TwelveOClockReadingsAreNotRead", 0, false,
                             [](ProjectRecord& r) {
                                 r.dial1(1, 0) = 77;
                                 r.dial2(1, 0) = -77;
                             },
                             labels("9.000", kDown, "13.00", kDown),
                             labels("9.000", kRight, "13.00", kRight)}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RimFace, UnequalDistancesExtendTheLineToHalfTheRimReading) {
    ProjectRecord record = defaults();
    record.length(1, 0) = 10;
    record.length(1, 1) = 30;
    for (int side : {0, 1}) {
        const CalcResult r = calcAlignment(record, rimFace(side));
        const float s = side == 0 ? -1.0f : 1.0f;
        EXPECT_EQ(r.graph1.xMax, 40);
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
    struct Case {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    };
    const Case cases[] = {
        {[](ProjectRecord& r) { r.FaceDia1 = 0; }, "No result: the face diameter is 0"},
        {[](ProjectRecord& r) { r.length(1, 1) = 0; }, "No result: distance B is 0"},
        {[](ProjectRecord& r) { r.dial2(1, 3) = NAN; }, "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.FaceDia1 = INFINITY; },
         "No result: the face diameter is not a finite number"},
        {[](ProjectRecord& r) { r.length(1, 0) = NAN; }, "No result: a length is not a finite number"},
        {[](ProjectRecord& r) { r.FaceDia1 = 1e-44f; },
         "No result: the numbers are too large to calculate with"},
        {[](ProjectRecord& r) { r.length(1, 1) = 1e-7f; }, "No result: distance B is 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = rimFace(0);
        o.autoScale = true;
        o.toleranceOn = true;
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
        EXPECT_EQ(std::isfinite(r.graph1.xMax), std::isfinite(record.length(1, 0)));
        // The band still shows the tolerance unless its own distance A is what failed.
        ASSERT_TRUE(r.graph2.band);
        if (std::isfinite(record.length(1, 0))) {
            EXPECT_EQ(r.graph2.band->y, (std::vector<float>{2, 2, -2, -2, 2}));
        } else {
            EXPECT_TRUE(r.graph2.band->y.empty());
        }
    }
}

}  // namespace
}  // namespace corvane
