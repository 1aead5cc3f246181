#include "calc/methods/NoResult.h"

#include <algorithm>
#include <cmath>

#include "calc/graph/ToleranceBand.h"
#include "calc/methods/MethodTraits.h"

namespace corvane::detail {

void markNoResult(CalcResult& result, std::string_view reason) {
    result.status = CalcStatus::NoResult;
    result.verticalText.assign(reason);
    result.horizontalText.assign(reason);
    result.verticalMoves.clear();
    result.horizontalMoves.clear();
    for (GraphResult* graph : {&result.graph1, &result.graph2}) {
        graph->yRange.reset();
        graph->fixedMachine.reset();
        graph->moveableMachine.reset();
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
    const MethodTraits& traits = methodTraits(m);
    if (anyNotFinite(r.Length.data(), m, 0, traits.lengthCount - 1))
        return "No result: a length is not a finite number";
    if (!std::isfinite(miscValue(r, m)))
        return traits.miscField == MiscField::Sag ? "No result: the sag is not a finite number"
                                                  : "No result: the face diameter is not a finite number";
    if (o.growthOn && anyNotFinite(r.Growth.data(), m, traits.firstGrowthIndex, 3))
        return "No result: a growth value is not a finite number";
    return std::nullopt;
}

void addToleranceBands(CalcResult& result, const ProjectRecord& record, const CalcOptions& options) {
    if (!options.toleranceOn) return;
    ToleranceBand band;
    band.corners = toleranceBand(record, options.method, options.tolerance);
    const auto finite = [](const std::vector<float>& v) {
        return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
    };
    if (finite(band.corners.x) && finite(band.corners.y)) {
        band.state = ToleranceBand::State::Drawn;
    } else {
        band.state = ToleranceBand::State::Cleared;
        band.corners = {};
    }
    result.graph1.band = band;
    result.graph2.band = std::move(band);
}

}  // namespace corvane::detail
