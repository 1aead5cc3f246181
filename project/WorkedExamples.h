#pragma once

#include "project/ProjectRecord.h"
#include "project/ViewOptions.h"

namespace corvane {

// The example jobs the manual walks through, one per method: a pump (fixed) and its motor
// (moveable), with readings that pass the readings check. The record carries its view options and,
// for rim and face, its bar sag in ReservedText, as a saved job would.
struct WorkedExample {
    ProjectRecord record;
    ViewOptions view;
};

WorkedExample workedExample(int method);

}  // namespace corvane
