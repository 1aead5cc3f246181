#include "calc/judging/MoveAlternatives.h"

#include <algorithm>
#include <cmath>

#include "calc/format/Units.h"

namespace corvane {

namespace {

// A move is over a limit when it shows more than it: the result lines show moves to three decimals.
constexpr double kHalfShownDigit = 0.0005;

// Inside the moves, up and right are plus for every method and plane. The result lines' signs differ:
// rim and face counts a horizontal move to the left as plus.
double resultSign(Plane plane, int method) {
    return plane == Plane::Horizontal && method == kMethodRimFace ? -1.0 : 1.0;
}

// The move the moveable machine needs with the fixed one held: up and right plus. A vertical graph
// shows where the shaft is (the move's opposite), a horizontal graph shows the move itself.
ShaftLine neededMove(const ShaftLine& shown, Plane plane) {
    if (plane == Plane::Horizontal) return shown;
    return ShaftLine{shown.x0, -shown.offset, -shown.slope};
}

double graphSign(Plane plane) { return plane == Plane::Vertical ? -1.0 : 1.0; }

std::string amountText(double mils, UnitSystem units) {
    return formatStored(mils, Quantity::Move, units) + " " + std::string(unitName(Quantity::Move, units));
}

std::string footText(int index) { return "foot " + std::to_string(index + 1); }

// The first thing a foot is asked that it cannot do; empty when it can do all. `move` is up/right plus.
std::string overLimit(int foot, double move, Plane plane, const FootLimits& limits, UnitSystem units) {
    if (plane == Plane::Vertical) {
        if (limits.shim && -move > *limits.shim + kHalfShownDigit)
            return footText(foot) + " must go down " + amountText(-move, units) + ", it has " +
                   amountText(*limits.shim, units) + " of shim";
        return {};
    }
    if (limits.boltRight && move > *limits.boltRight + kHalfShownDigit)
        return footText(foot) + " must go right " + amountText(move, units) + ", its bolts allow " +
               amountText(*limits.boltRight, units);
    if (limits.boltLeft && -move > *limits.boltLeft + kHalfShownDigit)
        return footText(foot) + " must go left " + amountText(-move, units) + ", its bolts allow " +
               amountText(*limits.boltLeft, units);
    return {};
}

struct PlaneInput {
    Plane plane = Plane::Vertical;
    ShaftLine need;             // up/right plus
    std::array<double, 4> x{};  // foot places
    bool fixedKnown = false;
    const MoveSetup* setup = nullptr;
    int method = 0;
    UnitSystem units = UnitSystem::English;
};

MoveAlternative alternativeFor(const PlaneInput& in, std::array<int, 2> held) {
    MoveAlternative alt;
    alt.held = held;
    const int p = held[0] - 1, q = held[1] - 1;
    const auto up = [](int i) { return static_cast<std::size_t>(i); };
    if (!(p == 0 && q == 1) && !in.fixedKnown) {
        alt.why = "the fixed machine's feet are not placed";
        return alt;
    }
    if (in.x[up(p)] == in.x[up(q)]) {
        alt.why = footText(p) + " and " + footText(q) + " stand at one place";
        return alt;
    }
    // The fixed machine moves by F(x), the moveable by F(x) + N(x): zero at both held feet.
    std::array<double, 4> u{};
    if (q <= 1) {
        for (std::size_t i = 2; i < 4; ++i) u[i] = in.need.at(in.x[i]);
    } else if (p >= 2) {
        for (std::size_t i = 0; i < 2; ++i) u[i] = -in.need.at(in.x[i]);
    } else {
        const double b = -in.need.at(in.x[up(q)]) / (in.x[up(q)] - in.x[up(p)]);
        for (std::size_t i = 0; i < 4; ++i) {
            u[i] = b * (in.x[i] - in.x[up(p)]);
            if (i >= 2) u[i] += in.need.at(in.x[i]);
        }
    }
    u[up(p)] = 0, u[up(q)] = 0;
    return alt.computable = true, alt.moves = u, alt;
}

// Checks an alternative whose moves are up/right plus, then turns them to the result's signs.
void finish(MoveAlternative& alt, const PlaneInput& in) {
    if (!alt.computable) return;
    alt.workable = true;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!std::isfinite(alt.moves[i])) {
            alt.computable = false, alt.workable = false;
            alt.why = "the numbers are too large";
            return;
        }
    }
    for (int i = 0; i < 4 && alt.workable; ++i) {
        alt.why = overLimit(i, alt.moves[static_cast<std::size_t>(i)], in.plane,
                            in.setup->feet[static_cast<std::size_t>(i)], in.units);
        alt.workable = alt.why.empty();
    }
    alt.largest = 0;
    const double sign = resultSign(in.plane, in.method);
    for (double& m : alt.moves) {
        alt.largest = std::max(alt.largest, std::fabs(m));
        m = m * sign + 0.0;  // no "-0"
    }
}

