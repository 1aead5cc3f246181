#include "calc/judging/Verdict.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "calc/format/FloatValues.h"
#include "calc/format/NumberFormat.h"
#include "calc/judging/SoftFoot.h"

namespace corvane {

using detail::widen;

namespace {

// A value is within a limit when it shows at or under it. Every limit is under 10, where the texts
// show a value to three decimals: a value under the limit plus half the last shown digit reads as the
// limit or less. Judging the bare double instead would let the Single rounding of the moves (a few
// millionths) turn a value that is exactly at a limit into "1.000 mils is over the limit of 1.0".
constexpr double kHalfShownDigit = 0.0005;

AlignmentGrade gradeOf(double value, Limits limits) {
    const double size = std::fabs(value);
    if (size < limits.excellent + kHalfShownDigit) return AlignmentGrade::Excellent;
    if (size < limits.acceptable + kHalfShownDigit) return AlignmentGrade::Acceptable;
    return AlignmentGrade::Out;
}

constexpr JudgedValue kShortValues[] = {JudgedValue::Offset, JudgedValue::Angle};
constexpr JudgedValue kSpacerValues[] = {JudgedValue::FixedAngle, JudgedValue::MoveableAngle};

std::span<const JudgedValue> valuesOf(ToleranceTable table) {
    if (table == ToleranceTable::Spacer) return kSpacerValues;
    return kShortValues;
}

AlignmentVerdict noVerdict(AlignmentVerdict& verdict, std::string_view why) {
    verdict.given = false;
    verdict.reason = "No verdict: ";
    verdict.reason += why;
    return std::move(verdict);
}

// The no-result line of the calculation, said as the reason for no verdict.
std::string_view whyNoResult(const CalcResult& result) {
    if (result.status == CalcStatus::Aborted) return "2 stationary machine feet must be checked";
    constexpr std::string_view prefix = "No result: ";
    const std::string_view text = result.verticalText;
    if (text.substr(0, prefix.size()) == prefix && text.size() > prefix.size())
        return text.substr(prefix.size());
    return "the calculation has no result";
}

bool hasLines(const CalcResult& result) { return result.verticalLine && result.horizontalLine; }

// Reverse dial: the misalignment at the coupling centre midway between the indicator planes.
std::string_view judgeReverseDial(const ProjectRecord& r, const CalcResult& result, AlignmentVerdict& v) {
    const int m = kMethodReverseDial;
    const float p1 = static_cast<float>(widen(r.length(m, 0)) + r.length(m, 1));
    const float p2 = static_cast<float>(widen(p1) + r.length(m, 2));
    // Both indicator planes at one place measure no angle: the calculation takes the shaft as level,
    // which is an assumption, not a measurement.
    if (p1 == p2) return "distance C is 0";
    if (!hasLines(result)) return "the calculation has no result";
    // Two feet of one machine at one place leave that machine's line undefined.
    if (result.feet.x[0] == result.feet.x[1]) return "distance A is 0";
    if (result.feet.x[2] == result.feet.x[3]) return "distance E is 0";
    const ShaftLine* lines[] = {&*result.verticalLine, &*result.horizontalLine};
    PlaneVerdict* planes[] = {&v.vertical, &v.horizontal};
    for (int i = 0; i < 2; ++i) {
        planes[i]->offset = lines[i]->at(result.feet.judgedAt);
        planes[i]->angle = lines[i]->slope;
    }
    return {};
}

// Rim and face: the moveable shaft's line at the coupling plane, x = 0.
std::string_view judgeRimFace(const CalcResult& result, AlignmentVerdict& v) {
    if (!hasLines(result)) return "the calculation has no result";
    const ShaftLine* lines[] = {&*result.verticalLine, &*result.horizontalLine};
    PlaneVerdict* planes[] = {&v.vertical, &v.horizontal};
    for (int i = 0; i < 2; ++i) {
        planes[i]->offset = lines[i]->at(0.0);
        planes[i]->angle = lines[i]->slope;
    }
    return {};
}

// Jack shaft: the spacer runs from the fixed coupling (x = 0, on the fixed shaft's axis) to the
// moveable coupling at x = A, where the moveable shaft's line is. Each coupling flexes by the angle
// between the spacer and the shaft it joins.
std::string_view judgeJackShaft(const ProjectRecord& r, const CalcResult& result, AlignmentVerdict& v) {
    const double a = r.length(kMethodJackShaft, 0);
    if (a == 0) return "distance A is 0";
    if (!hasLines(result)) return "the calculation has no result";
    const ShaftLine* lines[] = {&*result.verticalLine, &*result.horizontalLine};
    PlaneVerdict* planes[] = {&v.vertical, &v.horizontal};
    for (int i = 0; i < 2; ++i) {
        const double spacer = lines[i]->at(a) / a;
        planes[i]->fixedAngle = spacer;
        planes[i]->moveableAngle = lines[i]->slope - spacer;
    }
    return {};
}

std::string_view speedProblem(float rpm) {
    if (!std::isfinite(rpm)) return "the speed is not a finite number";
    if (rpm == 0) return "the speed is 0";
    if (rpm < 0) return "the speed is below 0";
    return {};
}

// A speed as typed: whole numbers without a point, fractions to two places, a wild value in powers
// of ten.
std::string speedText(double value) {
    if (std::fabs(value) >= 1e6) return formatPattern(value, "0.0##E+00");
    std::string text = formatPattern(value, "#####0.##");
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

Quantity quantityOf(JudgedValue value) {
    return value == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
}

// The table's limits have one decimal in mils and mils per inch. Converted they have up to four
// (1.0 mil is 0.0254 mm): shown to the three decimals of the values they are read against.
std::string limitText(double limit, JudgedValue value, UnitSystem units) {
    if (units == UnitSystem::English) return formatPattern(limit, "0.0");
    return formatValue(toDisplay(limit, quantityOf(value), units));
}

// A judged value, signed as its graph shows it.
std::string valueText(double value, JudgedValue judged, UnitSystem units) {
    return formatValue(toDisplay(value, quantityOf(judged), units));
}

// " mils", " mils/in"; " mm", " mm/100 mm".
std::string unitOf(JudgedValue value, UnitSystem units) {
    return " " + std::string(unitName(quantityOf(value), units));
}

std::string_view tableName(ToleranceTable table) {
    return table == ToleranceTable::Spacer ? "spacer coupling" : "short coupling";
}

// "vertical offset", "horizontal angle at the moveable coupling", ...
std::string valueName(Plane plane, JudgedValue value) {
    std::string name = plane == Plane::Vertical ? "vertical " : "horizontal ";
    switch (value) {
        case JudgedValue::Offset:
            name += "offset";
            break;
        case JudgedValue::Angle:
            name += "angle";
            break;
        case JudgedValue::FixedAngle:
            name += "angle at the fixed coupling";
            break;
        case JudgedValue::MoveableAngle:
            name += "angle at the moveable coupling";
            break;
    }
    return name;
}

// "Judged on a soft foot: foot 3, left lifts 4.5 mils; correct it and take the readings again."
void noteSoftFeet(const ProjectRecord& record, AlignmentVerdict& v) {
    const FootLedger ledger = decodeFootLedger(record.ReservedText);
    const std::optional<SoftFootFinding> worst = worstSoftFoot(ledger, v.units);
    if (!worst) return;
    v.softFeet = softFootCount(ledger, v.units);
    const std::string foot =
        "foot " + std::to_string(worst->position + 1) + ", " + std::string(footSideName(worst->side)) +
        " lifts " + liftText(worst->lift, v.units) + " " + std::string(unitName(Quantity::Reading, v.units));
    if (v.softFeet == 1)
        v.softFootNote = "Judged on a soft foot: " + foot + "; correct it and take the readings again.";
    else
        v.softFootNote = "Judged on " + std::to_string(v.softFeet) + " soft feet, the worst " + foot +
                         "; correct them and take the readings again.";
}

}  // namespace

const ToleranceRow& toleranceRowFor(float rpm) {
    for (const ToleranceRow& row : kToleranceRows)
        if (static_cast<double>(row.rpm) >= rpm) return row;
    return kToleranceRows.back();
}

Limits limitsFor(const ToleranceRow& row, JudgedValue value) {
    switch (value) {
        case JudgedValue::Offset:
            return {row.offsetExcellent, row.offsetAcceptable};
        case JudgedValue::Angle:
            return {row.angleExcellent, row.angleAcceptable};
        default:
            return {row.spacerExcellent, row.spacerAcceptable};
    }
}

double PlaneVerdict::value(JudgedValue v) const {
    switch (v) {
        case JudgedValue::Offset:
            return offset;
        case JudgedValue::Angle:
            return angle;
        case JudgedValue::FixedAngle:
            return fixedAngle;
        default:
            return moveableAngle;
    }
}

AlignmentVerdict judgeAlignment(const ProjectRecord& record, const CalcOptions& options,
                                const CalcResult& result) {
    AlignmentVerdict v;
    v.rpm = record.RPM;
    v.units = options.units;
    if (result.status == CalcStatus::NotRun) return noVerdict(v, "no method is selected");
    if (!result.hasResult()) return noVerdict(v, whyNoResult(result));

    // Without a rotation or a bracket side the calculation reads no dial at all: its zero moves are
    // not a measurement to judge.
    std::string_view problem;
    switch (options.method) {
        case kMethodReverseDial:
            if (options.rotation != 0 && options.rotation != 1) return noVerdict(v, "no rotation is chosen");
            v.table = ToleranceTable::ShortCoupling;
            problem = judgeReverseDial(record, result, v);
            break;
        case kMethodRimFace:
            if (options.bracketSide != 0 && options.bracketSide != 1)
                return noVerdict(v, "no bracket side is chosen");
            v.table = ToleranceTable::ShortCoupling;
            problem = judgeRimFace(result, v);
            break;
        default:
            v.table = ToleranceTable::Spacer;
            problem = judgeJackShaft(record, result, v);
            break;
    }
    if (!problem.empty()) return noVerdict(v, problem);
    if (const std::string_view speed = speedProblem(record.RPM); !speed.empty()) return noVerdict(v, speed);

    v.row = toleranceRowFor(record.RPM);
    const auto values = valuesOf(v.table);
    for (PlaneVerdict* p : {&v.vertical, &v.horizontal}) {
        for (const JudgedValue jv : values) {
            if (!std::isfinite(p->value(jv))) return noVerdict(v, "the numbers are too large to judge");
        }
        // A graph that shows exactly 0 shows no sign either.
        p->offset += 0.0, p->angle += 0.0, p->fixedAngle += 0.0, p->moveableAngle += 0.0;
        p->grade = AlignmentGrade::Excellent;
        for (const JudgedValue jv : values)
            p->grade = std::max(p->grade, gradeOf(p->value(jv), limitsFor(v.row, jv)));
    }
    v.grade = std::max(v.vertical.grade, v.horizontal.grade);

    // The value that earns the grade and lies nearest its limit (or furthest over it) decides.
    double worst = -1;
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        for (const JudgedValue jv : values) {
            const Limits limits = limitsFor(v.row, jv);
            const double value = v.plane(plane).value(jv);
            if (gradeOf(value, limits) != v.grade) continue;
            const double limit = v.grade == AlignmentGrade::Excellent ? limits.excellent : limits.acceptable;
            const double share = std::fabs(value) / limit;
            if (share > worst) {
                worst = share;
                v.decidingPlane = plane;
                v.decidingValue = jv;
            }
        }
    }
    v.given = true;
    noteSoftFeet(record, v);
    return v;
}

std::string_view gradeName(AlignmentGrade grade) {
    switch (grade) {
        case AlignmentGrade::Excellent:
            return "Excellent";
        case AlignmentGrade::Acceptable:
            return "Acceptable";
        default:
            return "Out of tolerance";
    }
}

std::string verdictStatusLine(const AlignmentVerdict& v) {
    if (!v.given) return v.reason;
    std::string text = "Alignment: ";
    text += gradeName(v.grade);
    text += " at ";
    text += std::to_string(v.row.rpm);
    text += " rpm (";
    text += tableName(v.table);
    text += ')';
    if (v.softFeet > 0) text += ", on soft feet";
    return text;
}

std::string verdictToolTip(const AlignmentVerdict& v) {
    if (!v.given) return v.reason;
    const JudgedValue jv = v.decidingValue;
    const Limits limits = limitsFor(v.row, jv);
    const std::string unit = unitOf(jv, v.units);
    std::string text = valueName(v.decidingPlane, jv);
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    text += ' ';
    text += valueText(v.plane(v.decidingPlane).value(jv), jv, v.units);
    text += unit;
    switch (v.grade) {
        case AlignmentGrade::Excellent:
            text += " is within the excellent limit of ";
            text += limitText(limits.excellent, jv, v.units);
            text += unit;
            break;
        case AlignmentGrade::Acceptable:
            text += " is within the acceptable limit of ";
            text += limitText(limits.acceptable, jv, v.units);
            text += unit;
            text += " (excellent: ";
            text += limitText(limits.excellent, jv, v.units);
            text += unit;
            text += ')';
            break;
        case AlignmentGrade::Out:
            text += " is over the acceptable limit of ";
            text += limitText(limits.acceptable, jv, v.units);
            text += unit;
            break;
    }
    return text;
}

std::vector<std::string> verdictToleranceLines(const AlignmentVerdict& v) {
    if (!v.given) return {v.reason};
    std::vector<std::string> lines;
    lines.reserve(4);
    lines.push_back("Row used: " + std::to_string(v.row.rpm) + " rpm, " + std::string(tableName(v.table)) +
                    " (speed " + speedText(v.rpm) + " rpm)");
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const PlaneVerdict& p = v.plane(plane);
        std::string line = plane == Plane::Vertical ? "Vertical: " : "Horizontal: ";
        const auto limitsPart = [&](JudgedValue jv) {
            const Limits limits = limitsFor(v.row, jv);
            return " (excellent " + limitText(limits.excellent, jv, v.units) + ", acceptable " +
                   limitText(limits.acceptable, jv, v.units) + ")";
        };
        const auto shown = [&](JudgedValue jv) {
            return valueText(p.value(jv), jv, v.units) + unitOf(jv, v.units);
        };
        if (v.table == ToleranceTable::ShortCoupling) {
            line += "offset " + shown(JudgedValue::Offset) + limitsPart(JudgedValue::Offset);
            line += ", angle " + shown(JudgedValue::Angle) + limitsPart(JudgedValue::Angle);
        } else {
            line += "fixed coupling " + shown(JudgedValue::FixedAngle) + ", moveable coupling " +
                    shown(JudgedValue::MoveableAngle) + limitsPart(JudgedValue::FixedAngle);
        }
        line += ": ";
        line += gradeName(p.grade);
        lines.push_back(std::move(line));
    }
    // What the readings stood on comes before the verdict it qualifies.
    if (!v.softFootNote.empty()) lines.push_back(v.softFootNote);
    lines.push_back("Verdict: " + std::string(gradeName(v.grade)) + ", decided by the " +
                    valueName(v.decidingPlane, v.decidingValue));
    return lines;
}

