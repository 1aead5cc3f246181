#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
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

std::string vertical(const std::string& in, const char* inSuffix, const std::string& out,
                     const char* outSuffix) {
    return "InBoard Foot:   move  " + in + inSuffix + "\r\nOutBoard Foot:  move  " + out + outSuffix;
}
std::string horizontal(const std::string& in, const char* inSuffix, const std::string& out,
                       const char* outSuffix) {
    return "InBoard Foot:    move  " + in + inSuffix + "\r\nOutBoard Foot:   move  " + out + outSuffix;
}

constexpr const char* kUp = " mils  UP  ";
constexpr const char* kDown = " mils  DOWN";
constexpr const char* kRight = " mils  RIGHT";
constexpr const char* kLeft = " mils  LEFT ";

TEST(JackShaft, Defaults) {
    CalcOptions o = jackShaft();
    o.autoScale = true;
    o.bracketSide = 1;  // the bracket side plays no part in this method
    const CalcResult r = calcAlignment(defaults(), o);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, vertical("28.00", kUp, "28.00", kUp));
    EXPECT_EQ(r.horizontalText, horizontal("54.00", kLeft, "74.00", kLeft));
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{28, 28}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{-54, -74}));
    // Vertical: the negative of the moves, level. Horizontal: the moves themselves, back to -14 at x = 0.
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 100, 150}, {-28, -28, -28}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 100, 150}, {-14, -54, -74}}));
    EXPECT_EQ(r.graph1.xMax, 150);
    EXPECT_EQ(r.graph2.xMax, 150);
    EXPECT_FALSE(r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-50, 50}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-100, 100}));
}

struct TextCase {
    const char* name;
    bool growthOn;
    std::function<void(ProjectRecord&)> change;
    std::string vertical;
    std::string horizontal;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class JackShaftText : public testing::TestWithParam<TextCase> {};

TEST_P(JackShaftText, Labels) {
    ProjectRecord record = defaults();
    GetParam().change(record);
    CalcOptions o = jackShaft();
    o.growthOn = GetParam().growthOn;
    const CalcResult r = calcAlignment(record, o);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, GetParam().vertical);
    EXPECT_EQ(r.horizontalText, GetParam().horizontal);
}

const std::string kDefaultH = horizontal("54.00", kLeft, "74.00", kLeft);

INSTANTIATE_TEST_SUITE_P(
    Cases, JackShaftText,
    testing::Values(TextCase{"AllReadingsZero", false,
                             [](ProjectRecord& r) {
                                 r.Dial1Reading = {};
                                 r.Dial2Reading = {};
                             },
                             vertical("0.00", kUp, "0.00", kUp), horizontal("0.00", kRight, "0.00", kRight)},
                    TextCase{"GrowthTakenOffVerticalOnly", true,
                             [](ProjectRecord& r) {
                                 r.growth(2, 2) = 1;
                                 r.growth(2, 3) = 2.5f;
                             },
                             vertical("27.00", kUp, "25.50", kUp), kDefaultH},
                    TextCase{"GrowthPastTheMoveTurnsItDown", true,
                             [](ProjectRecord& r) {
                                 r.growth(2, 2) = 30;
                                 r.growth(2, 3) = 28;
                             },
                             vertical("2.000", kDown, "0.00", kUp), kDefaultH},
                    TextCase{"BothBottomReadingsZero", false,
                             [](ProjectRecord& r) {
                                 r.dial1(2, 2) = 0;
                                 r.dial2(2, 2) = 0;
                             },
                             vertical("0.00", kUp, "0.00", kUp), kDefaultH},
                    TextCase{"SideReadingsTurnedRight", false,
                             [](ProjectRecord& r) {
                                 r.dial1(2, 1) = -5;
                                 r.dial1(2, 3) = 1;
                                 r.dial2(2, 1) = 3;
                                 r.dial2(2, 3) = 1;
                             },
                             vertical("28.00", kUp, "28.00", kUp),
                             horizontal("54.00", kRight, "74.00", kRight)}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(JackShaft, BottomReadingsZeroPutTheVerticalLineOnTheAxis) {
    ProjectRecord record = defaults();
    record.dial1(2, 2) = 0;
    record.dial2(2, 2) = 0;
    const CalcResult r = calcAlignment(record, jackShaft());
    for (float y : r.graph1.plot1.y) {
        EXPECT_EQ(y, 0);
        EXPECT_FALSE(std::signbit(y));
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
    const CalcResult r = calcAlignment(record, jackShaft());
    EXPECT_EQ(r.verticalMoves[0], 3145728.0f);
}

TEST(JackShaft, InputsWithoutAResultShowWhyAndNoNumbers) {
    struct Case {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    };
    const Case cases[] = {
        {[](ProjectRecord& r) { r.FaceDia2 = 0; }, "No result: the face diameter is 0"},
        {[](ProjectRecord& r) { r.length(2, 2) = 0; }, "No result: distance C is 0"},
        {[](ProjectRecord& r) { r.dial1(2, 1) = -INFINITY; },
         "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.growth(2, 3) = NAN; }, "No result: a growth value is not a finite number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions o = jackShaft();
        o.growthOn = true;
        o.autoScale = true;
        const CalcResult r = calcAlignment(record, o);
        EXPECT_FALSE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty());
        EXPECT_FALSE(r.graph1.plot1Visible);
        EXPECT_FALSE(r.graph2.plot1Visible);
        EXPECT_FALSE(r.graph2.yRange);
        EXPECT_FALSE(r.graph1.band) << "no band without ToleranceOn";
    }
}

}  // namespace
}  // namespace corvane
