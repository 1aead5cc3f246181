#include "calc/ResultParts.h"

#include <algorithm>
#include <cmath>

#include "calc/NumberFormat.h"

namespace corvane::detail {

void appendMoveLine(std::string& text, std::string_view head, float move, std::string_view suffixAtOrAbove0,
                    std::string_view suffixBelow0) {
    text += head;
    text += formatValue(std::fabs(move));
    text += move < 0 ? suffixBelow0 : suffixAtOrAbove0;
}

void markNoResult(CalcResult& result, std::string_view reason) {
    result.hasResult = false;
    result.verticalText.assign(reason);
    result.horizontalText.assign(reason);
    result.verticalMoves.clear();
    result.horizontalMoves.clear();
    for (GraphResult* graph : {&result.graph1, &result.graph2}) {
        graph->yRange.reset();
        graph->plot1 = {};
        graph->plot1Visible = false;
        if (graph->plot2) graph->plot2 = PlotData{};
        graph->plot2Visible = false;
    }
}

CalcResult noResult(CalcResult& result, const ProjectRecord& record, const CalcOptions& options,
                    std::string_view reason) {
    markNoResult(result, reason);
    addToleranceBands(result, record, options);
    return std::move(result);
}

namespace {

// Whether any of field(m, first..last) is not a finite number; the method index varies fastest.
bool anyNotFinite(const float* field, int m, int first, int last) {
    for (int j = first; j <= last; ++j)
        if (!std::isfinite(field[m + 3 * j])) return true;
    return false;
}

}  // namespace

std::optional<std::string_view> nonFiniteInput(const ProjectRecord& r, const CalcOptions& o) {
    const int m = o.method;
    const bool halfRotation = m == kMethodReverseDial && o.rotation == 1;
    const int firstPosition = halfRotation ? 0 : 1, lastPosition = halfRotation ? 1 : 3;
    if (anyNotFinite(r.Dial1Reading.data(), m, firstPosition, lastPosition) ||
        anyNotFinite(r.Dial2Reading.data(), m, firstPosition, lastPosition))
        return "No result: a dial reading is not a finite number";
    const int lastLength = m == kMethodReverseDial ? 4 : m == kMethodRimFace ? 1 : 2;
    if (anyNotFinite(r.Length.data(), m, 0, lastLength)) return "No result: a length is not a finite number";
    if (m == kMethodReverseDial && !std::isfinite(r.Sag)) return "No result: the sag is not a finite number";
    const float faceDia = m == kMethodRimFace ? r.FaceDia1 : r.FaceDia2;
    if (m != kMethodReverseDial && !std::isfinite(faceDia))
        return "No result: the face diameter is not a finite number";
    if (o.growthOn && anyNotFinite(r.Growth.data(), m, m == kMethodReverseDial ? 0 : 2, 3))
        return "No result: a growth value is not a finite number";
    return std::nullopt;
}

std::optional<YRange> autoRange(float largest) {
    const float top = niceScaleMax(largest);
    // Moves near the top of the float range step past it on the 1-2-5 scale: an axis cannot show
    // an infinite range, so the graph keeps the one it has.
    if (!std::isfinite(top)) return std::nullopt;
    return YRange{-static_cast<double>(top), static_cast<double>(top)};
}

void addToleranceBands(CalcResult& result, const ProjectRecord& record, const CalcOptions& options) {
    if (!options.toleranceOn) return;
    PlotData band = toleranceBand(record, options.method, options.tolerance);
    const auto finite = [](const std::vector<float>& v) {
        return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
    };
    // An empty band clears the old rectangle rather than leaving it on screen as if it were current.
    if (!finite(band.x) || !finite(band.y)) band = PlotData{};
    result.graph1.band = band;
    result.graph2.band = std::move(band);
}

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

    result.verticalMoves = {v1, v2};
    result.horizontalMoves = {h1, h2};
    if (options.autoScale) {
        result.graph1.yRange = autoRange(std::max(std::fabs(v1), std::fabs(v2)));
        result.graph2.yRange = autoRange(std::max(std::fabs(h1), std::fabs(h2)));
    }
    const std::vector<float> xs(layout.x, layout.x + 3);
    result.graph1.plot1 = PlotData{xs, {yV0, yV1, yV2}};
    result.graph2.plot1 = PlotData{xs, {yH0, yH1, yH2}};

    std::string& vt = result.verticalText;
    vt.reserve(64);
    appendMoveLine(vt, layout.verticalHead1, v1, kSuffixUp, kSuffixDown);
    vt += kLineBreak;
    appendMoveLine(vt, layout.verticalHead2, v2, kSuffixUp, kSuffixDown);
    std::string& ht = result.horizontalText;
    ht.reserve(64);
    appendMoveLine(ht, layout.horizontalHead1, h1, layout.horizontalAtOrAbove0, layout.horizontalBelow0);
    ht += kLineBreak;
    appendMoveLine(ht, layout.horizontalHead2, h2, layout.horizontalAtOrAbove0, layout.horizontalBelow0);
}

}  // namespace corvane::detail
