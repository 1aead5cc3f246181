#pragma once

#include "calc/methods/Alignment.h"

namespace corvane::detail {

// Rim and face: one bracket with a rim and a face indicator; moves of the near and far foot.
CalcResult calcRimFace(const ProjectRecord& record, const CalcOptions& options);

}  // namespace corvane::detail
