#include "calc/Alignment.h"

#include "calc/ResultParts.h"

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
            return CalcResult{};  // ran stays false: nothing on screen changes
    }
}

}  // namespace corvane
