// The move alternatives: the six pairs of held feet per method, the feet's limits, and the least
// move into tolerance at the corners of the limits. Every expected move is worked out by hand from
// the shaft line of the job (noted above each table).

#include "calc/judging/MoveAlternatives.h"

#include <gtest/gtest.h>

#include "calc/MethodTestSupport.h"
#include "calc/judging/Verdict.h"

namespace corvane {
namespace {

using methodtest::Job;
using methodtest::job;
using methodtest::readings;

using Moves = std::array<double, 4>;

struct PlaneTable {
    std::array<Moves, 6> vertical;    // in the order (1,2), (1,3), (1,4), (2,3), (2,4), (3,4)
    std::array<Moves, 6> horizontal;  // signed as the method's horizontal moves
};

MoveAlternatives alternativesOf(const Job& j, const MoveSetup& setup = {}) {
    const CalcResult result = calcAlignment(j.record, j.options);
    EXPECT_TRUE(result.hasResult());
    return moveAlternatives(j.record, j.options, result, judgeAlignment(j.record, j.options, result), setup);
}

void expectTable(const MoveAlternatives& a, const PlaneTable& expected) {
    ASSERT_TRUE(a.given) << a.reason;
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const auto& rows = plane == Plane::Vertical ? expected.vertical : expected.horizontal;
        for (std::size_t k = 0; k < 6; ++k) {
            const MoveAlternative& alt = a.plane(plane).alternatives[k];
            SCOPED_TRACE((plane == Plane::Vertical ? "vertical, held " : "horizontal, held ") +
                         heldText(alt.held));
            EXPECT_EQ(alt.held, kHeldPairs[k]);
            ASSERT_TRUE(alt.computable) << alt.why;
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_NEAR(alt.moves[i], rows[k][i], 2e-5) << "foot " << i + 1;
            // Held feet stay exactly still.
            EXPECT_EQ(alt.moves[static_cast<std::size_t>(alt.held[0] - 1)], 0.0);
            EXPECT_EQ(alt.moves[static_cast<std::size_t>(alt.held[1] - 1)], 0.0);
        }
    }
}

// The fixed machine's inboard foot 10 inches before the coupling, its outboard foot 20 before that.
const MoveSetup kFixedFeetPlaced{
    .fixedInboardToCoupling = 10, .fixedFootSpacing = 20, .feet = {}, .held = {}};

// Reverse dial, feet at 0, 20, 40, 60. Dial 1 reads 20 at 6:00 and 10 at 3:00, dial 2 -40 and -20:
// the moveable machine must move up 15 - x (25 and 45 mils down at its feet) and right 0.5 x - 7.5.
Job reverseDialJob() {
    return job(kMethodReverseDial, [](ProjectRecord& r, CalcOptions&) {
        readings(r, kMethodReverseDial, {0, 10, 20, 0}, {0, -20, -40, 0});
        r.Sag = 0;
    });
}

TEST(MoveAlternatives, ReverseDialHoldsEachPairOfFeet) {
    // clang-format off
    expectTable(alternativesOf(reverseDialJob()),
        {.vertical = {{{0, 0, -25, -45}, {0, 12.5, 0, -7.5}, {0, 15, 5, 0},
                       {-25, 0, 0, 5}, {-22.5, 0, -2.5, 0}, {-15, 5, 0, 0}}},
         .horizontal = {{{0, 0, 12.5, 22.5}, {0, -6.25, 0, 3.75}, {0, -7.5, -2.5, 0},
                         {12.5, 0, 0, -2.5}, {11.25, 0, 1.25, 0}, {7.5, -2.5, 0, 0}}}});
    // clang-format on
}

// Whatever feet are ticked stationary, the pair they make carries the result's own moves, and the
// other pairs do not change.
TEST(MoveAlternatives, ReverseDialTicksOnlyChooseWhichPairIsTheResult) {
    Job j = reverseDialJob();
    j.record.Station = {0, 1, 0, 1};
    const CalcResult result = calcAlignment(j.record, j.options);
    const MoveAlternatives a = alternativesOf(j);
    const MoveAlternative& held24 = a.vertical.alternatives[4];
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(held24.moves[i], result.verticalMoves[i] + 0.0);
    EXPECT_NEAR(a.vertical.alternatives[0].moves[3], -45, 2e-5);
}

// Rim and face, bracket on the fixed machine, the fixed machine's feet given 10 and 30 inches before
// the coupling: feet at -30, -10, 20, 40. Vertically the moveable needs -5 - 0.2 x (9 and 13 down),
// horizontally 3 + 0.2 x to the right, which rim and face counts as minus.
TEST(MoveAlternatives, RimFaceWithTheFixedFeetGiven) {
    const Job j = job(kMethodRimFace, [](ProjectRecord& r, CalcOptions&) {
        readings(r, kMethodRimFace, {0, 6, 10, 0}, {0, -2, -2, 0});
    });
    // clang-format off
    expectTable(alternativesOf(j, kFixedFeetPlaced),
        {.vertical = {{{0, 0, -9, -13}, {0, 3.6, 0, -0.4}, {0, 3.714286, 0.285714, 0},
                       {-6, 0, 0, 2}, {-5.2, 0, -1.2, 0}, {-1, 3, 0, 0}}},
         .horizontal = {{{0, 0, -7, -11}, {0, 2.8, 0, -1.2}, {0, 3.142857, 0.857143, 0},
                         {-4.666667, 0, 0, 0.666667}, {-4.4, 0, -0.4, 0}, {-3, 1, 0, 0}}}});
    // clang-format on

    // Without them only the pair that keeps the fixed machine still can be worked out.
    const MoveAlternatives without = alternativesOf(j);
    EXPECT_TRUE(without.vertical.alternatives[0].computable);
    for (std::size_t k = 1; k < 6; ++k) {
        EXPECT_FALSE(without.vertical.alternatives[k].computable);
        EXPECT_EQ(without.vertical.alternatives[k].why, "the fixed machine's feet are not placed");
    }
}

// Jack shaft, feet at -30, -10, 100, 150: the moveable needs 42 - 0.2 x up and -14 - 0.4 x right.
TEST(MoveAlternatives, JackShaftWithTheFixedFeetGiven) {
    const Job j = job(kMethodJackShaft, [](ProjectRecord& r, CalcOptions&) {
        readings(r, kMethodJackShaft, {0, 5, 4, -1}, {0, -3, -6, -1});
    });
    // clang-format off
    expectTable(alternativesOf(j, kFixedFeetPlaced),
        {.vertical = {{{0, 0, 22, 12}, {0, -3.384615, 0, -18.461538}, {0, -1.333333, 13.333333, 0},
                       {4, 0, 0, -20}, {1.5, 0, 13.75, 0}, {-48, -44, 0, 0}}},
         .horizontal = {{{0, 0, -54, -74}, {0, 8.307692, 0, 0.769231}, {0, 8.222222, -0.555556, 0},
                         {-9.818182, 0, 0, 4.545455}, {-9.25, 0, -3.125, 0}, {2, 10, 0, 0}}}});
    // clang-format on
}

// What a foot can do: the first thing asked beyond it is the reason.
TEST(MoveAlternatives, FeetThatCannotDoTheMoveMakeItNotWorkable) {
    MoveSetup setup;
    setup.feet[2].shim = 15;       // foot 3 must go down 25 with the fixed machine held
    setup.feet[3].boltRight = 20;  // foot 4 must go right 22.5
    const MoveAlternatives a = alternativesOf(reverseDialJob(), setup);
    const auto expectWhy = [](const MoveAlternative& alt, const std::string& why) {
        EXPECT_EQ(alt.workable, why.empty()) << why;
        EXPECT_EQ(alt.why, why);
    };
    expectWhy(a.vertical.alternatives[0], "foot 3 must go down 25.00 mils, it has 15.00 mils of shim");
    expectWhy(a.vertical.alternatives[1], "");  // foot 3 held
    expectWhy(a.horizontal.alternatives[0], "foot 4 must go right 22.50 mils, its bolts allow 20.00 mils");
    expectWhy(a.horizontal.alternatives[2], "");  // foot 4 held
}

// The shims the foot ledger records under a foot bound its way down where the technician gave no
// figure of their own; one given wins.
TEST(MoveAlternatives, TheLedgersShimsBoundAFootThatHasNoLimitGiven) {
    Job j = reverseDialJob();
    j.record.ReservedText = "CorvaneFeet=1;s3=6,4";  // 10 mils under foot 3
    EXPECT_EQ(alternativesOf(j).vertical.alternatives[0].why,
              "foot 3 must go down 25.00 mils, it has 10.00 mils of shim");
    MoveSetup own;
    own.feet[2].shim = 30;
    EXPECT_TRUE(alternativesOf(j, own).vertical.alternatives[0].workable);
}

// ---- The least move into tolerance, on a plane given directly ----------------------------------

// Reverse dial feet at 0, 20, 40, 60, judged at the coupling centre x = 30, at 3600 rpm: acceptable
// within 1.5 mils and 0.3 mils/in. `vertical` and `horizontal` are the graphs' lines.
struct LeastCase {
    const char* name;
    ShaftLine vertical;
    ShaftLine horizontal;
    Plane plane;
    MoveSetup setup;
    bool either;
    bool found;
    Moves moves;  // feet 1..4, up and right plus
    double offset, angle;
};

MoveAlternatives leastOf(const LeastCase& c) {
    const Job j = job(kMethodReverseDial, {});
    CalcResult result;
    result.status = CalcStatus::Result;
    result.verticalLine = c.vertical;
    result.horizontalLine = c.horizontal;
    result.verticalMoves = {0, 0, 0, 0};
    result.horizontalMoves = {0, 0, 0, 0};
    result.feet.x = {0, 20, 40, 60};
    result.feet.fixedKnown = true;
    result.feet.judgedAt = 30;
    AlignmentVerdict verdict;
    verdict.given = true;
    verdict.row = toleranceRowFor(3600);
    return moveAlternatives(j.record, j.options, result, verdict, c.setup, c.either);
}

TEST(MoveAlternatives, LeastMoveIntoToleranceAtTheCornersOfTheLimits) {
    MoveSetup shim20;
    shim20.feet[2].shim = 20;
    const ShaftLine level{};
    const LeastCase cases[] = {
        // clang-format off
        // Graph 2 mils high: tilting the moveable about the centre reaches 1.5 with 0.25 each way.
        {"offset-bound", {30, 2, 0}, level, Plane::Vertical, {}, false, true, {0, 0, -0.25, 0.25}, 1.5,
         0.025},
        // 0.5 mils/in with 3 mils offset the other way: the slope must come down 0.2, which takes 4 mils
        // between the feet; -2 and +2 leave an offset of 1.
        {"angle-bound", level, {30, -3, 0.5}, Plane::Horizontal, {}, false, true, {0, 0, -2, 2}, 1, 0.3},
        // 25 mils high: both limits meet at -20.5 and -14.5.
        {"both", {30, 25, 0}, level, Plane::Vertical, {}, false, true, {0, 0, -20.5, -14.5}, 1.5, 0.3},
        // Foot 3 cannot go below -20: no move reaches the limits.
        {"base-bound", {30, 25, 0}, level, Plane::Vertical, shim20, false, false, {}, 0, 0},
        // Either machine: all four feet share the tilt, an eighth of a mil each.
        {"either machine", {30, 2, 0}, level, Plane::Vertical, {}, true, true,
         {-0.125, 0.125, -0.125, 0.125}, 1.5, 0},
        // Already inside: no move at all.
        {"inside", {30, 1, 0.1}, level, Plane::Vertical, {}, false, true, {0, 0, 0, 0}, 1, 0.1},
        // clang-format on
    };
    for (const LeastCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MoveAlternatives a = leastOf(c);
        const ToleranceMove& tm = a.plane(c.plane).acceptable;
        ASSERT_EQ(tm.found, c.found) << tm.why;
        if (!c.found) {
            EXPECT_EQ(tm.why, "the feet's limits leave no move into the acceptable limits");
            continue;
        }
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(tm.moves[i], c.moves[i], 1e-9) << "foot " << i + 1;
        EXPECT_NEAR(tm.residual.offset, c.offset, 1e-9);
        EXPECT_NEAR(tm.residual.angle, c.angle, 1e-9);
    }
}

TEST(MoveAlternatives, DialInstructionsPutThePlungerWhereTheMovePushes) {
    MoveAlternative alt;
    alt.computable = true;
    alt.held = {1, 3};
    alt.moves = {0, 12.5, 0, -7.5};
    EXPECT_EQ(
        dialInstructions(alt, Plane::Vertical, kMethodReverseDial, UnitSystem::English),
        (std::vector<std::string>{
            "Foot 2: add 12.50 mils of shim; tightened, an indicator on top of the foot reads +12.50 mils",
            "Foot 4: remove 7.500 mils of shim; tightened, an indicator on top of the foot reads -7.500 "
            "mils"}));
    // Rim and face counts left as plus: +2 is a move to the left.
    alt.moves = {0, 2, 0, 0};
    EXPECT_EQ(dialInstructions(alt, Plane::Horizontal, kMethodRimFace, UnitSystem::English),
              (std::vector<std::string>{"Foot 2: indicator against the left side, zeroed; move it LEFT until "
                                        "the dial reads +2.000 mils"}));
}

}  // namespace
}  // namespace corvane
