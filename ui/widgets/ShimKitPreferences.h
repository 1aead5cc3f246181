#pragma once

#include "calc/judging/ShimPacks.h"
#include "project/AppState.h"

namespace corvane {

// The user's shim kit for each unit system and the most shims under one foot, kept in the user's
// own settings beside the unit system: a kit belongs to the technician, not to a job. The common
// pre-cut range when nothing was chosen yet or the kept text no longer reads.
ShimKit preferredShimKit(const AppPaths& paths, UnitSystem units);
// Keeps the kit of its unit system and the most shims under a foot for the next start.
void setPreferredShimKit(const AppPaths& paths, const ShimKit& kit);

}  // namespace corvane
