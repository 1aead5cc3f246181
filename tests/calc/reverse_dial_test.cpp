#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/Alignment.h"

namespace corvane {
namespace {

ProjectRecord defaults() {
    ProjectRecord r;
    setDefaults(r);
    return r;
}

// Two label lines "Machine Foot f: move  <number><direction>", joined as the label joins them.
std::string lines(int foot1, const std::string& text1, int foot2, const std::string& text2) {
    const auto line = [](int foot, const std::string& text) {
        return "Machine Foot " + std::to_string(foot) + ": move  " + text;
    };
    return line(foot1, text1) + "\r\n" + line(foot2, text2);
}

// A change that marks the stationary feet.
std::function<void(ProjectRecord&, CalcOptions&)> stations(int f1, int f2, int f3, int f4) {
    return [=](ProjectRecord& r, CalcOptions&) {
        r.Station = {std::int16_t(f1), std::int16_t(f2), std::int16_t(f3), std::int16_t(f4)};
    };
}

TEST(ReverseDial, DefaultsMoveFeetThreeAndFourDownAndLeft) {
    CalcOptions o;
    o.autoScale = true;
    const CalcResult r = calcAlignment(defaults(), o);
    ASSERT_TRUE(r.ran && r.hasResult);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.verticalText, lines(3, "25.00 mils  DOWN", 4, "25.00 mils  DOWN"));
    EXPECT_EQ(r.horizontalText, lines(3, "5.000 mils  LEFT ", 4, "5.000 mils  LEFT "));
    EXPECT_EQ(r.verticalMoves, (std::vector<float>{0, 0, -25, -25}));
    EXPECT_EQ(r.horizontalMoves, (std::vector<float>{0, 0, -5, -5}));
    EXPECT_FALSE(r.growthWritten);
    // The fixed machine lies on the axis; the moveable one 25 mils high and 5 mils to the left.
    EXPECT_EQ(r.graph1.xMax, 60);
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {0, 0, 0}}));
    EXPECT_EQ(r.graph1.plot2, (PlotData{{60, 40, 20}, {25, 25, 25}}));
    EXPECT_EQ(r.graph2.plot2, (PlotData{{60, 40, 20}, {-5, -5, -5}}));
    EXPECT_TRUE(r.graph1.plot2Visible && r.graph2.plot2Visible);
    EXPECT_EQ(r.graph1.yRange, (YRange{-50, 50}));
    EXPECT_EQ(r.graph2.yRange, (YRange{-10, 10}));
    EXPECT_FALSE(r.graph1.band);
    // No plotted zero carries a minus sign into the graph or the JSON.
    for (float y : r.graph1.plot1.y) EXPECT_FALSE(std::signbit(y));
}

