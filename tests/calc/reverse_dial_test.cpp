#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

#include "calc/Alignment.h"

namespace corvane {
namespace {

ProjectRecord defaults() {
    ProjectRecord r;
    setDefaults(r);
    return r;
}

std::string line(int foot, const std::string& number, const char* suffix) {
    return "Machine Foot " + std::to_string(foot) + ": move  " + number + suffix;
}

constexpr const char* kUp = " mils  UP  ";
constexpr const char* kDown = " mils  DOWN";
constexpr const char* kRight = " mils  RIGHT";
constexpr const char* kLeft = " mils  LEFT ";

TEST(ReverseDial, DefaultsMoveFeetThreeAndFourDownAndLeft) {
    CalcOptions o;
    o.autoScale = true;
    const CalcResult r = calcAlignment(defaults(), o);
    ASSERT_TRUE(r.ran);
    EXPECT_FALSE(r.aborted);
    EXPECT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText,
              "Machine Foot 3: move  25.00 mils  DOWN\r\nMachine Foot 4: move  25.00 mils  DOWN");
    EXPECT_EQ(r.horizontalText,
              "Machine Foot 3: move  5.000 mils  LEFT \r\nMachine Foot 4: move  5.000 mils  LEFT ");
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{0, 0, -25, -25}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{0, 0, -5, -5}));
    EXPECT_FALSE(r.growthWritten);

    // The fixed machine lies on the axis; the moveable one 25 mils high and 5 mils to the left.
    EXPECT_EQ(r.graph1.xMax, 60);
    EXPECT_EQ(r.graph2.xMax, 60);
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {0, 0, 0}}));
    EXPECT_EQ(r.graph1.plot2, (PlotData{{60, 40, 20}, {25, 25, 25}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 20, 40}, {0, 0, 0}}));
    EXPECT_EQ(r.graph2.plot2, (PlotData{{60, 40, 20}, {-5, -5, -5}}));
    EXPECT_TRUE(r.graph1.plot1Visible);
    EXPECT_TRUE(r.graph1.plot2Visible);
    EXPECT_TRUE(r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-50, 50}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-10, 10}));
    EXPECT_FALSE(r.graph1.band);
    // No plotted zero carries a minus sign into the graph or the JSON.
    for (float y : r.graph1.plot1.y) EXPECT_FALSE(std::signbit(y));
}

struct TextCase {
    const char* name;
    std::function<void(ProjectRecord&, CalcOptions&)> change;
    std::string vertical;
    std::string horizontal;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ReverseDialText : public testing::TestWithParam<TextCase> {};

TEST_P(ReverseDialText, ReportsTheUnmarkedFeet) {
    ProjectRecord record = defaults();
    CalcOptions options;
    GetParam().change(record, options);
    const CalcResult r = calcAlignment(record, options);
    ASSERT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalText, GetParam().vertical);
    EXPECT_EQ(r.horizontalText, GetParam().horizontal);
}

const std::string kDefaultH = line(3, "5.000", kLeft) + "\r\n" + line(4, "5.000", kLeft);

