#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "calc/format/DisplayFormat.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/ShimPacks.h"
#include "calc/judging/StageSummary.h"
#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"
#include "project/RunOptions.h"

class QPagedPaintDevice;

namespace corvane {

// The verdict on an alignment, in the words the core gives it.
struct ReportVerdict {
    std::string grade;                 // short, for the list of projects: "Acceptable"
    std::string statusLine;            // "Alignment: Acceptable at 3600 rpm (short coupling)"
    std::vector<std::string> details;  // one line per plane
};

// One project of a report: what the window (or the command line) had, and what the core made of it.
struct ReportSection {
    std::string fileName;  // as the header shows it: the project file's name
    ProjectRecord record;
    CalcOptions options;
    CalcResult result;
    std::optional<ReportVerdict> verdict;
    // Sentences of the readings check; an empty list means the readings were checked and found
    // consistent, no list means they were not checked.
    std::optional<std::vector<std::string>> findings;
    // Where the method and its choices came from, when the report is made from files: said in the
    // header, so that a reader knows whether they are the job's own. None from the window.
    std::optional<OptionsSource> optionsSource;
    // The user's shim kit the packs of the Feet part are made of; the common pre-cut range of the
    // options' units when none is given.
    std::optional<ShimKit> shimKit;
    // The stage of the job the section shows ("As found", "As left"), heading its first page; empty
    // for a report of plain projects.
    std::string stage;
};

// An as-found section followed by an as-left one: the report then opens with the table that
// compares them instead of the list of projects.
bool isFoundLeftPair(const std::vector<ReportSection>& sections);

// A section for a project with its calculation run as the window runs it.
ReportSection makeReportSection(std::string fileName, const ProjectRecord& record,
                                const CalcOptions& options);
// A section with its verdict and findings too: the job assessed once, as the main window shows it.
ReportSection makeAssessedReportSection(std::string fileName, const ProjectRecord& record,
                                        const CalcOptions& options);
// Judges the section's alignment and checks its readings, as the main window does, in the units of
// its options: fills `verdict` and `findings` from the assessment of the section's job.
void addVerdictAndFindings(ReportSection& section);
void addVerdictAndFindings(ReportSection& section, const Assessment& assessment);

// A section of a job as a window that has just opened it shows it: the view's method and choices, the
// acceptable offset of the method's span at the job's speed, in `units`; with verdict and findings,
// and headed by the stage's name when one is given.
ReportSection makeOpenedSection(std::string fileName, ProjectRecord record, const ViewOptions& view,
                                UnitSystem units, std::optional<JobStage> stage = std::nullopt);

// Lays out the sections and paints them on the device, page by page: with more than one section a
// first page lists them. The layout is the same on every device: it is made for the area that A4 and
// Letter paper share, and shrunk only on paper smaller than that. False when the device cannot be
// painted on.
bool paintReport(QPagedPaintDevice& device, const std::vector<ReportSection>& sections,
                 const DisplayFormat& format);

// The whole report as a PDF document (A4), in memory. Empty with a reason in `error` on failure.
QByteArray reportPdf(const std::vector<ReportSection>& sections, const DisplayFormat& format,
                     QString* error = nullptr);

}  // namespace corvane
