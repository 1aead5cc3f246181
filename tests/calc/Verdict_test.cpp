// The alignment verdict: the misalignment the graphs show, judged against the speed's table row.

#include "calc/judging/Verdict.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MethodTestSupport.h"

namespace corvane {
namespace {

using namespace methodtest;
using G = AlignmentGrade;
constexpr int kRD = kMethodReverseDial, kRF = kMethodRimFace, kJS = kMethodJackShaft;

AlignmentVerdict judge(int method, const Edit& edit) {
    const Job j = job(method, edit);
    return judgeAlignment(j.record, j.options, calcAlignment(j.record, j.options));
}

// Reverse dial, A 20, B 5, C 10, D 5, E 20: indicator planes at 25 and 35, coupling centre at 30.
//   Dial 1 {0, 2, 2, 0}, dial 2 {0, -1, -1, 0}: V1 = 2/2 = 1, V2 = -(-1)/2 = 0.5. The graph shows
//   the moveable shaft's offset from the fixed one along the line through (25, 1) and (35, 0.5):
//   angle (0.5 - 1) / 10 = -0.05, offset at 30 = 0.75.
//   Horizontally dial 1 {3:00 3, 9:00 -1}, dial 2 {-2, 1}: H1 = (3 + 1)/2 = 2, H2 = -(-2 - 1)/2 = 1.5:
//   angle -0.05, offset 1.75.
void reverseDialCase(R& r, O&) { readings(r, kRD, {0, 3, 2, -1}, {0, -2, -1, 1}); }

// Rim and face, A 10, B 20, face diameter 8, bracket on the fixed machine (s = -1):
//   rim {0, 3, 2, -1}: R6 = 2, RH = 4; face {0, 1, 0.5, -0.5}: F6 = 0.5, FH = 1.5.
//   Vn = 0.5 * 10/8 - 2/2 = -0.375, Vf = 0.5 * 30/8 - 1 = 0.875; plotted -V: (10, 0.375), (30, -0.875):
//   angle -1.25/20 = -0.0625, offset at 0: 0.375 + 0.0625 * 10 = 1 (= -s R6/2).
//   Hn = 1.5 * 10/8 - 4/2 = -0.125, Hf = 1.5 * 30/8 - 2 = 3.625; plotted -H: (10, 0.125), (30, -3.625):
//   angle -0.1875, offset 0.125 + 1.875 = 2.
void rimFaceCase(R& r, O& o) {
    readings(r, kRF, {0, 3, 2, -1}, {0, 1, 0.5f, -0.5f});
    r.length(kRF, 0) = 10;
    r.FaceDia1 = 8;
    o.bracketSide = 0;
}

// Jack shaft, A 10, B 5, C 10, face diameter 5: feet at 15 and 25.
//   Fixed {0, 1, 1, 0}: F6 = 1, FH = 1; moveable {0, -1, -2, -1}: M6 = -2, MH = 0.
//   VI = 5/5 * -2 + 15/5 * 1 = 1, VO = 15/5 * -2 + 25/5 * 1 = -1; plotted -V: (15, -1), (25, 1):
//   slope 0.2, m(10) = -1 - 0.2 * 5 = -2, spacer angle -2/10 = -0.2 (fixed coupling), moveable
//   coupling 0.2 - (-0.2) = 0.4.
//   HI = -(1 * 0 + 3 * 1) = -3, HO = -(3 * 0 + 5 * 1) = -5; plotted H: (15, -3), (25, -5): slope -0.2,
//   m(10) = -2, spacer -0.2, moveable coupling -0.2 - (-0.2) = 0.
void jackShaftCase(R& r, O&) {
    readings(r, kJS, {0, 1, 1, 0}, {0, -1, -2, -1});
    r.length(kJS, 0) = 10, r.length(kJS, 1) = 5, r.length(kJS, 2) = 10;
    r.FaceDia2 = 5;
}

Edit rpm(float speed) {
    return [=](R& r, O&) { r.RPM = speed; };
}

// At 600 rpm a vertical offset of 5.125 mils (acceptable, limit 9.0) and an angle of 1.0 at its
// excellent limit, though nearer its acceptable limit of 1.5.
void offset5At600(R& r, O& o) {
    readings(r, kRF, {0, 5.125f, 10.25f, 5.125f}, {0, -5, -10, -5});
    o.bracketSide = 0;
    r.RPM = 600;
}

TEST(Verdict, EachMethodJudgesTheGraphsOffsetAndAngle) {
    struct P {
        double a, b;  // offset and angle, or fixed and moveable coupling angle
        G grade;
    };
    const Edit feet34 = [](R& r, O&) { r.Station = {0, 0, 1, 1}; };
    // Growth of 2 mils under both moveable feet lifts its running line by 2 mils.
    const Edit lowMoveable = [](R& r, O&) { readings(r, kRD, {0, -2, -4, -2}, {0, 2, 4, 2}); };
    const Edit grown = [](R& r, O& o) { o.growthOn = true, r.growth(kRD, 2) = r.growth(kRD, 3) = 2; };
    const struct {
        const char* name;
        int method;
        Edit edit;
        P vertical, horizontal;
        G grade;
    } cases[] = {
        // clang-format off
        // 3600 rpm row: offset 1.0 / 1.5, angle 0.2 / 0.3.
        {"reverse dial", kRD, reverseDialCase, {0.75, -0.05, G::Excellent}, {1.75, -0.05, G::Out}, G::Out},
        // The stationary feet change the moves, not the misalignment.
        {"reverse dial, feet 3 and 4 stationary", kRD, with(reverseDialCase, feet34),
         {0.75, -0.05, G::Excellent}, {1.75, -0.05, G::Out}, G::Out},
        {"reverse dial, moveable 2 mils low", kRD, lowMoveable, {-2, 0, G::Out}, {0, 0, G::Excellent}, G::Out},
        {"reverse dial, growth makes up the 2 mils", kRD, with(lowMoveable, grown),
         {0, 0, G::Excellent}, {0, 0, G::Excellent}, G::Excellent},
        {"rim and face at 3600", kRF, rimFaceCase, {1, -0.0625, G::Excellent}, {2, -0.1875, G::Out}, G::Out},
        {"rim and face, bracket on the moveable machine", kRF,
         with(rimFaceCase, [](R&, O& o) { o.bracketSide = 1; }),
         {-1, -0.0625, G::Excellent}, {-2, -0.1875, G::Out}, G::Out},
        // Spacer, 3600 rpm row: 0.3 / 0.5 mils per inch.
        {"jack shaft", kJS, jackShaftCase, {-0.2, 0.4, G::Acceptable}, {-0.2, 0, G::Excellent}, G::Acceptable},
        // Spacer, 1800 rpm row: 0.6 / 1.0 mils per inch; the spacer limits follow the speed too.
        {"jack shaft at 1800", kJS, with(jackShaftCase, rpm(1800)),
         {-0.2, 0.4, G::Excellent}, {-0.2, 0, G::Excellent}, G::Excellent},
        // Growth 1 and 3 under the inboard and outboard foot: plotted (15, 0), (25, 4): slope 0.4,
        // m(10) = -2, spacer -0.2, moveable coupling 0.6.
        {"jack shaft with growth", kJS,
         with(jackShaftCase, [](R& r, O& o) { o.growthOn = true, r.growth(kJS, 2) = 1, r.growth(kJS, 3) = 3; }),
         {-0.2, 0.6, G::Out}, {-0.2, 0, G::Excellent}, G::Out},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AlignmentVerdict v = judge(c.method, c.edit);
        ASSERT_TRUE(v.given) << v.reason;
        const bool spacer = c.method == kJS;
        EXPECT_EQ(v.table, spacer ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling);
        for (const auto& [plane, want] :
             {std::pair{&v.vertical, c.vertical}, {&v.horizontal, c.horizontal}}) {
            EXPECT_NEAR(spacer ? plane->fixedAngle : plane->offset, want.a, 1e-6);
            EXPECT_NEAR(spacer ? plane->moveableAngle : plane->angle, want.b, 1e-6);
            EXPECT_EQ(plane->grade, want.grade);
        }
        EXPECT_EQ(v.grade, c.grade);
    }
}

// A value is judged as the texts show it, to three decimals: 1.0004 reads "1.000" and is within a
// limit of 1.0, 1.00051 reads "1.001" and is not. Rim and face, bracket on the fixed machine: the
// vertical offset is half the 6:00 rim reading.
TEST(Verdict, AValueIsWithinALimitWhenItShowsAtOrUnderIt) {
    const struct {
        float rim6;
        G grade;
        const char* toolTip;
    } cases[] = {
        {2.0008f, G::Excellent, "Vertical offset 1.000 mils is within the excellent limit of 1.0 mils"},
        {2.00102f, G::Acceptable,
         "Vertical offset 1.001 mils is within the acceptable limit of 1.5 mils (excellent: 1.0 mils)"},
    };
    for (const auto& c : cases) {
        const AlignmentVerdict v = judge(kRF, [&](R& r, O& o) {
            readings(r, kRF, {0, c.rim6 / 2, c.rim6, c.rim6 / 2}, {0, 0, 0, 0});
            o.bracketSide = 0;
        });
        EXPECT_EQ(v.vertical.grade, c.grade) << c.rim6;
        EXPECT_EQ(verdictToolTip(v), c.toolTip);
    }
}

TEST(Verdict, TheRowIsTheFirstAtOrAboveTheSpeed) {
    const struct {
        float rpm;
        int row;
    } cases[] = {
        {1, 600}, {600, 600}, {600.5f, 900}, {1500, 1800}, {3600, 3600}, {3601, 7200}, {8000, 7200},
    };
    for (const auto& c : cases) {
        const AlignmentVerdict v = judge(kRD, rpm(c.rpm));
        ASSERT_TRUE(v.given) << c.rpm;
        EXPECT_EQ(v.row.rpm, c.row) << c.rpm;
        EXPECT_EQ(verdictStatusLine(v),
                  "Alignment: Out of tolerance at " + std::to_string(c.row) + " rpm (short coupling)");
    }
}

TEST(Verdict, NoVerdictSaysWhy) {
    const struct {
        int method;
        Edit edit;
        const char* reason;
    } cases[] = {
        {kRD, rpm(0), "No verdict: the speed is 0"},
        {kRD, rpm(-1800), "No verdict: the speed is below 0"},
        {kJS, rpm(NAN), "No verdict: the speed is not a finite number"},
        {kRD, [](R& r, O&) { r.length(kRD, 2) = 0; }, "No verdict: distance C is 0"},
        // Two feet of one machine at one place leave its line, and so the misalignment, undefined.
        {kRD, [](R& r, O&) { r.length(kRD, 0) = 0; }, "No verdict: distance A is 0"},
        {kRD, [](R& r, O&) { r.length(kRD, 4) = 0; }, "No verdict: distance E is 0"},
        {kJS, [](R& r, O&) { r.length(kJS, 0) = 0; }, "No verdict: distance A is 0"},
        // The calculation's own no-result line and its abort.
        {kRF, [](R& r, O&) { r.FaceDia1 = 0; }, "No verdict: the face diameter is 0"},
        {kRD, [](R& r, O&) { r.Station[0] = r.Station[1] = 0; },
         "No verdict: 2 stationary machine feet must be checked"},
        // Without a rotation or a bracket side no dial is read: zero moves measure nothing.
        {kRD, [](R&, O& o) { o.rotation = -1; }, "No verdict: no rotation is chosen"},
        {kRF, [](R&, O& o) { o.bracketSide = -1; }, "No verdict: no bracket side is chosen"},
        {7, {}, "No verdict: no method is selected"},
    };
    for (const auto& c : cases) {
        const AlignmentVerdict v = judge(c.method, c.edit);
        EXPECT_FALSE(v.given) << c.reason;
        EXPECT_EQ(v.reason, c.reason);
        EXPECT_EQ(verdictStatusLine(v), c.reason);
        EXPECT_EQ(verdictToolTip(v), c.reason);
        EXPECT_EQ(verdictToleranceLines(v), std::vector<std::string>{c.reason});
    }
}

// The value that decides is one that earns the overall grade: the offset that is acceptable, not
// the angle nearer its limit.
TEST(Verdict, TextsNameTheDecidingValueAgainstItsLimit) {
    const AlignmentVerdict acceptable = judge(kRF, offset5At600);
    EXPECT_EQ(verdictStatusLine(acceptable), "Alignment: Acceptable at 600 rpm (short coupling)");
    EXPECT_EQ(verdictToolTip(acceptable),
              "Vertical offset 5.125 mils is within the acceptable limit of 9.0 mils (excellent: 5.0 mils)");
    EXPECT_EQ(verdictToleranceLines(acceptable),
              (std::vector<std::string>{
                  "Row used: 600 rpm, short coupling (speed 600 rpm)",
                  "Vertical: offset 5.125 mils (excellent 5.0, acceptable 9.0), angle 1.000 mils/in "
                  "(excellent 1.0, acceptable 1.5): Acceptable",
                  "Horizontal: offset 0.00 mils (excellent 5.0, acceptable 9.0), angle 0.00 mils/in "
                  "(excellent 1.0, acceptable 1.5): Excellent",
                  "Verdict: Acceptable, decided by the vertical offset"}));
    // In metric the same verdict: offsets in millimetres (5.125 mils is 0.130175 mm, the limits 5.0 and
    // 9.0 mils 0.127 and 0.2286 mm), angles in mm per 100 mm (a tenth of mils per inch), to three
    // decimals; the grade and the numbers kept are those of mils.
    const AlignmentVerdict inMm =
        judge(kRF, with(offset5At600, [](R&, O& o) { o.units = UnitSystem::Metric; }));
    EXPECT_EQ(inMm.grade, G::Acceptable);
    EXPECT_EQ(inMm.vertical.offset, acceptable.vertical.offset);
    EXPECT_EQ(verdictToleranceLines(inMm)[1],
              "Vertical: offset 0.130 mm (excellent 0.127, acceptable 0.229), angle 0.100 mm/100 mm "
              "(excellent 0.100, acceptable 0.150): Acceptable");

    const AlignmentVerdict out = judge(kRF, with(rimFaceCase, rpm(3550)));
    EXPECT_EQ(verdictToolTip(out), "Horizontal offset 2.000 mils is over the acceptable limit of 1.5 mils");

    const AlignmentVerdict spacer = judge(kJS, with(jackShaftCase, rpm(3550.5f)));
    EXPECT_EQ(verdictStatusLine(spacer), "Alignment: Acceptable at 3600 rpm (spacer coupling)");
    EXPECT_EQ(verdictToolTip(spacer),
              "Vertical angle at the moveable coupling 0.400 mils/in is within the acceptable limit of 0.5 "
              "mils/in (excellent: 0.3 mils/in)");
    EXPECT_EQ(verdictToleranceLines(spacer),
              (std::vector<std::string>{
                  "Row used: 3600 rpm, spacer coupling (speed 3550.5 rpm)",
                  "Vertical: fixed coupling -0.200 mils/in, moveable coupling 0.400 mils/in (excellent 0.3, "
                  "acceptable 0.5): Acceptable",
                  "Horizontal: fixed coupling -0.200 mils/in, moveable coupling 0.00 mils/in (excellent 0.3, "
                  "acceptable 0.5): Excellent",
                  "Verdict: Acceptable, decided by the vertical angle at the moveable coupling"}));
}

}  // namespace
}  // namespace corvane
