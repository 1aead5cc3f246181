#pragma once

// The alignment verdict: is the machine, as the result graphs show it, aligned well enough to run
// at its speed? Judged against tolerance tables for flexible couplings.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"

namespace corvane {

enum class AlignmentGrade { Excellent, Acceptable, Out };  // worse grades compare greater

// Short coupling: offset at the coupling centre and angle across it. Spacer (jack shaft): the
// angle of the spacer against each machine, in mils per inch of spacer.
enum class ToleranceTable { ShortCoupling, Spacer };

// The table a method's alignment is judged by: the jack shaft's spacer, every other method's short
// coupling.
ToleranceTable toleranceTableFor(int method);

enum class Plane { Vertical, Horizontal };

// The values a plane is judged on: offset and angle for a short coupling, the angle at each end of
// the spacer for a jack shaft.
enum class JudgedValue { Offset, Angle, FixedAngle, MoveableAngle };

// One speed row: excellent and acceptable limits. Offsets in mils, angles in mils per inch.
struct ToleranceRow {
    int rpm;
    double offsetExcellent, offsetAcceptable;  // short coupling
    double angleExcellent, angleAcceptable;    // short coupling
    double spacerExcellent, spacerAcceptable;  // spacer, mils per inch of spacer length
};

// Widely published industry figures for flexible couplings, as the alignment tolerance tables in the
// guides of coupling and laser-alignment makers give them. Tighter as the speed rises: the forces a
// misaligned coupling puts on the bearings grow with speed.
inline constexpr std::array<ToleranceRow, 6> kToleranceRows{{
    {600, 5.0, 9.0, 1.0, 1.5, 1.8, 3.0},
    {900, 3.0, 6.0, 0.7, 1.0, 1.2, 2.0},
    {1200, 2.5, 4.0, 0.5, 0.8, 0.9, 1.5},
    {1800, 2.0, 3.0, 0.3, 0.5, 0.6, 1.0},
    {3600, 1.0, 1.5, 0.2, 0.3, 0.3, 0.5},
    {7200, 0.5, 1.0, 0.1, 0.2, 0.2, 0.3},
}};

// The row a speed is judged by: the first at or above it (the stricter of the two it lies between),
// the fastest row above them all. For a speed > 0.
const ToleranceRow& toleranceRowFor(float rpm);

struct Limits {
    double excellent = 0;
    double acceptable = 0;
};
Limits limitsFor(const ToleranceRow& row, JudgedValue value);

// One plane's judged values, signed as its graph shows them.
struct PlaneVerdict {
    double offset = 0;         // short coupling: mils at the coupling
    double angle = 0;          // short coupling: mils per inch
    double fixedAngle = 0;     // spacer: mils per inch at the fixed machine's coupling
    double moveableAngle = 0;  // spacer: mils per inch at the moveable machine's coupling
    AlignmentGrade grade = AlignmentGrade::Excellent;

    double value(JudgedValue v) const;
};

struct AlignmentVerdict {
    bool given = false;
    std::string reason;  // when not given: one sentence, "No verdict: ..."
    ToleranceTable table = ToleranceTable::ShortCoupling;
    float rpm = 0;       // the speed of the record
    ToleranceRow row{};  // the row used
    PlaneVerdict vertical;
    PlaneVerdict horizontal;
    AlignmentGrade grade = AlignmentGrade::Excellent;  // the worse plane
    // What decides the grade: of the values whose own grade is the overall grade, the one nearest
    // (or furthest over) its limit; the first in vertical, horizontal and offset, angle order on a tie.
    Plane decidingPlane = Plane::Vertical;
    JudgedValue decidingValue = JudgedValue::Offset;
    // The unit the texts below show the values and limits in (the options'); the numbers above
    // stay in mils and mils per inch.
    UnitSystem units = UnitSystem::English;
    // Feet of the job's ledger that lift over the soft-foot limit as the readings were judged: the
    // grade is then of readings a bolt may change. The note says which and how much, or is empty.
    int softFeet = 0;
    std::string softFootNote;

    const PlaneVerdict& plane(Plane p) const { return p == Plane::Vertical ? vertical : horizontal; }
};

// Judges the misalignment that the result graphs of `result` show (with growth taken off when it
// is on). Pure; `result` must be calcAlignment(record, options). A value is within a limit when it
// shows at or under it to the three decimals of the texts (below the limit + 0.0005).
AlignmentVerdict judgeAlignment(const ProjectRecord& record, const CalcOptions& options,
                                const CalcResult& result);

// "Excellent", "Acceptable", "Out of tolerance".
std::string_view gradeName(AlignmentGrade grade);

// The texts the windows show.
// Status line: "Alignment: Acceptable at 3600 rpm (short coupling)", or the reason; ", on soft feet"
// after it when the verdict was judged on them.
std::string verdictStatusLine(const AlignmentVerdict& verdict);
// The deciding plane and value against its limit, e.g. "Vertical offset 1.200 mils is within the
// acceptable limit of 1.5 mils (excellent: 1.0 mils)", or in metric "Vertical offset 0.030 mm is
// within the acceptable limit of 0.038 mm (excellent: 0.025 mm)"; the reason when there is no
// verdict.
std::string verdictToolTip(const AlignmentVerdict& verdict);
// The tolerance window's lines: the row used, each plane's values against their limits, the soft-foot
// note when there is one, the verdict.
std::vector<std::string> verdictToleranceLines(const AlignmentVerdict& verdict);

// The limits the verdict judges a job of this speed and method by, whether or not there is a result
// to judge: the row used, then each judged value's excellent and acceptable limit, e.g.
//   "Limits of the verdict: 3600 rpm row, short coupling (speed 3600 rpm)"
//   "Offset: excellent 1.0 mils, acceptable 1.5 mils"
//   "Angle: excellent 0.2 mils/in, acceptable 0.3 mils/in"
// One line with the reason when the speed gives no row.
std::vector<std::string> verdictLimitLines(float rpm, int method, UnitSystem units);

// What the span rule's figure (span x 1500 / speed) is: the half-height of the band drawn on the
// graphs, a rule of thumb beside the verdict's limits, never the limit itself.
inline constexpr const char* kBandCaption = "Band on the graphs (span \u00D7 1500 / speed)";

}  // namespace corvane