TEST(ReverseDial, LabelsReportTheFeetThatAreNotStationary) {
    const std::string defaultH = lines(3, "5.000 mils  LEFT ", 4, "5.000 mils  LEFT ");
    const std::string zeroV = lines(3, "0.00 mils  UP  ", 4, "0.00 mils  UP  ");
    const std::string zeroH = lines(3, "0.00 mils  RIGHT", 4, "0.00 mils  RIGHT");
    const std::string upOneTwo = lines(1, "25.00 mils  UP  ", 2, "25.00 mils  UP  ");
    const std::string rightOneTwo = lines(1, "5.000 mils  RIGHT", 2, "5.000 mils  RIGHT");
    const struct {
        const char* name;
        std::function<void(ProjectRecord&, CalcOptions&)> change;
        std::string vertical;
        std::string horizontal;
    } cases[] = {
        // V1 = 20, slope 0.5, intercept 7.5: the moveable shaft tilts.
        {"6:00 of dial 1 at 40", [](ProjectRecord& r, CalcOptions&) { r.dial1(0, 2) = 40; },
         lines(3, "27.50 mils  DOWN", 4, "37.50 mils  DOWN"), defaultH},
        // V1 = 23, V2 = 27: the sag enters both bottom readings with the same sign.
        {"sag of -4", [](ProjectRecord& r, CalcOptions&) { r.Sag = -4; },
         lines(3, "29.00 mils  DOWN", 4, "37.00 mils  DOWN"), defaultH},
        {"feet 3 and 4 stationary", stations(0, 0, 1, 1), upOneTwo, rightOneTwo},
        {"feet 2 and 3 stationary", stations(0, 1, 1, 0), lines(1, "25.00 mils  DOWN", 4, "25.00 mils  UP  "),
         lines(1, "5.000 mils  LEFT ", 4, "5.000 mils  RIGHT")},
        {"three stationary feet leave one line", stations(1, 1, 1, 0),
         "Machine Foot 4: move  25.00 mils  DOWN", "Machine Foot 4: move  5.000 mils  LEFT "},
        {"four stationary feet", stations(1, 1, 1, 1), "All four feet are stationary: no foot to move",
         "All four feet are stationary: no foot to move"},
        // Half rotation reads 12:00 and 3:00 only; the 6:00 and 9:00 readings must not count.
        {"half rotation",
         [](ProjectRecord& r, CalcOptions& o) {
             o.rotation = 1;
             r.dial1(0, 2) = 99;
             r.dial2(0, 3) = -7;
         },
         lines(3, "10.00 mils  DOWN", 4, "10.00 mils  DOWN"),
         lines(3, "10.00 mils  RIGHT", 4, "10.00 mils  RIGHT")},
        {"all readings zero",
         [](ProjectRecord& r, CalcOptions&) {
             r.Dial1Reading = {};
             r.Dial2Reading = {};
         },
         zeroV, zeroH},
        // Growth 3 and 5 under feet 3 and 4 deepens the shims to take out; the side moves stay.
        {"growth on",
         [](ProjectRecord& r, CalcOptions& o) {
             o.growthOn = true;
             r.growth(0, 2) = 3;
             r.growth(0, 3) = 5;
         },
         lines(3, "28.00 mils  DOWN", 4, "30.00 mils  DOWN"), defaultH},
        {"fixed feet at one position",
         [](ProjectRecord& r, CalcOptions&) {
             r.length(0, 0) = 0;
             r.dial1(0, 2) = 40;
         },
         lines(3, "27.50 mils  DOWN", 4, "37.50 mils  DOWN"), defaultH},
        {"indicator planes at one position",
         [](ProjectRecord& r, CalcOptions&) {
             r.length(0, 2) = 0;
             r.dial1(0, 2) = 40;
         },
         lines(3, "20.00 mils  DOWN", 4, "20.00 mils  DOWN"), defaultH},
        // Full rotation takes the dials as zeroed at 12:00: what is stored there is never read.
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record = defaults();
        CalcOptions options;
        c.change(record, options);
        const CalcResult r = calcAlignment(record, options);
        ASSERT_TRUE(r.hasResult);
        EXPECT_EQ(r.verticalText, c.vertical);
        EXPECT_EQ(r.horizontalText, c.horizontal);
    }
}

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
    // The graphs show the shaft positions: the negated moves, each machine reaching the other's near foot.
    EXPECT_EQ(r.graph1.plot1, (PlotData{{0, 20, 40}, {25, 0, -25}}));
    EXPECT_EQ(r.graph1.plot2, (PlotData{{60, 40, 20}, {-25, 0, 25}}));
    EXPECT_EQ(r.graph2.plot1, (PlotData{{0, 20, 40}, {-5, 0, 5}}));
}

TEST(ReverseDial, RoundsToFloatWhereValuesAreStored) {
    // Each stored quantity is worked out in double from floats and rounded to float once.
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
    const float stepwise = -(slope * l + intercept);
    EXPECT_NE(stepwise, d.vertMove[2]) << "inputs no longer tell the two roundings apart";
}

TEST(ReverseDial, AbortsWithoutTwoStationaryFeetAndTouchesNothing) {
    for (const std::array<std::int16_t, 4> station :
         {std::array<std::int16_t, 4>{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 1, 0}}) {
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
        EXPECT_FALSE(r.growthWritten);
        EXPECT_FALSE(r.graph1.band);
    }
}

TEST(ReverseDial, NumbersThatAreNotFiniteShowWhyAndNoResult) {
    const struct {
        std::function<void(ProjectRecord&)> change;
        const char* text;
    } cases[] = {
        {[](ProjectRecord& r) { r.dial2(0, 1) = NAN; }, "No result: a dial reading is not a finite number"},
        {[](ProjectRecord& r) { r.length(0, 3) = INFINITY; }, "No result: a length is not a finite number"},
        {[](ProjectRecord& r) { r.Sag = NAN; }, "No result: the sag is not a finite number"},
        {[](ProjectRecord& r) { r.growth(0, 3) = INFINITY; },
         "No result: a growth value is not a finite number"},
        {[](ProjectRecord& r) { r.dial1(0, 2) = r.Sag = 3e38f; },
         "No result: the numbers are too large to calculate with"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectRecord record = defaults();
        c.change(record);
        CalcOptions options;
        options.growthOn = options.autoScale = options.toleranceOn = true;
        options.tolerance = 4;
        const CalcResult r = calcAlignment(record, options);
        EXPECT_FALSE(r.aborted || r.hasResult);
        EXPECT_EQ(r.verticalText, c.text);
        EXPECT_EQ(r.horizontalText, c.text);
        EXPECT_TRUE(r.verticalMoves.empty());
        for (const GraphResult* g : {&r.graph1, &r.graph2}) {
            EXPECT_FALSE(g->plot1Visible || g->plot2Visible);
            EXPECT_TRUE(g->plot1.y.empty());
            EXPECT_FALSE(g->yRange) << "the user's range stays when there is nothing to scale to";
            EXPECT_EQ(std::isfinite(g->xMax), std::isfinite(record.length(0, 3)));
            EXPECT_TRUE(g->band);
        }
    }
}

}  // namespace
}  // namespace corvane
