#pragma once

#include <vector>

#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/Alignment.h"

namespace corvane {

// All that is said about a job: the calculation, what the readings say about themselves, and the
// verdict on the result. Every face of the product (the main window, the tolerance window, the
// report, the command line) shows this one value, so none of them can judge a job differently.
struct Assessment {
    CalcResult result;
    std::vector<ReadingFinding> findings;
    AlignmentVerdict verdict;
};

Assessment assess(const ProjectRecord& record, const CalcOptions& options);

}  // namespace corvane
