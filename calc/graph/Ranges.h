#pragma once

#include <optional>

#include "calc/format/Units.h"
#include "calc/graph/PlotData.h"
#include "project/ProjectRecord.h"

namespace corvane {

// The ranges of the graphs' axes and of the knobs' and thermometers' dials, all on the 1-2-5 series.

// The 1-2-5 series: the step at or above |v| (niceStepAbove) or at or below it (niceStepBelow),
// with the sign of v.
float niceStepAbove(double v);
float niceStepBelow(double v);

// The graph's range buttons: narrow (widen == false) or widen the range by a tenth of its span each
// side.
YRange stepRange(YRange range, bool widen);

// AutoScale's range, -niceStepAbove(largest) .. +niceStepAbove(largest): the maximum is set first and the
// minimum is the negative of the maximum as the axis holds it. None when that end is not finite.
std::optional<YRange> autoRange(float largest);

// The range of a knob or a thermometer: its ends and the value one step (a key, a wheel notch) moves.
struct DialRange {
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    bool operator==(const DialRange&) const = default;
};

// The knobs of one dial: symmetric about 0 and wide enough for the largest reading of that dial
// (dial 1 or 2) of the method, on the 1-2-5 series; a step is half a percent of the span.
DialRange knobRange(const ProjectRecord& record, int method, int dial);
// The same in the unit the knobs show: in metric the 1-2-5 series of millimetres, stepped in whole
// hundredths of a millimetre, which is what a metric dial reads.
DialRange knobRange(const ProjectRecord& record, int method, int dial, UnitSystem units);

// The thermometers of one foot: from the 1-2-5 step at or below the lower temperature to the one
// at or above the higher, below zero as above it; equal temperatures on a step get a range one
// degree high.
DialRange thermometerRange(float hotTemp, float coldTemp);

}  // namespace corvane
