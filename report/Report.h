#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "calc/judging/ShimPacks.h"
#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"
#include "report/ReportFormat.h"

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
    // The user's shim kit the packs of the Feet part are made of; the common pre-cut range of the
    // options' units when none is given.
    std::optional<ShimKit> shimKit;
};

// A section for a project with its calculation run as the window runs it.
ReportSection makeReportSection(std::string fileName, const ProjectRecord& record,
                                const CalcOptions& options);
// Judges the section's alignment and checks its readings, as the main window does, in the units of
// its options: fills `verdict` and `findings`.
void addVerdictAndFindings(ReportSection& section);

// Lays out the sections and paints them on the device, page by page: with more than one section a
// first page lists them. The layout is the same on every device: it is made for the area that A4 and
// Letter paper share, and shrunk only on paper smaller than that. False when the device cannot be
// painted on.
bool paintReport(QPagedPaintDevice& device, const std::vector<ReportSection>& sections,
                 const ReportFormat& format);

// The whole report as a PDF document (A4), in memory. Empty with a reason in `error` on failure.
QByteArray reportPdf(const std::vector<ReportSection>& sections, const ReportFormat& format,
                     QString* error = nullptr);

}  // namespace corvane
