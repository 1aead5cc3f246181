#include "calc/methods/ReverseDial.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/format/FloatValues.h"
#include "calc/graph/Ranges.h"
#include "calc/graph/ShaftLine.h"
#include "calc/methods/NoResult.h"
#include "calc/methods/ResultText.h"

// The reverse dial method keeps every named quantity (offsets, slopes, intercepts, positions, moves)
// in a float, as the readings and lengths it starts from are floats. Each expression is worked out in
// double from those floats and rounded to float once, where its value is stored: the precision of a
// technician's dial is far below a float's, but the rounding must fall at the same places every time
// so that results repeat to the last digit.

namespace corvane {

using detail::narrow;
using detail::widen;

DialOffsets calcDialOffsets(const ProjectRecord& r, int rotation) {
    const int m = kMethodReverseDial;
    const float a = r.length(m, 0), b = r.length(m, 1), c = r.length(m, 2), d = r.length(m, 3),
                e = r.length(m, 4);
    const float sag = r.Sag;
    const float p1 = narrow(widen(a) + b);   // indicator plane 1
    const float p2 = narrow(widen(p1) + c);  // indicator plane 2

    float sV = 0, sH = 0, iV = 0, iH = 0;
    if (rotation == 0 || rotation == 1) {
        float v1, v2, h1, h2;
        if (rotation == 0) {
            // Full rotation: zeroed at 12:00; the sag pulls both bottom readings the same way.
            v1 = narrow((widen(sag) + r.dial1(m, 2)) / 2.0);
            v2 = narrow(-(widen(sag) + r.dial2(m, 2)) / 2.0);
            h1 = narrow((widen(r.dial1(m, 1)) - r.dial1(m, 3)) / 2.0);
            h2 = narrow(-(widen(r.dial2(m, 1)) - r.dial2(m, 3)) / 2.0);
        } else {
            // Half rotation: zeroed at 9:00, read at 12:00 and 3:00.
            v1 = narrow(widen(r.dial1(m, 1)) / 2.0 - r.dial1(m, 0) + widen(sag) / 2.0);
            v2 = narrow(-(widen(r.dial2(m, 1)) / 2.0 - r.dial2(m, 0) + widen(sag) / 2.0));
            h1 = narrow(widen(r.dial1(m, 1)) / 2.0);
            h2 = narrow(-widen(r.dial2(m, 1)) / 2.0);
        }
        // Both planes at one position give no angle: the shaft is taken as level at plane 1.
        const double planeGap = widen(p2) - p1;
        if (planeGap != 0) {
            sV = narrow((widen(v2) - v1) / planeGap);
            sH = narrow((widen(h2) - h1) / planeGap);
        }
        iV = narrow(widen(v1) - widen(sV) * p1);
        iH = narrow(widen(h1) - widen(sH) * p1);
    }

    // A move is the negative of the shaft's offset at the foot.
    const float l = narrow(widen(a) + b + c + d);
    const double le = widen(l) + e;
    DialOffsets out;
    out.horizMove[2] = narrow(-(widen(sH) * l + iH));
    out.horizMove[3] = narrow(-(widen(sH) * le + iH));
    out.vertMove[2] = narrow(-(widen(sV) * l + iV));
    out.vertMove[3] = narrow(-(widen(sV) * le + iV));
    return out;
}

namespace detail {
namespace {

struct Line {
    float k = 0, c = 0;
    double at(float x) const { return widen(k) * x + c; }
};

// The line through elements a and b. Two points at one position give no slope; the line is then
// level at the first point, as the dial offsets treat two indicator planes at one position.
Line lineThrough(const float* y, const float* x, int a, int b) {
    Line line;
    const double dx = widen(x[b]) - x[a];
    if (dx != 0) line.k = narrow((widen(y[b]) - y[a]) / dx);
    line.c = narrow(widen(y[a]) - widen(line.k) * x[a]);
    return line;
}

bool plotFinite(const PlotData& p) {
    return std::all_of(p.y.begin(), p.y.end(), [](float v) { return std::isfinite(v); });
}

void appendFootLine(std::string& text, int foot, float move, UnitSystem units, std::string_view atOrAbove0,
                    std::string_view below0) {
    char head[] = "Machine Foot 0: move  ";
    head[13] = static_cast<char>('1' + foot);
    appendMoveLine(text, head, move, units, atOrAbove0, below0);
}

}  // namespace

CalcResult runReverseDial(const ProjectRecord& r, const CalcOptions& options) {
    const int m = kMethodReverseDial;
    CalcResult result;

    const DialOffsets offsets = calcDialOffsets(r, options.rotation);

    // The reference line runs through the two lowest-numbered stationary feet.
    int s1 = -1, s2 = -1;
    for (int i = 0; i < 3 && s1 < 0; ++i)
        if (r.Station[i] > 0) s1 = i;
    for (int j = s1 + 1; s1 >= 0 && j < 4 && s2 < 0; ++j)
        if (r.Station[j] != 0) s2 = j;
    // Three stationary feet cannot all stay where they are unless they happen to lie on one line:
    // the moves of the fourth would leave one of them out of line while it is marked not to move.
    int ticked = 0;
    for (const std::int16_t station : r.Station)
        if (station != 0) ++ticked;
    if (s1 < 0 || s2 < 0 || ticked == 3) {
        result.status = CalcStatus::Aborted;
        result.abortMessage = kAbortMessage;
        // No machine line and no axis change; the band does not depend on the feet.
        result.graph1.xMax = result.graph2.xMax = std::numeric_limits<float>::quiet_NaN();
        addToleranceBands(result, r, options);
        return result;
    }

    // The growth of the stationary feet goes into the record with them, whatever the moves turn out.
    if (options.growthOn) result.growthWritten = std::array<float, 2>{r.growth(m, s1), r.growth(m, s2)};

    float pos[6];
    pos[0] = 0;
    pos[1] = r.length(m, 0);
    pos[2] = narrow(widen(r.length(m, 0)) + r.length(m, 1) + r.length(m, 2) + r.length(m, 3));
    pos[3] = narrow(widen(pos[2]) + r.length(m, 4));
    pos[4] = pos[s1];
    pos[5] = pos[s2];
    result.graph1.xMax = pos[3];
    result.graph2.xMax = pos[3];
    if (const auto bad = nonFiniteInput(r, options)) return noResult(result, r, options, *bad);

    float v[6], h[6], g[6] = {};
    for (int i = 0; i < 4; ++i) {
        v[i] = offsets.vertMove[i];
        h[i] = offsets.horizMove[i];
    }
    v[4] = v[s1], v[5] = v[s2];
    h[4] = h[s1], h[5] = h[s2];

    const Line fixedV = lineThrough(v, pos, 0, 1), movingV = lineThrough(v, pos, 2, 3),
               statV = lineThrough(v, pos, 4, 5);
    const Line fixedH = lineThrough(h, pos, 0, 1), movingH = lineThrough(h, pos, 2, 3),
               statH = lineThrough(h, pos, 4, 5);
    Line fixedG, movingG, statG;  // no growth: level at 0
    if (options.growthOn) {
        for (int i = 0; i < 4; ++i) g[i] = r.growth(m, i);
        g[4] = g[s1], g[5] = g[s2];
        fixedG = lineThrough(g, pos, 0, 1);
        movingG = lineThrough(g, pos, 2, 3);
        statG = lineThrough(g, pos, 4, 5);
    }

    // Re-refer every foot to the stationary pair; the horizontal sign turns here so that a positive
    // horizontal result is a move to the right seen from the fixed machine.
    float vert[4], horiz[4];
    for (int i = 0; i < 4; ++i) {
        const float x = pos[i];
        const bool fixedMachine = i < 2;
        const Line& ownV = fixedMachine ? fixedV : movingV;
        const Line& ownH = fixedMachine ? fixedH : movingH;
        const Line& ownG = fixedMachine ? fixedG : movingG;
        const float vm = narrow(ownV.at(x) - statV.at(x));
        const float hm = narrow(-(ownH.at(x) - statH.at(x)));
        const float gm = narrow(ownG.at(x) - statG.at(x));
        vert[i] = plain(narrow(widen(vm) - gm));
        horiz[i] = plain(hm);
    }

    // Each machine's shaft through its own two feet, where the moves put it against the stationary
    // pair; the graphs and the misalignment are both drawn from these.
    float shownV[4];  // a vertical graph shows where a foot stands, the opposite of its move
    for (int i = 0; i < 4; ++i) shownV[i] = plain(-vert[i]);
    const MachineShaft fixedShaftV{pos[0], shownV[0], pos[1], shownV[1]};
    const MachineShaft moveableShaftV{pos[3], shownV[3], pos[2], shownV[2]};
    const MachineShaft fixedShaftH{pos[0], horiz[0], pos[1], horiz[1]};
    const MachineShaft moveableShaftH{pos[3], horiz[3], pos[2], horiz[2]};
    result.graph1.fixedMachine = shaftPlot(fixedShaftV, pos[2]);
    result.graph1.moveableMachine = shaftPlot(moveableShaftV, pos[1]);
    result.graph2.fixedMachine = shaftPlot(fixedShaftH, pos[2]);
    result.graph2.moveableMachine = shaftPlot(moveableShaftH, pos[1]);

    const bool finite = std::all_of(vert, vert + 4, [](float x) { return std::isfinite(x); }) &&
                        std::all_of(horiz, horiz + 4, [](float x) { return std::isfinite(x); }) &&
                        std::all_of(pos, pos + 4, [](float x) { return std::isfinite(x); }) &&
                        plotFinite(*result.graph1.fixedMachine) &&
                        plotFinite(*result.graph1.moveableMachine) &&
                        plotFinite(*result.graph2.fixedMachine) && plotFinite(*result.graph2.moveableMachine);
    if (!finite) return noResult(result, r, options, kTooLarge);

    result.status = CalcStatus::Result;
    // The misalignment is the moveable line less the fixed one, taken at the coupling centre midway
    // between the indicator planes; it is the same whichever feet are held.
    const double centre = widen(r.length(m, 0)) + r.length(m, 1) + widen(r.length(m, 2)) / 2.0;
    result.verticalLine = lineBetween(fixedShaftV.outboardLine(), moveableShaftV.outboardLine(), centre);
    result.horizontalLine = lineBetween(fixedShaftH.outboardLine(), moveableShaftH.outboardLine(), centre);
    result.feet.x = {pos[0], pos[1], pos[2], pos[3]};
    result.feet.fixedKnown = true;
    result.feet.judgedAt = centre;
    result.verticalMoves.assign(vert, vert + 4);
    result.horizontalMoves.assign(horiz, horiz + 4);
    if (options.autoScale) {
        float maxV = 0, maxH = 0;
        for (int i = 0; i < 4; ++i) {
            if (std::fabs(vert[i]) > maxV) maxV = std::fabs(vert[i]);
            if (std::fabs(horiz[i]) > maxH) maxH = std::fabs(horiz[i]);
        }
        result.graph1.yRange = autoRange(maxV);
        result.graph2.yRange = autoRange(maxH);
    }
    addToleranceBands(result, r, options);

    // The feet to move are the first two that are not stationary. With three stationary feet one is
    // left; with four there is nothing to move, and the label says so rather than showing nothing.
    int reported[2];
    int count = 0;
    for (int i = 0; i < 4 && count < 2; ++i)
        if (r.Station[i] == 0) reported[count++] = i;
    if (count == 0) {
        const std::string_view none = "All four feet are stationary: no foot to move";
        result.verticalText.assign(none);
        result.horizontalText.assign(none);
        return result;
    }
    result.verticalText.reserve(72);
    result.horizontalText.reserve(72);
    for (int n = 0; n < count; ++n) {
        if (n > 0) {
            result.verticalText += kLineBreak;
            result.horizontalText += kLineBreak;
        }
        const int foot = reported[n];
        appendFootLine(result.verticalText, foot, vert[foot], options.units, kUp, kDown);
        appendFootLine(result.horizontalText, foot, horiz[foot], options.units, "  RIGHT", "  LEFT ");
    }
    return result;
}

}  // namespace detail
}  // namespace corvane