// ---- The least move into tolerance --------------------------------------------------------------

// One judged value as a linear form of the four foot moves (up/right plus): k0 + k . u.
struct Form {
    double k0 = 0;
    std::array<double, 4> k{};
    double at(const std::array<double, 4>& u) const {
        return k0 + k[0] * u[0] + k[1] * u[1] + k[2] * u[2] + k[3] * u[3];
    }
};

// The misalignment left after the moves: R(x) = N(x) - U(x) + F(x), as a value and a slope form
// at a place x. U runs through feet 3 and 4, F through feet 1 and 2.
struct ResidualAt {
    Form value, slope;
};
ResidualAt residualAt(const PlaneInput& in, double x) {
    ResidualAt r;
    r.value.k0 = in.need.at(x);
    r.slope.k0 = in.need.slope;
    const double w = in.x[3] - in.x[2];
    r.value.k[2] = -(in.x[3] - x) / w;
    r.value.k[3] = -(x - in.x[2]) / w;
    r.slope.k[2] = 1 / w;
    r.slope.k[3] = -1 / w;
    if (in.fixedKnown && in.x[1] != in.x[0]) {
        const double v = in.x[1] - in.x[0];
        r.value.k[0] = (in.x[1] - x) / v;
        r.value.k[1] = (x - in.x[0]) / v;
        r.slope.k[0] = -1 / v;
        r.slope.k[1] = 1 / v;
    }
    return r;
}

struct Judged {
    std::array<Form, 2> forms;  // offset, angle; or fixed angle, moveable angle
    std::array<double, 2> limit{};
};

Judged judgedForms(const PlaneInput& in, const FootPlaces& feet, ToleranceTable table,
                   const ToleranceRow& row, bool excellent) {
    Judged j;
    const auto limit = [&](JudgedValue v) {
        const Limits l = limitsFor(row, v);
        return excellent ? l.excellent : l.acceptable;
    };
    if (table == ToleranceTable::ShortCoupling) {
        const ResidualAt r = residualAt(in, feet.judgedAt);
        j.forms = {r.value, r.slope};
        j.limit = {limit(JudgedValue::Offset), limit(JudgedValue::Angle)};
        return j;
    }
    // The spacer's angle against the fixed shaft is R(a) / a, against the moveable shaft the
    // moveable shaft's slope less it.
    const double a = feet.spacerEnd;
    const ResidualAt r = residualAt(in, a);
    Form fixedAngle = r.value, moveableAngle = r.slope;
    fixedAngle.k0 /= a;
    for (double& k : fixedAngle.k) k /= a;
    moveableAngle.k0 -= fixedAngle.k0;
    for (std::size_t i = 0; i < 4; ++i) moveableAngle.k[i] -= fixedAngle.k[i];
    j.forms = {fixedAngle, moveableAngle};
    j.limit = {limit(JudgedValue::FixedAngle), limit(JudgedValue::MoveableAngle)};
    return j;
}

// One half-space of the moves: g . u <= h.
struct Row {
    std::array<double, 4> g{};
    double h = 0;
};

bool satisfies(const std::vector<Row>& rows, const std::array<double, 4>& u) {
    for (const Row& r : rows) {
        const double lhs = r.g[0] * u[0] + r.g[1] * u[1] + r.g[2] * u[2] + r.g[3] * u[3];
        if (lhs > r.h + 1e-9 * (1 + std::fabs(r.h))) return false;
    }
    return true;
}

double largestOf(const std::array<double, 4>& u) {
    return std::max({std::fabs(u[0]), std::fabs(u[1]), std::fabs(u[2]), std::fabs(u[3])});
}
double sumOf(const std::array<double, 4>& u) {
    return std::fabs(u[0]) + std::fabs(u[1]) + std::fabs(u[2]) + std::fabs(u[3]);
}

