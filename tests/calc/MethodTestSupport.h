#pragma once

// The methods' tests run each calculation on the default project with the user's edits, and
// write the expected result lines out as the labels show them.

#include <functional>
#include <string>

#include "calc/Alignment.h"

namespace corvane::methodtest {

using R = ProjectRecord;
using O = CalcOptions;
using Edit = std::function<void(R&, O&)>;

inline CalcResult run(int method, const Edit& edit) {
    R record;
    setDefaults(record);
    O options;
    options.method = method;
    if (edit) edit(record, options);
    return calcAlignment(record, options);
}

inline void zeroReadings(R& r, O&) {
    r.Dial1Reading = {};
    r.Dial2Reading = {};
}

}  // namespace corvane::methodtest
