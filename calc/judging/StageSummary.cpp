#include "calc/judging/StageSummary.h"

#include <array>

#include "calc/graph/ToleranceBand.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/methods/Alignment.h"

namespace corvane {

namespace {

struct StageName {
    JobStage stage;
    std::string_view key;
    std::string_view title;
};

constexpr std::array<StageName, 3> kStages{{
    {JobStage::AsFound, "as-found", "As found"},
    {JobStage::Intermediate, "intermediate", "Intermediate"},
    {JobStage::AsLeft, "as-left", "As left"},
}};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

}  // namespace

std::string_view stageKey(JobStage stage) {
    for (const StageName& s : kStages)
        if (s.stage == stage) return s.key;
    return kStages[0].key;
}

std::optional<JobStage> stageFromKey(std::string_view key) {
    for (const StageName& s : kStages)
        if (s.key == key) return s.stage;
    return std::nullopt;
}

std::string_view stageTitle(JobStage stage) {
    for (const StageName& s : kStages)
        if (s.stage == stage) return s.title;
    return kStages[0].title;
}

std::string machineName(const ProjectRecord& record) {
    const std::string& text = record.Machine;
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

JudgedValue firstValue(ToleranceTable table) {
    return table == ToleranceTable::Spacer ? JudgedValue::FixedAngle : JudgedValue::Offset;
}

JudgedValue secondValue(ToleranceTable table) {
    return table == ToleranceTable::Spacer ? JudgedValue::MoveableAngle : JudgedValue::Angle;
}

StageSummary summarizeStage(const ProjectRecord& record, const ViewOptions& view) {
    StageSummary s;
    s.view = view;
    s.rpm = record.RPM;
    // The span the acceptable offset is worked out from, as the window's refresh sets it.
    ProjectRecord job = record;
    const CalcOptions options = openingOptions(job, view);
    job.Span = toleranceSpan(job, options.method);
    const CalcResult result = calcAlignment(job, options);
    const AlignmentVerdict verdict = judgeAlignment(job, options, result);
    s.table = toleranceTableFor(options.method);
    s.hasResult = result.hasResult();
    s.judged = verdict.given;
    s.grade = verdict.given ? std::string(gradeName(verdict.grade)) : std::string("No verdict");
    s.verdictLine = verdictStatusLine(verdict);
    if (s.hasResult) {
        s.verticalFirst = verdict.vertical.value(firstValue(s.table));
        s.verticalSecond = verdict.vertical.value(secondValue(s.table));
        s.horizontalFirst = verdict.horizontal.value(firstValue(s.table));
        s.horizontalSecond = verdict.horizontal.value(secondValue(s.table));
        s.verticalMoves = result.verticalMoves;
        s.horizontalMoves = result.horizontalMoves;
    }
    for (const ReadingFinding& finding : checkReadings(job, options)) s.findings.push_back(finding.message);
    return s;
}

}  // namespace corvane