// Keeps the better of two candidates: the smaller largest move, then the smaller total.
void consider(const std::vector<Row>& rows, const std::array<double, 4>& u,
              std::optional<std::array<double, 4>>& best) {
    for (const double v : u)
        if (!std::isfinite(v)) return;
    if (!satisfies(rows, u)) return;
    if (best) {
        const double a = largestOf(u), b = largestOf(*best);
        const double eps = 1e-12 * (1 + b);
        if (a > b + eps) return;
        if (a >= b - eps && sumOf(u) >= sumOf(*best) - eps) return;
    }
    best = u;
}

// Moving the moveable machine only: minimise max(|u3|, |u4|) over the polygon the rows cut. The
// optimum is a vertex of the programme in (u3, u4, t): the origin, a corner of the polygon, or where
// an edge of it meets u3 = u4 or u3 = -u4.
std::optional<std::array<double, 4>> leastMoveableMove(const std::vector<Row>& rows) {
    std::optional<std::array<double, 4>> best;
    consider(rows, {0, 0, 0, 0}, best);
    const auto meet = [&](double a1, double b1, double c1, double a2, double b2, double c2) {
        const double det = a1 * b2 - a2 * b1;
        if (det == 0) return;
        consider(rows, {0, 0, (c1 * b2 - c2 * b1) / det, (a1 * c2 - a2 * c1) / det}, best);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        meet(r.g[2], r.g[3], r.h, 1, -1, 0);
        meet(r.g[2], r.g[3], r.h, 1, 1, 0);
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            meet(r.g[2], r.g[3], r.h, rows[j].g[2], rows[j].g[3], rows[j].h);
    }
    return best;
}

// Solves the n x n system a . v = b in place by elimination with partial pivoting; false when singular.
template <std::size_t N>
bool solve(std::array<std::array<double, N + 1>, N>& a) {
    for (std::size_t c = 0; c < N; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < N; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-12) return false;
        std::swap(a[c], a[pivot]);
        for (std::size_t r = 0; r < N; ++r) {
            if (r == c) continue;
            const double f = a[r][c] / a[c][c];
            for (std::size_t k = c; k <= N; ++k) a[r][k] -= f * a[c][k];
        }
    }
    for (std::size_t r = 0; r < N; ++r) a[r][N] /= a[r][r];
    return true;
}

// Moving either machine: minimise t with -t <= u_i <= t over the rows, in (u1..u4, t). Every vertex
// is where five of the planes meet; all of them are tried.
std::optional<std::array<double, 4>> leastEitherMove(const std::vector<Row>& rows) {
    struct Plane5 {
        std::array<double, 5> g{};
        double h = 0;
    };
    std::vector<Plane5> planes;
    for (const Row& r : rows) planes.push_back({{r.g[0], r.g[1], r.g[2], r.g[3], 0}, r.h});
    for (std::size_t i = 0; i < 4; ++i) {
        Plane5 plus, minus;
        plus.g[i] = 1, plus.g[4] = -1;
        minus.g[i] = -1, minus.g[4] = -1;
        planes.push_back(plus);
        planes.push_back(minus);
    }
    std::optional<std::array<double, 4>> best;
    const std::size_t n = planes.size();
    std::array<std::size_t, 5> pick{};
    for (pick[0] = 0; pick[0] < n; ++pick[0])
        for (pick[1] = pick[0] + 1; pick[1] < n; ++pick[1])
            for (pick[2] = pick[1] + 1; pick[2] < n; ++pick[2])
                for (pick[3] = pick[2] + 1; pick[3] < n; ++pick[3])
                    for (pick[4] = pick[3] + 1; pick[4] < n; ++pick[4]) {
                        std::array<std::array<double, 6>, 5> a{};
                        for (std::size_t r = 0; r < 5; ++r) {
                            for (std::size_t c = 0; c < 5; ++c) a[r][c] = planes[pick[r]].g[c];
                            a[r][5] = planes[pick[r]].h;
                        }
                        if (!solve<5>(a)) continue;
                        const std::array<double, 4> u{a[0][5], a[1][5], a[2][5], a[3][5]};
                        consider(rows, u, best);
                    }
    return best;
}

