#include "calc/judging/Assessment.h"

namespace corvane {

Assessment assess(const ProjectRecord& record, const CalcOptions& options) {
    Assessment a;
    a.result = calcAlignment(record, options);
    // The readings check needs no result: it is there even when the calculation stopped.
    a.findings = checkReadings(record, options);
    a.verdict = judgeAlignment(record, options, a.result);
    return a;
}

}  // namespace corvane
