#include "calc/graph/ToleranceBand.h"

namespace corvane {

// 1500 mils per inch of span at 1 rpm: the faster the shaft, the tighter the alignment must be.
float calcTolerance(float span, float rpm) {
    if (rpm == 0) return 0;
    return static_cast<float>(static_cast<double>(span) * 1500.0 / rpm);
}

// The span over which the offset is measured: between the indicator planes for the reverse dial,
// the coupling-to-near-foot or jack shaft length for the other two.
float toleranceSpan(const ProjectRecord& record, int method) {
    switch (method) {
        case kMethodReverseDial:
            return record.length(method, 2);
        case kMethodRimFace:
        case kMethodJackShaft:
            return record.length(method, 0);
        default:
            return 0;
    }
}

PlotData toleranceBand(const ProjectRecord& record, int method, float tolerance) {
    float x1 = 0, x2 = 0;
    switch (method) {
        case kMethodReverseDial:
            x1 = record.length(0, 0) + record.length(0, 1);
            x2 = x1 + record.length(0, 2);
            break;
        case kMethodRimFace:
            x2 = record.length(1, 0);
            break;
        case kMethodJackShaft:
            x2 = record.length(2, 0);
            break;
        default:
            break;
    }
    const float t = tolerance;
    const float below = 0.0f - t;  // a tolerance of 0 draws at +0, not -0
    return PlotData{{x1, x2, x2, x1, x1}, {t, t, below, below, t}};
}

}  // namespace corvane