ToleranceMove leastMove(const PlaneInput& in, const FootPlaces& feet, const AlignmentVerdict& verdict,
                        bool excellent, bool either) {
    ToleranceMove tm;
    if (!verdict.given) {
        tm.why = verdict.reason;
        return tm;
    }
    if (in.x[3] == in.x[2]) {
        tm.why = "feet 3 and 4 stand at one place";
        return tm;
    }
    const Judged judged = judgedForms(in, feet, verdict.table, verdict.row, excellent);
    std::vector<Row> rows;
    rows.reserve(12);
    for (std::size_t j = 0; j < 2; ++j) {
        const Form& f = judged.forms[j];
        Row plus{f.k, judged.limit[j] - f.k0},
            minus{{-f.k[0], -f.k[1], -f.k[2], -f.k[3]}, judged.limit[j] + f.k0};
        rows.push_back(plus);
        rows.push_back(minus);
    }
    const std::size_t first = either ? 0 : 2;
    for (std::size_t i = first; i < 4; ++i) {
        const FootLimits& l = in.setup->feet[i];
        Row r;
        if (in.plane == Plane::Vertical) {
            if (l.shim) r.g[i] = -1, r.h = *l.shim, rows.push_back(r);
            continue;
        }
        if (l.boltRight) r.g[i] = 1, r.h = *l.boltRight, rows.push_back(r);
        Row left;
        if (l.boltLeft) left.g[i] = -1, left.h = *l.boltLeft, rows.push_back(left);
    }
    const std::optional<std::array<double, 4>> u = either ? leastEitherMove(rows) : leastMoveableMove(rows);
    if (!u) {
        tm.why = "the feet's limits leave no move into the ";
        tm.why += excellent ? "excellent" : "acceptable";
        tm.why += " limits";
        return tm;
    }
    tm.found = true;
    tm.largest = largestOf(*u);
    const double sign = resultSign(in.plane, in.method);
    for (std::size_t i = 0; i < 4; ++i) tm.moves[i] = (*u)[i] * sign + 0.0;
    const double shown = graphSign(in.plane);
    const double v0 = judged.forms[0].at(*u) * shown + 0.0, v1 = judged.forms[1].at(*u) * shown + 0.0;
    if (verdict.table == ToleranceTable::ShortCoupling) {
        tm.residual.offset = v0, tm.residual.angle = v1;
    } else {
        tm.residual.fixedAngle = v0, tm.residual.moveableAngle = v1;
    }
    tm.residual.grade = excellent ? AlignmentGrade::Excellent : AlignmentGrade::Acceptable;
    return tm;
}

}  // namespace

std::array<int, 2> resultHeldFeet(const ProjectRecord& r, int method) {
    if (method != kMethodReverseDial) return {1, 2};
    // As the calculation picks them: the first two stationary feet.
    int s1 = -1, s2 = -1;
    for (int i = 0; i < 3 && s1 < 0; ++i)
        if (r.Station[static_cast<std::size_t>(i)] > 0) s1 = i;
    for (int j = s1 + 1; s1 >= 0 && j < 4 && s2 < 0; ++j)
        if (r.Station[static_cast<std::size_t>(j)] != 0) s2 = j;
    if (s1 < 0 || s2 < 0) return {1, 2};
    return {s1 + 1, s2 + 1};
}

void setStationaryFoot(ProjectRecord& r, int method, int foot, bool stationary) {
    if (foot < 0 || foot >= 4) return;
    r.Station[static_cast<std::size_t>(foot)] = stationary ? 1 : 0;
    int count = 0;
    for (std::int16_t value : r.Station)
        if (value > 0) ++count;
    MoveSetup setup = decodeMoveSetup(r.ReservedText);
    if (count == 2 && setup.held && method == kMethodReverseDial) {
        setup.held = resultHeldFeet(r, kMethodReverseDial);
        r.ReservedText = encodeMoveSetup(setup, r.ReservedText);
    }
}