INSTANTIATE_TEST_SUITE_P(
    Cases, ReverseDialText,
    testing::Values(
        // V1 = 20, slope 0.5, intercept 7.5: the moveable shaft tilts.
        TextCase{"SixOClockOfDialOneAt40", [](ProjectRecord& r, CalcOptions&) { r.dial1(0, 2) = 40; },
                 line(3, "27.50", kDown) + "\r\n" + line(4, "37.50", kDown), kDefaultH},
        // V1 = 23, V2 = 27: the sag enters both bottom readings with the same sign.
        TextCase{"SagOfMinusFour", [](ProjectRecord& r, CalcOptions&) { r.Sag = -4; },
                 line(3, "29.00", kDown) + "\r\n" + line(4, "37.00", kDown), kDefaultH},
        TextCase{"FeetThreeAndFourStationary",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.Station = {0, 0, 1, 1};
                 },
                 line(1, "25.00", kUp) + "\r\n" + line(2, "25.00", kUp),
                 line(1, "5.000", kRight) + "\r\n" + line(2, "5.000", kRight)},
        TextCase{"FeetTwoAndThreeStationary",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.Station = {0, 1, 1, 0};
                 },
                 line(1, "25.00", kDown) + "\r\n" + line(4, "25.00", kUp),
                 line(1, "5.000", kLeft) + "\r\n" + line(4, "5.000", kRight)},
        // Half rotation reads 12:00 and 3:00 only; the 6:00 and 9:00 readings must not count.
        TextCase{"HalfRotation",
                 [](ProjectRecord& r, CalcOptions& o) {
                     o.rotation = 1;
                     r.dial1(0, 2) = 99;
                     r.dial2(0, 3) = -7;
                 },
                 line(3, "10.00", kDown) + "\r\n" + line(4, "10.00", kDown),
                 line(3, "10.00", kRight) + "\r\n" + line(4, "10.00", kRight)},
        TextCase{"NoRotationSelectedMovesNothing", [](ProjectRecord&, CalcOptions& o) { o.rotation = -1; },
                 line(3, "0.00", kUp) + "\r\n" + line(4, "0.00", kUp),
                 line(3, "0.00", kRight) + "\r\n" + line(4, "0.00", kRight)},
        TextCase{"ZeroMovesReadUpAndRight",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.Dial1Reading = {};
                     r.Dial2Reading = {};
                 },
                 line(3, "0.00", kUp) + "\r\n" + line(4, "0.00", kUp),
                 line(3, "0.00", kRight) + "\r\n" + line(4, "0.00", kRight)},
        TextCase{"SmallDownMove",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.dial1(0, 2) = 5;
                     r.dial2(0, 2) = -5;
                 },
                 line(3, "2.500", kDown) + "\r\n" + line(4, "2.500", kDown), kDefaultH},
        // Growth 3 and 5 under feet 3 and 4 deepens the shims to take out.
        TextCase{"GrowthTakenOffVerticalOnly",
                 [](ProjectRecord& r, CalcOptions& o) {
                     o.growthOn = true;
                     r.growth(0, 2) = 3;
                     r.growth(0, 3) = 5;
                 },
                 line(3, "28.00", kDown) + "\r\n" + line(4, "30.00", kDown), kDefaultH},
        TextCase{"GrowthIgnoredWhenOff",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.growth(0, 2) = 3;
                     r.growth(0, 3) = 5;
                 },
                 line(3, "25.00", kDown) + "\r\n" + line(4, "25.00", kDown), kDefaultH},
        // Three marked feet leave one foot to move: one line, no line break.
        TextCase{"ThreeStationaryFeetReportOneLine",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.Station = {1, 1, 1, 0};
                 },
                 line(4, "25.00", kDown), line(4, "5.000", kLeft)},
        TextCase{"FourStationaryFeetSayNothingIsLeftToMove",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.Station = {1, 1, 1, 1};
                 },
                 "All four feet are stationary: no foot to move",
                 "All four feet are stationary: no foot to move"},
        // Feet 1 and 2 at one position: their line is level, nothing divides by zero.
        TextCase{"FixedFeetAtOnePosition",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.length(0, 0) = 0;
                     r.dial1(0, 2) = 40;
                 },
                 line(3, "27.50", kDown) + "\r\n" + line(4, "37.50", kDown), kDefaultH},
        // Feet 3 and 4 at one position and stationary: the stationary line is level at foot 3.
        TextCase{"StationaryFeetAtOnePosition",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.length(0, 4) = 0;
                     r.Station = {0, 0, 1, 1};
                 },
                 line(1, "25.00", kUp) + "\r\n" + line(2, "25.00", kUp),
                 line(1, "5.000", kRight) + "\r\n" + line(2, "5.000", kRight)},
        // Both indicator planes at one place: the shaft is taken level at plane 1.
        TextCase{"IndicatorPlanesAtOnePosition",
                 [](ProjectRecord& r, CalcOptions&) {
                     r.length(0, 2) = 0;
                     r.dial1(0, 2) = 40;
                 },
                 line(3, "20.00", kDown) + "\r\n" + line(4, "20.00", kDown), kDefaultH}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(ReverseDial, GrowthOfTheStationaryFeetIsHandedBackOnlyWhenGrowthIsOn) {
    ProjectRecord record = defaults();
    record.Station = {0, 1, 1, 0};
    for (int f = 0; f < 4; ++f) record.growth(0, f) = static_cast<float>(f + 1);
    CalcOptions options;
    EXPECT_FALSE(calcAlignment(record, options).growthWritten);
    options.growthOn = true;
    const CalcResult r = calcAlignment(record, options);
    ASSERT_TRUE(r.growthWritten);
    EXPECT_EQ(*r.growthWritten, (std::array<float, 2>{2, 3}));
    // Growth 1, 2, 3, 4 lies on one straight line: against the stationary feet 2 and 3 it cancels out.
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{-25, 0, 0, 25}));
}

