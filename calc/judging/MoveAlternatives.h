#pragma once

// Every way to move the machines into line: for each plane, the foot moves for each of the six pairs
// of feet that can be held still, checked against what each foot can do, and the least move that
// brings the plane inside the verdict's limits. Worked from the shaft lines of the calculation.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/judging/Verdict.h"
#include "calc/methods/Alignment.h"
#include "project/MoveSetup.h"
#include "project/ProjectRecord.h"

namespace corvane {

// The six pairs of held feet (1-based), in the order every list of alternatives keeps.
inline constexpr std::array<std::array<int, 2>, 6> kHeldPairs{
    {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}};

struct MoveAlternative {
    std::array<int, 2> held{1, 2};
    bool computable = false;        // false: `why` says what is missing; no moves
    std::array<double, 4> moves{};  // feet 1..4, mils, signed as the result's moves of the plane
    double largest = 0;             // the largest of their sizes
    bool workable = false;          // every foot can do what it is asked
    std::string why;                // not computable or not workable: the first reason, else empty
};

// The least move that brings one plane inside one grade's limits.
struct ToleranceMove {
    bool found = false;
    std::string why;                // not found: the reason
    std::array<double, 4> moves{};  // feet 1..4, mils, signed as the result's moves
    double largest = 0;
    // The plane after the move, as the verdict judges it: offset and angle for a short coupling,
    // the angle at each coupling for a spacer.
    PlaneVerdict residual;
};

struct PlaneMoves {
    std::array<MoveAlternative, 6> alternatives;
    ToleranceMove acceptable;
    ToleranceMove excellent;
};

struct MoveAlternatives {
    bool given = false;
    std::string reason;          // not given: why, one sentence
    bool eitherMachine = false;  // the tolerance moves move both machines
    ToleranceTable table = ToleranceTable::ShortCoupling;
    PlaneMoves vertical;
    PlaneMoves horizontal;

    const PlaneMoves& plane(Plane p) const { return p == Plane::Vertical ? vertical : horizontal; }
};

// The alternatives of `result` (= calcAlignment(record, options)) judged against `verdict`
// (= judgeAlignment of it). The pair the result holds (reverse dial: the first two stationary feet;
// the others: feet 1 and 2) carries the result's own moves. The tolerance moves move the moveable
// machine only, or, with `eitherMachine` and the fixed machine's feet placed, both. Pure.
MoveAlternatives moveAlternatives(const ProjectRecord& record, const CalcOptions& options,
                                  const CalcResult& result, const AlignmentVerdict& verdict,
                                  const MoveSetup& setup, bool eitherMachine = false);

// The feet the result holds still (1-based): reverse dial's first two stationary feet, else 1 and 2.
std::array<int, 2> resultHeldFeet(const ProjectRecord& record, int method);

// A stationary foot ticked or cleared. A chosen move alternative follows the ticks: in reverse
// dial, once two feet are ticked they are its held feet.
void setStationaryFoot(ProjectRecord& record, int method, int foot, bool stationary);

// How to work the moves of one alternative with a single dial, one line per foot that moves:
//   "Foot 3: indicator against the right side, zeroed; move it RIGHT until the dial reads +12.000 mils"
//   "Foot 4: remove 25.000 mils of shim; tightened, an indicator on top of the foot reads -25.000 mils"
// Plunger in is plus. `method` decides which way a horizontal move's sign points.
std::vector<std::string> dialInstructions(const MoveAlternative& alternative, Plane plane, int method,
                                          UnitSystem units);

// One line of text per alternative and per tolerance move, signed as the result's moves:
//   "held 1, 2: 0.000, 0.000, -25.00, -25.00 mils, largest 25.00 mils"
//   "held 1, 3: ... largest 30.00 mils; not workable: foot 4 must go down 30.00 mils, it has 15.00 mils of
//   shim" "acceptable: feet 3, 4 move -23.50, -23.50 mils, largest 23.50 mils; offset 1.500 mils, angle 0
//   mils/in"
std::string alternativeText(const MoveAlternative& alternative, UnitSystem units);
std::string toleranceMoveText(const ToleranceMove& move, std::string_view grade, ToleranceTable table,
                              bool eitherMachine, UnitSystem units);

// Where the two machines come to lie when the feet of `held` stay still: the line through those feet
// as `graph` (of `result`) plots them, from x = 0 to the graph's end. None when the fixed machine's
// feet are needed and not placed, or the two feet stand at one place.
std::optional<PlotData> targetLine(const CalcResult& result, Plane plane, std::array<int, 2> held,
                                   const MoveSetup& setup);

// A move as a table shows it: its size and the direction the result lines name ("25.00 DOWN",
// "5.000 LEFT"); a move that shows as zero has no direction.
std::string moveWithDirection(double move, Plane plane, int method, UnitSystem units);

// What a job keeps for its moves, in sentences for the report; none for a job that keeps nothing:
//   "Chosen move alternative: feet 1, 3 held." (or "Held feet of the result: 1, 2.")
//   "Fixed machine's feet: inboard foot 10.00 in from the coupling, foot spacing 20.00 in."
//   "Foot 3: shim 15.00 mils." "Foot 4: bolt room left 5.000 mils, right 5.000 mils."
std::vector<std::string> moveSetupLines(const MoveSetup& setup, std::array<int, 2> held, UnitSystem units);

// "1, 2", as the tables show a pair.
std::string heldText(const std::array<int, 2>& held);

}  // namespace corvane