ToleranceTable toleranceTableFor(int method) {
    return method == kMethodJackShaft ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling;
}

std::vector<std::string> verdictLimitLines(float rpm, int method, UnitSystem units) {
    if (const std::string_view problem = speedProblem(rpm); !problem.empty())
        return {"No limits: " + std::string(problem)};
    const ToleranceTable table = toleranceTableFor(method);
    const ToleranceRow& row = toleranceRowFor(rpm);
    std::vector<std::string> lines;
    lines.push_back("Limits of the verdict: " + std::to_string(row.rpm) + " rpm row, " +
                    std::string(tableName(table)) + " (speed " + speedText(rpm) + " rpm)");
    const auto limits = [&](const char* name, JudgedValue jv) {
        const Limits l = limitsFor(row, jv);
        const std::string unit = unitOf(jv, units);
        lines.push_back(std::string(name) + ": excellent " + limitText(l.excellent, jv, units) + unit +
                        ", acceptable " + limitText(l.acceptable, jv, units) + unit);
    };
    if (table == ToleranceTable::Spacer) {
        limits("Angle at each coupling", JudgedValue::FixedAngle);
    } else {
        limits("Offset", JudgedValue::Offset);
        limits("Angle", JudgedValue::Angle);
    }
    return lines;
}

}  // namespace corvane
