#pragma once

// A job goes through stages: the machine as found, corrections in between, and as left. Each stage is
// kept in the machine's history with the numbers people search and compare by; they are worked out
// here, once, by the same calculation, verdict and readings check the windows show.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/judging/Verdict.h"
#include "project/ProjectRecord.h"
#include "project/ViewOptions.h"

namespace corvane {

enum class JobStage { AsFound, Intermediate, AsLeft };

// "as-found", "intermediate", "as-left": how a stage is written in the history and on the command line.
std::string_view stageKey(JobStage stage);
std::optional<JobStage> stageFromKey(std::string_view key);
// "As found", "Intermediate", "As left": how the windows and the report name it.
std::string_view stageTitle(JobStage stage);

// The machine name a history files a job under: the Machine text without the blanks around it.
std::string machineName(const ProjectRecord& record);

struct StageSummary {
    ViewOptions view;
    float rpm = 0;
    ToleranceTable table = ToleranceTable::ShortCoupling;
    bool hasResult = false;   // the calculation gave moves and shaft lines
    bool judged = false;      // a verdict was given
    std::string grade;        // "Excellent", "Acceptable", "Out of tolerance" or "No verdict"
    std::string verdictLine;  // the status line, or the reason there is none
    // Each plane's two judged values at the coupling, in mils and mils per inch: offset and angle for
    // a short coupling, the angle at the fixed and at the moveable coupling for a spacer. Only
    // meaningful with hasResult.
    double verticalFirst = 0, verticalSecond = 0;
    double horizontalFirst = 0, horizontalSecond = 0;
    std::vector<float> verticalMoves;  // in the method's foot order, mils
    std::vector<float> horizontalMoves;
    std::vector<std::string> findings;  // the readings check, in mils
};

// The summary of a job as the window shows it on opening: the view's method and choices, the
// acceptable offset of the method's span at the job's speed, English units.
StageSummary summarizeStage(const ProjectRecord& record, const ViewOptions& view);

// The first and second judged value of a plane for a table ("offset", "angle"; "angle at the fixed
// coupling", "angle at the moveable coupling").
JudgedValue firstValue(ToleranceTable table);
JudgedValue secondValue(ToleranceTable table);

}  // namespace corvane