MoveAlternatives moveAlternatives(const ProjectRecord& record, const CalcOptions& options,
                                  const CalcResult& result, const AlignmentVerdict& verdict,
                                  const MoveSetup& given, bool eitherMachine) {
    MoveAlternatives out;
    const MoveSetup setup = withLedgerShims(given, decodeFootLedger(record.ReservedText));
    if (!result.hasResult() || !result.verticalLine || !result.horizontalLine) {
        out.reason = "No alternatives: the calculation has no result";
        return out;
    }
    out.given = true;
    out.table = toleranceTableFor(options.method);

    PlaneInput in;
    in.x = result.feet.x;
    in.fixedKnown = result.feet.fixedKnown;
    if (!in.fixedKnown && setup.fixedFeetGiven()) {
        in.x[1] = -*setup.fixedInboardToCoupling;
        in.x[0] = in.x[1] - *setup.fixedFootSpacing;
        in.fixedKnown = true;
    }
    in.setup = &setup;
    in.method = options.method;
    in.units = options.units;
    // Moving the fixed machine needs its feet placed; without them only the moveable machine moves.
    const bool either = eitherMachine && in.fixedKnown;
    out.eitherMachine = either;
    const std::array<int, 2> resultHeld = resultHeldFeet(record, options.method);

    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const bool vertical = plane == Plane::Vertical;
        in.plane = plane;
        in.need = neededMove(vertical ? *result.verticalLine : *result.horizontalLine, plane);
        PlaneMoves& pm = vertical ? out.vertical : out.horizontal;
        const std::vector<float>& moves = vertical ? result.verticalMoves : result.horizontalMoves;
        for (std::size_t k = 0; k < kHeldPairs.size(); ++k) {
            MoveAlternative alt;
            if (kHeldPairs[k] == resultHeld) {
                // The result's own moves, to the last digit.
                alt.held = resultHeld;
                alt.computable = true;
                const double sign = resultSign(plane, options.method);
                const std::size_t first = moves.size() == 4 ? 0 : 2;
                for (std::size_t i = 0; i < moves.size() && i < 4; ++i)
                    alt.moves[first + i] = moves[i] * sign;
            } else {
                alt = alternativeFor(in, kHeldPairs[k]);
            }
            finish(alt, in);
            pm.alternatives[k] = std::move(alt);
        }
        pm.acceptable = leastMove(in, result.feet, verdict, false, either);
        pm.excellent = leastMove(in, result.feet, verdict, true, either);
    }
    return out;
}

namespace {

std::string moveList(const double* moves, std::size_t count, UnitSystem units) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += ", ";
        text += formatStored(moves[i], Quantity::Move, units);
    }
    return text + " " + std::string(unitName(Quantity::Move, units));
}

std::string judgedText(double value, Quantity quantity, UnitSystem units) {
    return formatStored(value, quantity, units) + " " + std::string(unitName(quantity, units));
}

}  // namespace

std::string alternativeText(const MoveAlternative& alt, UnitSystem units) {
    std::string text = "held " + heldText(alt.held) + ": ";
    if (!alt.computable) return text + "not computable: " + alt.why;
    text += moveList(alt.moves.data(), 4, units) + ", largest " + amountText(alt.largest, units);
    if (!alt.workable) text += "; not workable: " + alt.why;
    return text;
}

std::string toleranceMoveText(const ToleranceMove& tm, std::string_view grade, ToleranceTable table,
                              bool eitherMachine, UnitSystem units) {
    std::string text(grade);
    text += ": ";
    if (!tm.found) return text + tm.why;
    if (eitherMachine) {
        text += "feet 1, 2, 3, 4 move " + moveList(tm.moves.data(), 4, units);
    } else {
        text += "feet 3, 4 move " + moveList(tm.moves.data() + 2, 2, units);
    }
    text += ", largest " + amountText(tm.largest, units) + "; ";
    if (table == ToleranceTable::ShortCoupling) {
        text += "offset " + judgedText(tm.residual.offset, Quantity::Offset, units) + ", angle " +
                judgedText(tm.residual.angle, Quantity::Angle, units);
    } else {
        text += "fixed coupling " + judgedText(tm.residual.fixedAngle, Quantity::Angle, units) +
                ", moveable coupling " + judgedText(tm.residual.moveableAngle, Quantity::Angle, units);
    }
    return text;
}

std::optional<PlotData> targetLine(const CalcResult& result, Plane plane, std::array<int, 2> held,
                                   const MoveSetup& setup) {
    if (!result.hasResult()) return std::nullopt;
    const GraphResult& graph = plane == Plane::Vertical ? result.graph1 : result.graph2;
    if (!graph.moveableMachine || graph.moveableMachine->y.size() < 3) return std::nullopt;
    // Each foot as the graph plots it: reverse dial draws both machines through their feet; the other
    // methods draw the moveable machine against the fixed shaft on the axis.
    std::array<double, 4> x = result.feet.x, y{};
    bool fixedPlaced = result.feet.fixedKnown;
    const PlotData& moveable = *graph.moveableMachine;
    if (graph.fixedMachine && graph.fixedMachine->y.size() >= 2) {
        y = {graph.fixedMachine->y[0], graph.fixedMachine->y[1], moveable.y[1], moveable.y[0]};
    } else {
        y = {0, 0, moveable.y[1], moveable.y[2]};
        if (!fixedPlaced && setup.fixedFeetGiven()) {
            x[1] = -*setup.fixedInboardToCoupling;
            x[0] = x[1] - *setup.fixedFootSpacing;
            fixedPlaced = true;
        }
    }
    const auto p = static_cast<std::size_t>(held[0] - 1), q = static_cast<std::size_t>(held[1] - 1);
    if (p > 3 || q > 3 || (p < 2 && !(p == 0 && q == 1) && !fixedPlaced)) return std::nullopt;
    if (x[p] == x[q]) return std::nullopt;
    const double slope = (y[q] - y[p]) / (x[q] - x[p]);
    const auto at = [&](double where) { return static_cast<float>(y[p] + slope * (where - x[p])); };
    const float end = graph.xMax;
    PlotData line{{0.0F, end}, {at(0), at(end)}};
    for (const float v : line.y)
        if (!std::isfinite(v)) return std::nullopt;
    return line;
}

