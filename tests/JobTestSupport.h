// A job the session and change tests start from.

#pragma once

#include "project/ProjectRecord.h"

namespace corvane {

inline ProjectRecord job() {
    ProjectRecord r;
    setDefaults(r);
    r.Machine = "P-101";
    r.DateStamp = 45000;
    return r;
}

}  // namespace corvane
