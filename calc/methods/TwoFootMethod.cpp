#include "calc/methods/TwoFootMethod.h"

#include <algorithm>
#include <cmath>

#include "calc/format/FloatValues.h"
#include "calc/graph/Ranges.h"
#include "calc/graph/ShaftLine.h"
#include "calc/methods/NoResult.h"
#include "calc/methods/ResultText.h"

namespace corvane::detail {

bool twoFootInputsUsable(CalcResult& result, const TwoFootLayout& layout, const ProjectRecord& r,
                         const CalcOptions& options, std::optional<float> faceDiameter) {
    result.graph1.xMax = layout.x[2];
    result.graph2.xMax = layout.x[2];
    std::optional<std::string_view> why = nonFiniteInput(r, options);
    if (!why && faceDiameter == 0.0F) why = "No result: the face diameter is 0";
    // A distance too small to change the float sum puts both feet at one place as well.
    if (!why && layout.x[2] == layout.x[1]) why = layout.feetTogether;
    if (!why) return true;
    result = noResult(result, r, options, *why);
    return false;
}

void finishTwoFootResult(CalcResult& result, const TwoFootLayout& layout, const ProjectRecord& r,
                         const CalcOptions& options, float v1, float v2, float h1, float h2) {
    if (options.growthOn) {
        const int m = options.method;
        v1 = narrow(widen(v1) - r.growth(m, 2));
        v2 = narrow(widen(v2) - r.growth(m, 3));
    }
    v1 = plain(v1), v2 = plain(v2), h1 = plain(h1), h2 = plain(h2);

    // The fixed shaft is the graph's axis: the moveable shaft's line is the misalignment itself.
    const MachineShaft vertical{layout.x[2], plain(-v2), layout.x[1], plain(-v1)};
    const MachineShaft horizontal{layout.x[2], layout.negateHorizontalPlot ? plain(-h2) : h2, layout.x[1],
                                  layout.negateHorizontalPlot ? plain(-h1) : h1};
    // Drawn from the coupling plane outwards.
    const auto fromCoupling = [&layout](const MachineShaft& shaft) {
        PlotData plot = shaftPlot(shaft, layout.x[0]);
        std::reverse(plot.x.begin(), plot.x.end());
        std::reverse(plot.y.begin(), plot.y.end());
        return plot;
    };
    PlotData plotV = fromCoupling(vertical), plotH = fromCoupling(horizontal);

    if (!allFinite(v1, v2, h1, h2, plotV.y[0], plotH.y[0], layout.x[0], layout.x[1], layout.x[2])) {
        result = noResult(result, r, options, kTooLarge);
        return;
    }
    result.status = CalcStatus::Result;

    result.verticalMoves = {v1, v2};
    result.horizontalMoves = {h1, h2};
    if (options.autoScale) {
        result.graph1.yRange = autoRange(std::max(std::fabs(v1), std::fabs(v2)));
        result.graph2.yRange = autoRange(std::max(std::fabs(h1), std::fabs(h2)));
    }
    result.graph1.moveableMachine = std::move(plotV);
    result.graph2.moveableMachine = std::move(plotH);
    // Judged at the coupling end: taken at the inboard foot, the nearer one.
    result.verticalLine = vertical.inboardLine();
    result.horizontalLine = horizontal.inboardLine();
    result.feet.x = {0, 0, layout.x[1], layout.x[2]};
    result.feet.fixedKnown = false;
    addToleranceBands(result, r, options);

    std::string& vt = result.verticalText;
    vt.reserve(64);
    const UnitSystem units = options.units;
    appendMoveLine(vt, layout.verticalHead1, v1, units, kUp, kDown);
    vt += kLineBreak;
    appendMoveLine(vt, layout.verticalHead2, v2, units, kUp, kDown);
    std::string& ht = result.horizontalText;
    ht.reserve(64);
    appendMoveLine(ht, layout.horizontalHead1, h1, units, layout.horizontalAtOrAbove0,
                   layout.horizontalBelow0);
    ht += kLineBreak;
    appendMoveLine(ht, layout.horizontalHead2, h2, units, layout.horizontalAtOrAbove0,
                   layout.horizontalBelow0);
}

}  // namespace corvane::detail
