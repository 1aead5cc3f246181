#include "calc/methods/Alignment.h"

#include "calc/graph/Ranges.h"
#include "calc/graph/ToleranceBand.h"
#include "calc/methods/JackShaft.h"
#include "calc/methods/ReverseDial.h"
#include "calc/methods/RimFace.h"

namespace corvane {

CalcResult calcAlignment(const ProjectRecord& record, const CalcOptions& options) {
    switch (options.method) {
        case kMethodReverseDial:
            return detail::runReverseDial(record, options);
        case kMethodRimFace:
            return detail::calcRimFace(record, options);
        case kMethodJackShaft:
            return detail::calcJackShaft(record, options);
        default:
            return CalcResult{};  // NotRun: nothing on screen changes
    }
}

CalcOptions calcOptionsFor(const ViewOptions& view, float tolerance, YRange graph1Y, YRange graph2Y) {
    CalcOptions options;
    options.method = view.method;
    options.rotation = view.rotation;
    options.bracketSide = view.bracketSide;
    options.growthOn = view.growthOn;
    options.autoScale = view.autoScale;
    options.toleranceOn = view.toleranceOn;
    options.tolerance = tolerance;
    options.graph1Y = graph1Y;
    options.graph2Y = graph2Y;
    return options;
}

CalcOptions openingOptions(const ProjectRecord& record, const ViewOptions& view) {
    const float tolerance = calcTolerance(toleranceSpan(record, view.method), record.RPM);
    const DialRange dial1 = knobRange(record, view.method, 1), dial2 = knobRange(record, view.method, 2);
    return calcOptionsFor(view, tolerance, YRange{dial1.minimum, dial1.maximum},
                          YRange{dial2.minimum, dial2.maximum});
}

}  // namespace corvane