TEST(ReverseDial, SecondPlotExtendsEachMachineToTheOtherMachinesNearFoot) {
    ProjectRecord record = defaults();
    record.Station = {0, 1, 1, 0};
    const CalcResult r = calcAlignment(record, CalcOptions{});
    // Foot 1 must come down 25, foot 4 go up 25; the graph shows the shaft positions (negated).
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {25, 0, -25}}));
    EXPECT_EQ(r.graph1.plot2, (PlotData{{60, 40, 20}, {-25, 0, 25}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 20, 40}, {-5, 0, 5}}));
    EXPECT_EQ(r.graph2.plot2, (PlotData{{60, 40, 20}, {5, 0, -5}}));
}

TEST(ReverseDial, RoundsToFloatWhereValuesAreStored) {
    // Readings that no float holds exactly: each stored quantity is worked out in double from floats
    // and rounded to float once; nothing between two stores is rounded.
    ProjectRecord record = defaults();
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
    // Rounding every single operation to float lands on another value: the case tells the two apart.
    const float stepwise = -(slope * l + intercept);
    EXPECT_NE(stepwise, d.vertMove[2]) << "inputs no longer tell the two roundings apart";
}

TEST(ReverseDial, AbortsWithoutTwoStationaryFeet) {
    for (const std::array<std::int16_t, 4> station :
         {std::array<std::int16_t, 4>{0, 0, 0, 1}, {0, 0, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}}) {
        ProjectRecord record = defaults();
        record.Station = station;
        CalcOptions options;
        options.growthOn = true;
        options.toleranceOn = true;
        const CalcResult r = calcAlignment(record, options);
        EXPECT_TRUE(r.aborted);
        EXPECT_EQ(r.abortMessage,
                  "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.");
        EXPECT_FALSE(r.hasResult);
        EXPECT_TRUE(r.verticalText.empty());
        EXPECT_FALSE(r.growthWritten) << "an aborted calculation must not touch the record";
        EXPECT_FALSE(r.graph1.band);
    }
}

TEST(ReverseDial, NumbersThatAreNotFiniteShowNoResult) {
    struct Case {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    };
    const Case cases[] = {
        {[](ProjectRecord& r) { r.dial2(0, 1) = NAN; }, "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.length(0, 3) = INFINITY; }, "No result: a length is not a finite number"},
        {[](ProjectRecord& r) { r.Sag = NAN; }, "No result: the sag is not a finite number"},
        {[](ProjectRecord& r) { r.growth(0, 3) = INFINITY; },
         "No result: a growth value is not a finite number"},
        {[](ProjectRecord& r) {
             r.dial1(0, 2) = 3e38f;
             r.Sag = 3e38f;
         },
         "No result: the numbers are too large to calculate with"},
    };
    for (const Case& c : cases) {
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions options;
        options.growthOn = true;
        options.autoScale = true;
        options.toleranceOn = true;
        options.tolerance = 4;
        const CalcResult r = calcAlignment(record, options);
        SCOPED_TRACE(c.text);
        EXPECT_FALSE(r.aborted);
        EXPECT_FALSE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty());
        for (const GraphResult* g : {&r.graph1, &r.graph2}) {
            EXPECT_FALSE(g->plot1Visible);
            EXPECT_FALSE(g->plot2Visible);
            EXPECT_TRUE(g->plot1.y.empty());
            EXPECT_FALSE(g->yRange) << "the user's range stays when there is nothing to scale to";
            EXPECT_EQ(std::isfinite(g->xMax), std::isfinite(record.length(0, 3)));
            ASSERT_TRUE(g->band);
        }
    }
}

TEST(ReverseDial, UnreadPositionsMayHoldAnything) {
    ProjectRecord record = defaults();
    record.dial1(0, 0) = NAN;  // full rotation takes the dials as zeroed at 12:00
    const CalcResult r = calcAlignment(record, CalcOptions{});
    EXPECT_TRUE(r.hasResult);
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{0, 0, -25, -25}));
}

}  // namespace
}  // namespace corvane
