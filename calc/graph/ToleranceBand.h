#pragma once

#include "calc/graph/PlotData.h"
#include "project/ProjectRecord.h"

namespace corvane {

// Acceptable offset in mils: Span * 1500 / RPM, 0 when RPM is 0.
float calcTolerance(float span, float rpm);
// The coupling span of a method: C for reverse dial, A for the other two.
float toleranceSpan(const ProjectRecord& record, int method);
// The tolerance rectangle for a method: X = (x1, x2, x2, x1, x1), Y = (T, T, -T, -T, T).
PlotData toleranceBand(const ProjectRecord& record, int method, float tolerance);

}  // namespace corvane