std::string moveWithDirection(double move, Plane plane, int method, UnitSystem units) {
    const std::string size = formatStored(std::fabs(move), Quantity::Move, units);
    if (size == formatStored(0.0, Quantity::Move, units)) return size;
    const double uniform = move * resultSign(plane, method);
    if (plane == Plane::Vertical) return size + (uniform > 0 ? " UP" : " DOWN");
    return size + (uniform > 0 ? " RIGHT" : " LEFT");
}

std::vector<std::string> moveSetupLines(const MoveSetup& setup, std::array<int, 2> held, UnitSystem units) {
    std::vector<std::string> lines;
    if (setup == MoveSetup{}) return lines;
    lines.push_back(setup.held ? "Chosen move alternative: feet " + heldText(held) + " held."
                               : "Held feet of the result: " + heldText(held) + ".");
    const auto length = [units](double inches) {
        return formatStored(inches, Quantity::Length, units) + " " +
               std::string(unitName(Quantity::Length, units));
    };
    if (setup.fixedInboardToCoupling || setup.fixedFootSpacing) {
        std::string line = "Fixed machine's feet:";
        if (setup.fixedInboardToCoupling)
            line += " inboard foot " + length(*setup.fixedInboardToCoupling) + " from the coupling";
        if (setup.fixedInboardToCoupling && setup.fixedFootSpacing) line += ',';
        if (setup.fixedFootSpacing) line += " foot spacing " + length(*setup.fixedFootSpacing);
        lines.push_back(line + ".");
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const FootLimits& f = setup.feet[i];
        std::vector<std::string> parts;
        if (f.shim) parts.push_back("shim " + amountText(*f.shim, units));
        if (f.boltLeft) parts.push_back("bolt room left " + amountText(*f.boltLeft, units));
        if (f.boltRight) parts.push_back("bolt room right " + amountText(*f.boltRight, units));
        if (parts.empty()) continue;
        std::string line = "Foot " + std::to_string(i + 1) + ":";
        for (std::size_t k = 0; k < parts.size(); ++k) line += (k == 0 ? " " : ", ") + parts[k];
        lines.push_back(line + ".");
    }
    return lines;
}

std::string heldText(const std::array<int, 2>& held) {
    return std::to_string(held[0]) + ", " + std::to_string(held[1]);
}

std::vector<std::string> dialInstructions(const MoveAlternative& alt, Plane plane, int method,
                                          UnitSystem units) {
    std::vector<std::string> lines;
    if (!alt.computable) return lines;
    const double sign = resultSign(plane, method);
    for (std::size_t i = 0; i < 4; ++i) {
        const double move = alt.moves[i] * sign;  // up/right plus
        const std::string size = amountText(std::fabs(move), units);
        if (formatStored(std::fabs(move), Quantity::Move, units) == formatStored(0.0, Quantity::Move, units))
            continue;
        std::string line = "Foot " + std::to_string(i + 1) + ": ";
        const std::string reading = (move > 0 ? "+" : "-") + size;
        if (plane == Plane::Horizontal) {
            // The indicator sits on the side the foot moves towards, so the move pushes its plunger in.
            const bool right = move > 0;
            line += std::string("indicator against the ") + (right ? "right" : "left") +
                    " side, zeroed; move it " + (right ? "RIGHT" : "LEFT") + " until the dial reads +" + size;
        } else {
            // Zeroed on top of the foot before the bolts are loosened: a foot that rises pushes the
            // plunger in.
            line += std::string(move > 0 ? "add " : "remove ") + size +
                    " of shim; tightened, an indicator on top of the foot reads " + reading;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace corvane
