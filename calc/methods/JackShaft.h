#pragma once

#include "calc/methods/Alignment.h"

namespace corvane::detail {

// Jack shaft: a face indicator at each end of the spacer; moves of the inboard and outboard foot.
CalcResult calcJackShaft(const ProjectRecord& record, const CalcOptions& options);

}  // namespace corvane::detail
