#include "calc/methods/TwoFootMethod.h"

#include <algorithm>
#include <cmath>

#include "calc/format/FloatValues.h"
#include "calc/graph/Ranges.h"
#include "calc/methods/NoResult.h"
#include "calc/methods/ResultText.h"

namespace corvane::detail {

namespace {

// The straight line through the two feet (points 1 and 2), carried back to x[0]. Evaluated in double
// and stored once as a float, like the moves of these methods.
float extendToPlane(const float x[3], float y1, float y2) {
    const double slope = (static_cast<double>(y2) - y1) / (static_cast<double>(x[2]) - x[1]);
    return static_cast<float>(y2 + slope * (static_cast<double>(x[0]) - x[2]));
}

}  // namespace

void finishTwoFootResult(CalcResult& result, const TwoFootLayout& layout, float v1, float v2, float h1,
                         float h2, const CalcOptions& options) {
    v1 = plain(v1), v2 = plain(v2), h1 = plain(h1), h2 = plain(h2);
    result.graph1.xMax = layout.x[2];
    result.graph2.xMax = layout.x[2];

    const float yV1 = plain(-v1), yV2 = plain(-v2);
    const float yH1 = layout.negateHorizontalPlot ? plain(-h1) : h1;
    const float yH2 = layout.negateHorizontalPlot ? plain(-h2) : h2;
    const float yV0 = plain(extendToPlane(layout.x, yV1, yV2));
    const float yH0 = plain(extendToPlane(layout.x, yH1, yH2));

    if (!allFinite(v1, v2, h1, h2, yV0, yH0, layout.x[0], layout.x[1], layout.x[2])) {
        markNoResult(result, kTooLarge);
        return;
    }
    result.status = CalcStatus::Result;

    result.verticalMoves = {v1, v2};
    result.horizontalMoves = {h1, h2};
    if (options.autoScale) {
        result.graph1.yRange = autoRange(std::max(std::fabs(v1), std::fabs(v2)));
        result.graph2.yRange = autoRange(std::max(std::fabs(h1), std::fabs(h2)));
    }
    const std::vector<float> xs(layout.x, layout.x + 3);
    result.graph1.moveableMachine = PlotData{xs, {yV0, yV1, yV2}};
    result.graph2.moveableMachine = PlotData{xs, {yH0, yH1, yH2}};
    // The fixed shaft is the graph's axis: the misalignment is the moveable shaft's line itself.
    const double footGap = static_cast<double>(layout.x[2]) - layout.x[1];
    result.verticalLine = ShaftLine{layout.x[1], yV1, (static_cast<double>(yV2) - yV1) / footGap};
    result.horizontalLine = ShaftLine{layout.x[1], yH1, (static_cast<double>(yH2) - yH1) / footGap};
    result.feet.x = {0, 0, layout.x[1], layout.x[2]};
    result.feet.fixedKnown = false;

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
